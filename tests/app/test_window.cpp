#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/MainMenus.h"
#include "app/Widgets.h"
#include "app/WindowProbe.h"
#include "bookmarks/BookmarkView.h"
#include "browse/Browsers.h"
#include "browse/History.h"
#include "browse/PageEvents.h"
#include "browse/SurfCommands.h"
#include "dialogs/FormOptions.h"
#include "dialogs/OptionsEditor.h"
#include "lights/LightString.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

// The window's wiring on scripted pages: what the user sees of the modules' reports, and what the
// menus, keys and controls reach.
class TestWindow : public QObject {
    Q_OBJECT

    static FakeBrowser* page(FakeWindow& w, int slot) {
        return static_cast<FakeBrowser*>(w.mod->Pages->Control(slot));
    }
    static void clickTab(FakeWindow& w, int position) { w.ui->TabMain->setCurrentIndex(position - 1); }
    static QStringList history(FakeWindow& w) {
        QStringList lines;
        for (int i = 0; i < w.mod->HistoryList->List()->count(); ++i)
            lines << w.mod->HistoryList->List()->item(i)->text();
        return lines;
    }

private slots:
    void eachPageKeepsItsAddressBoxText() {
        FakeWindow w;
        QLineEdit* edit = w.ui->EditUrl;
        edit->setText(QStringLiteral("typed on one"));
        edit->setSelection(6, 2);
        w.mod->Events->SetStatusBarText(QStringLiteral("status one"));
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        edit->setText(QStringLiteral("typed on two"));
        clickTab(w, 3);
        QCOMPARE(edit->text(), QStringLiteral("typed on one"));
        QCOMPARE(edit->selectionStart(), 6);
        QCOMPARE(edit->selectedText(), QStringLiteral("on"));
        QCOMPARE(w.mod->Events->StatusBarText(), QStringLiteral("status one"));
        clickTab(w, 4);
        QCOMPARE(edit->text(), QStringLiteral("typed on two"));
    }

    void panesSetTheMenusAndControls() {
        FakeWindow w;
        MainMenus& m = *w.ui->Menus;
        clickTab(w, 2);
        QVERIFY(!w.mod->HistoryList->List()->isHidden() && w.ui->ListBookmarks->isHidden());
        QVERIFY(w.mod->Pages->Control(1)->View()->isHidden());
        QVERIFY(!m.ItemFileOpen->isVisible() && m.ItemFileOpenNew->isVisible());
        QVERIFY(!m.ItemFileClose->isEnabled() && !m.ItemFilePrint->isEnabled() &&
                !m.ItemFileOpenExternal->isEnabled());
        QVERIFY(m.ItemEditCut->isVisible() && !m.ItemEditCut->isEnabled() && !m.ItemEditFind->isEnabled());
        QVERIFY(!m.ItemSurfReload->isEnabled() && !m.ItemSurfAddToBookmarks->isEnabled() &&
                !m.MenuLinks->isEnabled());
        QVERIFY(!m.ItemCardOpen->isVisible() && !w.ui->EditUrl->isEnabled());
        QVERIFY(w.ui->ImgReload->isHidden());
        QVERIFY(w.agent->said.contains(QStringLiteral("voice:read=0")));
        // A selected history line enables the commands that act on it.
        w.mod->HistoryList->List()->addItem(QStringLiteral("http://seen.example/"));
        w.mod->HistoryList->List()->setCurrentRow(0);
        QVERIFY(m.ItemFileOpenExternal->isEnabled() && m.ItemSurfAddToBookmarks->isEnabled());

        clickTab(w, 1);
        QVERIFY(!w.ui->ListBookmarks->isHidden() && w.mod->HistoryList->List()->isHidden());
        QVERIFY(m.ItemFilePrint->isEnabled() && !m.ItemFileOpenExternal->isEnabled());
        QVERIFY(!m.ItemSurfAddToBookmarks->isEnabled());

        clickTab(w, 3);
        QVERIFY(w.ui->ListBookmarks->isHidden() && !w.mod->Pages->Control(1)->View()->isHidden());
        QVERIFY(m.ItemFileOpen->isVisible() && !m.ItemFileOpenNew->isVisible() &&
                m.ItemEditCut->isVisible()); // for the address box and the page
        QVERIFY(m.ItemEditFind->isEnabled() && m.MenuLinks->isEnabled() && m.ItemCardOpen->isVisible());
        QVERIFY(w.ui->EditUrl->isEnabled());
        QCOMPARE(w.agent->said.last(), QStringLiteral("voice:read=1"));
    }

