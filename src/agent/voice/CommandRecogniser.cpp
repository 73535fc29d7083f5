#include "agent/voice/CommandRecogniser.h"

#include "agent/voice/CommandGrammar.h"

#include <QDir>
#include <QFileInfo>

#include <pocketsphinx.h>
#include <sphinxbase/err.h>

namespace {
constexpr const char* kSearch = "commands";

bool readable(const QString& path) {
    return QFileInfo(path).isReadable();
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
                                   dict.constData(), "-samprate", "16000", nullptr);
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
    return hypothesis ? QString::fromUtf8(hypothesis) : QString();
}

QString CommandRecogniser::Recognise(const QByteArray& pcm) {
    return MatchCommand(commands_, Hear(pcm));
}
