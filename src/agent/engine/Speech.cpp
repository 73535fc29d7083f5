#include "agent/engine/Speech.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QMutex>
#include <QPointer>
#include <QSet>
#include <QThreadPool>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <espeak-ng/speak_lib.h>

namespace {

const char kDefaultVoice[] = "en";
constexpr int kPollMs = 30;
constexpr int kMouthWindowMs = 60;
// espeak-ng at its normal volume: pauses stay well under the first, vowels well over the second.
constexpr double kClosedBelowRms = 350;
constexpr double kNarrowBelowRms = 2500;
// The sound server may start late or hang; after this much more than the audio lasts we stop waiting.
constexpr int kSafetyMarginMs = 2000;
// The play position stops a little short of the end once the server has drained its buffer.
constexpr int kEndSlackMs = 60;
constexpr int kStalledMs = 400;

// --- Text -------------------------------------------------------------------------------------------

// One code point at i; *next is the index after it. A lone surrogate counts as one code point, as it
// does once QString::toUtf8 has replaced it.
char32_t CodePointAt(const QString& s, int i, int* next) {
    const QChar c = s.at(i);
    if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
        *next = i + 2;
        return QChar::surrogateToUcs4(c, s.at(i + 1));
    }
    *next = i + 1;
    return c.unicode();
}

bool IsWordChar(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
    case QChar::Symbol_Math:
    case QChar::Symbol_Currency:
    case QChar::Symbol_Other: // emoji
        return true;
    default:
        return false;
    }
}

// A run of text between spaces; WordStart/WordEnd leave out punctuation around it ("(Hello," -> Hello).
struct Token {
    int Start = 0;
    int End = 0;
    int WordStart = -1;
    int WordEnd = -1;
    bool HasWord() const { return WordStart >= 0; }
};

QList<Token> Tokens(const QString& text) {
    QList<Token> tokens;
    Token current;
    bool inToken = false;
    for (int i = 0, next = 0; i < text.size(); i = next) {
        const char32_t c = CodePointAt(text, i, &next);
        if (QChar::isSpace(c) || c == 0) {
            if (inToken) tokens.append(current);
            inToken = false;
            continue;
        }
        if (!inToken) current = Token{i, i, -1, -1};
        inToken = true;
        current.End = next;
        if (IsWordChar(c)) {
            if (current.WordStart < 0) current.WordStart = i;
            current.WordEnd = next;
        }
    }
    if (inToken) tokens.append(current);
    return tokens;
}

bool HasWords(const QList<Token>& tokens) {
    return std::any_of(tokens.begin(), tokens.end(), [](const Token& t) { return t.HasWord(); });
}

QString NothingToSay() {
    return QStringLiteral("There is nothing to say.");
}

// --- espeak-ng --------------------------------------------------------------------------------------

struct WordEvent {
    int Position = 0; // espeak's: 1-based code points of the UTF-8 text
    int Length = 0;
    int Ms = 0;
};

struct Collected {
    QByteArray Pcm;
    QList<WordEvent> Words;
};

// espeak-ng has one global synthesiser; the lock keeps the collector and the voice settings ours.
QMutex gEspeakLock;
Collected* gCollecting = nullptr;

int Collect(short* wav, int count, espeak_EVENT* events) {
    if (!gCollecting) return 1;
    if (wav && count > 0) {
        const qsizetype at = gCollecting->Pcm.size();
        gCollecting->Pcm.resize(at + qsizetype(count) * 2);
        qToLittleEndian<qint16>(wav, count, gCollecting->Pcm.data() + at);
    }
    for (; events && events->type != espeakEVENT_LIST_TERMINATED; ++events) {
        if (events->type == espeakEVENT_WORD)
            gCollecting->Words.append({events->text_position, events->length, events->audio_position});
    }
    return 0;
}

// 0 or less when espeak-ng could not start (its data is missing); it is not tried again.
int EspeakSampleRate() {
    static const int rate = [] {
        // Without DONT_EXIT espeak-ng ends the whole program when its data is missing.
        const int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (r > 0 && espeak_SetVoiceByName(kDefaultVoice) != EE_OK) return 0;
        if (r > 0) espeak_SetSynthCallback(Collect);
        return r;
    }();
    return rate;
}

