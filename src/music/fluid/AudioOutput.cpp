#include "music/fluid/AudioOutput.h"

#include "music/fluid/MciErrors.h"

#include <QFileInfo>
#include <alsa/asoundlib.h>
#include <cerrno>
#include <fluidsynth.h>
#include <mutex>

namespace Mci::AudioOutput {
namespace {

void ignoreFluidMessage(int, const char*, void*) {}

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// Whether ALSA's default output is there but held by another program.
bool alsaOutputBusy() {
    snd_pcm_t* pcm = nullptr;
    const int result = snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    if (result == 0) {
        snd_pcm_close(pcm);
        return false;
    }
    return result == -EBUSY;
}

fluid_audio_driver_t* tryDriver(fluid_settings_t* settings, fluid_synth_t* synth, const char* name) {
    fluid_settings_setstr(settings, "audio.driver", name);
    return new_fluid_audio_driver(settings, synth);
}

} // namespace

void QuietLibraryMessages() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, ignoreFluidMessage, nullptr);
        snd_lib_error_set_handler(ignoreAlsaMessage);
    });
}

QString WavPath() {
    return qEnvironmentVariable("GW_MIDI_WAV");
}

QString WavPathForAlias(const QString& wavPath, const QString& alias) {
    if (alias.compare(QLatin1String("vhmidi"), Qt::CaseInsensitive) == 0) return wavPath;
    const QFileInfo info(wavPath);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stem = suffix.isEmpty() ? wavPath : wavPath.left(wavPath.size() - suffix.size());
    return stem + QLatin1Char('-') + alias + suffix;
}

fluid_audio_driver_t* Open(fluid_settings_t* settings, fluid_synth_t* synth, const QString& alias,
                           quint32& error) {
    QuietLibraryMessages();
    error = NoError;
    const QString wav = WavPath();
    if (!wav.isEmpty()) {
        const QByteArray file = WavPathForAlias(wav, alias).toLocal8Bit();
        fluid_settings_setstr(settings, "audio.file.name", file.constData());
        fluid_settings_setstr(settings, "audio.file.type", "wav");
        if (fluid_audio_driver_t* driver = tryDriver(settings, synth, "file")) return driver;
        error = SeqPortMiscError;
        return nullptr;
    }
    for (const char* name : {"pulseaudio", "alsa"})
        if (fluid_audio_driver_t* driver = tryDriver(settings, synth, name)) return driver;
    error = alsaOutputBusy() ? SeqPortInUse : SeqNoMidiPresent;
    return nullptr;
}

bool Available() {
    QuietLibraryMessages();
    if (SoundFontPath().isEmpty()) return false;
    if (!WavPath().isEmpty()) return true;
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings) return false;
    fluid_synth_t* synth = new_fluid_synth(settings);
    bool available = false;
    if (synth) {
        quint32 error = NoError;
        if (fluid_audio_driver_t* driver = Open(settings, synth, QStringLiteral("probe"), error)) {
            delete_fluid_audio_driver(driver);
            available = true;
        } else {
            available = error == SeqPortInUse;
        }
        delete_fluid_synth(synth);
    }
    delete_fluid_settings(settings);
    return available;
}

QString SoundFontPath() {
    for (const char* path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                             "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/soundfonts/default.sf2"}) {
        const QString candidate = QString::fromLatin1(path);
        if (QFileInfo(candidate).isFile()) return candidate;
    }
    return {};
}

} // namespace Mci::AudioOutput
