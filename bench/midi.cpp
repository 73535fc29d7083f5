// The MIDI device beside bare FluidSynth: how long open and play take, and the processor time of
// real-time playback of a carol. Prints figures; never judges them.
//
//     bench_midi [rounds] [--seconds S] [--song FILE]
//
// Sound goes to FluidSynth's file driver in a temporary folder (no sound card needed), for every side.
#include "common/BenchCommon.h"
#include "music/fluid/AudioOutput.h"
#include "music/fluid/FluidDevice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <fluidsynth.h>

namespace {

constexpr double kGain = 0.8; // the device's own gain, so every side renders the same loudness

double msSince(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// The device as the program drives it: the command strings of a background song.
class DeviceSide {
public:
    double openAndPlay(const QString& song) {
        QElapsedTimer timer;
        timer.start();
        device_.Send(QStringLiteral("open \"%1\" type sequencer alias vhmidi").arg(song));
        const QString reply = device_.Send(QStringLiteral("play vhmidi from 0"));
        const double ms = msSince(timer);
        if (!reply.isEmpty()) std::fprintf(stderr, "device: play answered %s\n", qPrintable(reply));
        return ms;
    }
    void close() { device_.Send(QStringLiteral("close vhmidi")); }

private:
    Mci::FluidDevice device_;
};

// The least FluidSynth program doing the same: a synth with the SoundFont, a player and a driver.
class FloorSide {
public:
    ~FloorSide() {
        close();
        if (synth_) delete_fluid_synth(synth_);
        if (settings_) delete_fluid_settings(settings_);
    }
    double openAndPlay(const QString& song, const QString& wav) {
        QElapsedTimer timer;
        timer.start();
        if (!synth_) {
            settings_ = new_fluid_settings();
            fluid_settings_setnum(settings_, "synth.gain", kGain);
            fluid_settings_setint(settings_, "synth.cpu-cores", 1);
            fluid_settings_setstr(settings_, "audio.driver", "file");
            fluid_settings_setstr(settings_, "audio.file.name", wav.toLocal8Bit().constData());
            synth_ = new_fluid_synth(settings_);
            fluid_synth_sfload(synth_, Mci::AudioOutput::SoundFontPath().toLocal8Bit().constData(), 1);
        }
        player_ = new_fluid_player(synth_);
        fluid_player_add(player_, song.toLocal8Bit().constData());
        fluid_player_play(player_);
        driver_ = new_fluid_audio_driver(settings_, synth_);
        return msSince(timer);
    }
    void close() {
        if (driver_) delete_fluid_audio_driver(driver_);
        if (player_) delete_fluid_player(player_);
        driver_ = nullptr;
        player_ = nullptr;
    }

private:
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
};

// Worker: one side in a fresh process. "--first" prints the open-and-play time of a cold start (the
// SoundFont read for the first time); "--play S" plays S seconds and leaves.
int worker(const QStringList& args) {
    const QString side = args.value(1), what = args.value(2), song = args.value(3), wav = args.value(4);
    const int seconds = args.value(5).toInt();
    qputenv("GW_MIDI_WAV", wav.toLocal8Bit());
    DeviceSide device;
    FloorSide floor;
    const double ms =
        side == QLatin1String("device") ? device.openAndPlay(song) : floor.openAndPlay(song, wav);
    if (what == QLatin1String("--first")) {
        std::printf("%.3f\n", ms);
    } else {
        QThread::sleep(static_cast<unsigned long>(seconds));
    }
    device.close();
    floor.close();
    return 0;
}

double runChild(const QString& program, const QStringList& args, int seconds, bool* ok, QString* output) {
    QProcess child;
    child.start(program, args);
    if (!child.waitForStarted()) {
        *ok = false;
        return 0;
    }
    QHash<pid_t, double> last = bench::TreeCpuSeconds(pid_t(child.processId()));
    if (seconds > 0) {
        // Read the processor time just before the end; the command-line player is stopped from outside.
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < seconds * 1000 + 500 && child.state() == QProcess::Running) {
            child.waitForFinished(100);
            if (child.state() == QProcess::Running) last = bench::TreeCpuSeconds(pid_t(child.processId()));
        }
        child.terminate();
    }
    child.waitForFinished(30000);
    if (output) *output = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    return bench::CpuSecondsBetween({}, last);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("device") || args.value(1) == QLatin1String("floor"))
        return worker(args);