// Word events give espeak's idea of a word; turn them into one span of our text per word, in order and
// without repeats. espeak reports a number's pieces as overlapping words, puts the second word of a
// spoken emoji on the space after it and the second word of a dictionary phrase ("Santa Claus") inside
// the first, and sends stray events at position 0 or about a word long gone. A word of the text that got
// no event of its own takes the time of such a second word, or one in between its neighbours.
QList<SpokenWord> MapWords(const QString& text, const QList<Token>& tokens, const QList<WordEvent>& events,
                           int durationMs) {
    QList<int> indexOfCodePoint; // and one past the end
    for (int i = 0, next = 0; i < text.size(); i = next) {
        indexOfCodePoint.append(i);
        CodePointAt(text, i, &next);
    }
    const int codePoints = int(indexOfCodePoint.size());
    indexOfCodePoint.append(int(text.size()));
    QList<int> tokenAt(text.size(), -1);
    for (int t = 0; t < tokens.size(); ++t)
        std::fill(tokenAt.begin() + tokens[t].Start, tokenAt.begin() + tokens[t].End, t);

    struct Span {
        int From, To, Token, Ms;
        QList<int> LaterMs; // words espeak said within this one's text
    };
    QList<Span> spans;
    for (const WordEvent& e : events) {
        const int cp = e.Position - 1;
        if (cp < 0 || cp >= codePoints) continue;
        int from = indexOfCodePoint[cp];
        const int to = indexOfCodePoint[std::min(cp + std::max(e.Length, 0), codePoints)];
        if (tokenAt[from] < 0) {
            while (from < to && tokenAt[from] < 0)
                ++from;
            if (from >= to) continue;
        }
        const int token = tokenAt[from];
        if (!spans.isEmpty()) {
            Span& last = spans.last();
            if (token < last.Token) continue;
            if (token == last.Token && from < last.To) {
                if (from >= last.From) last.To = std::max(last.To, to);
                if (e.Ms > last.Ms) last.LaterMs.append(e.Ms);
                continue;
            }
        }
        const int ms = spans.isEmpty() ? std::max(e.Ms, 0) : std::max(e.Ms, spans.last().Ms);
        spans.append({from, std::max(to, from + 1), token, ms, {}});
    }

    QList<SpokenWord> words;
    int previousToken = -1;
    int previousMs = 0;
    QList<int> spareMs;
    for (qsizetype k = 0; k <= spans.size(); ++k) {
        const bool end = k == spans.size();
        const int nextToken = end ? int(tokens.size()) : spans[k].Token;
        const int nextMs = end ? std::max(durationMs, previousMs) : spans[k].Ms;
        QList<int> missed;
        for (int t = previousToken + 1; t < nextToken; ++t)
            if (tokens[t].HasWord()) missed.append(t);
        int at = previousMs;
        for (qsizetype i = 0; i < missed.size(); ++i) {
            at = i < spareMs.size() ? std::clamp(spareMs[i], at, nextMs)
                                    : at + (nextMs - at) / int(missed.size() - i + 1);
            const Token& t = tokens[missed[i]];
            words.append({t.WordStart, t.WordEnd - t.WordStart, at});
        }
        if (end) break;

        const Span& s = spans[k];
        const Token& t = tokens[s.Token];
        int from = s.From;
        int to = std::min(s.To, t.End);
        if (t.HasWord()) {
            from = std::max(from, t.WordStart);
            to = std::min(to, t.WordEnd);
            if (to <= from) {
                from = t.WordStart;
                to = t.WordEnd;
            }
        }
        words.append({from, to - from, s.Ms});
        previousToken = s.Token;
        previousMs = s.Ms;
        spareMs = s.LaterMs;
    }
    return words;
}

double RmsAround(const SpeechAudio& audio, int ms) {
    const qsizetype samples = audio.Pcm.size() / 2;
    const qint64 centre = qint64(ms) * audio.SampleRate / 1000;
    const qint64 half = qint64(kMouthWindowMs / 2) * audio.SampleRate / 1000;
    const qint64 from = std::clamp<qint64>(centre - half, 0, samples);
    const qint64 to = std::clamp<qint64>(centre + half, 0, samples);
    if (to <= from) return 0;
    const auto* data = reinterpret_cast<const uchar*>(audio.Pcm.constData());
    double sum = 0;
    for (qint64 i = from; i < to; ++i) {
        const double v = qFromLittleEndian<qint16>(data + 2 * i);
        sum += v * v;
    }
    return std::sqrt(sum / double(to - from));
}

} // namespace