    void characterCommandsRunOnTheNextTickAndOnlyTheLast() {
        FakeWindow w;
        emit w.agent->command(QStringLiteral("Tip"));
        emit w.agent->command(QStringLiteral(" Properties "));
        QVERIFY(!w.mod->Options->OptionsOpen()); // not inside the event
        QTRY_VERIFY(w.mod->Options->OptionsOpen());
        w.mod->Options->Dialog()->ButCancel->click();
        QVERIFY(w.agent->said.filter(QStringLiteral("command:")).isEmpty()); // never reaches Command
        emit w.agent->command(QStringLiteral("tip"));
        emit w.agent->command(QStringLiteral("READ"));
        QTRY_VERIFY(w.agent->said.contains(QStringLiteral("command:read")));
        QVERIFY(!w.agent->said.contains(QStringLiteral("command:tip")));
    }

    void tabMenuShowsWhatFitsThePane() {
        FakeWindow w;
        MainMenus& m = *w.ui->Menus;
        QVERIFY(m.ItemTabOpenExternal->isVisible() && m.ItemTabClose->isVisible());
        QVERIFY(m.ItemTabShowBookmarks->isVisible() && m.ItemTabShowHistory->isVisible());
        clickTab(w, 1);
        QVERIFY(!m.ItemTabOpenExternal->isVisible() && !m.ItemTabClose->isVisible());
        QVERIFY(!m.ItemTabShowBookmarks->isVisible() && m.ItemTabShowHistory->isVisible());
        m.ItemTabShowHistory->trigger();
        QCOMPARE(w.mod->Pages->CurInterface(), InterfaceHistory);
        QVERIFY(m.ItemTabShowBookmarks->isVisible() && !m.ItemTabShowHistory->isVisible());
    }