    int rounds = 5, seconds = 10;
    QString song = QStringLiteral(GW_BENCH_SONG);
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--seconds"))
            seconds = args.value(++i).toInt();
        else if (args.at(i) == QLatin1String("--song"))
            song = args.value(++i);
        else
            rounds = std::max(1, args.at(i).toInt());
    }
    if (Mci::AudioOutput::SoundFontPath().isEmpty() || !QFileInfo(song).isFile()) {
        std::fprintf(stderr, "bench_midi: needs the General MIDI SoundFont and the song %s\n",
                     qPrintable(song));
        return 1;
    }
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("out.wav"));
    qputenv("GW_MIDI_WAV", wav.toLocal8Bit());
    const QString self = app.applicationFilePath();
    bool ok = true;

    // Cold: each in a fresh process, the SoundFont read for the first time.
    QList<double> coldDevice, coldFloor;
    for (int i = 0; i < rounds; ++i) {
        QString out;
        runChild(self, {"device", "--first", song, wav, "0"}, 0, &ok, &out);
        coldDevice.append(out.toDouble());
        runChild(self, {"floor", "--first", song, wav, "0"}, 0, &ok, &out);
        coldFloor.append(out.toDouble());
    }
    // Warm: the next songs of a running program.
    QList<double> warmDevice, warmFloor;
    {
        DeviceSide device;
        FloorSide floor;
        device.openAndPlay(song);
        device.close();
        floor.openAndPlay(song, wav);
        floor.close();
        for (int i = 0; i < rounds; ++i) {
            warmDevice.append(device.openAndPlay(song));
            device.close();
            warmFloor.append(floor.openAndPlay(song, wav));
            floor.close();
        }
    }
    // Processor time of real-time playback, the process's start included, beside the command-line player.
    QList<double> cpuDevice, cpuCli;
    const QStringList cli = {"-ni",
                             "-q",
                             "-a",
                             "file",
                             "-o",
                             "audio.file.name=" + wav,
                             "-o",
                             "synth.cpu-cores=1",
                             "-g",
                             QString::number(kGain),
                             Mci::AudioOutput::SoundFontPath(),
                             song};
    for (int i = 0; i < std::max(1, rounds / 2); ++i) {
        cpuDevice.append(
            runChild(self, {"device", "--play", song, wav, QString::number(seconds)}, seconds, &ok, nullptr) *
            100.0 / seconds);
        cpuCli.append(runChild(QStringLiteral("fluidsynth"), cli, seconds, &ok, nullptr) * 100.0 / seconds);
    }
    if (!ok) {
        std::fprintf(stderr, "bench_midi: a run failed\n");
        return 1;
    }
    std::printf(
        "MIDI device beside bare FluidSynth (open+play) and the fluidsynth command-line player (CPU of\n"
        "%d s real-time playback, start included, in %% of one core); song %s, %d rounds\n",
        seconds, qPrintable(QFileInfo(song).fileName()), rounds);
    bench::PrintFigures({
        {QStringLiteral("open+play cold (ms)"), bench::Summarise(coldDevice), bench::Summarise(coldFloor), 1},
        {QStringLiteral("open+play warm (ms)"), bench::Summarise(warmDevice), bench::Summarise(warmFloor), 2},
        {QStringLiteral("CPU % playing (vs CLI)"), bench::Summarise(cpuDevice), bench::Summarise(cpuCli), 1},
    });
    return 0;
}
