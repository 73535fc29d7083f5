// How well the character hears its commands: every command phrase spoken by several espeak-ng voices at
// several speeds, plus phrases that are no command, fed to the recogniser. Prints the share recognised,
// the false alarms, and the recognition time per second of sound beside the floor: the same decoder on
// silence of the same length.
#include "SpokenAudio.h"
#include "agent/voice/CommandGrammar.h"
#include "agent/voice/CommandRecogniser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {
struct Phrase {
    const char* text;
    const char* command; // "" = none
};

const Phrase kPhrases[] = {
    {"give me a tip", "Tip"}, {"tip", "Tip"},       {"read this page", "Read"},   {"read", "Read"},
    {"shut up", "Shut up"},   {"quiet", "Shut up"}, {"properties", "Properties"}, {"what time is it", ""},
    {"open the window", ""},  {"good morning", ""}, {"play some music", ""},
};
const char* const kVoices[] = {"en-us", "en", "en-us+m3", "en-us+f2"};
const int kRates[] = {130, 160, 200};

double secondsOf(const QByteArray& pcm) {
    return double(pcm.size()) / 2 / CommandRecogniser::kSampleRate;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const bool verbose = app.arguments().contains(QStringLiteral("-v"));
    QElapsedTimer load;
    load.start();
    CommandRecogniser recogniser(CommandSet::Browser());
    if (!recogniser.Available()) {
        std::printf("recogniser unavailable: %s\n", qPrintable(recogniser.Problem()));
        return 1;
    }
    std::printf("model loaded in %.0f ms\n", double(load.nsecsElapsed()) / 1e6);

    int commands = 0, heard = 0, others = 0, falseAlarms = 0;
    double audioSeconds = 0, recogniseMs = 0, floorMs = 0;
    const bool quick = app.arguments().contains(QStringLiteral("-q"));
    for (const char* voice : kVoices)
        for (int rate : kRates)
            if (!quick || (rate == 160 && (voice[5] == 0 || voice[6] == 'f')))
                for (const Phrase& phrase : kPhrases) {
                    QString problem;
                    const QByteArray pcm =
                        SpokenAudio(QString::fromUtf8(phrase.text), QString::fromUtf8(voice), rate, &problem);
                    if (pcm.isEmpty()) {
                        std::printf("cannot synthesise: %s\n", qPrintable(problem));
                        return 1;
                    }
                    QElapsedTimer timer;
                    timer.start();
                    const QString words = recogniser.Hear(pcm);
                    recogniseMs += double(timer.nsecsElapsed()) / 1e6;
                    timer.restart();
                    recogniser.Hear(QByteArray(pcm.size(), '\0'));
                    floorMs += double(timer.nsecsElapsed()) / 1e6;
                    audioSeconds += secondsOf(pcm);

                    const QString got = MatchCommand(CommandSet::Browser(), words);
                    const QString want = QString::fromUtf8(phrase.command);
                    const bool right = got == want;
                    if (want.isEmpty()) {
                        ++others;
                        falseAlarms += right ? 0 : 1;
                    } else {
                        ++commands;
                        heard += right ? 1 : 0;
                    }
                    if (verbose || !right)
                        std::printf("%-9s %3d  %-16s heard \"%s\" -> %s%s\n", voice, rate, phrase.text,
                                    qPrintable(words), got.isEmpty() ? "(none)" : qPrintable(got),
                                    right ? "" : "   WRONG");
                }
    std::printf("commands recognised: %d of %d (%.1f %%)\n", heard, commands, 100.0 * heard / commands);
    std::printf("other phrases taken for a command: %d of %d (%.1f %%)\n", falseAlarms, others,
                100.0 * falseAlarms / others);
    std::printf("recognition: %.1f ms per second of sound; floor (silence, same decoder): %.1f ms\n",
                recogniseMs / audioSeconds, floorMs / audioSeconds);
    return 0;
}
