// How the History menu and Save Page As reach the modules of everyday browsing.
#include "app/MainMenus.h"
#include "app/MainModules.h"
#include "browse/Browsers.h"
#include "browse/ClearHistory.h"
#include "browse/DownloadsWindow.h"
#include "browse/HistorySearch.h"
#include "browse/HistoryStore.h"
#include "browse/PageCommands.h"
#include "browse/PageEvents.h"
#include "browse/PageSession.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <memory>

void WireEverydayBrowsing(MainControls& ui, MainModules& m, QWidget& window) {
    MainMenus& menus = *ui.Menus;
    auto on = [&window](QAction* action, auto handler) {
        QObject::connect(action, &QAction::triggered, &window, handler);
    };

    // One search window, brought to the front when asked for again.
    auto search = std::make_shared<QPointer<HistorySearch>>();
    on(menus.ItemHistorySearch, [&m, &window, search] {
        if (!*search) {
            *search = new HistorySearch(*m.Kept, &window);
            (*search)->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(*search, &HistorySearch::openRequested, m.Pages.get(),
                             &Browsers::OpenInNewBrowser);
        }
        (*search)->show();
        (*search)->raise();
        (*search)->activateWindow();
    });
    on(menus.ItemHistoryClear, [&m, &window] {
        ClearHistory::Range range = ClearHistory::LastHour;
        if (ClearHistory::Ask(&window, &range)) m.Kept->ClearSince(ClearHistory::Since(range, m.Kept->Now()));
    });
    on(menus.ItemHistoryReopen, [&m] {
        if (!m.Session->ReopenClosed())
            m.Events->SetStatusBarText(QStringLiteral("No closed page to open again."));
    });
    on(menus.ItemFileSaveAs, [&m] { m.Commands->ItemFileSaveAs_Click(); });
    on(menus.ItemFileDownloads, [&m] { m.DownloadList->ShowWindow(); });
}
