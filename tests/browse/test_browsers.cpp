#include "FakePages.h"
#include "app/AppGlobals.h"
#include "browse/Tab.h"

#include <QSignalSpy>
#include <QTest>

// The page slots, their tabs and the pane on show, without a window.
class TestBrowsers : public QObject {
    Q_OBJECT

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
        FakePages f;
        Browsers& pages = *f.pages;
        f.start();
        pages.OpenInNewBrowser(QStringLiteral("http://p2.example/"));
        pages.OpenInNewBrowser(QStringLiteral("http://p3.example/"));
        QCOMPARE(pages.CurBrowser(), 3);
        QVERIFY(pages.CloseCurrentBrowser(2));
        QCOMPARE(pages.BrowserCount(), 2);
        QCOMPARE(pages.TabPositionOf(3), 4);
        pages.OpenInNewBrowser(QStringLiteral("http://p4.example/"));
        QCOMPARE(pages.CurBrowser(), 2);
        QCOMPARE(pages.BrowserSlots(), 3);
        QCOMPARE(pages.TabPositionOf(2), 5);
        QCOMPARE(f.tabs->currentIndex(), 4);
        QCOMPARE(f.tabs->tabText(4), QString()); // a reused slot waits for its title
        QCOMPARE(f.tabs->tabText(2), QStringLiteral("Glisterwood 99"));
        QCOMPARE(f.page(2)->navigations, QStringList{QStringLiteral("http://p4.example/")});
        QCOMPARE(f.page(2)->View()->geometry(), FakePages::kPane);
        // Closing a slot that is not in use, or out of range, changes nothing.
        QVERIFY(pages.CloseCurrentBrowser(9));
        QVERIFY(pages.CloseCurrentBrowser(0));
        QCOMPARE(pages.BrowserCount(), 3);
    }

    void closingReturnsToThePreviouslyUsedTab() {
        FakePages f;
        Browsers& pages = *f.pages;
        f.start();
        pages.SelectTab(2); // history
        QCOMPARE(pages.CurInterface(), InterfaceHistory);
        pages.OpenInNewBrowser(QString());
        QCOMPARE(pages.CurInterface(), InterfaceBrowser);
        QCOMPARE(pages.CurBrowser(), 2);
        QCOMPARE(f.page(2)->navigations, QStringList{App().Prefs.Values().StartupPage});
        QSignalSpy closed(&pages, &Browsers::pageClosed);
        pages.CloseCurrentPage();
        QCOMPARE(closed.size(), 1);
        QCOMPARE(closed[0], (QVariantList{2, true}));
        QCOMPARE(pages.CurInterface(), InterfaceHistory);
        QCOMPARE(pages.CurBrowser(), 0);
        QCOMPARE(f.tabs->currentIndex(), 1);

        // With only the list tabs left, closing the last page ends on the bookmark list at worst.
        pages.SelectTab(3);
        QCOMPARE(pages.CurBrowser(), 1);
        pages.CloseCurrentPage();
        QCOMPARE(pages.CurInterface(), InterfaceHistory);
        QCOMPARE(pages.BrowserCount(), 0);
        pages.CloseCurrentPage(); // nothing to close in a list pane
        QCOMPARE(f.tabs->count(), 2);
    }

    void closingTheCurrentTabShowsTheTabThatSlidesIntoItsPlace() {
        FakePages f;
        Browsers& pages = *f.pages;
        f.start();
        pages.OpenInNewBrowser(QStringLiteral("http://right.example/"));
        pages.SelectTab(3); // back to the first page: the page on its right was used just before
        QCOMPARE(pages.CurBrowser(), 1);
        QSignalSpy shown(&pages, &Browsers::currentPageChanged);
        pages.CloseCurrentPage();
        // The right-hand page now sits at position 3, the position just closed, and it shows.
        QCOMPARE(pages.TabPositionOf(2), 3);
        QCOMPARE(pages.CurBrowser(), 2);
        QCOMPARE(f.tabs->currentIndex(), 2);
        QVERIFY(!f.page(2)->View()->isHidden());
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0][0].toInt(), 2);
    }

    void switchingPagesLeavesOneAndShowsTheOther() {
        FakePages f;
        Browsers& pages = *f.pages;
        f.start();
        pages.OpenInNewBrowser(QStringLiteral("http://two.example/"));
        QSignalSpy leaving(&pages, &Browsers::pageLeaving);
        QSignalSpy panes(&pages, &Browsers::paneChanged);
        pages.SelectTab(3);
        QCOMPARE(leaving.size(), 1);
        QCOMPARE(leaving[0][0].toInt(), 2);
        QVERIFY(f.page(2)->View()->isHidden() && !f.page(1)->View()->isHidden());
        // A list pane hides the page; coming back from it leaves nothing behind.
        pages.SelectTab(1);
        QCOMPARE(panes.last()[0].toInt(), 1);
        QVERIFY(f.page(1)->View()->isHidden());
        pages.SelectTab(4);
        QCOMPARE(leaving.last()[0].toInt(), 1);
        QCOMPARE(panes.last()[0].toInt(), 3);
        QVERIFY(!f.page(2)->View()->isHidden() && f.page(1)->View()->isHidden());
    }

    void keyboardMovesBetweenTabs() {
        FakePages f;
        Browsers& pages = *f.pages;
        f.start();
        pages.OpenInNewBrowser(QString());
        QCOMPARE(f.tabs->currentIndex(), 3);
        pages.SwitchToNeighbourTab(1);
        QCOMPARE(pages.CurInterface(), InterfaceBookmarks); // wraps round to the bookmark list
        pages.SwitchToNeighbourTab(-1);
        QCOMPARE(pages.CurBrowser(), 2);
        pages.SwitchToNeighbourTab(-1);
        QCOMPARE(pages.CurBrowser(), 1);
    }

    void deadPagesAreClosed() {
        FakePages f;
        Browsers& pages = *f.pages;
        f.start();
        pages.SelectTab(2); // history, then back to page one
        pages.SelectTab(3);
        pages.OpenInNewBrowser(QStringLiteral("http://doomed.example/"));
        f.page(2)->alive = false;
        pages.CleanupBadWindows();
        QVERIFY(!pages.InUse(2));
        QCOMPARE(pages.CurBrowser(), 1); // the previously used tab
        QCOMPARE(f.tabs->count(), 3);
        // A dead page in the background goes too, and the current one stays.
        pages.OpenInNewBrowser(QStringLiteral("http://live.example/"));
        f.page(1)->alive = false;
        pages.CleanupBadWindows();
        QVERIFY(!pages.InUse(1));
        QCOMPARE(pages.CurBrowser(), 2);
    }

    void aPageThatCannotBeCreatedChangesNothing() {
        FakePages f;
        Browsers& pages = *f.pages;
        f.start();
        f.factory.fail = true;
        QSignalSpy created(&pages, &Browsers::pageCreated);
        QCOMPARE(pages.NewBrowser(TabImageBrowser), 0);
        pages.OpenInNewBrowser(QStringLiteral("http://nowhere.example/"));
        QCOMPARE(created.size(), 0);
        QCOMPARE(pages.BrowserCount(), 1);
        QCOMPARE(f.tabs->count(), 3);
        QCOMPARE(pages.CurBrowser(), 1);
    }
};

QTEST_MAIN(TestBrowsers)
#include "test_browsers.moc"
