// The real engine on local pages: what the window sees of frames, pop-ups, links and dying pages.
#include "EngineWindow.h"
#include "RecordingAgent.h"
#include "app/AppGlobals.h"
#include "app/AppSetup.h"
#include "app/MainMenus.h"
#include "app/WindowProbe.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/History.h"
#include "browse/LinksMenu.h"
#include "browse/PageEvents.h"
#include "browse/WebEngineBrowser.h"
#include "lights/LightString.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {
constexpr int kLoadTimeoutMs = 30000;
}

class TestEngine : public QObject, EngineWindowFixture {
    Q_OBJECT
    QTemporaryDir site;

    QString write(const QString& name, const QByteArray& html) {
        QFile file(site.filePath(name));
        if (!file.open(QIODevice::WriteOnly)) return {};
        file.write(html);
        return QUrl::fromLocalFile(file.fileName()).toString();
    }
    // The page shows the address and has finished loading it.
    bool loaded(int slot, const QString& url) const {
        return mod().Pages->InUse(slot) && mod().Pages->Control(slot)->LocationURL() == url &&
               !mod().Pages->Control(slot)->Busy() && mod().Events->Shown(slot)->Busy.Count() == 0;
    }

private slots:
    void init() { QVERIFY(StartEngineWindow()); }
    void cleanup() { EndEngineWindow(); }

