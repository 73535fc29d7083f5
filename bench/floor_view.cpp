// The floor the browser is measured against: the least a program can do to show pages with the same
// engine. One maximised view on the start page, or with --tabs, that many views in a tab widget.
#include "common/BenchCommon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>
#include <unistd.h>

namespace {
void printLine(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// The same size as the browser's window: the work area. (Maximising needs a window manager, and
// without one the view would stay small and cheap.)
void fillWorkArea(QWidget& window) {
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
}

// Start-up: the same two moments the browser reports, then a hold for the memory reading.
int showOnePage(QApplication& app, const QUrl& url, const QElapsedTimer& clock) {
    QWebEngineView view;
    fillWorkArea(view);
    QCoreApplication::processEvents();
    printLine(QStringLiteral("bench: shown %1").arg(clock.elapsed()));

    const int holdMs = qEnvironmentVariableIntValue("GLISTERWOOD_BENCH_HOLD_MS");
    bool reported = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, &app, [&](bool) {
        if (reported) return;
        reported = true;
        printLine(QStringLiteral("bench: loaded %1").arg(clock.elapsed()));
        QTimer::singleShot(holdMs > 0 ? holdMs : 1500, &app, &QCoreApplication::quit);
    });
    view.load(url);
    return app.exec();
}

// Tabs: once the window has calmed down, open every view at once, each becoming the current tab
// as the browser's new pages do, and report when the last one has loaded.
int openTabs(QApplication& app, const QUrl& url, int count) {
    QTabWidget tabs;
    fillWorkArea(tabs);
    int loaded = 0;
    QElapsedTimer clock;
    bench::TabsResult result;

    const auto allLoaded = [&] {
        result.openedMs = clock.elapsed();
        QTimer::singleShot(bench::kSettleMs, &app, [&] {
            result.memory = bench::TreeMemoryOf(getpid());
            printLine(bench::FormatTabsLine(result));
            app.quit();
        });
    };
    QTimer::singleShot(bench::kIdleBeforeTabsMs, &app, [&] {
        clock.start();
        for (int i = 0; i < count; ++i) {
            auto* view = new QWebEngineView;
            tabs.setCurrentIndex(tabs.addTab(view, QStringLiteral("Page %1").arg(i + 1)));
            QObject::connect(
                view, &QWebEngineView::loadFinished, &app,
                [&](bool ok) {
                    if (!ok) std::fprintf(stderr, "floor_view: a page did not load\n");
                    if (++loaded == count) allLoaded();
                },
                Qt::SingleShotConnection);
            view->load(url);
        }
    });
    QTimer::singleShot(120000, &app, [&] {
        std::fprintf(stderr, "floor_view: only %d of %d pages loaded\n", loaded, count);
        app.exit(2);
    });
    return app.exec();
}
} // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The least program that shows pages on the engine."));
    parser.addHelpOption();
    const QCommandLineOption tabsOption(QStringLiteral("tabs"), QStringLiteral("Open <count> views in tabs."),
                                        QStringLiteral("count"));
    parser.addOption(tabsOption);
    parser.addPositionalArgument(QStringLiteral("url"),
                                 QStringLiteral("The page (default: the start page)."));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    const QUrl url = args.isEmpty()
                         ? QUrl::fromLocalFile(QStringLiteral(GW_BENCH_START_PAGE))
                         : QUrl::fromUserInput(args.first(), QDir::currentPath(), QUrl::AssumeLocalFile);
    if (parser.isSet(tabsOption)) {
        const int count = parser.value(tabsOption).toInt();
        if (count < 1) parser.showHelp(1);
        return openTabs(app, url, count);
    }
    return showOnePage(app, url, clock);
}
