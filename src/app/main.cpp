#include "agent/AgentController.h"
#include "app/AppGlobals.h"
#include "app/AppSetup.h"
#include "app/CommandLine.h"
#include "app/ExitGuard.h"
#include "app/FormMain.h"
#include "app/Graphics.h"
#include "app/SignalRelay.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "app/StartupTrace.h"
#include "browse/BrowserControl.h"
#include "browse/WebEngineBrowser.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>

namespace {
// Benchmark mode: report when the first page has loaded, stay a moment for the memory reading, quit.
void BenchWatchFirstLoad(FormMain& form, const QElapsedTimer& clock) {
    BrowserControl* page = form.CurrentPage();
    if (!page) return;
    const int holdMs = qEnvironmentVariableIntValue("GLISTERWOOD_BENCH_HOLD_MS");
    QObject::connect(page, &BrowserControl::DocumentComplete, &form, [&form, &clock, holdMs] {
        static bool reported = false;
        if (reported) return;
        reported = true;
        std::printf("bench: loaded %lld\n", static_cast<long long>(clock.elapsed()));
        std::fflush(stdout);
        QTimer::singleShot(holdMs > 0 ? holdMs : 1500, &form, [&form] { form.FileExit(); });
    });
}
} // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock; // from the very start, so the program's own figures include everything
    clock.start();
    StartupTrace::Begin();
    PrepareBeforeApplication();
    QApplication app(argc, argv);
    NameApplication();
    StartupTrace::Step("application");

    // One program per profile: a second start brings the first to the front, hands it the addresses
    // it was given, and ends.
    const QStringList addresses = AddressesFromArguments(QCoreApplication::arguments(), QDir::currentPath());
    SingleInstance instance(
        SingleInstance::NameFor(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    if (instance.HandOver(addresses)) return 0;
    ChooseComposition(); // before the first page view
    StartupTrace::Step("composition");
    // A signal from the system ends the program as File > Exit does, storage written.
    SignalRelay systemSignals;

    WebEngineBrowserFactory factory;
    StartupHooks hooks;
    // Benchmarks ask for the moments the window shows and the start page has loaded.
    const bool bench = qEnvironmentVariableIsSet("GLISTERWOOD_BENCH");
    if (bench)
        hooks.windowShown = [&clock](FormMain&) {
            std::printf("bench: shown %lld\n", static_cast<long long>(clock.elapsed()));
            std::fflush(stdout);
        };
    FormMain* form = Main(factory, hooks, addresses);
    if (!form) return 1;
    factory.SetDialogParent(form);
    if (bench) {
        BenchWatchFirstLoad(*form, clock);
        // The idle character is measured once it has said all it had to say.
        if (AgentController* agent = App().Agent.get())
            QObject::connect(agent, &AgentController::idleStarted, form, [&clock] {
                std::printf("bench: character idle %lld\n", static_cast<long long>(clock.elapsed()));
                std::fflush(stdout);
            });
    }
    instance.Listen();
    auto toFront = [form] {
        if (form->isMinimized()) form->showNormal();
        form->raise();
        form->activateWindow();
    };
    QObject::connect(&instance, &SingleInstance::activated, form, [form, toFront] {
        toFront();
        form->OpenInNewPage(QString()); // a new page on the start page
    });
    QObject::connect(&instance, &SingleInstance::addressesReceived, form,
                     [form, toFront](const QStringList& received) {
                         toFront();
                         for (const QString& address : received)
                             form->OpenInNewPage(address);
                     });
    QObject::connect(&systemSignals, &SignalRelay::endRequested, form, [form, &app] {
        form->ExitNow();
        app.quit();
    });
    // A signal that came while the program was starting ends it now.
    ExitGuard::Arm();
    const int code = systemSignals.Received() ? (form->ExitNow(), 0) : app.exec();
    ExitGuard::Disarm();
    delete form;
    return code;
}
