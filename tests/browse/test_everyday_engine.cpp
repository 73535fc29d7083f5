// The real engine on local pages: pages back after a restart, find's counter, PDF documents in the
// page, each site's zoom, and words typed into the address box.
#include "EngineWindow.h"
#include "RecordingAgent.h"
#include "TinyHttp.h"
#include "app/AppGlobals.h"
#include "app/WindowProbe.h"
#include "base/RegUtil.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/Downloads.h"
#include "browse/FindBar.h"
#include "browse/HistoryStore.h"
#include "browse/PageCommands.h"
#include "browse/PageEvents.h"
#include "browse/PageSession.h"
#include "browse/SessionFile.h"
#include "browse/WebEngineBrowser.h"
#include "browse/ZoomBadge.h"

#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kTimeoutMs = 30000;
}

class TestEverydayEngine : public QObject, EngineWindowFixture {
    Q_OBJECT
    QTemporaryDir site;

    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(site.filePath(name));
        if (!file.open(QIODevice::WriteOnly)) return {};
        file.write(bytes);
        return QUrl::fromLocalFile(file.fileName()).toString();
    }
    bool loaded(const QString& url) const {
        return current() && current()->LocationURL() == url && !current()->Busy();
    }
    void go(const QString& url) {
        current()->Navigate(url);
        QTRY_VERIFY_WITH_TIMEOUT(loaded(url), kTimeoutMs);
    }