SpeechAudio SynthesizeSpeech(const QString& text, const SpeechVoice& voice) {
    SpeechAudio audio;
    const QList<Token> tokens = Tokens(text);
    if (!HasWords(tokens)) {
        audio.Problem = NothingToSay();
        return audio;
    }

    QMutexLocker lock(&gEspeakLock);
    const int sampleRate = EspeakSampleRate();
    if (sampleRate <= 0) {
        audio.Problem =
            QStringLiteral("espeak-ng could not start: its voice data (espeak-ng-data) is missing.");
        return audio;
    }
    QString name = voice.Name.trimmed();
    if (name.isEmpty() || espeak_SetVoiceByName(name.toUtf8().constData()) != EE_OK) {
        static QSet<QString> warned; // once per name, not once per sentence
        if (!name.isEmpty() && !warned.contains(name)) {
            warned.insert(name);
            qWarning("espeak-ng has no voice \"%s\"; speaking with \"%s\"", qUtf8Printable(name),
                     kDefaultVoice);
        }
        name = QString::fromLatin1(kDefaultVoice);
        if (espeak_SetVoiceByName(kDefaultVoice) != EE_OK) {
            audio.Problem = QStringLiteral("espeak-ng cannot load its default voice \"%1\".").arg(name);
            return audio;
        }
    }
    espeak_SetParameter(espeakRATE, std::clamp(voice.Rate, espeakRATE_MINIMUM, espeakRATE_MAXIMUM), 0);
    espeak_SetParameter(espeakPITCH, std::clamp(voice.Pitch, 0, 99), 0);

    // A NUL would end espeak's text early; a space keeps every later position where it was.
    QString speakable = text;
    speakable.replace(QChar(0), QChar(u' '));
    const QByteArray utf8 = speakable.toUtf8();
    Collected collected;
    gCollecting = &collected;
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, nullptr);
    gCollecting = nullptr;
    if (result != EE_OK) {
        audio.Problem =
            QStringLiteral("espeak-ng could not synthesise the text (error %1).").arg(int(result));
        return audio;
    }

    const int durationMs = int(qint64(collected.Pcm.size() / 2) * 1000 / sampleRate);
    // Only symbols espeak has no name for (𝄞).
    if (collected.Words.isEmpty()) {
        audio.Problem = NothingToSay();
        return audio;
    }
    audio.Words = MapWords(text, tokens, collected.Words, durationMs);
    audio.Pcm = collected.Pcm;
    audio.SampleRate = sampleRate;
    audio.DurationMs = durationMs;
    audio.VoiceName = name;
    return audio;
}

SpeechAudio SilentSpeech(const QString& text, int rate) {
    SpeechAudio audio;
    // An average word is five letters; longer words take longer, and punctuation makes a pause.
    const double wordMs = 60000.0 / std::clamp(rate, espeakRATE_MINIMUM, espeakRATE_MAXIMUM);
    double at = 0;
    for (const Token& t : Tokens(text)) {
        if (!t.HasWord()) continue;
        audio.Words.append({t.WordStart, t.WordEnd - t.WordStart, int(at)});
        int letters = 0;
        for (int i = t.WordStart, next = 0; i < t.WordEnd; i = next, ++letters)
            CodePointAt(text, i, &next);
        at += wordMs * std::clamp(letters / 5.0, 0.5, 2.5);
        const QString after = text.mid(t.WordEnd, t.End - t.WordEnd);
        if (after.contains(QLatin1Char('.')) || after.contains(QLatin1Char('!')) ||
            after.contains(QLatin1Char('?')))
            at += wordMs * 0.8;
        else if (after.contains(QLatin1Char(',')) || after.contains(QLatin1Char(';')) ||
                 after.contains(QLatin1Char(':')))
            at += wordMs * 0.4;
    }
    audio.DurationMs = int(at);
    if (audio.Words.isEmpty()) audio.Problem = NothingToSay();
    return audio;
}

int MouthShapeAt(const SpeechAudio& audio, int ms) {
    if (ms < 0 || ms >= audio.DurationMs) return MouthClosed;
    if (!audio.Pcm.isEmpty() && audio.SampleRate > 0) {
        const double rms = RmsAround(audio, ms);
        return rms < kClosedBelowRms ? MouthClosed : rms < kNarrowBelowRms ? MouthNarrow : MouthOpen;
    }
    // No sound to go by: open in the middle of each word, closed in the gap after it.
    for (qsizetype w = audio.Words.size() - 1; w >= 0; --w) {
        const int start = audio.Words[w].StartMs;
        if (ms < start) continue;
        const int end = w + 1 < audio.Words.size() ? audio.Words[w + 1].StartMs : audio.DurationMs;
        const double phase = end > start ? double(ms - start) / (end - start) : 1;
        return phase < 0.1    ? MouthNarrow
               : phase < 0.65 ? MouthOpen
               : phase < 0.85 ? MouthNarrow
                              : MouthClosed;
    }
    return MouthClosed;
}

