// The background music's state machine against a device that records what it is sent.
#include "TestEnvironment.h"
#include "base/Random.h"
#include "base/RegUtil.h"
#include "music/Midi.h"

#include <QTest>

namespace {

class RecordingDevice : public Midi::MciBackend {
public:
    QStringList sent;
    QHash<QString, QString> replies; // by command prefix
    QString Send(const QString& command) override {
        sent << command;
        for (auto it = replies.cbegin(); it != replies.cend(); ++it)
            if (command.startsWith(it.key())) return it.value();
        return QStringLiteral("0");
    }
    QString ErrorText(quint32 code) override {
        return code == 337 ? QStringLiteral("busy") + QChar(0) + QStringLiteral("junk") : QString();
    }
};

} // namespace

class TestMidiState : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> env_;
    RecordingDevice device_;
    QList<int> menuStates_;
    int nextSongs_ = 0, musicTimerStops_ = 0, themeTimerStops_ = 0;

private slots:
    void init() {
        env_ = std::make_unique<TestEnvironment>();
        device_ = RecordingDevice();
        Midi::SetBackend(&device_);
        Midi::ResetForTesting();
        menuStates_.clear();
        nextSongs_ = musicTimerStops_ = themeTimerStops_ = 0;
        Midi::Hooks hooks;
        hooks.UpdateMusicMenu = [this](int state) { menuStates_ << state; };
        hooks.OpenMusicBoxNext = [this] { ++nextSongs_; };
        hooks.StopMusicTimer = [this] { ++musicTimerStops_; };
        hooks.StopThemeSongTimer = [this] { ++themeTimerStops_; };
        Midi::SetHooks(hooks);
    }
    void cleanup() {
        Midi::SetBackend(nullptr);
        Midi::SetHooks({});
        env_.reset();
    }

    void repliesAndErrorTexts() {
        QCOMPARE(Midi::GetMciErrorText(337), QStringLiteral("busy"));
        QCOMPARE(Midi::GetMciErrorText(12345), QStringLiteral("BadCall"));
        device_.replies.insert(QStringLiteral("sysinfo"), QStringLiteral("2"));
        Midi::CheckSequencer();
        QVERIFY(Midi::MidiAvailable());
        device_.replies.insert(QStringLiteral("sysinfo"), QStringLiteral("0"));
        Midi::CheckSequencer();
        QVERIFY(!Midi::MidiAvailable());
    }

    void playingOpensUnderTheAliasAndAFailureClosesIt() {
        QCOMPARE(Midi::PlayMidiFile(QStringLiteral("/m/a b.mid")), 0);
        QCOMPARE(device_.sent, (QStringList{QStringLiteral("open \"/m/a b.mid\" type sequencer alias vhmidi"),
                                            QStringLiteral("play vhmidi from 0")}));
        QVERIFY(Midi::MidiOpen());
        device_.sent.clear();
        device_.replies.insert(QStringLiteral("play"), QStringLiteral("337"));
        QCOMPARE(Midi::PlayMidiFile(QStringLiteral("/m/b.mid")), 337);
        // The song that was open is closed first, and the failed one is closed too.
        QCOMPARE(device_.sent.first(), QStringLiteral("close vhmidi"));
        QCOMPARE(device_.sent.last(), QStringLiteral("close vhmidi"));
        QVERIFY(!Midi::MidiOpen());
    }

    void aFinishedSongLeadsToTheNextOrToAPause() {
        Midi::SetMusicState(Midi::StatePlaying);
        device_.replies.insert(QStringLiteral("status"), QStringLiteral("playing"));
        Midi::CheckMusic();
        QCOMPARE(nextSongs_, 0);
        device_.replies.insert(QStringLiteral("status"), QStringLiteral("stopped"));
        Midi::CheckMusic();
        QCOMPARE(nextSongs_, 1);
        QCOMPARE(device_.sent.last(), QStringLiteral("close vhmidi"));

        // With a pause between songs: two to five minutes of three-second ticks.
        RegUtil::SetRegString(RegUtil::kProductKey, QStringLiteral("Music frequency"), QStringLiteral("1"));
        SeedRandom(7);
        Midi::SetMusicState(Midi::StatePlaying);
        Midi::CheckMusic();
        QCOMPARE(Midi::MusicState(), int(Midi::StatePausing));
        QCOMPARE(menuStates_.last(), int(Midi::StatePausing));
        const int ticks = Midi::PauseTicksLeft();
        QVERIFY(ticks >= 40 && ticks <= 100);
        for (int i = 1; i < ticks; ++i)
            Midi::CheckMusic();
        QCOMPARE(nextSongs_, 1);
        Midi::CheckMusic();
        QCOMPARE(nextSongs_, 2);
    }

    void pauseStopAndTheTimer() {
        Midi::PauseMusic();
        QCOMPARE(Midi::MusicState(), int(Midi::StatePaused));
        Midi::CheckMusic(); // a paused song is left alone
        QCOMPARE(nextSongs_, 0);
        Midi::ResumeMusic();
        QCOMPARE(device_.sent.last(), QStringLiteral("resume vhmidi"));
        Midi::StopMusic();
        QCOMPARE(menuStates_, (QList<int>{Midi::StatePaused, Midi::StatePlaying, Midi::StateStopped}));
        QCOMPARE(RegUtil::GetRegString(RegUtil::kProductKey, QStringLiteral("Music state")),
                 QStringLiteral("1"));
        Midi::CheckMusic();
        QCOMPARE(musicTimerStops_, 1);
    }

    void theOneSongClosesWhenDoneAndOpensThePendingBox() {
        QVERIFY(Midi::PlayOneSong(QStringLiteral("/p/THEME.MID")));
        QCOMPARE(device_.sent.first(), QStringLiteral("open \"sequencer!/p/THEME.MID\" alias VhOneSong"));
        Midi::SetBoxOpenPending(true);
        device_.replies.insert(QStringLiteral("status VhOneSong"), QStringLiteral("playing"));
        Midi::CheckOneSong();
        QVERIFY(Midi::OneSongOpen());
        device_.replies.insert(QStringLiteral("status VhOneSong"), QStringLiteral("stopped"));
        Midi::CheckOneSong();
        QVERIFY(!Midi::OneSongOpen());
        QCOMPARE(themeTimerStops_, 1);
        QCOMPARE(nextSongs_, 1);
        QVERIFY(!Midi::BoxOpenPending());
    }
};

QTEST_GUILESS_MAIN(TestMidiState)
#include "test_midi_state.moc"
