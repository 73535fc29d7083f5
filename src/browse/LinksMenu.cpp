#include "browse/LinksMenu.h"

#include "agent/AgentController.h"
#include "app/AppGlobals.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace {
const QString kLinksScript =
    QStringLiteral("(function(){var out=[];var links=document.links;"
                   "for(var i=0;i<links.length;i++){var a=links[i];"
                   "out.push([String(a.innerText||''),String(a.href||'')]);}return out;})()");

const QString kReadScript = QStringLiteral(
    "(function(){var s=window.getSelection();"
    "return {selType:s?String(s.type):'',selText:s?String(s):'',title:String(document.title||''),"
    "body:document.body?String(document.body.innerText||''):''};})()");
} // namespace

LinksMenu::LinksMenu(Browsers& pages, QMenu& menu, QAction& noLinks)
    : pages_(pages)
    , menu_(menu)
    , noLinks_(noLinks) {}

QVector<LinksMenu::Link> LinksMenu::LinksFromAnswer(const QVariant& answer) {
    QVector<Link> links;
    const QVariantList list = answer.toList();
    for (const QVariant& entry : list) {
        const QVariantList pair = entry.toList();
        if (pair.size() != 2) continue; // unreadable link: skipped
        const QString text = pair[0].toString().trimmed();
        if (text.isEmpty()) continue; // an image-only link has no text
        links.append({text, pair[1].toString()});
    }
    return links;
}

void LinksMenu::clearItems() {
    for (QAction* item : items_) {
        menu_.removeAction(item);
        delete item;
    }
    items_.clear();
}

void LinksMenu::PopulateLinksMenu() {
    noLinks_.setVisible(true);
    clearItems();
    const int generation = ++generation_;
    BrowserControl* page = pages_.Current();
    if (!page) return;
    QPointer<BrowserControl> asked(page);
    page->RunScript(kLinksScript, [this, generation, asked](const QVariant& answer) {
        if (generation != generation_ || !asked || asked != pages_.Current())
            return; // the menu belongs to another page by now
        const QVector<Link> links = LinksFromAnswer(answer);
        for (const Link& link : links) {
            QString caption = link.text;
            caption.replace(QLatin1Char('&'), QStringLiteral("&&")); // shown literally
            QAction* item = menu_.addAction(caption);
            item->setData(link.href);
            const int index = int(items_.size()) + 1;
            QObject::connect(item, &QAction::triggered, item, [this, index] { ItemLinksItem_Click(index); });
            items_.append(item);
        }
        noLinks_.setVisible(items_.isEmpty());
    });
}

void LinksMenu::ItemLinksItem_Click(int index) {
    if (index < 1 || index > items_.size()) return;
    if (BrowserControl* page = pages_.Current()) page->Navigate(items_[index - 1]->data().toString());
}

void LinksMenu::ReadThePage() {
    if (pages_.CurInterface != InterfaceBrowser || pages_.CurBrowser < 1) return;
    App().Agent->Interrupt();
    BrowserControl* page = pages_.Current();
    QPointer<BrowserControl> asked(page);
    page->RunScript(kReadScript, [this, asked](const QVariant& answer) {
        if (!asked || asked != pages_.Current()) return;
        const QVariantMap doc = answer.toMap();
        const QString selText = doc.value(QStringLiteral("selText")).toString();
        if (doc.value(QStringLiteral("selType")).toString().toLower() == QLatin1String("range") &&
            !selText.isEmpty()) {
            App().Agent->Speak(QStringLiteral("Selected text: ") + selText);
            return;
        }
        App().Agent->Speak(QStringLiteral("Page title: ") + doc.value(QStringLiteral("title")).toString());
        App().Agent->Speak(QStringLiteral("Page text: ") + doc.value(QStringLiteral("body")).toString());
    });
}