QList<SpeechPiece> SplitForSpeech(const QString& text) {
    // The first piece is said while the rest is synthesised: short enough to start at once.
    constexpr int kFirstPieceChars = 240;
    constexpr int kPieceChars = 1500;
    QList<SpeechPiece> pieces;
    int start = 0;
    while (start < text.size()) {
        const int limit = pieces.isEmpty() ? kFirstPieceChars : kPieceChars;
        if (text.size() - start <= limit + limit / 4) {
            pieces.append({start, text.mid(start)});
            break;
        }
        // The last sentence end within the limit, else the last space, else the limit itself.
        int cut = -1, space = -1;
        for (int i = start + limit; i > start + limit / 4; --i) {
            const QChar c = text.at(i - 1);
            if ((c == u'.' || c == u'!' || c == u'?' || c == u'\n') && text.at(i).isSpace()) {
                cut = i;
                break;
            }
            if (space < 0 && c.isSpace()) space = i;
        }
        if (cut < 0) cut = space > 0 ? space : start + limit;
        if (cut < text.size() && text.at(cut - 1).isHighSurrogate()) ++cut; // keep a pair together
        pieces.append({start, text.mid(start, cut - start)});
        start = cut;
    }
    return pieces;
}

// --- Speaker ----------------------------------------------------------------------------------------

Speaker::Speaker(QObject* parent)
    : QObject(parent) {
    poll_.setInterval(kPollMs);
    poll_.setTimerType(Qt::PreciseTimer);
    connect(&poll_, &QTimer::timeout, this, &Speaker::Poll);
    safety_.setSingleShot(true);
    connect(&safety_, &QTimer::timeout, this, [this] {
        qWarning("The sound server did not finish playing the speech in time");
        EndPiece();
    });
}

Speaker::~Speaker() {
    poll_.stop();
    StopSound();
    // Now, while our members live: a sink's destructor runs the event loop.
    qDeleteAll(findChildren<QAudioSink*>(Qt::FindDirectChildrenOnly));
}

bool Speaker::AudioAvailable() const {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void Speaker::SetSoundEnabled(bool on) {
    soundEnabled_ = on;
    if (!on && sink_) ContinueSilently();
}

void Speaker::Say(const QString& text, const SpeechVoice& voice) {
    // A handler of finished() may start another utterance; this one still replaces it.
    for (int i = 0; speaking_ && i < 8; ++i)
        Stop();
    if (speaking_) return;

    ++utterance_;
    voice_ = voice;
    pieces_ = SplitForSpeech(text);
    if (pieces_.isEmpty()) pieces_.append({0, text});
    piece_ = 0;
    nextAudio_.reset();
    waitingForPiece_ = false;
    speaking_ = true;
    mouth_ = MouthClosed;
    // The first piece is short: synthesising it here lets the sound start before Say() returns.
    BeginPiece(SynthesizeSpeech(pieces_.first().Text, voice));
}

void Speaker::BeginPiece(SpeechAudio audio) {
    const SpeechPiece& piece = pieces_.at(piece_);
    if (!audio.Problem.isEmpty()) {
        if (audio.Problem != NothingToSay()) qWarning("Speaking silently: %s", qUtf8Printable(audio.Problem));
        audio = SilentSpeech(piece.Text, voice_.Rate);
    }
    for (SpokenWord& word : audio.Words)
        word.TextPosition += piece.Offset;
    audio_ = std::move(audio);
    waitingForPiece_ = false;
    nextWord_ = 0;
    lastPositionMs_ = -1;
    soundBegan_ = false;
    allWritten_ = false;
    sinceAdvance_.invalidate();
    if (!soundEnabled_ || audio_.Pcm.isEmpty() || !StartSound()) {
        clockStartMs_ = 0;
        clock_.start();
    }
    poll_.start();
    PrepareNextPiece();
}

void Speaker::PrepareNextPiece() {
    if (piece_ + 1 >= pieces_.size()) return;
    const quint64 me = utterance_;
    QPointer<Speaker> self(this);
    const QString text = pieces_.at(piece_ + 1).Text;
    const SpeechVoice voice = voice_;
    QThreadPool::globalInstance()->start([self, me, text, voice] {
        SpeechAudio audio = SynthesizeSpeech(text, voice);
        QMetaObject::invokeMethod(
            qApp,
            [self, me, audio = std::move(audio)]() mutable {
                if (!self || self->utterance_ != me) return; // stopped or replaced meanwhile
                if (self->waitingForPiece_)
                    self->BeginPiece(std::move(audio));
                else
                    self->nextAudio_ = std::move(audio);
            },
            Qt::QueuedConnection);
    });
}

void Speaker::EndPiece() {
    if (piece_ + 1 >= pieces_.size()) return Finish();
    const quint64 me = utterance_;
    // Every word of this piece has been heard, also those the last poll had not reached.
    while (nextWord_ < audio_.Words.size()) {
        const SpokenWord word = audio_.Words[nextWord_++];
        emit wordStarted(word.TextPosition, word.TextLength);
        if (utterance_ != me) return;
    }
    poll_.stop();
    StopSound();
    ++piece_;
    if (nextAudio_) {
        SpeechAudio audio = std::move(*nextAudio_);
        nextAudio_.reset();
        BeginPiece(std::move(audio));
    } else {
        waitingForPiece_ = true; // the synthesis ahead has not finished yet
    }
}

void Speaker::Stop() {
    if (!speaking_) return;
    const quint64 me = utterance_;
    if (mouth_ != MouthClosed) {
        mouth_ = MouthClosed;
        emit mouthChanged(mouth_);
        if (utterance_ != me) // the handler ended it already
            return;
    }
    poll_.stop();
    StopSound();
    speaking_ = false;
    waitingForPiece_ = false;
    nextAudio_.reset();
    pieces_.clear();
    ++utterance_;
    emit finished();
}

bool Speaker::StartSound() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(audio_.SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        qWarning("The sound output \"%s\" cannot play %d Hz mono; speaking silently",
                 qUtf8Printable(device.description()), audio_.SampleRate);
        return false;
    }
    sink_ = new QAudioSink(device, format, this);
    buffer_ = new QBuffer(sink_); // goes with the sink, which may still read it while it stops
    buffer_->setData(audio_.Pcm);
    buffer_->open(QIODevice::ReadOnly);
    sink_->start(buffer_);
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        qWarning("The sound output could not start (error %d); speaking silently", int(sink_->error()));
        StopSound();
        return false;
    }
    connect(sink_, &QAudioSink::stateChanged, this, &Speaker::SinkStateChanged);
    safety_.start(audio_.DurationMs + kSafetyMarginMs);
    return true;
}

