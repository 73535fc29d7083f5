#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/FormMain.h"
#include "app/MainMenus.h"
#include "app/Widgets.h"
#include "browse/Browsers.h"
#include "browse/Navigation.h"
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
        return static_cast<FakeBrowser*>(w.form->Pages->Control(slot));
    }
    static void clickTab(FakeWindow& w, int position) { w.form->TabMain->setCurrentIndex(position - 1); }

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
        Browsers& pages = *w.form->Pages;
        pages.OpenInNewBrowser(QStringLiteral("http://p2.example/"));
        pages.OpenInNewBrowser(QStringLiteral("http://p3.example/"));
        QCOMPARE(pages.CurBrowser, 3);
        QVERIFY(pages.CloseCurrentBrowser(2));
        QCOMPARE(App().BrowserCount, 2);
        QCOMPARE(pages.Page(3).TabIndex, 4);
        pages.OpenInNewBrowser(QStringLiteral("http://p4.example/"));
        QCOMPARE(pages.CurBrowser, 2);
        QCOMPARE(App().BrowserSlots, 3);
        QCOMPARE(pages.Page(2).TabIndex, 5);
        QCOMPARE(w.form->TabMain->currentIndex(), 4);
        QCOMPARE(w.form->TabMain->tabText(4), QString()); // a reused slot waits for its title
        QCOMPARE(w.form->TabMain->tabText(2), QStringLiteral("Glisterwood 99"));
        QCOMPARE(page(w, 2)->navigations, QStringList{QStringLiteral("http://p4.example/")});
        // Closing a slot that is not in use, or out of range, changes nothing.
        QVERIFY(pages.CloseCurrentBrowser(9));
        QVERIFY(pages.CloseCurrentBrowser(0));
        QCOMPARE(App().BrowserCount, 3);
    }

    void closingReturnsToThePreviouslyUsedTab() {
        FakeWindow w;
        Browsers& pages = *w.form->Pages;
        clickTab(w, 2); // history
        QCOMPARE(pages.CurInterface, 2);
        w.form->Menus->ItemFileNew->trigger();
        QCOMPARE(pages.CurInterface, 3);
        QCOMPARE(pages.CurBrowser, 2);
        QCOMPARE(page(w, 2)->navigations, QStringList{App().StartupPage});
        w.form->Menus->ItemFileClose->trigger();
        QCOMPARE(pages.CurInterface, 2);
        QCOMPARE(pages.CurBrowser, 0);
        QCOMPARE(w.form->TabMain->currentIndex(), 1);

        // With only the list tabs left, closing the last page ends on the bookmark list at worst.
        clickTab(w, 3);
        QCOMPARE(pages.CurBrowser, 1);
        w.form->Menus->ItemFileClose->trigger();
        QCOMPARE(pages.CurInterface, 2);
        QCOMPARE(App().BrowserCount, 0);
        w.form->Menus->ItemFileClose->trigger(); // nothing to close in a list pane
        QCOMPARE(w.form->TabMain->count(), 2);
    }

    void captionsAreCutOnlyWhileSeveralPagesAreOpen() {
        FakeWindow w;
        const QString title = QStringLiteral("A very long page title that goes on and on!!!");
        QCOMPARE(title.size(), 45);
        page(w, 1)->Title(title);
        QCOMPARE(w.form->TabMain->tabText(2), title);
        QCOMPARE(w.form->windowTitle(), title + QStringLiteral(" - Glisterwood 99"));
        w.form->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        page(w, 2)->Title(title);
        QCOMPARE(w.form->TabMain->tabText(3), title.left(30));
        QCOMPARE(w.form->TabMain->tabToolTip(3), title);
        page(w, 2)->Title(QString());
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Glisterwood 99"));
        // A page in the background changes its own tab, not the window caption.
        page(w, 1)->Title(QStringLiteral("Background & more"));
        QCOMPARE(w.form->TabMain->tabText(2), QStringLiteral("Background && more"));
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Glisterwood 99"));
    }

    void eachPageKeepsItsAddressBoxText() {
        FakeWindow w;
        QLineEdit* edit = w.form->EditUrl;
        edit->setText(QStringLiteral("typed on one"));
        edit->setSelection(6, 2);
        w.form->Nav->SetStatusBarText(QStringLiteral("status one"));
        w.form->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        edit->setText(QStringLiteral("typed on two"));
        clickTab(w, 3);
        QCOMPARE(edit->text(), QStringLiteral("typed on one"));
        QCOMPARE(edit->selectionStart(), 6);
        QCOMPARE(edit->selectedText(), QStringLiteral("on"));
        QCOMPARE(w.form->Nav->gCurStatusBarText, QStringLiteral("status one"));
        clickTab(w, 4);
        QCOMPARE(edit->text(), QStringLiteral("typed on two"));
    }

    void panesSetTheMenusAndControls() {
        FakeWindow w;
        MainMenus& m = *w.form->Menus;
        clickTab(w, 2);
        QVERIFY(!w.form->ListHistory->isHidden() && w.form->ListBookmarks->isHidden());
        QVERIFY(w.form->Pages->Control(1)->View()->isHidden());
        QVERIFY(!m.ItemFileOpen->isVisible() && m.ItemFileOpenNew->isVisible());
        QVERIFY(!m.ItemFileClose->isEnabled() && !m.ItemFilePrint->isEnabled() &&
                !m.ItemFileOpenExternal->isEnabled());
        QVERIFY(m.ItemEditCut->isVisible() && !m.ItemEditCut->isEnabled() && !m.ItemEditFind->isEnabled());
        QVERIFY(!m.ItemSurfReload->isEnabled() && !m.ItemSurfAddToBookmarks->isEnabled() &&
                !m.MenuLinks->isEnabled());
        QVERIFY(!m.ItemCardOpen->isVisible() && !w.form->EditUrl->isEnabled());
        QVERIFY(w.form->ImgReload->isHidden());
        QVERIFY(w.agent->said.contains(QStringLiteral("voice:read=0")));
        // A selected history line enables the commands that act on it.
        w.form->ListHistory->addItem(QStringLiteral("http://seen.example/"));
        w.form->ListHistory->setCurrentRow(0);
        QVERIFY(m.ItemFileOpenExternal->isEnabled() && m.ItemSurfAddToBookmarks->isEnabled());

        clickTab(w, 1);
        QVERIFY(!w.form->ListBookmarks->isHidden() && w.form->ListHistory->isHidden());
        QVERIFY(m.ItemFilePrint->isEnabled() && !m.ItemFileOpenExternal->isEnabled());
        QVERIFY(!m.ItemSurfAddToBookmarks->isEnabled());

        clickTab(w, 3);
        QVERIFY(w.form->ListBookmarks->isHidden() && !w.form->Pages->Control(1)->View()->isHidden());
        QVERIFY(m.ItemFileOpen->isVisible() && !m.ItemFileOpenNew->isVisible() &&
                !m.ItemEditCut->isVisible());
        QVERIFY(m.ItemEditFind->isEnabled() && m.MenuLinks->isEnabled() && m.ItemCardOpen->isVisible());
        QVERIFY(w.form->EditUrl->isEnabled());
        QCOMPARE(w.agent->said.last(), QStringLiteral("voice:read=1"));
    }

    void tabMenuShowsWhatFitsThePane() {
        FakeWindow w;
        MainMenus& m = *w.form->Menus;
        w.form->Pages->SetupTabMenu();
        QVERIFY(m.ItemTabOpenExternal->isVisible() && m.ItemTabClose->isVisible());
        QVERIFY(m.ItemTabShowBookmarks->isVisible() && m.ItemTabShowHistory->isVisible());
        clickTab(w, 1);
        w.form->Pages->SetupTabMenu();
        QVERIFY(!m.ItemTabOpenExternal->isVisible() && !m.ItemTabClose->isVisible());
        QVERIFY(!m.ItemTabShowBookmarks->isVisible() && m.ItemTabShowHistory->isVisible());
        m.ItemTabShowHistory->trigger();
        QCOMPARE(w.form->Pages->CurInterface, 2);
        w.form->Pages->SetupTabMenu();
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
            QCoreApplication::sendEvent(w.form->TabMain, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w.form->TabMain, &drop);
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
        w.form->Pages->OpenInNewBrowser(QString());
        QCOMPARE(w.form->TabMain->currentIndex(), 3);
        w.form->Menus->KeyNextTab->trigger();
        QCOMPARE(w.form->Pages->CurInterface, 1); // wraps round to the bookmark list
        w.form->Menus->KeyPreviousTab->trigger();
        QCOMPARE(w.form->Pages->CurBrowser, 2);
        w.form->Menus->KeyPreviousTab->trigger();
        QCOMPARE(w.form->Pages->CurBrowser, 1);
    }
};

QTEST_MAIN(TestTabs)
#include "test_tabs.moc"
