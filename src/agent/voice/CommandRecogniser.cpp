#include "agent/voice/CommandRecogniser.h"

#include "agent/voice/CommandGrammar.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <vector>

#include <pocketsphinx.h>
#include <sphinxbase/err.h>

namespace {
constexpr const char* kSearch = "commands";

constexpr int kFrameSamples = CommandRecogniser::kSampleRate / 100; // the decoder's 10 ms frames
// A grammar fits every sound to some command. Speech that is no command is fitted to a short one
// with the rest taken for silence, so a command must cover most of the sound there is.
constexpr double kMinCoverage = 0.9;
// The shortest command has more sound than this; less is a click or a breath.
constexpr int kMinVoicedFrames = 20;

bool readable(const QString& path) {
    return QFileInfo(path).isReadable();
}

// The frames with sound in them: louder than a twentieth of the loudest, and than a floor of noise.
int voicedFrames(const int16* samples, size_t count) {
    std::vector<double> loudness;
    for (size_t start = 0; start + kFrameSamples <= count; start += kFrameSamples) {
        double sum = 0;
        for (int i = 0; i < kFrameSamples; ++i)
            sum += double(samples[start + i]) * samples[start + i];
        loudness.push_back(std::sqrt(sum / kFrameSamples));
    }
    const double peak = loudness.empty() ? 0 : *std::max_element(loudness.begin(), loudness.end());
    const double threshold = std::max(peak / 20, 100.0);
    return int(std::count_if(loudness.begin(), loudness.end(), [&](double l) { return l > threshold; }));
}

// The frames the recognised words take, silences and noises left out.
int wordFrames(ps_decoder_t* decoder) {
    int frames = 0;
    for (ps_seg_t* seg = ps_seg_iter(decoder); seg; seg = ps_seg_next(seg)) {
        const char* word = ps_seg_word(seg);
        if (!word || word[0] == '<' || word[0] == '[') continue;
        int first = 0, last = 0;
        ps_seg_frames(seg, &first, &last);
        frames += last - first + 1;
    }
    return frames;
}
} // namespace

SpeechModel SpeechModel::Installed() {
    QString root = qEnvironmentVariable("GLISTERWOOD_SPEECH_MODEL");
    if (root.isEmpty()) root = QStringLiteral("/usr/share/pocketsphinx/model/en-us");
    return {root + QStringLiteral("/en-us"), root + QStringLiteral("/cmudict-en-us.dict")};
}

CommandRecogniser::CommandRecogniser(const CommandSet& commands, const SpeechModel& model)
    : commands_(commands) {
    if (!readable(model.AcousticModel + QStringLiteral("/mdef")) || !readable(model.Dictionary)) {
        problem_ = QStringLiteral("the speech recognition model is not installed");
        return;
    }
    err_set_logfp(nullptr); // the decoder is chatty on stderr
    const QByteArray hmm = QFile::encodeName(model.AcousticModel);
    const QByteArray dict = QFile::encodeName(model.Dictionary);
    cmd_ln_t* config = cmd_ln_init(nullptr, ps_args(), TRUE, "-hmm", hmm.constData(), "-dict",
                                   dict.constData(), "-samprate", "16000",
                                   // each recording on its own, whatever came before
                                   "-cmn", "current",
                                   // a pause inside a command is rarer than a word of it
                                   "-silprob", "1e-6", nullptr);
    if (config) decoder_ = ps_init(config);
    cmd_ln_free_r(config); // the decoder keeps its own reference
    if (!decoder_) {
        problem_ = QStringLiteral("the speech recognition model could not be loaded");
        return;
    }
    grammar_ = CommandGrammar(commands_, [this](const QString& word) {
        char* pronunciation = ps_lookup_word(decoder_, word.toUtf8().constData());
        const bool known = pronunciation != nullptr;
        ckd_free(pronunciation);
        return known;
    });
    if (grammar_.isEmpty() || ps_set_jsgf_string(decoder_, kSearch, grammar_.toUtf8().constData()) < 0 ||
        ps_set_search(decoder_, kSearch) < 0) {
        problem_ = QStringLiteral("no command can be said");
        ps_free(decoder_);
        decoder_ = nullptr;
    }
}

CommandRecogniser::~CommandRecogniser() {
    if (decoder_) ps_free(decoder_);
}

QString CommandRecogniser::Hear(const QByteArray& pcm) {
    const auto samples = size_t(pcm.size()) / sizeof(int16);
    if (!decoder_ || samples == 0) return {};
    if (ps_start_utt(decoder_) < 0) return {};
    ps_process_raw(decoder_, reinterpret_cast<const int16*>(pcm.constData()), samples, FALSE, TRUE);
    ps_end_utt(decoder_);
    int32 score = 0;
    const char* hypothesis = ps_get_hyp(decoder_, &score);
    if (!hypothesis || !*hypothesis) return {};
    const int voiced = voicedFrames(reinterpret_cast<const int16*>(pcm.constData()), samples);
    if (voiced < kMinVoicedFrames || wordFrames(decoder_) < kMinCoverage * voiced) return {};
    return QString::fromUtf8(hypothesis);
}

QString CommandRecogniser::Recognise(const QByteArray& pcm) {
    return MatchCommand(commands_, Hear(pcm));
}
