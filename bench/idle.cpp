// What the decoration costs while nothing else happens: the processor time of the whole process tree
// with one loaded page and the snow falling, beside the floor program showing the same page; and the
// time of one bulb-flasher tick with 100 pending bulbs, repaint included, beside an event-loop pass with
// nothing to paint. Prints figures; never judges them.
#include "app/AppGlobals.h"
#include "app/AppSetup.h"
#include "app/Graphics.h"
#include "app/Startup.h"
#include "app/WindowProbe.h"
#include "browse/BrowserControl.h"
#include "common/BenchCommon.h"
#include "decor/DesktopSurface.h"
#include "decor/Snowfall.h"
#include "lights/LightString.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QPaintEvent>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <cstdio>

namespace {
// A page that never finishes loading, so the flasher keeps blinking its bulbs.
class StillLoadingPage : public BrowserControl {
public:
    explicit StillLoadingPage(QWidget* parent)
        : view_(new QWidget(parent)) {}
    ~StillLoadingPage() override { delete view_; }
    QWidget* View() override { return view_; }
    void Navigate(const QString&) override {}
    void GoBack() override {}
    void GoForward() override {}
    void Stop() override {}
    void Refresh() override {}
    QString LocationURL() const override { return {}; }
    QString LocationName() const override { return {}; }
    bool Busy() const override { return true; }
    bool Alive() const override { return true; }
    bool Crashed() const override { return false; }
    void RequestClose() override { emit CloseAnswered(true); }
    bool DialogOpen() const override { return false; }
    void RunScript(const QString&, ScriptCallback) override {}
    void FindText(const QString&, bool, std::function<void(int, int)>) override {}
    void Print(QWidget*) override {}
    void SetZoom(double) override {}
    double Zoom() const override { return 1; }
    void Begin(const QString& address) {
        emit BeforeNavigate2(address, 0, QString(), QByteArray(), QString());
    }

private:
    QWidget* view_;
};

class StillLoadingFactory : public BrowserFactory {
public:
    BrowserControl* Create(QWidget* parent) override { return page = new StillLoadingPage(parent); }
    StillLoadingPage* page = nullptr;
};

// Counts the pixels the surface repaints.
class PaintCounter : public QObject {
public:
    qint64 pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                pixels += qint64(r.width()) * r.height();
        return false;
    }
};

// Worker: the real main window with 100 pending bulbs on its page; times flasher ticks.
int runFlasherWorker(int argc, char** argv, int ticks) {
    PrepareBeforeApplication();
    QApplication app(argc, argv);
    NameApplication();
    ChooseComposition(); // as the program does
    InitGlobals();
    StillLoadingFactory factory;
    FormMain form(factory);
    if (!form.DoInit()) return 2;
    form.show();
    MainControls& ui = FormMainProbe::Controls(form);
    MainModules& modules = FormMainProbe::Modules(form);
    modules.Snow->Stop(); // only the bulbs paint
    for (int i = 0; i < 100; ++i)
        factory.page->Begin(QStringLiteral("http://pending%1.example/").arg(i));
    modules.Lights->Flasher()->stop(); // the ticks are called by hand
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    PaintCounter counter;
    ui.Surface->installEventFilter(&counter);
    QList<double> tickUs, floorUs;
    QElapsedTimer clock;
    for (int i = 0; i < ticks; ++i) {
        clock.start();
        QCoreApplication::processEvents();
        floorUs.append(clock.nsecsElapsed() / 1000.0);
        clock.start();
        modules.Lights->TimerBulbFlasher_Timer();
        QCoreApplication::processEvents();
        tickUs.append(clock.nsecsElapsed() / 1000.0);
    }
    const bench::Summary tick = bench::Summarise(tickUs), floor = bench::Summarise(floorUs);
    std::printf("flasher: tick %.0f %.0f %.0f floor %.0f %.0f %.0f pixels %lld\n", tick.median, tick.min,
                tick.max, floor.median, floor.min, floor.max,
                static_cast<long long>(counter.pixels / qMax(1, ticks)));
    std::fflush(stdout);
    form.FileExit();
    return 0;
}

