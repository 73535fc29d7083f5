#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/Widgets.h"
#include "app/WindowProbe.h"
#include "bookmarks/CardFile.h"
#include "bookmarks/Cards.h"
#include "browse/Browsers.h"
#include "browse/PageEvents.h"
#include "decor/DesktopSurface.h"
#include "lights/BulbGestures.h"
#include "lights/LightString.h"
#include "music/box/MusicBox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

// Bulbs dragged into desktop cards, and the cards themselves, in a window on scripted pages.
class TestCards : public QObject {
    Q_OBJECT

    static void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }
    // Press, move in steps, release: positions in the target's own pixels.
    static void drag(QWidget* target, QPoint from, QPoint to) {
        mouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(target, QEvent::MouseMove, from + (to - from) / 2, Qt::NoButton, Qt::LeftButton);
        mouse(target, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        mouse(target, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    static void click(QWidget* target, QPoint at) { drag(target, at, at); }
    // A drag of something that moves with the pointer: every position is taken afresh in its own
    // pixels, as the window system would give them. The pointer goes to a point of the parent.
    static void dragAlong(QWidget* target, QPoint from, QPoint toInParent) {
        const QPoint start = target->mapToParent(from);
        mouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        for (const QPoint& p : {start + (toInParent - start) / 2, toInParent})
            mouse(target, QEvent::MouseMove, target->mapFromParent(p), Qt::NoButton, Qt::LeftButton);
        mouse(target, QEvent::MouseButtonRelease, target->mapFromParent(toInParent), Qt::LeftButton,
              Qt::NoButton);
    }
    static FakeBrowser* page(FakeWindow& w) { return static_cast<FakeBrowser*>(w.mod->Pages->Current()); }
    static QWidget* topStrip(FakeWindow& w) { return w.ui->RegionBulbs[0]; }
    static QPoint inWindow(FakeWindow& w, QWidget* strip, QPoint at) {
        return strip->mapTo(w.ui->Surface, at);
    }

private slots:
    void aBulbClickGoesBackAndTheNewestRefreshes() {
        FakeWindow w;
        page(w)->Begin(QStringLiteral("http://one.example/"));
        page(w)->Begin(QStringLiteral("http://two.example/"));
        click(topStrip(w), QPoint(5, 8)); // slot 1
        QCOMPARE(page(w)->commands, QStringList{QStringLiteral("stop")});
        QCOMPARE(page(w)->navigations.last(), QStringLiteral("http://one.example/"));
        click(topStrip(w), QPoint(16 + 5, 8)); // slot 2, the newest
        QCOMPARE(page(w)->commands.last(), QStringLiteral("refresh"));
        click(topStrip(w), QPoint(5 * 16 + 5, 8)); // an empty slot
        QCOMPARE(page(w)->commands.size(), 2);
    }

    void aDraggedBulbBecomesACardWhereItWasDropped() {
        FakeWindow w;
        page(w)->Begin(QStringLiteral("http://carols.example/"));
        page(w)->Title(QStringLiteral("Carols"));
        int asked = 0;
        w.form->AskForIcon = [&](int initial) {
            ++asked;
            return initial == 1 ? 7 : 0;
        };
        // Back onto the top strip: refused, no chooser.
        drag(topStrip(w), QPoint(5, 8), QPoint(200, 8));
        QCOMPARE(asked, 0);
        QVERIFY(w.agent->said.contains(QStringLiteral("script:bulb_dropped_bad")));
        QCOMPARE(w.mod->Desktop->CardSlots(), 0);
        // Onto the left strip: allowed; the card is centred on the drop point.
        drag(topStrip(w), QPoint(5, 8), QPoint(-8, 40)); // the pointer stays grabbed by the top strip
        QCOMPARE(asked, 1);
        QCOMPARE(w.mod->Desktop->CardCount(), 1);
        const CardRecord& card = w.mod->Desktop->Card(1);
        QCOMPARE(card.Icon, 7);
        QCOMPARE(card.Name, QStringLiteral("Carols"));
        QCOMPARE(card.Address, QStringLiteral("http://carols.example/"));
        QCOMPARE(QPoint(card.Left, card.Top), inWindow(w, topStrip(w), QPoint(-8, 40)) - QPoint(16, 16));
        QVERIFY(w.agent->said.contains(QStringLiteral("script:bulb_dropped_success")));
        QCOMPARE(LoadCardFile(App().Prefs.Values().SitesFile).Cards.size(), 1);
        // The click that ended the drag opened nothing; the bulb stays in the string.
        QCOMPARE(page(w)->navigations.size(), 0);
        QVERIFY(w.mod->Lights->StringOf(1)->BulbSlots[1].InUse);
        QVERIFY(w.mod->BulbDrag->DragBulb()->isHidden());
        // A cancelled chooser makes no card.
        w.form->AskForIcon = [](int) { return 0; };
        drag(topStrip(w), QPoint(5, 8), QPoint(-8, 200));
        QCOMPARE(w.mod->Desktop->CardCount(), 1);
        QCOMPARE(w.agent->said.last(), QStringLiteral("script:bulb_dropped_cancel"));
    }

    void slotsAreReusedAndReloadWithoutGaps() {
        TestEnvironment env;
        env.InitGlobalsWithRecorder();
        FakeFactory factory;
        {
            FormMain form(factory);
            QVERIFY(form.DoInit());
            Cards& desktop = *FormMainProbe::Modules(form).Desktop;
            for (int i = 1; i <= 3; ++i)
                QCOMPARE(desktop.NewCard(i, QStringLiteral("http://%1.example/").arg(i),
                                         QStringLiteral("Card %1").arg(i), QPoint(100, 100 + 40 * i)),
                         i);
            desktop.SaveCards();
            desktop.DeleteCard(2);
            QCOMPARE(LoadCardFile(App().Prefs.Values().SitesFile).Cards.size(), 2);
            QCOMPARE(desktop.NewCard(9, QStringLiteral("http://9.example/"), QStringLiteral("Nine"),
                                     QPoint(300, 300)),
                     2);
            desktop.SaveCards();
            QCOMPARE(LoadCardFile(App().Prefs.Values().SitesFile).Cards.size(), 3);
            desktop.DeleteCard(1);
            form.FileExit();
        }
        // After a restart the two cards left fill slots 1 and 2, in their order.
        env.InitGlobalsWithRecorder();
        FormMain again(factory);
        QVERIFY(again.DoInit());
        Cards& desktop = *FormMainProbe::Modules(again).Desktop;
        QCOMPARE(desktop.CardSlots(), 2);
        QCOMPARE(desktop.Card(1).Name, QStringLiteral("Nine"));
        QCOMPARE(desktop.Card(2).Name, QStringLiteral("Card 3"));
        again.FileExit();
    }

    void aCardMovesOpensAndComesBackFromAForbiddenDrop() {
        FakeWindow w;
        Cards& desktop = *w.mod->Desktop;
        QCOMPARE(desktop.NewCard(3, QStringLiteral("http://card.example/"), QStringLiteral("Card"),
                                 QPoint(40, 300)),
                 1);
        desktop.SaveCards();
        QLabel* image = desktop.Image(1);
        QCOMPARE(image->pos(), QPoint(24, 284));
        // Dragged by 30 pixels down: stored and saved.
        dragAlong(image, QPoint(10, 10), image->mapToParent(QPoint(10, 40)));
        QCOMPARE(desktop.Card(1).Top, 314);
        QCOMPARE(LoadCardFile(App().Prefs.Values().SitesFile).Cards.first().Top, 314);
        QCOMPARE(page(w)->navigations.size(), 0); // the click after the drag is swallowed
        // Onto the address box: back where it was, the file untouched.
        const QByteArray before = [] {
            QFile f(App().Prefs.Values().SitesFile);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        const QPoint box = w.ui->EditUrl->geometry().center();
        dragAlong(image, QPoint(10, 10), box);
        QCOMPARE(image->pos(), QPoint(24, 314));
        QFile after(App().Prefs.Values().SitesFile);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
        // A plain click opens the card in the page on show.
        click(image, QPoint(10, 10));
        QCOMPARE(page(w)->navigations.last(), QStringLiteral("http://card.example/"));
    }

    // Nothing may cover the music box: a bulb or a card let go on it or beside it, so that the card
    // would lie over it, comes back where it was.
    void theMusicBoxIsNoPlaceToDrop() {
        FakeWindow w;
        page(w)->Begin(QStringLiteral("http://carols.example/"));
        int asked = 0;
        w.form->AskForIcon = [&](int) {
            ++asked;
            return 5;
        };
        const QRect box = w.ui->ImgRadio->geometry();
        QVERIFY(box.width() > 8);
        const QPoint onTheBox = box.center();
        const QPoint besideTheBox(box.right() + 6, box.center().y()); // the card would overlap it
        for (const QPoint& at : {onTheBox, besideTheBox}) {
            drag(topStrip(w), QPoint(5, 8), topStrip(w)->mapFrom(w.ui->Surface, at));
            QCOMPARE(asked, 0);
            QCOMPARE(w.agent->said.last(), QStringLiteral("script:bulb_dropped_bad"));
        }
        QCOMPARE(w.mod->Desktop->CardCount(), 0);
        QCOMPARE(page(w)->navigations.size(), 0);

        Cards& desktop = *w.mod->Desktop;
        QCOMPARE(desktop.NewCard(3, QStringLiteral("http://card.example/"), QStringLiteral("Card"),
                                 QPoint(300, 400)),
                 1);
        QLabel* image = desktop.Image(1);
        const QPoint home = image->pos();
        for (const QPoint& at : {onTheBox, besideTheBox}) {
            dragAlong(image, QPoint(16, 16), at);
            QCOMPARE(image->pos(), home);
            QVERIFY(!image->geometry().intersects(box));
        }
        // Well clear of it the card goes where it is put.
        dragAlong(image, QPoint(16, 16), QPoint(box.center().x() + 10, box.bottom() + 300));
        QVERIFY(image->pos() != home);
    }

    // A drag that begins with the second press of a double click is a drag all the same: dropped
    // back on the string it is refused and the page stays as it is.
    void aBulbDroppedBackOnTheStringChangesNothing() {
        FakeWindow w;
        page(w)->Begin(QStringLiteral("http://one.example/"));
        page(w)->Begin(QStringLiteral("http://two.example/"));
        page(w)->Begin(QStringLiteral("http://three.example/"));
        click(topStrip(w), QPoint(5, 8)); // opens slot 1
        const int navigations = int(page(w)->navigations.size());
        const int commands = int(page(w)->commands.size());
        mouse(topStrip(w), QEvent::MouseButtonDblClick, QPoint(5, 8), Qt::LeftButton, Qt::LeftButton);
        mouse(topStrip(w), QEvent::MouseMove, QPoint(20, 8), Qt::NoButton, Qt::LeftButton);
        mouse(topStrip(w), QEvent::MouseMove, QPoint(37, 8), Qt::NoButton, Qt::LeftButton);
        mouse(topStrip(w), QEvent::MouseButtonRelease, QPoint(37, 8), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(page(w)->navigations.size(), navigations);
        QCOMPARE(page(w)->commands.size(), commands);
        QCOMPARE(w.agent->said.last(), QStringLiteral("script:bulb_dropped_bad"));
        // The same as a plain drag.
        drag(topStrip(w), QPoint(5, 8), QPoint(37, 8));
        QCOMPARE(page(w)->navigations.size(), navigations);
        QCOMPARE(page(w)->commands.size(), commands);
    }

    void cardsFromALargerScreenAreShownWithinReach() {
        TestEnvironment env;
        env.InitGlobalsWithRecorder();
        QVERIFY(SaveCardFile(
            App().Prefs.Values().SitesFile,
            {{true, 1, QStringLiteral("http://far.example/"), QStringLiteral("Far"), 5000, -300},
             {true, 2, QStringLiteral("http://near.example/"), QStringLiteral("Near"), 20, 200}}));
        FakeFactory factory;
        FormMain form(factory);
        QVERIFY(form.DoInit());
        Cards& desktop = *FormMainProbe::Modules(form).Desktop;
        QCOMPARE(desktop.CardCount(), 2);
        const QRect area = form.Layout().desktop;
        QVERIFY(area.contains(desktop.Image(1)->geometry()));
        QCOMPARE(desktop.Card(1).Left, 5000);               // the stored place stays until the user moves it
        QCOMPARE(desktop.Image(2)->pos(), QPoint(20, 200)); // free surface: where it was
        form.FileExit();
    }

    void fileProblemsAreToldInTheStatusBarWithoutACharacter() {
        {
            // The first run has no files yet, which is nothing to tell the user about.
            TestEnvironment env;
            RecordingAgent& agent = env.InitGlobalsWithRecorder();
            FakeFactory factory;
            FormMain form(factory);
            QVERIFY(form.DoInit());
            QVERIFY(agent.said.contains(QStringLiteral("script:bookmarks_not_loaded")));
            QCOMPARE(FormMainProbe::Modules(form).Events->StatusBarText(), QString());
            form.FileExit();
        }
        TestEnvironment env;
        RecordingAgent& agent = env.InitGlobalsWithRecorder();
        QVERIFY(QDir().mkpath(
            App().Prefs.Values().SitesFile)); // a folder where the file should be: neither reads nor writes
        FakeFactory factory;
        FormMain form(factory);
        QVERIFY(form.DoInit());
        MainModules& mod = FormMainProbe::Modules(form);
        QVERIFY(agent.said.contains(QStringLiteral("script:desktop_not_loaded")));
        mod.Desktop->NewCard(1, QStringLiteral("http://x.example/"), QStringLiteral("X"), QPoint(50, 300));
        QVERIFY(!mod.Desktop->SaveCards());
        QVERIFY(agent.said.contains(QStringLiteral("script:desktop_not_saved")));
        QVERIFY(mod.Events->StatusBarText().contains(QStringLiteral("could not be saved")));
        QCOMPARE(mod.Desktop->CardCount(), 1); // the card on the window stays
        form.FileExit();
    }
};

QTEST_MAIN(TestCards)
#include "test_cards.moc"