    void dropOnTheTabStripShowsTheText() {
        FakeWindow w;
        QString title, text;
        w.form->ShowMessage = [&](const QString& t, const QString& m) {
            title = t;
            text = m;
        };
        // A drop reaches the widget that accepted the drag's entry.
        auto dropOn = [&](QMimeData* data) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w.ui->TabMain, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w.ui->TabMain, &drop);
        };
        QMimeData data;
        data.setText(QStringLiteral("dropped words"));
        dropOn(&data);
        QCOMPARE(title, QStringLiteral("Text"));
        QCOMPARE(text, QStringLiteral("dropped words"));
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/first.txt")),
                       QUrl::fromLocalFile(QStringLiteral("/tmp/b"))});
        dropOn(&files);
        QCOMPARE(text, QStringLiteral("/tmp/first.txt"));
    }

    void captionsAreCutOnlyWhileSeveralPagesAreOpen() {
        FakeWindow w;
        const QString title = QStringLiteral("A very long page title that goes on and on!!!");
        QCOMPARE(title.size(), 45);
        page(w, 1)->Title(title);
        QCOMPARE(w.ui->TabMain->tabText(2), title);
        QCOMPARE(w.form->windowTitle(), title + QStringLiteral(" - Glisterwood 99"));
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        page(w, 2)->Title(title);
        QCOMPARE(w.ui->TabMain->tabText(3), title.left(30));
        QCOMPARE(w.ui->TabMain->tabToolTip(3), title);
        page(w, 2)->Title(QString());
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Glisterwood 99"));
        // A page in the background changes its own tab, not the window caption.
        page(w, 1)->Title(QStringLiteral("Background & more"));
        QCOMPARE(w.ui->TabMain->tabText(2), QStringLiteral("Background && more"));
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Glisterwood 99"));
    }

    void aNavigationRunsFromBusyToIdle() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        const PageString& record = *w.mod->Lights->StringOf(1);
        const PageShown& shown = *w.mod->Events->Shown(1);
        p->Begin(QStringLiteral("http://a.example/"));
        QCOMPARE(shown.Busy.Count(), 1);
        QVERIFY(!w.ui->ImgStop->isHidden() && w.ui->ImgReload->isHidden());
        QVERIFY(w.mod->Lights->Flasher()->isActive());
        QCOMPARE(w.ui->EditUrl->text(), QStringLiteral("http://a.example/"));
        QCOMPARE(record.LastBulb, 1);
        QVERIFY(record.BulbSlots[1].InUse);
        QVERIFY(record.BulbSlots[1].Colour >= 1 && record.BulbSlots[1].Colour <= 5);

        // A frame adds a bulb and a history line but leaves the address box alone.
        p->Begin(QStringLiteral("http://a.example/frame.html"), QStringLiteral("_frame"));
        QCOMPARE(shown.Busy.Count(), 2);
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
        QCOMPARE(shown.Busy.Count(), 1);
        QVERIFY(!w.ui->ImgStop->isHidden());
        p->Finish();
        QCOMPARE(shown.Busy.Count(), 0);
        QVERIFY(w.ui->ImgStop->isHidden());
        QVERIFY(!w.mod->Lights->Flasher()->isActive());
        QVERIFY(w.agent->said.contains(QStringLiteral("script:page_loaded")));
        QVERIFY(!p->scripts.isEmpty()); // the Links menu asked the page for its links
        p->Finish();                    // a stray end never takes the count below zero
        QCOMPARE(shown.Busy.Count(), 0);
    }

    void cornersOfABackgroundPageWaitForIt() {
        FakeWindow w;
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        emit page(w, 1)->CommandStateChange(BrowserControl::CommandBack, true);
        QVERIFY(w.mod->Events->Shown(1)->NavButtons[CornerBack]);
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
        QVERIFY(w.mod->Events->Shown(1)->NavButtons[CornerStop]); // the flag itself stays
        p->busy = false;
        w.ui->Menus->ItemSurfReload->trigger();
        QCOMPARE(p->commands.last(), QStringLiteral("refresh"));

        w.ui->TabMain->setCurrentIndex(1);
        const int before = p->navigations.size();
        w.mod->Surf->ItemSurfSearchPage_Click();
        w.mod->Surf->ItemSurfWelcomePage_Click();
        QCOMPARE(p->navigations.size(), before);
        w.mod->Surf->ItemSurfStartupPage_Click();
        QCOMPARE(p->navigations.last(), App().Prefs.Values().StartupPage);
        w.ui->TabMain->setCurrentIndex(2);
        w.ui->Menus->ItemSurfSearchPage->trigger();
        QCOMPARE(p->navigations.last(), App().Prefs.Values().SearchPage);
    }

    void deadPagesCloseAtTheNextSnowTick() {
        FakeWindow w;
        w.ui->TabMain->setCurrentIndex(1); // history, then back to page one
        w.ui->TabMain->setCurrentIndex(2);
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://doomed.example/"));
        page(w, 2)->alive = false;
        QVERIFY(w.mod->Pages->DeadPageCheck()->isActive());
        QTRY_VERIFY(!w.mod->Pages->InUse(2));
        QCOMPARE(w.mod->Pages->CurBrowser(), 1); // the previously used tab
        QCOMPARE(w.ui->TabMain->count(), 3);
        // A dead page in the background goes too, and the current one stays.
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://live.example/"));
        page(w, 1)->alive = false;
        QTRY_VERIFY(!w.mod->Pages->InUse(1));
        QCOMPARE(w.mod->Pages->CurBrowser(), 2);
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
        QCOMPARE(w.mod->Pages->CurInterface(), InterfaceBrowser);
    }

    void aPendingAddressGetsASteadyBulb() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        const PageString& record = *w.mod->Lights->StringOf(1);
        const PageShown& shown = *w.mod->Events->Shown(1);
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
        QCOMPARE(shown.Busy.Count(), 0);
        QVERIFY(!w.mod->Lights->Flasher()->isActive());
        QVERIFY(w.ui->ImgStop->isHidden());
    }

    void aBackgroundPageFinishingLeavesTheCurrentFlasherRunning() {
        FakeWindow w;
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        page(w, 1)->Begin(QStringLiteral("http://one.example/slow"));
        page(w, 2)->Begin(QStringLiteral("http://two.example/slow"));
        QVERIFY(w.mod->Lights->Flasher()->isActive());
        page(w, 1)->busy = false;
        page(w, 1)->Finish();
        QVERIFY(w.agent->said.contains(QStringLiteral("script:page_loaded")));
        QVERIFY(w.mod->Lights->Flasher()->isActive()); // page two still loads
        QVERIFY(!w.ui->ImgStop->isHidden());
        QVERIFY(!w.mod->Events->Shown(1)->NavButtons[CornerStop]);
        page(w, 2)->busy = false;
        page(w, 2)->Finish();
        QVERIFY(!w.mod->Lights->Flasher()->isActive());
        QVERIFY(w.ui->ImgStop->isHidden());
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
