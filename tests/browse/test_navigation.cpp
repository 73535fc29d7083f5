#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/MainMenus.h"
#include "app/Widgets.h"
#include "app/WindowProbe.h"
#include "bookmarks/LightString.h"
#include "browse/Browsers.h"
#include "browse/History.h"
#include "browse/PageEvents.h"
#include "browse/SurfCommands.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTest>
#include <QTimer>

class TestNavigation : public QObject {
    Q_OBJECT

    static FakeBrowser* page(FakeWindow& w, int slot) {
        return static_cast<FakeBrowser*>(w.mod->Pages->Control(slot));
    }
    static QStringList history(FakeWindow& w) {
        QStringList lines;
        for (int i = 0; i < w.mod->HistoryList->List()->count(); ++i)
            lines << w.mod->HistoryList->List()->item(i)->text();
        return lines;
    }

private slots:
    void aNavigationRunsFromBusyToIdle() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        BrowserPage& record = w.mod->Pages->Page(1);
        p->Begin(QStringLiteral("http://a.example/"));
        QCOMPARE(record.Busy.Count(), 1);
        QVERIFY(!w.ui->ImgStop->isHidden() && w.ui->ImgReload->isHidden());
        QVERIFY(w.mod->Lights->Flasher()->isActive());
        QCOMPARE(w.ui->EditUrl->text(), QStringLiteral("http://a.example/"));
        QCOMPARE(record.LastBulb, 1);
        QVERIFY(record.BulbSlots[1].InUse);
        QVERIFY(record.BulbSlots[1].Colour >= 1 && record.BulbSlots[1].Colour <= 5);

        // A frame adds a bulb and a history line but leaves the address box alone.
        p->Begin(QStringLiteral("http://a.example/frame.html"), QStringLiteral("_frame"));
        QCOMPARE(record.Busy.Count(), 2);
        QCOMPARE(record.LastBulb, 2);
        QCOMPARE(w.ui->EditUrl->text(), QStringLiteral("http://a.example/"));
        QCOMPARE(history(w), (QStringList{QStringLiteral("http://a.example/frame.html"),
                                          QStringLiteral("http://a.example/")}));

