#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

namespace Mci {

// What the device needs to know of a Standard MIDI File before it plays it: whether it is one at all,
// how long it lasts in ticks and in milliseconds, and how ticks and milliseconds map through its tempo
// changes.
class SmfInfo {
public:
    // Reads the whole file; any fault in its structure makes it invalid with a reason.
    static SmfInfo Read(const QByteArray& data);
    static SmfInfo ReadFile(const QString& path);
    // Reads the file's bytes: at most the size a song may have; empty with the reason when it cannot.
    static QByteArray ReadSongBytes(const QString& path, QString* problem = nullptr);

    bool valid() const { return problem_.isEmpty(); }
    QString problem() const { return problem_; }
    int format() const { return format_; }
    int trackCount() const { return tracks_; }
    int noteCount() const { return notes_; }
    // The General MIDI programs chosen on the melodic channels.
    QSet<int> programs() const { return programs_; }
    qint64 totalTicks() const { return totalTicks_; }
    qint64 lengthMs() const { return tickToMs(totalTicks_); }
    qint64 tickToMs(qint64 tick) const;
    qint64 msToTick(qint64 ms) const;

private:
    struct TempoChange {
        qint64 tick;
        qint64 micros; // microseconds from the start to this tick
        qint64 microsPerQuarter;
    };
    bool fail(const char* why);

    QString problem_;
    int format_ = 0;
    int tracks_ = 0;
    int notes_ = 0;
    QSet<int> programs_;
    int division_ = 480;             // ticks per quarter note
    double smpteTicksPerSecond_ = 0; // set for files timed in frames instead
    qint64 totalTicks_ = 0;
    QList<TempoChange> tempo_;
};

} // namespace Mci
