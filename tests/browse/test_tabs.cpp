#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/MainMenus.h"
#include "app/Widgets.h"
#include "app/WindowProbe.h"
#include "browse/Browsers.h"
#include "browse/History.h"
#include "browse/PageEvents.h"
#include "browse/SurfCommands.h"
#include "browse/Tab.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

class TestTabs : public QObject {
    Q_OBJECT

    static FakeBrowser* page(FakeWindow& w, int slot) {
        return static_cast<FakeBrowser*>(w.mod->Pages->Control(slot));
    }
    static void clickTab(FakeWindow& w, int position) { w.ui->TabMain->setCurrentIndex(position - 1); }

private slots:
    void tabUseOrderRemembersAndRenumbers() {
        TabOrder order;
        QCOMPARE(order.MostRecentTab(), 1);
        order.TouchTab(3);
        order.TouchTab(5);
        order.TouchTab(2);
        order.TouchTab(5);
        QCOMPARE(order.MostRecentTab(), 5);
        order.RemoveTabFromOrder(5);
        QCOMPARE(order.MostRecentTab(), 2);
        order.TouchTab(6);
        order.RemoveTabFromOrder(4);
        QCOMPARE(order.MostRecentTab(), 5); // 6 moved down by one
        order.TouchTab(0);
        order.TouchTab(256);
        QCOMPARE(order.MostRecentTab(), 5);
    }

    void freedSlotsAreReusedAndTabsRenumbered() {
        FakeWindow w;
        Browsers& pages = *w.mod->Pages;
        pages.OpenInNewBrowser(QStringLiteral("http://p2.example/"));
        pages.OpenInNewBrowser(QStringLiteral("http://p3.example/"));
        QCOMPARE(pages.CurBrowser, 3);
        QVERIFY(pages.CloseCurrentBrowser(2));
        QCOMPARE(pages.BrowserCount(), 2);
        QCOMPARE(pages.TabPositionOf(3), 4);
        pages.OpenInNewBrowser(QStringLiteral("http://p4.example/"));
        QCOMPARE(pages.CurBrowser, 2);
        QCOMPARE(pages.BrowserSlots(), 3);
        QCOMPARE(pages.TabPositionOf(2), 5);
        QCOMPARE(w.ui->TabMain->currentIndex(), 4);
        QCOMPARE(w.ui->TabMain->tabText(4), QString()); // a reused slot waits for its title
        QCOMPARE(w.ui->TabMain->tabText(2), QStringLiteral("Glisterwood 99"));
        QCOMPARE(page(w, 2)->navigations, QStringList{QStringLiteral("http://p4.example/")});
        // Closing a slot that is not in use, or out of range, changes nothing.
        QVERIFY(pages.CloseCurrentBrowser(9));
        QVERIFY(pages.CloseCurrentBrowser(0));
        QCOMPARE(pages.BrowserCount(), 3);
    }

    void closingReturnsToThePreviouslyUsedTab() {
        FakeWindow w;
        Browsers& pages = *w.mod->Pages;
        clickTab(w, 2); // history
        QCOMPARE(pages.CurInterface, 2);
        w.ui->Menus->ItemFileNew->trigger();
        QCOMPARE(pages.CurInterface, 3);
        QCOMPARE(pages.CurBrowser, 2);
        QCOMPARE(page(w, 2)->navigations, QStringList{App().StartupPage});
        w.ui->Menus->ItemFileClose->trigger();
        QCOMPARE(pages.CurInterface, 2);
        QCOMPARE(pages.CurBrowser, 0);
        QCOMPARE(w.ui->TabMain->currentIndex(), 1);

        // With only the list tabs left, closing the last page ends on the bookmark list at worst.
        clickTab(w, 3);
        QCOMPARE(pages.CurBrowser, 1);
        w.ui->Menus->ItemFileClose->trigger();
        QCOMPARE(pages.CurInterface, 2);
        QCOMPARE(pages.BrowserCount(), 0);
        w.ui->Menus->ItemFileClose->trigger(); // nothing to close in a list pane
        QCOMPARE(w.ui->TabMain->count(), 2);
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
                !m.ItemEditCut->isVisible());
        QVERIFY(m.ItemEditFind->isEnabled() && m.MenuLinks->isEnabled() && m.ItemCardOpen->isVisible());
        QVERIFY(w.ui->EditUrl->isEnabled());
        QCOMPARE(w.agent->said.last(), QStringLiteral("voice:read=1"));
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
        QCOMPARE(w.mod->Pages->CurInterface, 2);
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

    void keyboardMovesBetweenTabs() {
        FakeWindow w;
        w.mod->Pages->OpenInNewBrowser(QString());
        QCOMPARE(w.ui->TabMain->currentIndex(), 3);
        w.ui->Menus->KeyNextTab->trigger();
        QCOMPARE(w.mod->Pages->CurInterface, 1); // wraps round to the bookmark list
        w.ui->Menus->KeyPreviousTab->trigger();
        QCOMPARE(w.mod->Pages->CurBrowser, 2);
        w.ui->Menus->KeyPreviousTab->trigger();
        QCOMPARE(w.mod->Pages->CurBrowser, 1);
    }
};

QTEST_MAIN(TestTabs)
#include "test_tabs.moc"