        p->Commit(QStringLiteral("http://a.example/"));
        QVERIFY(!w.ui->ImgReload->isHidden());
        QVERIFY(!record.Pending.Contains(QStringLiteral("http://a.example/")));
        QVERIFY(record.Pending.Contains(QStringLiteral("http://a.example/frame.html")));
        p->busy = false;
        p->Finish();
        QCOMPARE(record.Busy.Count(), 1);
        QVERIFY(!w.ui->ImgStop->isHidden());
        p->Finish();
        QCOMPARE(record.Busy.Count(), 0);
        QVERIFY(w.ui->ImgStop->isHidden());
        QVERIFY(!w.mod->Lights->Flasher()->isActive());
        QVERIFY(w.agent->said.contains(QStringLiteral("script:page_loaded")));
        QVERIFY(!p->scripts.isEmpty()); // the Links menu asked the page for its links
        p->Finish();                    // a stray end never takes the count below zero
        QCOMPARE(record.Busy.Count(), 0);
    }

    void aPendingAddressGetsASteadyBulb() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        BrowserPage& record = w.mod->Pages->Page(1);
        p->Begin(QStringLiteral("http://same.example/"));
        p->Begin(QStringLiteral("http://same.example/"));
        QCOMPARE(record.Pending.Count(), 1);
        QCOMPARE(record.Pending.SlotAt(0), 1);
        // Flasher ticks blink only the pending bulb.
        w.mod->Lights->TimerBulbFlasher_Timer();
        QCOMPARE(record.BulbSlots[1].State, 1);
        QCOMPARE(record.BulbSlots[2].State, 2);
        w.mod->Lights->TimerBulbFlasher_Timer();
        QCOMPARE(record.BulbSlots[1].State, 2);
        w.mod->Lights->TimerBulbFlasher_Timer();
        // Once the page is idle, the flasher settles everything and stops.
        p->busy = false;
        w.mod->Lights->TimerBulbFlasher_Timer();
        QCOMPARE(record.BulbSlots[1].State, 2);
        QCOMPARE(record.Pending.Count(), 0);
        QCOMPARE(record.Busy.Count(), 0);
        QVERIFY(!w.mod->Lights->Flasher()->isActive());
        QVERIFY(w.ui->ImgStop->isHidden());
    }

    void theStringWrapsWhenFull() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        const int slotCount = w.form->Layout().slotCount;
        QVERIFY(slotCount > 10);
        for (int i = 0; i <= slotCount; ++i)
            p->Begin(QStringLiteral("http://n%1.example/").arg(i));
        QCOMPARE(w.mod->Pages->Page(1).LastBulb, 1);
        QCOMPARE(w.mod->Pages->Page(1).BulbSlots[1].Address,
                 QStringLiteral("http://n%1.example/").arg(slotCount));
    }

    void cornersOfABackgroundPageWaitForIt() {
        FakeWindow w;
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        emit page(w, 1)->CommandStateChange(BrowserControl::CommandBack, true);
        QVERIFY(w.mod->Pages->Page(1).NavButtons[CornerBack]);
        QVERIFY(w.ui->ImgGoBack->isHidden());
        page(w, 1)->Begin(QStringLiteral("http://one.example/next"));
        QVERIFY(w.ui->ImgStop->isHidden());
        QCOMPARE(w.ui->EditUrl->text(), QString()); // page two's box is untouched
        QVERIFY(!w.mod->Lights->Flasher()->isActive());
        // Page one finishes in the background and keeps its final address.
        page(w, 1)->Commit(QStringLiteral("http://one.example/final"));
        page(w, 1)->busy = false;
        page(w, 1)->Finish();
        w.ui->TabMain->setCurrentIndex(2);
        QVERIFY(!w.ui->ImgGoBack->isHidden());
        QVERIFY(w.ui->ImgGoForward->isHidden());
        QVERIFY(w.ui->ImgStop->isHidden());
        QVERIFY(!w.ui->ImgReload->isHidden());
        QCOMPARE(w.ui->EditUrl->text(), QStringLiteral("http://one.example/final"));
        w.ui->ImgGoBack->clicked();
        QCOMPARE(page(w, 1)->commands, QStringList{QStringLiteral("back")});
        w.ui->ImgGoForward->clicked(); // hidden: nothing
        QCOMPARE(page(w, 1)->commands.size(), 1);
    }

    void commandsActOnTheCurrentPage() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        w.ui->EditUrl->setText(QStringLiteral("example.org"));
        QTest::keyClick(w.ui->EditUrl, Qt::Key_Return);
        QCOMPARE(p->navigations.last(), QStringLiteral("example.org"));

        p->Begin(QStringLiteral("http://slow.example/"));
        w.ui->Menus->ItemSurfReload->trigger();
        QVERIFY(!p->commands.contains(QStringLiteral("refresh"))); // no reload while busy
        w.ui->Menus->KeyEscape->trigger();                         // Escape
        QCOMPARE(p->commands, QStringList{QStringLiteral("stop")});
        QVERIFY(w.ui->ImgStop->isHidden());
        QVERIFY(w.mod->Pages->Page(1).NavButtons[CornerStop]); // the flag itself stays
        p->busy = false;
        w.ui->Menus->ItemSurfReload->trigger();
        QCOMPARE(p->commands.last(), QStringLiteral("refresh"));

        w.ui->TabMain->setCurrentIndex(1);
        const int before = p->navigations.size();
        w.mod->Surf->ItemSurfSearchPage_Click();
        w.mod->Surf->ItemSurfWelcomePage_Click();
        QCOMPARE(p->navigations.size(), before);
        w.mod->Surf->ItemSurfStartupPage_Click();
        QCOMPARE(p->navigations.last(), App().StartupPage);
        w.ui->TabMain->setCurrentIndex(2);
        w.ui->Menus->ItemSurfSearchPage->trigger();
        QCOMPARE(p->navigations.last(), App().SearchPage);
    }

    void statusTextAndThoughtsFollowTheCurrentPage() {
        FakeWindow w;
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("https://two.example/"));
        emit page(w, 1)->StatusTextChange(QStringLiteral("http://hidden.example/"));
        QCOMPARE(w.ui->PicStatusBar->Text(), QString());
        emit page(w, 2)->StatusTextChange(QStringLiteral("http://shown.example/"));
        QCOMPARE(w.ui->PicStatusBar->Text(), QStringLiteral("http://shown.example/"));
        QCOMPARE(w.mod->Events->StatusBarText(), QString());

        page(w, 2)->location = QStringLiteral("HTTPS://two.example/");
        page(w, 2)->name = QStringLiteral("Two");
        emit page(w, 2)->DocumentComplete(page(w, 2)->location);
        QCOMPARE(w.agent->said.last(), QStringLiteral("think:Loaded secure page: Two."));
        emit page(w, 1)->DocumentComplete(QStringLiteral("http://one.example/"));
        QCOMPARE(w.agent->said.last(), QStringLiteral("think:Loaded secure page: Two."));
        page(w, 2)->location = QStringLiteral("http://two.example/");
        emit page(w, 2)->DocumentComplete(page(w, 2)->location);
        QCOMPARE(w.agent->said.last(), QStringLiteral("think:Loaded: Two."));
        emit page(w, 2)->OnQuit();
        QCOMPARE(w.agent->said.last(), QStringLiteral("speak:On Quit"));
    }

    void aWindowRequestBecomesTheCurrentTab() {
        FakeWindow w;
        BrowserControl* target = nullptr;
        emit page(w, 1)->NewWindow2(&target);
        QVERIFY(target);
        QCOMPARE(target, w.mod->Pages->Current());
        QCOMPARE(w.mod->Pages->CurBrowser, 2);
        QCOMPARE(w.ui->TabMain->count(), 4);
        QCOMPARE(target->View()->geometry(), w.form->Layout().pane());

        // When no page can be made, the request lands in the current page.
        w.factory->fail = true;
        target = nullptr;
        emit page(w, 2)->NewWindow2(&target);
        QCOMPARE(target, w.mod->Pages->Current());
        QCOMPARE(w.ui->TabMain->count(), 4);
    }

    void deadPagesCloseAtTheNextSnowTick() {
        FakeWindow w;
        w.ui->TabMain->setCurrentIndex(1); // history, then back to page one
        w.ui->TabMain->setCurrentIndex(2);
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://doomed.example/"));
        page(w, 2)->alive = false;
        QVERIFY(w.ui->TimerSnow->isActive());
        QTRY_VERIFY(!w.mod->Pages->InUse(2));
        QCOMPARE(w.mod->Pages->CurBrowser, 1); // the previously used tab
        QCOMPARE(w.ui->TabMain->count(), 3);
        // A dead page in the background goes too, and the current one stays.
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://live.example/"));
        page(w, 1)->alive = false;
        QTRY_VERIFY(!w.mod->Pages->InUse(1));
        QCOMPARE(w.mod->Pages->CurBrowser, 2);
    }

    void historyOpensLinesInNewPages() {
        FakeWindow w;
        page(w, 1)->Begin(QStringLiteral("http://old.example/"));
        w.ui->TabMain->setCurrentIndex(1);
        w.mod->HistoryList->List()->clearSelection();
        w.mod->HistoryList->List()->setCurrentRow(-1);
        QListWidgetItem* item = w.mod->HistoryList->List()->item(0);
        emit w.mod->HistoryList->List()->itemDoubleClicked(item);
        QCOMPARE(w.factory->created.size(), 1); // nothing selected: nothing opens
        w.mod->HistoryList->List()->setCurrentRow(0);
        QTest::keyClick(w.mod->HistoryList->List(), Qt::Key_Return);
        QCOMPARE(w.factory->created.size(), 2);
        QCOMPARE(w.factory->created[1]->navigations, QStringList{QStringLiteral("http://old.example/")});
        QCOMPARE(w.mod->Pages->CurInterface, 3);
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
