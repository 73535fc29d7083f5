// Start-up of the browser beside the floor program: the moment the window shows, the moment the start
// page has loaded, and the memory of the whole process tree then. Prints figures; never judges them.
#include "common/BenchCommon.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <cstdio>

namespace {
constexpr int kRunTimeoutMs = 60000;
constexpr int kHoldMs = 1000; // how long a program stays after loading; covers the settle

struct StartupRun {
    bool ok = false;
    qint64 shownMs = -1;
    qint64 loadedMs = -1;
    // The program's own clock, started in main(): what it adds to the time the system takes to launch it.
    qint64 ownShownMs = -1;
    qint64 ownLoadedMs = -1;
    // The program's own start-up steps, in their order, each at its moment on the program's clock.
    QList<QPair<QString, qint64>> steps;
    bench::TreeMemory memory;
    QString problem;
};

// Leaves pages from "last time" in the home and asks the program to open them: restoring pages of
// the same local page, the first in front.
void keepPagesToRestore(const QString& home, int pages, const QString& page) {
    QJsonArray kept;
    for (int i = 1; i <= pages; ++i)
        kept.append(QJsonObject{{QStringLiteral("address"),
                                 QUrl::fromLocalFile(page).toString() + QStringLiteral("?page=%1").arg(i)},
                                {QStringLiteral("title"), QStringLiteral("Page %1").arg(i)}});
    const QString data = home + QStringLiteral("/.local/share/Varnholt Software/Glisterwood 99");
    QDir().mkpath(data);
    QFile file(data + QStringLiteral("/session.json"));
    if (file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("version"), 1},
                                             {QStringLiteral("current"), 0},
                                             {QStringLiteral("pages"), kept}})
                       .toJson());
    QSettings(home + QStringLiteral("/.config/Varnholt Software/Glisterwood 97.conf"), QSettings::IniFormat)
        .setValue(QStringLiteral("Restore pages"), QStringLiteral("1"));
}

// restorePages > 0: the program opens that many pages from last time instead of its start page.
StartupRun runOnce(const QString& program, int restorePages = 0) {
    StartupRun run;
    QTemporaryDir home;
    if (!home.isValid()) {
        run.problem = QStringLiteral("no temporary home");
        return run;
    }
    if (restorePages > 0)
        keepPagesToRestore(home.path(), restorePages, QStringLiteral(GW_BENCH_RESTORE_PAGE));
    QProcessEnvironment env = bench::RunEnvironment(home.path());
    env.insert(QStringLiteral("GLISTERWOOD_BENCH"), QStringLiteral("1"));
    env.insert(QStringLiteral("GLISTERWOOD_BENCH_HOLD_MS"), QString::number(kHoldMs));

    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(home.path());
    QEventLoop loop;
    QElapsedTimer clock;
    QByteArray pending;
    QByteArray errors;
    QList<bench::ProcessStamp> tree;

    QObject::connect(&process, &QProcess::readyReadStandardError, &loop, [&] {
        errors = (errors + process.readAllStandardError()).right(4000); // kept for a failure report
    });
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, [&] {
        const qint64 now = clock.elapsed();
        pending += process.readAllStandardOutput();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end).trimmed();
            pending.remove(0, end + 1);
            if (line.startsWith("bench: step ")) {
                const qsizetype space = line.lastIndexOf(' ');
                run.steps.append(
                    {QString::fromUtf8(line.mid(12, space - 12)), line.mid(space + 1).toLongLong()});
            }
            if (line.startsWith("bench: shown ") && run.shownMs < 0) {
                run.shownMs = now;
                run.ownShownMs = line.mid(13).toLongLong();
            }
            if (line.startsWith("bench: loaded ") && run.loadedMs < 0) {
                run.loadedMs = now;
                run.ownLoadedMs = line.mid(14).toLongLong();
                QTimer::singleShot(bench::kSettleMs, &loop, [&] {
                    tree = bench::StampProcesses(bench::ProcessTree(pid_t(process.processId())));
                    run.memory = bench::TreeMemoryOf(pid_t(process.processId()));
                });
            }
        }
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            run.problem = QStringLiteral("cannot start %1").arg(program);
            loop.quit();
        }
    });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&] {
        run.problem = QStringLiteral("no exit within %1 s").arg(kRunTimeoutMs / 1000);
        loop.quit();
    });

    clock.start();
    process.start(program, {});
    timeout.start(kRunTimeoutMs);
    loop.exec();

    if (process.state() != QProcess::NotRunning) {
        if (tree.isEmpty()) tree = bench::StampProcesses(bench::ProcessTree(pid_t(process.processId())));
        process.terminate();
        if (!process.waitForFinished(3000)) process.kill();
        process.waitForFinished(3000);
    }
    bench::EndLeftovers(tree);

    if (run.problem.isEmpty() && run.shownMs < 0) run.problem = QStringLiteral("the window never showed");
    if (run.problem.isEmpty() && run.loadedMs < 0)
        run.problem = QStringLiteral("the start page never loaded");
    if (run.problem.isEmpty() && run.memory.processes == 0)
        run.problem = QStringLiteral("the process left before its memory was read");
    run.ok = run.problem.isEmpty();
    if (!run.ok && !errors.isEmpty())
        run.problem += QStringLiteral("; its last output:\n") + QString::fromLocal8Bit(errors);
    return run;
}

