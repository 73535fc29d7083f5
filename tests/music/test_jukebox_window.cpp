#include "FakeBrowser.h"
#include "JukeboxFakeDevice.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/MainMenus.h"
#include "app/WindowProbe.h"
#include "browse/PageEvents.h"
#include "music/Jukebox.h"
#include "music/box/MusicBox.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The music box on the window: its picture, tooltip and menu by state, the pointer on it, drops.
class TestJukeboxWindow : public QObject {
    Q_OBJECT

    struct Rig {
        JukeboxFakeDevice device;
        QTemporaryDir songs;
        std::unique_ptr<FakeWindow> w;
        Music::MusicBox* box = nullptr;
        Music::Jukebox* music = nullptr;
        Rig() {
            QFile(songs.filePath(QStringLiteral("Jingle.mid"))).open(QIODevice::WriteOnly);
            Midi::CheckSequencer();
            w = std::make_unique<FakeWindow>();
            box = w->ui->ImgRadio;
            music = w->mod->Jukebox.get();
            music->Folders = [this] { return QStringList{songs.path()}; };
        }
        MainMenus& menus() { return *w->ui->Menus; }
        QImage picture() const { return box->pixmap().toImage(); }
    };

    static void drop(QWidget* on, QMimeData* data) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &dropped);
        delete data;
    }

private slots:
    void theBoxShowsOnlyWithASequencer() {
        JukeboxFakeDevice device;
        device.replies[QStringLiteral("sysinfo sequencer quantity")] = QStringLiteral("0");
        Midi::CheckSequencer();
        FakeWindow w;
        QVERIFY(w.ui->ImgRadio->isHidden());
        Rig r;
        QVERIFY(!r.box->isHidden());
        QCOMPARE(r.box->size(), QSize(32, 32));
    }

    void clicksChangeThePictureMenuAndTooltip() {
        Rig r;
        const QImage off = r.picture();
        r.w->agent->said.clear();
        QTest::mouseClick(r.box, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(r.music->MusicOn());
        QVERIFY(r.picture() != off);
        QCOMPARE(r.box->toolTip(), QStringLiteral("Playing \"Jingle,\" click to stop"));
        QCOMPARE(r.w->mod->Events->StatusBarText(), r.box->toolTip());
        QVERIFY(r.menus().ItemMusicStop->isVisible() && !r.menus().ItemMusicPlay->isVisible());
        QCOMPARE(r.w->agent->said, QStringList{"script:music_start"});

        QTest::mouseClick(r.box, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!r.music->MusicOn());
        QCOMPARE(r.picture(), off);
        QCOMPARE(r.box->toolTip(), QStringLiteral("Click to play music"));
        QCOMPARE(r.w->mod->Events->StatusBarText(), QStringLiteral("Music stopped"));
        QVERIFY(r.menus().ItemMusicPlay->isVisible() && !r.menus().ItemMusicStop->isVisible());
    }

    void draggingMovesTheBoxWithoutPlaying() {
        Rig r;
        const QPoint start = r.box->pos();
        QTest::mousePress(r.box, Qt::LeftButton, {}, QPoint(5, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(45, 65), r.box->mapToGlobal(QPointF(45, 65)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(r.box, &move);
        QMouseEvent move2(QEvent::MouseMove, QPointF(46, 66), r.box->mapToGlobal(QPointF(46, 66)),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(r.box, &move2);
        QTest::mouseRelease(r.box, Qt::LeftButton, {}, QPoint(6, 6));
        QVERIFY(r.box->pos() != start);
        QVERIFY(!r.music->MusicOn());
        QVERIFY(r.device.SentStartingWith("open").isEmpty());
    }

    void rightClickOffersTheMenuWithTheDefaultByState() {
        Rig r;
        QTest::mouseClick(r.box, Qt::RightButton, {}, QPoint(8, 8));
        QVERIFY(r.menus().MenuMusic->isVisible());
        QCOMPARE(r.menus().MenuMusic->defaultAction(), r.menus().ItemMusicPlay);
        QVERIFY(!r.music->MusicOn()); // the right button does not click
        r.menus().MenuMusic->hide();
        r.menus().ItemMusicPlay->trigger();
        r.menus().ItemMusicPause->trigger();
        QTest::mouseClick(r.box, Qt::RightButton, {}, QPoint(8, 8));
        QCOMPARE(r.menus().MenuMusic->defaultAction(), r.menus().ItemMusicResume);
        QVERIFY(r.menus().ItemMusicResume->isVisible() && !r.menus().ItemMusicPause->isVisible());
        r.menus().MenuMusic->hide();
        QSignalSpy properties(r.w->form.get(), &FormMain::musicPropertiesRequested);
        r.menus().ItemMusicProperties->trigger();
        QCOMPARE(properties.size(), 1);
    }

    void droppedFilesPlayOnlySongs() {
        Rig r;
        auto* wav = new QMimeData;
        wav->setUrls({QUrl::fromLocalFile(r.songs.filePath(QStringLiteral("bells.wav")))});
        wav->setText(QStringLiteral("http://example.org/a.mid"));
        drop(r.box, wav);
        QVERIFY(!r.music->MusicOn());
        auto* song = new QMimeData;
        song->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/SONG.MID"))});
        drop(r.box, song);
        QVERIFY(r.music->MusicOn());
        QCOMPARE(r.music->SongTitle(), QStringLiteral("SONG"));
    }
};

QTEST_MAIN(TestJukeboxWindow)
#include "test_jukebox_window.moc"
