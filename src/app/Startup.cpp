#include "app/Startup.h"

#include "agent/AgentController.h"
#include "app/AppGlobals.h"
#include "app/FormMain.h"
#include "app/StartupTrace.h"
#include "base/ProductProfile.h"
#include "base/Random.h"
#include "base/WarnLater.h"
#include "dialogs/FormAboutSplash.h"
#include "music/Music.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

void InitGlobals() {
    AppGlobals& g = App();
    g.Agent = std::make_unique<AgentController>();
    g.Profile = std::make_unique<ProductProfile>();
    g.Prefs.Load();
}

QString StartupFailureText() {
    return QStringLiteral("Glisterwood cannot startup!\n\n"
                          "Please make sure that it has been properly installed, and that Microsoft Internet "
                          "Explorer 3.0 or later has also been properly installed.\n\n"
                          "For more information, please visit the Varnholt Software web site.");
}

FormMain* Main(BrowserFactory& factory, const StartupHooks& hooks, const QStringList& addresses) {
    auto* splash = new FormAboutSplash();
    splash->Init(false);
    splash->show();
    StartupTrace::Step("splash");
    QCoreApplication::processEvents();

    SeedRandomFromClock();
    InitGlobals();
    StartupTrace::Step("globals");
    InitMusic();
    StartupTrace::Step("music library");

    auto* form = new FormMain(factory);
    StartupTrace::Step("window made");
    if (!form->DoInit()) {
        splash->CloseSplash();
        const QString title = ProductProfile().Product_FullName();
        if (hooks.reportFailure)
            hooks.reportFailure(title, StartupFailureText());
        else
            QMessageBox::critical(nullptr, title, StartupFailureText());
        delete splash;
        delete form;
        App().Agent.reset();
        App().Profile.reset();
        return nullptr;
    }

    if (PlayThemeAtStart()) form->StartThemeSongTimer();
    form->show();
    StartupTrace::Step("window shown");
    QCoreApplication::processEvents();
    splash->CloseSplash();
    delete splash;
    if (hooks.windowShown) hooks.windowShown(*form);
    form->OpenStartupPage(addresses);

    if (const QString problem = App().Prefs.Values().DataFolderProblem; !problem.isEmpty()) {
        // Told once, without stopping the user from browsing.
        WarnLater(form, ProductProfile().Product_Name(),
                  problem + QStringLiteral("\n\nBookmarks, desktop cards, the history and the open pages "
                                           "cannot be saved in this run."));
    }
    return form;
}