void Speaker::StopSound() {
    safety_.stop();
    if (!sink_) return;
    disconnect(sink_, nullptr, this, nullptr);
    sink_->stop();
    // Not deleted here: this may run inside one of the sink's own signals.
    sink_->deleteLater();
    sink_ = nullptr;
    buffer_ = nullptr;
}

void Speaker::ContinueSilently() {
    clockStartMs_ = PositionMs();
    StopSound();
    clock_.start();
}

int Speaker::PositionMs() const {
    if (sink_) return int(sink_->processedUSecs() / 1000);
    return clockStartMs_ + int(clock_.elapsed());
}

void Speaker::SinkStateChanged() {
    if (!sink_) return;
    const QAudio::State state = sink_->state();
    if (state == QAudio::IdleState && buffer_->atEnd()) {
        // All written; the server still has its buffer to play, so Poll() waits for the position.
        allWritten_ = true;
    } else if (state == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
        qWarning("The sound output failed (error %d); speaking on silently", int(sink_->error()));
        ContinueSilently();
    }
}

void Speaker::Poll() {
    const quint64 me = utterance_;
    const int now = PositionMs();
    if (sink_) {
        if (now > 0 && !soundBegan_) {
            // The safety timeout counts from when the server starts playing, not from a slow start.
            soundBegan_ = true;
            safety_.start(audio_.DurationMs + kSafetyMarginMs);
        }
        if (now != lastPositionMs_) {
            lastPositionMs_ = now;
            sinceAdvance_.start();
        }
    }
    while (nextWord_ < audio_.Words.size() && audio_.Words[nextWord_].StartMs <= now) {
        const SpokenWord word = audio_.Words[nextWord_++];
        emit wordStarted(word.TextPosition, word.TextLength);
        if (utterance_ != me) return;
    }
    const int shape = MouthShapeAt(audio_, now);
    if (shape != mouth_) {
        mouth_ = shape;
        emit mouthChanged(shape);
        if (utterance_ != me) return;
    }
    const bool done = sink_
                          ? allWritten_ && (now >= audio_.DurationMs - kEndSlackMs ||
                                            (sinceAdvance_.isValid() && sinceAdvance_.elapsed() > kStalledMs))
                          : now >= audio_.DurationMs;
    if (done) EndPiece();
}

void Speaker::Finish() {
    if (!speaking_) return;
    const quint64 me = utterance_;
    // All has been heard: the words the last poll had not reached yet were heard too.
    while (nextWord_ < audio_.Words.size()) {
        const SpokenWord word = audio_.Words[nextWord_++];
        emit wordStarted(word.TextPosition, word.TextLength);
        if (utterance_ != me) return;
    }
    Stop();
}
