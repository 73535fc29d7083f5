#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <cmath>

// Reads a 16-bit PCM WAV as FluidSynth's file driver writes it and measures its loudness.
class WavStats {
public:
    explicit WavStats(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return;
        const QByteArray data = file.readAll();
        if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE") return;
        qsizetype pos = 12;
        while (pos + 8 <= data.size()) {
            const QByteArray id = data.mid(pos, 4);
            const quint32 size = le(data, pos + 4, 4);
            const qsizetype body = pos + 8;
            if (id == "fmt " && size >= 16) {
                channels_ = int(le(data, body + 2, 2));
                rate_ = int(le(data, body + 4, 4));
                bits_ = int(le(data, body + 14, 2));
            } else if (id == "data") {
                const qsizetype end = std::min<qsizetype>(data.size(), body + qsizetype(size));
                for (qsizetype i = body; i + 1 < end; i += 2)
                    samples_.append(qint16(le(data, i, 2)) / 32768.0f);
            }
            pos = body + size + (size & 1);
        }
    }

    bool valid() const { return bits_ == 16 && channels_ > 0 && rate_ > 0 && !samples_.isEmpty(); }
    double seconds() const { return valid() ? double(samples_.size()) / channels_ / rate_ : 0; }

    // Root mean square of the samples from..to seconds (the whole file by default).
    double rms(double from = 0, double to = 1e9) const {
        if (!valid()) return 0;
        const qsizetype a = std::clamp<qsizetype>(qsizetype(from * rate_) * channels_, 0, samples_.size());
        const qsizetype b = std::clamp<qsizetype>(qsizetype(to * rate_) * channels_, a, samples_.size());
        double sum = 0;
        for (qsizetype i = a; i < b; ++i)
            sum += double(samples_[i]) * samples_[i];
        return b > a ? std::sqrt(sum / double(b - a)) : 0;
    }

    double peak() const {
        float best = 0;
        for (float sample : samples_)
            best = std::max(best, std::abs(sample));
        return best;
    }

    // The longest run of quarter-second windows from..to seconds that are all silent, in seconds.
    double longestSilence(double from = 0, double to = 1e9) const {
        double best = 0, run = 0;
        for (double t = from; t + 0.25 <= std::min(to, seconds()); t += 0.25) {
            run = rms(t, t + 0.25) < 1e-4 ? run + 0.25 : 0;
            best = std::max(best, run);
        }
        return best;
    }

private:
    static quint32 le(const QByteArray& data, qsizetype at, int bytes) {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | quint8(data.at(at + i));
        return value;
    }

    int channels_ = 0, rate_ = 0, bits_ = 0;
    QList<float> samples_;
};
