#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/DialogWatch.h"
#include "app/Widgets.h"
#include "app/WindowProbe.h"
#include "bookmarks/Cards.h"
#include "decor/DesktopSurface.h"
#include "music/box/MusicBox.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QTest>

// What the window tells the character about where it may stand: every control to keep clear of,
// the snow columns to stand on, and the places the character then chooses.
class TestStandingGround : public QObject {
    Q_OBJECT

    static QRect onScreen(const QWidget* widget) {
        return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
    }

    // The controls as the user sees them, each on the screen.
    static QList<QRect> controls(FakeWindow& w) {
        const MainControls& ui = *w.ui;
        QList<QRect> out{onScreen(w.form->menuBar()), onScreen(ui.TabMain),   onScreen(ui.EditUrl),
                         onScreen(ui.PicStatusBar),   onScreen(ui.ImgGoBack), onScreen(ui.ImgGoForward),
                         onScreen(ui.ImgStop),        onScreen(ui.ImgReload), onScreen(ui.ImgRadio)};
        for (int card = 1; card <= w.mod->Desktop->CardSlots(); ++card)
            if (w.mod->Desktop->InUse(card)) out << onScreen(w.mod->Desktop->Image(card));
        return out;
    }

    static bool inside(const QRect& control, const QList<QRect>& rects) {
        for (const QRect& r : rects)
            if (r.contains(control)) return true;
        return false;
    }

private slots:
    void theCharacterKeepsOffEveryControl() {
        FakeWindow w;
        w.ui->ImgRadio->show(); // as where a MIDI sequencer exists
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        const QRect right = w.ui->RegionBulbs[1]->geometry();
        const QPoint cardAt = w.ui->Surface->rect().bottomRight() - QPoint(40, 120);
        QVERIFY(w.mod->Desktop->NewCard(3, QStringLiteral("http://elves.example/"), QStringLiteral("Elves"),
                                        cardAt));
        QVERIFY(cardAt.x() > right.right()); // the card lies in the right snow column

        const FreePlace::Ground ground = App().Agent->Surroundings.StandingGround();
        QCOMPARE(ground.Window, w.form->frameGeometry());
        for (const QRect& control : controls(w))
            QVERIFY(inside(control, ground.Avoid));
        // The columns to stand on lie beside the bulb strips, off every control but the cards.
        QCOMPARE(ground.Preferred.size(), 2);
        QVERIFY(ground.Preferred.at(0).right() < onScreen(w.ui->RegionBulbs[3]).left());
        QVERIFY(ground.Preferred.at(1).left() > onScreen(w.ui->RegionBulbs[1]).right());

        // Sent anywhere, a figure that fits the column stands in it; a larger one still covers
        // none of the controls.
        const QList<QRect> keepClear = controls(w);
        for (const QSize figure : {QSize(48, 64), QSize(128, 128)}) {
            for (int x = -100; x < ground.WorkArea.width() + 100; x += 97) {
                for (int y = -100; y < ground.WorkArea.height() + 100; y += 89) {
                    const QRect place(FreePlace::Choose(ground, figure, QPoint(x, y)), figure);
                    for (const QRect& control : keepClear)
                        QVERIFY2(!place.intersects(control), qPrintable(QStringLiteral("%1x%2 sent to %3,%4")
                                                                            .arg(figure.width())
                                                                            .arg(figure.height())
                                                                            .arg(x)
                                                                            .arg(y)));
                    if (figure.width() <= ground.Preferred.at(1).width())
                        QVERIFY(FreePlace::IsFree(ground, place));
                }
            }
        }
    }

    void openDialogsAreKeptClearOfAndReported() {
        FakeWindow w;
        w.form->show();
        QList<QRect> reported;
        DialogWatch watch([&reported](const QRect& at) { reported << at; });
        QDialog dialog(w.form.get());
        dialog.resize(300, 200);
        dialog.show();
        QTRY_COMPARE(reported.size(), 1);
        QCOMPARE(reported.first(), dialog.frameGeometry());
        QVERIFY(App().Agent->Surroundings.StandingGround().Avoid.contains(dialog.frameGeometry()));
        dialog.hide();
        QVERIFY(!App().Agent->Surroundings.StandingGround().Avoid.contains(dialog.frameGeometry()));
        QLabel notADialog(QStringLiteral("tooltip-like"));
        notADialog.show();
        QTest::qWait(20);
        QCOMPARE(reported.size(), 1);
    }
};

QTEST_MAIN(TestStandingGround)
#include "test_standing_ground.moc"
