#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// Small Standard MIDI Files written by the tests themselves: one track at 120 beats a minute,
// 480 ticks a beat, so 960 ticks are one second.
namespace TestSongs {

struct Note {
    int startTick;
    int lengthTicks; // 0: the note is never released
    int pitch;
    int program = 0;
};

inline QByteArray vlq(quint32 value) {
    QByteArray out(1, char(value & 0x7F));
    while (value >>= 7)
        out.prepend(char(0x80 | (value & 0x7F)));
    return out;
}

inline QByteArray be(quint32 value, int bytes) {
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

struct Tempo {
    int tick;
    quint32 microsPerBeat;
};

// The file; the track ends at endTick (or with its last event when that is later).
inline QByteArray Smf(const QList<Note>& notes, int endTick, const QList<Tempo>& tempos = {{0, 500000}}) {
    struct Event {
        int tick;
        int order;
        QByteArray data;
    };
    QList<Event> events;
    for (const Tempo& tempo : tempos)
        events.append({tempo.tick, 0, QByteArray("\xFF\x51\x03", 3) + be(tempo.microsPerBeat, 3)});
    for (const Note& note : notes) {
        events.append({note.startTick, 1, QByteArray("\xC0", 1) + char(note.program)});
        events.append({note.startTick, 3, QByteArray("\x90", 1) + char(note.pitch) + char(100)});
        if (note.lengthTicks > 0)
            events.append(
                {note.startTick + note.lengthTicks, 2, QByteArray("\x80", 1) + char(note.pitch) + char(0)});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    QByteArray track;
    int last = 0;
    for (const Event& event : events) {
        track += vlq(quint32(event.tick - last)) + event.data;
        last = event.tick;
    }
    track += vlq(quint32(std::max(0, endTick - last))) + QByteArray("\xFF\x2F\x00", 3);
    return QByteArray("MThd") + be(6, 4) + be(0, 2) + be(1, 2) + be(480, 2) + QByteArray("MTrk") +
           be(quint32(track.size()), 4) + track;
}

// A format 1 file of several tracks, each one as Smf writes its single track (the tempo goes in
// every track; players take it from any).
inline QByteArray MultiTrack(const QList<QByteArray>& singleTrackFiles) {
    QByteArray out =
        QByteArray("MThd") + be(6, 4) + be(1, 2) + be(quint32(singleTrackFiles.size()), 2) + be(480, 2);
    for (const QByteArray& file : singleTrackFiles)
        out += file.mid(14); // the track chunk after the header
    return out;
}

// A tune of quarter notes, one a beat, for the given number of seconds.
inline QByteArray Tune(int seconds, int program = 0) {
    QList<Note> notes;
    const int scale[] = {60, 62, 64, 65, 67, 69, 71, 72};
    for (int beat = 0; beat < seconds * 2; ++beat)
        notes.append({beat * 480, 440, scale[beat % 8], program});
    return Smf(notes, seconds * 960);
}

inline bool Write(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace TestSongs
