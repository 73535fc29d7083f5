// Ten pages open in the browser beside ten views in a bare tab widget: the time from the first open
// to the last page loaded, and the memory of the process tree with all of them open. Each run starts
// fresh processes: the browser side is this program again in worker mode, driving a real main window.
#include "app/AppSetup.h"
#include "app/Graphics.h"
#include "app/Startup.h"
#include "app/WindowProbe.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/WebEngineBrowser.h"
#include "common/BenchCommon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {
constexpr int kRunTimeoutMs = 120000;

// Worker: the browser's main window as start-up builds it, then `count` pages opened at once.
int runBrowserWorker(int argc, char** argv, const QUrl& url, int count) {
    PrepareBeforeApplication();
    QApplication app(argc, argv);
    NameApplication();
    ChooseComposition(); // as the program does

    WebEngineBrowserFactory factory(true);
    InitGlobals();
    FormMain form(factory);
    if (!form.DoInit()) {
        std::fprintf(stderr, "bench_tabs: the main window could not create its first page\n");
        return 2;
    }
    factory.SetDialogParent(&form);
    form.show();

    QSet<BrowserControl*> loaded;
    QElapsedTimer clock;
    bench::TabsResult result;
    const auto pageLoaded = [&](BrowserControl* control, const QString& address) {
        if (QUrl(address) != url || loaded.contains(control)) return;
        loaded.insert(control);
        if (loaded.size() < count) return;
        result.openedMs = clock.elapsed();
        QTimer::singleShot(bench::kSettleMs, &app, [&] {
            result.memory = bench::TreeMemoryOf(getpid());
            std::printf("%s\n", qPrintable(bench::FormatTabsLine(result)));
            std::fflush(stdout);
            form.FileExit();
            QCoreApplication::quit();
        });
    };
    QTimer::singleShot(bench::kIdleBeforeTabsMs, &app, [&] {
        clock.start();
        for (int i = 0; i < count; ++i) {
            form.OpenInNewPage(url.toString());
            BrowserControl* control = form.CurrentPage();
            if (!control) {
                std::fprintf(stderr, "bench_tabs: page %d did not open\n", i + 1);
                QCoreApplication::exit(2);
                return;
            }
            QObject::connect(
                control, &BrowserControl::DocumentComplete, &app,
                [&pageLoaded, control](const QString& address) { pageLoaded(control, address); });
        }
    });
    QTimer::singleShot(kRunTimeoutMs, &app, [&] {
        std::fprintf(stderr, "bench_tabs: only %lld of %d pages loaded\n",
                     static_cast<long long>(loaded.size()), count);
        QCoreApplication::exit(2);
    });
    return app.exec();
}

// Worker: tab switches between two small pages and between a small page and one with 100,000
// links, then the memory before and after opening and closing 50 pages. One line per figure.
int runSwitchWorker(int argc, char** argv, const QString& folder) {
    PrepareBeforeApplication();
    QApplication app(argc, argv);
    NameApplication();
    ChooseComposition(); // as the program does
    WebEngineBrowserFactory factory(true);
    InitGlobals();
    FormMain form(factory);
    if (!form.DoInit()) return 2;
    factory.SetDialogParent(&form);
    form.show();
    Browsers& pages = *FormMainProbe::Modules(form).Pages;

    const auto waitIdle = [&](int slot, int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms && (!pages.InUse(slot) || pages.Control(slot)->Busy() ||
                                        pages.Control(slot)->LocationURL().isEmpty()))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    };
    const auto settle = [](int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            // Outside the application's own loop, closed pages are deleted only when asked.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    };
    const QString small = QUrl::fromLocalFile(folder + QStringLiteral("/small.html")).toString();
    const QString many = QUrl::fromLocalFile(folder + QStringLiteral("/many.html")).toString();

    // The memory of the program with its first page, before any tab comes and goes.
    form.CurrentPage()->Navigate(small);
    waitIdle(1, 30000);
    settle(3000);
    const bench::TreeMemory before = bench::TreeMemoryOf(getpid());
    for (int i = 0; i < 50; ++i)
        form.OpenInNewPage(small);
    for (int slot = 2; slot <= 51; ++slot)
        waitIdle(slot, 30000);
    for (int slot = 2; slot <= 51; ++slot)
        pages.CloseBrowser(slot);
    pages.SwitchToTab(3);
    settle(8000);
    const bench::TreeMemory after = bench::TreeMemoryOf(getpid());
    std::printf("memory before %lld after %lld processes %d %d\n", static_cast<long long>(before.kib),
                static_cast<long long>(after.kib), before.processes, after.processes);

    // Three pages: two small, one with many links; each has read its links once.
    form.OpenInNewPage(small);
    waitIdle(2, 30000);
    form.OpenInNewPage(many);
    waitIdle(3, 60000);
    settle(3000);
    const auto switchCost = [&](int other) {
        QList<double> times;
        for (int i = 0; i < 20; ++i) {
            for (const int slot : {other, 1}) {
                QElapsedTimer clock;
                clock.start();
                pages.SelectTab(pages.TabPositionOf(slot));
                QCoreApplication::processEvents();
                QCoreApplication::sendPostedEvents();
                times.append(double(clock.nsecsElapsed()) / 1e6);
                settle(50);
            }
        }
        return bench::Summarise(times).median;
    };
    const double smallSmall = switchCost(2);
    const double smallMany = switchCost(3);
    std::printf("switch small %.3f many %.3f\n", smallSmall, smallMany);
    std::fflush(stdout);
    form.ExitNow();
    return 0;
}

