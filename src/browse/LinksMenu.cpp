#include "browse/LinksMenu.h"

#include "browse/BrowserControl.h"
#include "browse/Browsers.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>

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

namespace {
// Menus taller than the screen scroll instead of running off its edge in columns.
class ScrollingMenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == QStyle::SH_Menu_Scrollable) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};
} // namespace

LinksMenu::LinksMenu(Browsers& pages, QMenu& menu, QAction& noLinks)
    : pages_(pages)
    , menu_(menu)
    , noLinks_(noLinks) {
    auto* style = new ScrollingMenuStyle;
    style->setParent(&menu_);
    menu_.setStyle(style);
    QObject::connect(&menu_, &QMenu::aboutToShow, &menu_, [this] { build(); });
}

QVector<LinksMenu::Link> LinksMenu::LinksFromAnswer(const QVariant& answer) {
    QVector<Link> links;
    const QVariantList list = answer.toList();
    links.reserve(list.size());
    for (const QVariant& entry : list) {
        const QVariantList pair = entry.toList();
        if (pair.size() != 2) continue; // unreadable link: skipped
        const QString text = pair[0].toString().trimmed();
        if (text.isEmpty()) continue; // an image-only link has no text
        links.append({text, pair[1].toString()});
    }
    return links;
}

void LinksMenu::keep(BrowserControl* page, QVector<Link> links) {
    if (!links_.contains(page))
        QObject::connect(page, &QObject::destroyed, &menu_, [this, page] { links_.remove(page); });
    links_.insert(page, std::move(links));
    stale_ = true;
    if (menu_.isVisible()) build();
}

void LinksMenu::Forget(BrowserControl* page) {
    links_.remove(page);
}

void LinksMenu::PopulateLinksMenu() {
    const int generation = ++generation_;
    stale_ = true;
    BrowserControl* page = pages_.Current();
    if (!page) return;
    links_.remove(page);
    QPointer<BrowserControl> asked(page);
    page->RunScript(kLinksScript, [this, generation, asked](const QVariant& answer) {
        if (generation != generation_ || !asked || asked != pages_.Current())
            return; // the menu belongs to another page by now
        keep(asked, LinksFromAnswer(answer));
    });
}

void LinksMenu::ShowCurrentPage() {
    stale_ = true;
    BrowserControl* page = pages_.Current();
    if (page && !links_.contains(page))
        PopulateLinksMenu();
    else
        ++generation_; // an answer still on its way belongs to the page left
}

void LinksMenu::build() {
    if (!stale_) return;
    stale_ = false;
    BrowserControl* page = pages_.Current();
    static const QVector<Link> none;
    const auto found = page ? links_.constFind(page) : links_.constEnd();
    const QVector<Link>& links = found == links_.constEnd() ? none : *found;

    // Items are made once and reused: removing thousands of items from a menu one by one is slow.
    const int count = int(links.size());
    QList<QAction*> added;
    for (int index = int(pool_.size()) + 1; index <= count; ++index) {
        auto* item = new QAction(&menu_);
        QObject::connect(item, &QAction::triggered, item, [this, index] { ItemLinksItem_Click(index); });
        pool_.append(item);
        added.append(item);
    }
    menu_.addActions(added);
    for (int i = 0; i < count; ++i) {
        QString caption = links[i].text;
        caption.replace(QLatin1Char('&'), QStringLiteral("&&")); // shown literally
        QAction* item = pool_[i];
        item->setText(caption);
        item->setData(links[i].href);
        item->setVisible(true);
    }
    for (int i = count; i < shown_; ++i)
        pool_[i]->setVisible(false);
    shown_ = count;
    noLinks_.setVisible(count == 0);
}

int LinksMenu::LinkCount() {
    build();
    return shown_;
}

QAction* LinksMenu::Item(int index) {
    build();
    return index >= 1 && index <= shown_ ? pool_[index - 1] : nullptr;
}

void LinksMenu::ItemLinksItem_Click(int index) {
    if (index < 1 || index > shown_) return;
    if (BrowserControl* page = pages_.Current()) page->Navigate(pool_[index - 1]->data().toString());
}

void LinksMenu::ReadThePage() {
    if (pages_.CurInterface() != InterfaceBrowser || pages_.CurBrowser() < 1) return;
    emit interruptRequested();
    BrowserControl* page = pages_.Current();
    QPointer<BrowserControl> asked(page);
    page->RunScript(kReadScript, [this, asked](const QVariant& answer) {
        if (!asked || asked != pages_.Current()) return;
        const QVariantMap doc = answer.toMap();
        const QString selText = doc.value(QStringLiteral("selText")).toString();
        if (doc.value(QStringLiteral("selType")).toString().toLower() == QLatin1String("range") &&
            !selText.isEmpty()) {
            emit speakRequested(QStringLiteral("Selected text: ") + selText);
            return;
        }
        // The page's words are read as they stand: the speech mark-up is for the program's own lines.
        emit speakRequested(QStringLiteral("Page title: ") + doc.value(QStringLiteral("title")).toString());
        emit speakRequested(QStringLiteral("Page text: ") + doc.value(QStringLiteral("body")).toString());
    });
}