void printFlasher(const QString& line) {
    const QStringList f = line.split(QLatin1Char(' '));
    if (f.size() < 11) {
        std::printf("flasher: no figures (%s)\n", qPrintable(line));
        return;
    }
    std::printf("\none flasher tick with 100 pending bulbs, repaint included (microseconds)\n");
    std::printf("    tick                     %s [%s - %s]\n", qPrintable(f[2]), qPrintable(f[3]),
                qPrintable(f[4]));
    std::printf("    floor (nothing to paint) %s [%s - %s]\n", qPrintable(f[6]), qPrintable(f[7]),
                qPrintable(f[8]));
    std::printf("    repainted per tick       %s px (100 cells are %d px)\n", qPrintable(f[10]),
                100 * 16 * 16);
    std::printf("aim: a tick under 1 ms that repaints only the bulbs' cells\n");
}
} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--flasher-worker") == 0) return runFlasherWorker(argc, argv, 200);

    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Idle processor time of Glisterwood 99 beside a bare view."));
    parser.addHelpOption();
    const QCommandLineOption programOption(QStringLiteral("program"), QStringLiteral("The browser to start."),
                                           QStringLiteral("path"), QStringLiteral(GW_BENCH_PROGRAM));
    const QCommandLineOption floorOption(QStringLiteral("floor"), QStringLiteral("The floor program."),
                                         QStringLiteral("path"), QStringLiteral(GW_BENCH_FLOOR));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           QStringLiteral("The span read (default 30)."), QStringLiteral("s"),
                                           QStringLiteral("30"));
    parser.addOption(programOption);
    parser.addOption(floorOption);
    const QCommandLineOption pageOption(QStringLiteral("page"),
                                        QStringLiteral("The page shown (default: a still article)."),
                                        QStringLiteral("path"), QStringLiteral(GW_BENCH_IDLE_PAGE));
    parser.addOption(secondsOption);
    parser.addOption(pageOption);
    parser.addPositionalArgument(QStringLiteral("runs"), QStringLiteral("Runs of each program (default 1)."));
    parser.process(app);
    const int runs =
        parser.positionalArguments().isEmpty() ? 1 : parser.positionalArguments().first().toInt();
    const int seconds = parser.value(secondsOption).toInt();
    if (runs < 1 || seconds < 1) parser.showHelp(1);
    const QString program = parser.value(programOption), floor = parser.value(floorOption);
    // A still page shows what the decoration costs; the product's own welcome page, what its animation
    // adds at rest. --page reads one page only.
    QStringList pages{QStringLiteral(GW_BENCH_IDLE_PAGE), QStringLiteral(GW_BENCH_WELCOME_PAGE)};
    if (parser.isSet(pageOption)) pages = QStringList{parser.value(pageOption)};
    for (const QString& path : {program, floor})
        if (!QFileInfo(path).isExecutable()) {
            std::fprintf(stderr, "not an executable: %s\n", qPrintable(path));
            return 1;
        }

    bench::VirtualDisplay display;
    if (!display.Ensure()) return 1;
    QList<double> programMedians;
    bool measured = true;
    for (const QString& page : pages) {
        std::printf("idle processor time over %d s after %s loaded, %d runs each, display %s\n", seconds,
                    qPrintable(QFileInfo(page).fileName()), runs, qPrintable(display.Display()));
        QList<double> programCpu, floorCpu;
        for (int i = 1; i <= runs; ++i) {
            for (bool browser : {true, false}) {
                const bench::IdleRun r = bench::RunIdle(browser ? program : floor, page, browser, seconds);
                if (r.ok) {
                    (browser ? programCpu : floorCpu).append(r.cpuPercent);
                    std::printf("run %d %-8s %6.2f %% of one core in %d processes\n", i,
                                browser ? "program" : "floor", r.cpuPercent, r.processes);
                } else {
                    std::printf("run %d %-8s failed: %s\n", i, browser ? "program" : "floor",
                                qPrintable(r.problem));
                }
                std::fflush(stdout);
            }
        }
        const bench::Summary p = bench::Summarise(programCpu), f = bench::Summarise(floorCpu);
        std::printf("idle on %s, %% of one core: program %.2f, floor %.2f, difference %.2f percentage "
                    "points\n\n",
                    qPrintable(QFileInfo(page).fileName()), p.median, f.median, p.median - f.median);
        programMedians.append(p.median);
        measured = measured && !programCpu.isEmpty() && !floorCpu.isEmpty();
    }
    std::printf("aim: the decoration costs under 0.3 percentage points above the floor on the still page\n");
    if (programMedians.size() == 2)
        std::printf("the welcome page at rest costs %.2f percentage points more than the still page "
                    "(aim: within 2)\n",
                    programMedians[1] - programMedians[0]);

    QProcess worker;
    QTemporaryDir home;
    worker.setProcessEnvironment(bench::RunEnvironment(home.path()));
    worker.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--flasher-worker")});
    worker.waitForFinished(120000);
    const QString out = QString::fromLocal8Bit(worker.readAllStandardOutput());
    QString line;
    for (const QString& l : out.split(QLatin1Char('\n')))
        if (l.startsWith(QLatin1String("flasher: "))) line = l.trimmed();
    printFlasher(line);
    return measured ? 0 : 1;
}
