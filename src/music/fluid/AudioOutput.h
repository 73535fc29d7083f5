#pragma once

#include <QString>
#include <fluidsynth/types.h>

namespace Mci {

// Where a synth's sound goes: the desktop's sound server (PulseAudio, which PipeWire also answers),
// else ALSA; or, when GW_MIDI_WAV names a file, FluidSynth's file driver writing a WAV there, so a
// machine without a sound card still hears real synthesis.
namespace AudioOutput {

// The WAV file of GW_MIDI_WAV, empty when unset.
QString WavPath();
// Each alias writes its own file: "vhmidi" the named one, any other alias the name with "-<alias>"
// before the extension.
QString WavPathForAlias(const QString& wavPath, const QString& alias);

// Opens an audio driver that renders the synth (its settings are adjusted for the driver chosen).
// Null on failure, with error 337 when the output exists but another program holds it, 343 when there
// is none.
fluid_audio_driver_t* Open(fluid_settings_t* settings, fluid_synth_t* synth, const QString& alias,
                           quint32& error);

// Whether music can be heard at all: an output opens, or exists but is busy for the moment.
bool Available();

// FluidSynth and ALSA keep their messages to themselves; failures travel as error codes.
void QuietLibraryMessages();

// The General MIDI SoundFont, empty when none is installed.
QString SoundFontPath();

} // namespace AudioOutput
} // namespace Mci
