#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/MainMenus.h"
#include "app/Widgets.h"
#include "app/WindowProbe.h"
#include "bookmarks/Cards.h"
#include "browse/Browsers.h"
#include "browse/FindBar.h"
#include "browse/PageCommands.h"
#include "browse/ZoomBadge.h"
#include "decor/DesktopSurface.h"
#include "decor/Snowfall.h"
#include "lights/LightString.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTabBar>
#include <QTest>

// The window laid out again when its size changes, with pages, bulbs and cards on it; and the tabs.
class TestResize : public QObject {
    Q_OBJECT

    static FakeBrowser* page(FakeWindow& w, int slot) {
        return static_cast<FakeBrowser*>(w.mod->Pages->Control(slot));
    }
    static bool laidOutFor(FakeWindow& w, QSize size) {
        return w.form->size() == size && w.form->Layout().desktop.width() == w.ui->Surface->width();
    }
    static void resize(FakeWindow& w, QSize size) {
        w.form->resize(size);
        QTRY_VERIFY(laidOutFor(w, size));
    }

private slots:
    void everythingFollowsTheWindowsSize() {
        FakeWindow w;
        w.form->setGeometry(0, 0, 1280, 800);
        w.form->show();
        QTRY_VERIFY(laidOutFor(w, QSize(1280, 800)));
        const int slotsBefore = w.form->Layout().slotCount;
        for (int i = 1; i <= slotsBefore - 3; ++i)
            page(w, 1)->Begin(QStringLiteral("http://b%1.example/").arg(i));
        // A card in the right snow column, where the smaller window will have its pane.
        const QPoint right(w.form->Layout().snowRightStart + 40, 300);
        Cards& cards = *w.mod->Desktop;
        QCOMPARE(cards.NewCard(4, QStringLiteral("http://card.example/"), QStringLiteral("Card"), right), 1);
        const QPoint stored(cards.Card(1).Left, cards.Card(1).Top);
        // The find bar and the zoom badge on the page's corners.
        w.mod->Commands->ItemEditFind_Click();
        w.mod->ZoomShown->Show(1.25);

        resize(w, QSize(900, 600));
        const MainLayout& small = w.form->Layout();
        QCOMPARE(page(w, 1)->View()->geometry(), small.pane());
        const QRect find = w.mod->Commands->Finder()->geometry();
        const QRect badge = w.mod->ZoomShown->geometry();
        QVERIFY(small.pane().contains(find) && find.right() > small.pane().right() - 10);
        QVERIFY(small.pane().contains(badge) && badge.bottom() > small.pane().bottom() - 20);
        QVERIFY(QRect(QPoint(0, 0), w.ui->Surface->size()).contains(small.regionBulbs[1]));
        QVERIFY(small.slotCount < slotsBefore);
        // Every bulb is kept, also those beyond the shorter string; the newest is where it was.
        const PageString& string = *w.mod->Lights->StringOf(1);
        QCOMPARE(string.LastBulb, slotsBefore - 3);
        QVERIFY(string.BulbSlots[slotsBefore - 3].InUse);
        // The card is shown on free surface, its stored place kept.
        const QRect shown = cards.Image(1)->geometry();
        QVERIFY(small.desktop.contains(shown));
        for (const QRect& bad : w.mod->Drops.Rects())
            QVERIFY(!bad.intersects(shown));
        QCOMPARE(QPoint(cards.Card(1).Left, cards.Card(1).Top), stored);
        // The snow falls in the new columns only.
        const Snowfall& snow = *w.mod->Snow;
        QCOMPARE(snow.Count(), Snowfall::FlakesForSpan(small.snowSpan));
        for (int flake = 1; flake <= snow.Count(); ++flake) {
            const double x = snow.Position(flake).x();
            QVERIFY(x <= small.snowLeftWidth + 3 || x >= small.snowRightStart - 3);
        }
        // A new bulb on the shorter string starts again at its first slot.
        page(w, 1)->Begin(QStringLiteral("http://next.example/"));
        QCOMPARE(string.LastBulb, 1);

        // Back to the larger size: the card returns to its place, the older bulbs show again.
        resize(w, QSize(1280, 800));
        QCOMPARE(cards.Image(1)->pos(), stored);
        QCOMPARE(w.form->Layout().slotCount, slotsBefore);
        QVERIFY(string.BulbSlots[slotsBefore - 3].InUse);
        QCOMPARE(page(w, 1)->View()->geometry(), w.form->Layout().pane());
    }