// Runs one side of the comparison in fresh processes and a fresh home; false with a reason on failure.
bool runSide(const QString& program, const QStringList& args, bench::TabsResult* result, QString* problem) {
    QTemporaryDir home;
    QProcess process;
    process.setProcessEnvironment(bench::RunEnvironment(home.path()));
    process.setWorkingDirectory(home.path());
    process.start(program, args);
    if (!process.waitForStarted()) {
        *problem = QStringLiteral("cannot start %1").arg(program);
        return false;
    }
    QByteArray output;
    QList<bench::ProcessStamp> tree;
    bool found = false;
    QElapsedTimer clock;
    clock.start();
    const auto readResult = [&] {
        output += process.readAllStandardOutput();
        for (const QByteArray& line : output.split('\n'))
            found = found || bench::ParseTabsLine(QString::fromLocal8Bit(line), result);
    };
    while (process.state() != QProcess::NotRunning && clock.elapsed() < kRunTimeoutMs + 10000) {
        process.waitForReadyRead(200);
        if (found) continue;
        readResult();
        // Taken while the program winds down, so its helpers can be waited for afterwards.
        if (found) tree = bench::StampProcesses(bench::ProcessTree(pid_t(process.processId())));
    }
    if (!found) readResult(); // what came with the exit
    if (process.state() != QProcess::NotRunning) {
        tree = bench::StampProcesses(bench::ProcessTree(pid_t(process.processId())));
        process.kill();
        process.waitForFinished(3000);
        *problem = QStringLiteral("no exit in time");
    }
    bench::EndLeftovers(tree);
    if (!problem->isEmpty()) return false;
    if (found) return true;
    *problem = QStringLiteral("no result (exit %1); its last output:\n%2")
                   .arg(process.exitCode())
                   .arg(QString::fromLocal8Bit(process.readAllStandardError().right(4000)));
    return false;
}

// The tab-switch and closed-pages figures: each run in a fresh process beside its own floor (the
// switch between two small pages; the memory before any page came and went).
int runSwitches(const QString& self, int runs) {
    QTemporaryDir site;
    QFile smallFile(site.filePath(QStringLiteral("small.html")));
    QFile manyFile(site.filePath(QStringLiteral("many.html")));
    if (!smallFile.open(QIODevice::WriteOnly) || !manyFile.open(QIODevice::WriteOnly)) return 1;
    smallFile.write("<title>Small</title><p><a href='#a'>One</a> <a href='#b'>Two</a></p>");
    manyFile.write("<title>Many links</title>");
    for (int i = 0; i < 100000; ++i)
        manyFile.write("<a href='#" + QByteArray::number(i) + "'>Link " + QByteArray::number(i) + "</a>\n");
    smallFile.close();
    manyFile.close();

    QList<double> small, many, before, after;
    for (int run = 1; run <= runs; ++run) {
        QTemporaryDir home;
        QProcess process;
        process.setProcessEnvironment(bench::RunEnvironment(home.path()));
        process.setWorkingDirectory(home.path());
        process.start(self, {QStringLiteral("--switch-worker"), site.path()});
        if (!process.waitForFinished(kRunTimeoutMs * 3)) {
            process.kill();
            std::printf("run %d failed: no exit in time\n", run);
            continue;
        }
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        for (const QString& line : out.split(QLatin1Char('\n'))) {
            const QStringList w = line.split(QLatin1Char(' '));
            if (w.size() >= 5 && w[0] == QLatin1String("memory")) {
                before.append(w[2].toDouble() / 1024);
                after.append(w[4].toDouble() / 1024);
                std::printf("run %d %s\n", run, qPrintable(line));
            }
            if (w.size() >= 5 && w[0] == QLatin1String("switch")) {
                small.append(w[2].toDouble());
                many.append(w[4].toDouble());
                std::printf("run %d %s\n", run, qPrintable(line));
            }
        }
        std::fflush(stdout);
    }
    std::printf("\n");
    bench::PrintFigures({
        {QStringLiteral("tab switch to 100,000 links (ms) beside small pages"), bench::Summarise(many),
         bench::Summarise(small), 3},
        {QStringLiteral("memory after 50 pages closed (MiB) beside before"), bench::Summarise(after),
         bench::Summarise(before), 1},
    });
    return small.isEmpty() ? 1 : 0;
}