private slots:
    void init() { QVERIFY(StartEngineWindow()); }
    void cleanup() { EndEngineWindow(); }

    void pagesComeBackAfterARestartWithTheirBackList() {
        form->OpenStartupPage();
        const QString alpha = write(QStringLiteral("alpha.html"), "<title>Alpha</title><p>first");
        const QString bravo =
            write(QStringLiteral("bravo.html"), "<title>Bravo carol sheet</title><p>second");
        const QString charlie = write(QStringLiteral("charlie.html"), "<title>Charlie</title><p>third");
        const QString delta = write(QStringLiteral("delta.html"), "<title>Delta</title><p>fourth");
        go(alpha);
        go(bravo);
        for (const QString& url : {charlie, delta}) {
            form->OpenInNewPage(url);
            QTRY_VERIFY_WITH_TIMEOUT(loaded(url), kTimeoutMs);
        }
        QTRY_COMPARE_WITH_TIMEOUT(mod().Pages->Page(3).Title, QStringLiteral("Delta"), kTimeoutMs);
        mod().Pages->SelectTab(4); // Charlie in front
        form->FileExit();
        const QString file = App().Prefs.Values().SessionFile;
        QTRY_VERIFY_WITH_TIMEOUT(SessionFile::Read(file) && SessionFile::Read(file)->current == 1,
                                 kTimeoutMs);
        form.reset();

        // The next start, told to open the pages from last time.
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kRestorePages, QStringLiteral("1"));
        env->InitGlobalsWithRecorder();
        QVERIFY(OpenWindow());
        form->OpenStartupPage();
        QTabBar* tabs = ui().TabMain;
        QCOMPARE(tabs->count(), 5);
        QCOMPARE(tabs->tabText(2), QStringLiteral("Bravo carol sheet"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("Charlie"));
        QCOMPARE(tabs->tabText(4), QStringLiteral("Delta"));
        QCOMPARE(tabs->currentIndex(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(loaded(charlie), kTimeoutMs);
        // Only the page in front has loaded.
        const int deltaSlot = mod().Pages->SlotOfTab(5);
        QVERIFY(mod().Session->Waiting(deltaSlot));
        QVERIFY(mod().Pages->Control(deltaSlot)->LocationURL().isEmpty());

        // The first page, shown: where it was, and Back still goes to the page before.
        tabs->setCurrentIndex(2);
        QTRY_VERIFY_WITH_TIMEOUT(loaded(bravo), kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(mod().Events->CornerShown(CornerBack), kTimeoutMs);
        current()->GoBack();
        QTRY_VERIFY_WITH_TIMEOUT(loaded(alpha), kTimeoutMs);

        // And the page is found again by words of its title.
        const QList<HistoryEntry> found = mod().Kept->Search(QStringLiteral("carol sheet"));
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().address, bravo);
    }

    void findCountsTheMatchAndStepsBothWays() {
        form->OpenStartupPage();
        QByteArray body = "<title>Snow</title><body>";
        for (int i = 0; i < 306; ++i)
            body += "<span>snow</span> ";
        const QString page = write(QStringLiteral("snow.html"), body);
        go(page);
        mod().Commands->ItemEditFind_Click();
        FindBar* bar = mod().Commands->Finder();
        bar->Edit()->setText(QStringLiteral("snow"));
        QTRY_COMPARE_WITH_TIMEOUT(bar->MatchesText(), QStringLiteral("1 of 306"), kTimeoutMs);
        QTest::keyClick(bar->Edit(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(bar->MatchesText(), QStringLiteral("2 of 306"), kTimeoutMs);
        QTest::keyClick(bar->Edit(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(bar->MatchesText(), QStringLiteral("3 of 306"), kTimeoutMs);
        QTest::keyClick(bar->Edit(), Qt::Key_Return, Qt::ShiftModifier);
        QTRY_COMPARE_WITH_TIMEOUT(bar->MatchesText(), QStringLiteral("2 of 306"), kTimeoutMs);
        bar->Edit()->setText(QStringLiteral("sleigh"));
        QTRY_COMPARE_WITH_TIMEOUT(bar->MatchesText(), QStringLiteral("No matches"), kTimeoutMs);
    }

    void aPdfShowsInThePageAndCanBeSaved() {
        form->OpenStartupPage();
        const QString pdfPath = site.filePath(QStringLiteral("carols.pdf"));
        {
            QPdfWriter pdf(pdfPath);
            pdf.setTitle(QStringLiteral("Carols"));
            QPainter painter(&pdf);
            painter.drawText(QPointF(200, 400), QStringLiteral("Silent night, holy night"));
        }
        int asked = 0;
        Downloads* saving = factory->Saving();
        const QString target = site.filePath(QStringLiteral("saved.pdf"));
        saving->AskForPath = [&](const QString&) {
            ++asked;
            return target;
        };
        saving->Tell = [](const QString&, bool) {};
        const QString url = QUrl::fromLocalFile(pdfPath).toString();
        // A document offered as a download would leave the page where it was.
        go(url);
        QCOMPARE(asked, 0);

        // Saved as the file it is.
        mod().Commands->ItemFileSaveAs_Click();
        QTRY_COMPARE_WITH_TIMEOUT(asked, 1, kTimeoutMs);
        QFile original(pdfPath), saved(target);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QTRY_VERIFY_WITH_TIMEOUT(saved.exists() && saved.size() == original.size(), kTimeoutMs);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), original.readAll());
    }

    void eachSiteKeepsItsZoomAndTheCornerShowsIt() {
        form->OpenStartupPage();
        TinyHttp http;
        http.Page("/a.html", "<title>A</title><p>a");
        http.Page("/b.html", "<title>B</title><p>b");
        const QString local = write(QStringLiteral("local.html"), "<title>Local</title><p>local");
        ZoomBadge* badge = mod().ZoomShown;
        go(http.Url(QStringLiteral("/a.html")));
        QVERIFY(badge->isHidden());
        mod().Commands->Zoom(1);
        QCOMPARE(current()->Zoom(), 1.1);
        QVERIFY(!badge->isHidden());
        QCOMPARE(badge->text(), QStringLiteral("110 %"));

        go(local); // another site: its own zoom
        QTRY_COMPARE_WITH_TIMEOUT(current()->Zoom(), 1.0, kTimeoutMs);
        QVERIFY(badge->isHidden());
        go(http.Url(QStringLiteral("/b.html"))); // back on the first site
        QTRY_COMPARE_WITH_TIMEOUT(current()->Zoom(), 1.1, kTimeoutMs);
        QVERIFY(!badge->isHidden());

        // A new page on the site takes it too, and a click on the corner goes back to 100 % for all.
        form->OpenInNewPage(http.Url(QStringLiteral("/a.html")));
        QTRY_VERIFY_WITH_TIMEOUT(loaded(http.Url(QStringLiteral("/a.html"))), kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(current()->Zoom(), 1.1, kTimeoutMs);
        emit badge->resetRequested();
        QCOMPARE(current()->Zoom(), 1.0);
        QVERIFY(badge->isHidden());
        QCOMPARE(mod().Pages->Control(1)->Zoom(), 1.0);
    }

    void wordsTypedIntoTheAddressBoxSearch() {
        form->OpenStartupPage();
        TinyHttp http;
        http.Page("/find?q=python%20decorators", "<title>Results for python decorators</title><p>found");
        Preferences prefs = App().Prefs.Values();
        prefs.SearchAddress = http.Url(QStringLiteral("/find?q={searchTerms}"));
        App().Prefs.Replace(prefs);
        ui().EditUrl->setText(QStringLiteral("python decorators"));
        QTest::keyClick(ui().EditUrl, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(current()->LocationName(), QStringLiteral("Results for python decorators"),
                                  kTimeoutMs);
    }
};

QTEST_MAIN(TestEverydayEngine)
#include "test_everyday_engine.moc"