    void pagesCloseFromTheirTabsAndTheMenuIsForTheTabClicked() {
        FakeWindow w;
        w.form->show();
        QTabBar* tabs = w.ui->TabMain;
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://three.example/"));
        QCOMPARE(tabs->count(), 5);
        // Only the pages' tabs have a close button.
        const auto side = QTabBar::ButtonPosition(
            tabs->style()->styleHint(QStyle::SH_TabBar_CloseButtonPosition, nullptr, tabs));
        QVERIFY(!tabs->tabButton(0, side) && !tabs->tabButton(1, side));
        QVERIFY(tabs->tabButton(2, side) && tabs->tabButton(3, side));
        // A close button does not make a tab taller than its strip, which would cut off the titles.
        for (int i = 0; i < tabs->count(); ++i)
            QVERIFY2(tabs->rect().contains(tabs->tabRect(i)), qPrintable(QString::number(i)));

        // The menu of a tab behind the one in front acts on that tab.
        MainMenus& m = *w.ui->Menus;
        emit tabs->customContextMenuRequested(tabs->tabRect(2).center());
        QTRY_VERIFY(m.MenuTab->isVisible());
        QVERIFY(m.ItemTabClose->isVisible());
        m.MenuTab->close();
        m.ItemTabClose->trigger();
        QVERIFY(!w.mod->Pages->InUse(1));
        QCOMPARE(w.mod->Pages->CurBrowser(), 3); // the page in front stays in front
        QCOMPARE(tabs->currentIndex(), 3);

        // A list tab's menu offers no page commands.
        emit tabs->customContextMenuRequested(tabs->tabRect(0).center());
        QTRY_VERIFY(m.MenuTab->isVisible());
        QVERIFY(!m.ItemTabClose->isVisible() && !m.ItemTabOpenExternal->isVisible());
        m.MenuTab->close();

        // A middle click closes the page under it; the close button does the same.
        QTest::mouseClick(tabs, Qt::MiddleButton, Qt::NoModifier, tabs->tabRect(2).center());
        QVERIFY(!w.mod->Pages->InUse(2));
        emit tabs->tabCloseRequested(2);
        QVERIFY(!w.mod->Pages->InUse(3));
        QCOMPARE(tabs->count(), 2); // the lists never close
        QTest::mouseClick(tabs, Qt::MiddleButton, Qt::NoModifier, tabs->tabRect(0).center());
        QCOMPARE(tabs->count(), 2);
    }

    void aNewPagePutsTheFocusInTheAddressBoxAndTypingIsNeverOverwritten() {
        FakeWindow w;
        w.form->show();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w.ui->Menus->ItemFileNew->trigger();
        QTRY_VERIFY(w.ui->EditUrl->hasFocus());
        FakeBrowser* fresh = page(w, 2);
        fresh->Begin(QStringLiteral("glisterwood://pages/welcome.html"));
        QCOMPARE(w.ui->EditUrl->selectedText(), QStringLiteral("glisterwood://pages/welcome.html"));
        QTest::keyClicks(w.ui->EditUrl, QStringLiteral("carols"));
        fresh->Commit(QStringLiteral("glisterwood://pages/welcome.html")); // late news from the page
        QCOMPARE(w.ui->EditUrl->text(), QStringLiteral("carols"));
    }
};

QTEST_MAIN(TestResize)
#include "test_resize.moc"
