#include "music/fluid/SmfInfo.h"

#include "base/RegularFile.h"

#include <algorithm>
#include <cmath>

namespace Mci {
namespace {

constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
constexpr qint64 kDefaultMicrosPerQuarter = 500000;

quint32 be(const QByteArray& data, qsizetype at, int bytes) {
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | static_cast<quint8>(data.at(at + i));
    return value;
}

// Reads a variable-length quantity; false when it runs past the end or over four bytes.
bool readVlq(const QByteArray& data, qsizetype& pos, qsizetype end, quint32& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= end) return false;
        const quint8 byte = static_cast<quint8>(data.at(pos++));
        value = (value << 7) | (byte & 0x7F);
        if (!(byte & 0x80)) return true;
    }
    return false;
}

} // namespace

bool SmfInfo::fail(const char* why) {
    problem_ = QString::fromLatin1(why);
    return false;
}

QByteArray SmfInfo::ReadSongBytes(const QString& path, QString* problem) {
    RegularFile::Read read = RegularFile::ReadAll(path, kMaxFileBytes);
    if (problem) *problem = read.Problem;
    return read.Bytes;
}

SmfInfo SmfInfo::ReadFile(const QString& path) {
    QString problem;
    const QByteArray data = ReadSongBytes(path, &problem);
    if (!problem.isEmpty()) {
        SmfInfo info;
        info.problem_ = problem;
        return info;
    }
    return Read(data);
}

SmfInfo SmfInfo::Read(const QByteArray& data) {
    SmfInfo info;
    if (data.size() < 14 || !data.startsWith("MThd")) {
        info.fail("no MIDI header");
        return info;
    }
    const quint32 headerLength = be(data, 4, 4);
    if (headerLength < 6 || 8 + qint64(headerLength) > data.size()) {
        info.fail("bad MIDI header");
        return info;
    }
    info.format_ = int(be(data, 8, 2));
    const int declaredTracks = int(be(data, 10, 2));
    const quint32 division = be(data, 12, 2);
    if (info.format_ > 2 || declaredTracks < 1 || division == 0) {
        info.fail("unsupported MIDI header");
        return info;
    }
    if (division & 0x8000) {
        const int fps = 256 - int((division >> 8) & 0xFF);
        const int perFrame = int(division & 0xFF);
        if (fps <= 0 || perFrame == 0) {
            info.fail("bad time division");
            return info;
        }
        info.smpteTicksPerSecond_ = (fps == 29 ? 29.97 : fps) * perFrame;
    } else {
        info.division_ = int(division);
    }

    struct RawTempo {
        qint64 tick;
        qint64 microsPerQuarter;
    };
    QList<RawTempo> changes;
    qsizetype pos = 8 + headerLength;
    while (info.tracks_ < declaredTracks) {
        if (pos + 8 > data.size()) {
            info.fail("a track is missing");
            return info;
        }
        const quint32 length = be(data, pos + 4, 4);
        const qsizetype end = pos + 8 + length;
        if (end > data.size()) {
            info.fail("a track runs past the end of the file");
            return info;
        }
        if (data.mid(pos, 4) != "MTrk") {
            pos = end; // unknown chunks are skipped, as the format allows
            continue;
        }
        pos += 8;
        qint64 tick = 0;
        quint8 status = 0;
        bool ended = false;
        while (pos < end && !ended) {
            quint32 delta = 0;
            if (!readVlq(data, pos, end, delta) || pos >= end) {
                info.fail("a track is cut short");
                return info;
            }
            tick += delta;
            quint8 byte = static_cast<quint8>(data.at(pos));
            if (byte == 0xFF) {
                if (pos + 2 > end) {
                    info.fail("a track is cut short");
                    return info;
                }
                const quint8 kind = static_cast<quint8>(data.at(pos + 1));
                pos += 2;
                quint32 size = 0;
                if (!readVlq(data, pos, end, size) || pos + qint64(size) > end) {
                    info.fail("a track is cut short");
                    return info;
                }
                if (kind == 0x51 && size == 3) changes.append({tick, qint64(be(data, pos, 3))});
                if (kind == 0x2F) ended = true;
                pos += size;
                status = 0;
                continue;
            }
            if (byte == 0xF0 || byte == 0xF7) {
                ++pos;
                quint32 size = 0;
                if (!readVlq(data, pos, end, size) || pos + qint64(size) > end) {
                    info.fail("a track is cut short");
                    return info;
                }
                pos += size;
                status = 0;
                continue;
            }
            if (byte & 0x80) {
                if (byte >= 0xF0) {
                    info.fail("a track holds a system message");
                    return info;
                }
                status = byte;
                ++pos;
            } else if (!status) {
                info.fail("data without a status byte");
                return info;
            }
            const quint8 kind = status & 0xF0;
            const int size = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            if (pos + size > end) {
                info.fail("a track is cut short");
                return info;
            }
            if (kind == 0x90 && static_cast<quint8>(data.at(pos + 1)) > 0) ++info.notes_;
            if (kind == 0xC0 && (status & 0x0F) != 9)
                info.programs_.insert(static_cast<quint8>(data.at(pos)));
            pos += size;
        }
        info.totalTicks_ = std::max(info.totalTicks_, tick);
        pos = end;
        ++info.tracks_;
    }

    std::stable_sort(changes.begin(), changes.end(),
                     [](const RawTempo& a, const RawTempo& b) { return a.tick < b.tick; });
    info.tempo_.append({0, 0, kDefaultMicrosPerQuarter});
    for (const RawTempo& change : changes) {
        if (change.microsPerQuarter <= 0) continue;
        const TempoChange& last = info.tempo_.constLast();
        const qint64 micros =
            last.micros + (change.tick - last.tick) * last.microsPerQuarter / info.division_;
        if (change.tick == last.tick)
            info.tempo_.last().microsPerQuarter = change.microsPerQuarter;
        else
            info.tempo_.append({change.tick, micros, change.microsPerQuarter});
    }
    return info;
}

qint64 SmfInfo::tickToMs(qint64 tick) const {
    if (smpteTicksPerSecond_ > 0) return qint64(std::llround(tick * 1000.0 / smpteTicksPerSecond_));
    if (tempo_.isEmpty()) return 0;
    auto at = std::upper_bound(tempo_.cbegin(), tempo_.cend(), tick,
                               [](qint64 t, const TempoChange& change) { return t < change.tick; });
    const TempoChange& change = *(at - 1);
    return (change.micros + (tick - change.tick) * change.microsPerQuarter / division_) / 1000;
}

qint64 SmfInfo::msToTick(qint64 ms) const {
    if (smpteTicksPerSecond_ > 0) return qint64(std::llround(ms * smpteTicksPerSecond_ / 1000.0));
    if (tempo_.isEmpty()) return 0;
    const qint64 micros = ms * 1000;
    auto at = std::upper_bound(tempo_.cbegin(), tempo_.cend(), micros,
                               [](qint64 m, const TempoChange& change) { return m < change.micros; });
    const TempoChange& change = *(at - 1);
    return change.tick + (micros - change.micros) * division_ / change.microsPerQuarter;
}

} // namespace Mci
