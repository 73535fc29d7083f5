// What the idling character costs: the processor time of the whole program over 30 seconds with the
// character on screen between its idle animations, beside the same program with the character off,
// on the same still page, in one run. Prints figures; never judges them.
#include "common/BenchCommon.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Idle processor time of the character."));
    parser.addHelpOption();
    const QCommandLineOption programOption(QStringLiteral("program"), QStringLiteral("The browser to start."),
                                           QStringLiteral("path"), QStringLiteral(GW_BENCH_PROGRAM));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           QStringLiteral("The span read (default 30)."), QStringLiteral("s"),
                                           QStringLiteral("30"));
    const QCommandLineOption characterOption(QStringLiteral("character"),
                                             QStringLiteral("The character's name (default Merlin)."),
                                             QStringLiteral("name"), QStringLiteral("Merlin"));
    parser.addOption(programOption);
    parser.addOption(secondsOption);
    parser.addOption(characterOption);
    parser.addPositionalArgument(QStringLiteral("runs"),
                                 QStringLiteral("Runs of each side (default 5; the median counts)."));
    parser.process(app);
    const int runs =
        parser.positionalArguments().isEmpty() ? 5 : parser.positionalArguments().first().toInt();
    const int seconds = parser.value(secondsOption).toInt();
    const QString program = parser.value(programOption);
    if (runs < 1 || seconds < 1) parser.showHelp(1);
    if (!QFileInfo(program).isExecutable()) {
        std::fprintf(stderr, "not an executable: %s\n", qPrintable(program));
        return 1;
    }
    const QString page = QStringLiteral(GW_BENCH_IDLE_PAGE);
    bench::VirtualDisplay display;
    if (!display.Ensure()) return 1;
    std::printf("idle processor time over %d s, %s on and off, %d runs each, display %s\n", seconds,
                qPrintable(parser.value(characterOption)), runs, qPrintable(display.Display()));
    QList<double> on, off;
    for (int i = 1; i <= runs; ++i)
        for (const bool character : {true, false}) {
            // The character only idles while the reading lasts.
            const QHash<QString, QString> settings{
                {QStringLiteral("Use agent"), character ? QStringLiteral("1") : QStringLiteral("0")},
                {QStringLiteral("Agent name"), parser.value(characterOption)}};
            // With the character on, the reading starts once it has finished its greeting and idles;
            // off, once the page has loaded. Either way after the same settle.
            const bench::IdleRun r = bench::RunIdle(program, page, true, seconds, settings, 3000,
                                                    character ? "bench: character idle" : "bench: loaded");
            const char* side = character ? "character" : "floor";
            if (r.ok) {
                (character ? on : off).append(r.cpuPercent);
                std::printf("run %d %-9s %6.2f %% of one core in %d processes\n", i, side, r.cpuPercent,
                            r.processes);
            } else {
                std::printf("run %d %-9s failed: %s\n", i, side, qPrintable(r.problem));
            }
            std::fflush(stdout);
        }
    const bench::Summary c = bench::Summarise(on), f = bench::Summarise(off);
    std::printf("\nidle, %% of one core: with the character %.2f, without (the floor) %.2f, "
                "difference %.2f percentage points\n",
                c.median, f.median, c.median - f.median);
    std::printf("aim: the idle character costs under 1 percentage point of one core\n");
    return on.isEmpty() || off.isEmpty() ? 1 : 0;
}