    void framesAddAHistoryLineEach() {
        write(QStringLiteral("a.html"), "<title>A</title><p>a</p>");
        write(QStringLiteral("b.html"), "<title>B</title><p>b</p>");
        write(QStringLiteral("c.html"), "<title>C</title><p>c</p>");
        const QString top =
            write(QStringLiteral("frames.html"),
                  "<title>Framed</title><iframe src='a.html'></iframe><iframe src='b.html'></iframe>"
                  "<iframe src='c.html'></iframe>");
        current()->Navigate(top);
        QTRY_VERIFY_WITH_TIMEOUT(form->windowTitle() == QStringLiteral("Framed - Glisterwood 99"),
                                 kLoadTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(loaded(1, top), kLoadTimeoutMs);
        QCOMPARE(mod().HistoryList->List()->count(), 4);
        QCOMPARE(mod().HistoryList->List()->item(3)->text(), top); // the page itself came first
        QCOMPARE(ui().EditUrl->text(), top);                       // frames left the address box alone
        QCOMPARE(mod().Lights->StringOf(1)->LastBulb, 4);
    }

    void linksMenuSkipsImageLinksAndTrimsText() {
        const QString page =
            write(QStringLiteral("links.html"), "<title>Links</title>"
                                                "<a href='one.html'><img alt='' src='data:image/gif;base64,"
                                                "R0lGODlhAQABAAAAACw='></a>"
                                                "<a href='two.html'>   Padded words   </a>"
                                                "<a href='three.html'>Fish &amp; chips</a>"
                                                "<script>document.links[2].innerText;</script>");
        current()->Navigate(page);
        QTRY_VERIFY_WITH_TIMEOUT(loaded(1, page), kLoadTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(mod().Links->LinkCount(), 2, kLoadTimeoutMs);
        QCOMPARE(mod().Links->Item(1)->text(), QStringLiteral("Padded words"));
        QVERIFY(mod().Links->Item(1)->data().toString().endsWith(QStringLiteral("/two.html")));
        QCOMPARE(mod().Links->Item(2)->text(), QStringLiteral("Fish && chips"));
    }

    void aKilledPageIsClosed() {
        const QString first = write(QStringLiteral("first.html"), "<title>First</title>");
        current()->Navigate(first);
        QTRY_VERIFY_WITH_TIMEOUT(loaded(1, first), kLoadTimeoutMs);
        const QString victimPage = write(QStringLiteral("victim.html"), "<title>Victim</title>");
        mod().Pages->OpenInNewBrowser(victimPage);
        QTRY_VERIFY_WITH_TIMEOUT(loaded(2, victimPage), kLoadTimeoutMs);
        auto* victim = static_cast<WebEngineBrowser*>(mod().Pages->Control(2));
        const qint64 pid = victim->Page()->renderProcessPid();
        QVERIFY(pid > 0);
        ::kill(pid_t(pid), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(!mod().Pages->InUse(2), kLoadTimeoutMs);
        QCOMPARE(mod().Pages->CurBrowser(), 1);
        QCOMPARE(ui().TabMain->count(), 3);
    }

    void printingWritesThePage() {
        const QString page =
            write(QStringLiteral("print.html"), "<title>Print me</title><h1>Printed words</h1>");
        current()->Navigate(page);
        QTRY_VERIFY_WITH_TIMEOUT(loaded(1, page), kLoadTimeoutMs);
        auto* browser = static_cast<WebEngineBrowser*>(current());
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(site.filePath(QStringLiteral("out.pdf")));
        QSignalSpy finished(browser, &WebEngineBrowser::PrintFinished);
        QSignalSpy notices(browser, &BrowserControl::Notice);
        browser->PrintTo(std::move(printer));
        QVERIFY(finished.wait(kLoadTimeoutMs));
        QCOMPARE(finished.first().first().toBool(), true);
        // The engine's own PDF: text kept as text in fonts, not pictures of the page.
        QFile pdf(site.filePath(QStringLiteral("out.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("/Font"));
        QVERIFY(bytes.size() < 200000);
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices.first().first().toString().startsWith(QStringLiteral("Printed to ")));
    }

    void editMenuCopiesAndPastesThroughTheEngine() {
        const QString url =
            write(QStringLiteral("edit.html"),
                  "<html><body><p id=p>Deck the halls</p><input id=box value=''></body></html>");
        current()->Navigate(url);
        QTRY_VERIFY_WITH_TIMEOUT(loaded(1, url), kLoadTimeoutMs);
        MainMenus& m = *ui().Menus;
        QVERIFY(!current()->CanEdit(BrowserControl::EditCopy)); // nothing selected yet
        QSignalSpy changed(current(), &BrowserControl::EditStateChanged);
        auto* page = static_cast<WebEngineBrowser*>(current())->Page();
        page->runJavaScript(QStringLiteral("getSelection().selectAllChildren(document.getElementById('p'))"));
        QTRY_VERIFY_WITH_TIMEOUT(current()->CanEdit(BrowserControl::EditCopy), kLoadTimeoutMs);
        QVERIFY(!changed.isEmpty());
        QApplication::clipboard()->clear();
        m.ItemEditCopy->trigger();
        QTRY_COMPARE(QApplication::clipboard()->text(), QStringLiteral("Deck the halls"));
        // Pasted into the page's own field, once the page has really put the caret there: the
        // engine pastes into whatever holds the focus at that moment.
        auto value = std::make_shared<QString>();
        auto ask = [page, value](const QString& script) {
            page->runJavaScript(script, [value](const QVariant& v) { *value = v.toString(); });
            return *value;
        };
        page->runJavaScript(QStringLiteral("document.getElementById('box').focus()"));
        QTRY_COMPARE_WITH_TIMEOUT(ask(QStringLiteral("document.hasFocus() && document.activeElement.id")),
                                  QStringLiteral("box"), kLoadTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(current()->CanEdit(BrowserControl::EditPaste), kLoadTimeoutMs);
        m.ItemEditPaste->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(ask(QStringLiteral("document.getElementById('box').value")),
                                  QStringLiteral("Deck the halls"), kLoadTimeoutMs);
    }

    void ownPagesAndTypedAddressesLoad() {
        QCOMPARE(WebEngineBrowser::UrlFromUserInput(QStringLiteral("example.org")).toString(),
                 QStringLiteral("http://example.org"));
        current()->Navigate(App().Prefs.Values().StartupPage);
        QTRY_COMPARE_WITH_TIMEOUT(form->windowTitle(),
                                  QStringLiteral("Welcome to Glisterwood 99 - Glisterwood 99"),
                                  kLoadTimeoutMs);
    }
};

int main(int argc, char** argv) {
    PrepareBeforeApplication();
    QApplication app(argc, argv);
    TestEngine test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_engine.moc"