struct Series {
    QList<double> opened;
    bench::MemorySeries memory;

    void add(const bench::TabsResult& r) {
        opened.append(double(r.openedMs));
        memory.Add(r.memory);
    }
};
} // namespace

int main(int argc, char** argv) {
    // The worker needs the application object itself, made before anything else.
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--switch-worker")
            return runSwitchWorker(argc, argv, QString::fromLocal8Bit(argv[i + 1]));
    for (int i = 1; i + 2 < argc; ++i)
        if (QByteArray(argv[i]) == "--worker")
            return runBrowserWorker(argc, argv, QUrl(QString::fromLocal8Bit(argv[i + 2])), atoi(argv[i + 1]));

    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Pages open in Glisterwood 99 beside bare engine views."));
    parser.addHelpOption();
    const QCommandLineOption floorOption(QStringLiteral("floor"), QStringLiteral("The floor program."),
                                         QStringLiteral("path"), QStringLiteral(GW_BENCH_FLOOR));
    const QCommandLineOption pagesOption(QStringLiteral("pages"),
                                         QStringLiteral("Pages to open (default 10)."),
                                         QStringLiteral("count"), QStringLiteral("10"));
    const QCommandLineOption pageOption(QStringLiteral("page"), QStringLiteral("The page to open."),
                                        QStringLiteral("path or url"), QStringLiteral(GW_BENCH_TAB_PAGE));
    const QCommandLineOption switchOption(
        QStringLiteral("switch"),
        QStringLiteral(
            "Only the tab switches (small pages, 100,000 links) and the memory after 50 pages closed."));
    parser.addOptions({floorOption, pagesOption, pageOption, switchOption});
    parser.addPositionalArgument(QStringLiteral("runs"), QStringLiteral("Runs of each side (default 3)."));
    parser.process(app);

    int runs = 3;
    if (!parser.positionalArguments().isEmpty()) {
        runs = parser.positionalArguments().first().toInt();
        if (runs < 1) parser.showHelp(1);
    }
    const int count = parser.value(pagesOption).toInt();
    if (count < 1) parser.showHelp(1);
    const QString floor = parser.value(floorOption);
    const QString page =
        QUrl::fromUserInput(parser.value(pageOption), QDir::currentPath(), QUrl::AssumeLocalFile).toString();
    if (QUrl(page).isLocalFile() && !QFileInfo::exists(QUrl(page).toLocalFile())) {
        std::fprintf(stderr, "no such page: %s\n", qPrintable(page));
        return 1;
    }
    if (!QFileInfo(floor).isExecutable()) {
        std::fprintf(stderr, "not an executable: %s\n", qPrintable(floor));
        return 1;
    }

    bench::VirtualDisplay display;
    if (!display.Ensure()) return 1;
    if (parser.isSet(switchOption)) return runSwitches(QCoreApplication::applicationFilePath(), runs);
    std::printf("%d pages of %s\n    beside %s\n    on display %s, %d runs each\n", count, qPrintable(page),
                qPrintable(floor), qPrintable(display.Display()), runs);

    const QString self = QCoreApplication::applicationFilePath();
    const QStringList workerArgs{QStringLiteral("--worker"), QString::number(count), page};
    const QStringList floorArgs{QStringLiteral("--tabs"), QString::number(count), page};
    Series programSeries, floorSeries;
    for (int i = 1; i <= runs; ++i) {
        for (const bool browser : {true, false}) {
            bench::TabsResult result;
            QString problem;
            const char* who = browser ? "program" : "floor";
            if (runSide(browser ? self : floor, browser ? workerArgs : floorArgs, &result, &problem)) {
                (browser ? programSeries : floorSeries).add(result);
                std::printf("run %d %-8s opened %5lld ms  %s\n", i, who,
                            static_cast<long long>(result.openedMs),
                            qPrintable(bench::DescribeMemory(result.memory)));
            } else {
                std::printf("run %d %-8s failed: %s\n", i, who, qPrintable(problem));
            }
            std::fflush(stdout);
        }
    }

    std::printf("\n");
    QList<bench::Figure> figures{
        {QStringLiteral("%1 pages loaded (ms)").arg(count), bench::Summarise(programSeries.opened),
         bench::Summarise(floorSeries.opened), 0},
    };
    figures += bench::MemoryFigures(programSeries.memory, floorSeries.memory);
    bench::PrintFigures(figures);
    std::printf("processes: program %d, floor %d\n", programSeries.memory.processes,
                floorSeries.memory.processes);
    return programSeries.opened.isEmpty() || floorSeries.opened.isEmpty() ? 1 : 0;
}