struct Series {
    QList<double> shown, loaded;
    bench::MemorySeries memory;
    QStringList stepNames;
    QHash<QString, QList<double>> steps;

    void add(const StartupRun& run) {
        shown.append(double(run.shownMs));
        loaded.append(double(run.loadedMs));
        memory.Add(run.memory);
        for (const auto& [name, ms] : run.steps) {
            if (!stepNames.contains(name)) stepNames.append(name);
            steps[name].append(double(ms));
        }
    }
};

// Where the program's start-up time goes: the median moment of each step and the time since the one
// before, so that a regression shows where it lies.
void reportSteps(const Series& series) {
    if (series.stepNames.isEmpty()) return;
    std::printf("\nthe program's start-up steps (ms on its own clock, median of the runs)\n");
    double before = 0;
    for (const QString& name : series.stepNames) {
        const double at = bench::Summarise(series.steps.value(name)).median;
        std::printf("    %-18s at %6.0f   +%5.0f\n", qPrintable(name), at, at - before);
        before = at;
    }
}

void report(const char* who, int index, const StartupRun& run) {
    if (run.ok)
        std::printf("run %d %-8s shown %5lld ms (own %5lld)  loaded %5lld ms (own %5lld)  %s\n", index, who,
                    run.shownMs, run.ownShownMs, run.loadedMs, run.ownLoadedMs,
                    qPrintable(bench::DescribeMemory(run.memory)));
    else
        std::printf("run %d %-8s failed: %s\n", index, who, qPrintable(run.problem));
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Start-up time and memory of Glisterwood 99 beside a bare engine view."));
    parser.addHelpOption();
    const QCommandLineOption programOption(QStringLiteral("program"), QStringLiteral("The browser to start."),
                                           QStringLiteral("path"), QStringLiteral(GW_BENCH_PROGRAM));
    const QCommandLineOption floorOption(QStringLiteral("floor"), QStringLiteral("The floor program."),
                                         QStringLiteral("path"), QStringLiteral(GW_BENCH_FLOOR));
    const QCommandLineOption restoreOption(
        QStringLiteral("restore"),
        QStringLiteral(
            "The program opens N pages from last time (and, beside, one page) instead of its start page."),
        QStringLiteral("N"));
    parser.addOption(programOption);
    parser.addOption(floorOption);
    parser.addOption(restoreOption);
    parser.addPositionalArgument(QStringLiteral("runs"), QStringLiteral("Runs of each program (default 5)."));
    parser.process(app);

    int runs = 5;
    if (!parser.positionalArguments().isEmpty()) {
        runs = parser.positionalArguments().first().toInt();
        if (runs < 1) parser.showHelp(1);
    }
    const int restore = parser.value(restoreOption).toInt();
    const QString program = parser.value(programOption);
    const QString floor = parser.value(floorOption);
    for (const QString& path : {program, floor})
        if (!QFileInfo(path).isExecutable()) {
            std::fprintf(stderr, "not an executable: %s\n", qPrintable(path));
            return 1;
        }

    bench::VirtualDisplay display;
    if (!display.Ensure()) return 1;
    std::printf("start-up of %s\n    beside %s\n    on display %s, %d runs each\n", qPrintable(program),
                qPrintable(floor), qPrintable(display.Display()), runs);
    if (restore > 0)
        std::printf("    the program restores %d pages from last time (\"one\": one page restored)\n",
                    restore);

    Series programSeries, floorSeries, oneSeries;
    for (int i = 1; i <= runs; ++i) {
        // Taking turns keeps a slow spell of the machine from landing on one side only.
        const StartupRun p = runOnce(program, restore);
        report("program", i, p);
        if (p.ok) programSeries.add(p);
        if (restore > 0) {
            const StartupRun one = runOnce(program, 1);
            report("one", i, one);
            if (one.ok) oneSeries.add(one);
        }
        const StartupRun f = runOnce(floor);
        report("floor", i, f);
        if (f.ok) floorSeries.add(f);
    }

    std::printf("\n");
    QList<bench::Figure> figures{
        {QStringLiteral("window shown (ms)"), bench::Summarise(programSeries.shown),
         bench::Summarise(floorSeries.shown), 0},
        {QStringLiteral("start page loaded (ms)"), bench::Summarise(programSeries.loaded),
         bench::Summarise(floorSeries.loaded), 0},
    };
    figures += bench::MemoryFigures(programSeries.memory, floorSeries.memory);
    bench::PrintFigures(figures);
    std::printf("processes: program %d, floor %d\n", programSeries.memory.processes,
                floorSeries.memory.processes);
    std::printf("aim: start-up within 15%% of the floor\n");
    reportSteps(programSeries);
    if (restore > 0 && !oneSeries.loaded.isEmpty()) {
        std::printf("\n%d pages restored beside one page restored (the \"floor\" column):\n", restore);
        QList<bench::Figure> beside{
            {QStringLiteral("window shown (ms)"), bench::Summarise(programSeries.shown),
             bench::Summarise(oneSeries.shown), 0},
            {QStringLiteral("front page loaded (ms)"), bench::Summarise(programSeries.loaded),
             bench::Summarise(oneSeries.loaded), 0},
        };
        beside += bench::MemoryFigures(programSeries.memory, oneSeries.memory);
        bench::PrintFigures(beside);
        std::printf("aim: the window shows as fast as with one page\n");
    }
    return programSeries.loaded.isEmpty() || floorSeries.loaded.isEmpty() ? 1 : 0;
}
