// Browsing as every day: the kept history behind the History tab and the address box, the pages
// kept for the next start, each site's zoom. How these modules are made and meet the others.
#include "app/MainModules.h"
#include "base/Preferences.h"
#include "base/WarnLater.h"
#include "bookmarks/Bookmarks.h"
#include "browse/AddressBox.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/Downloads.h"
#include "browse/DownloadsWindow.h"
#include "browse/History.h"
#include "browse/HistoryStore.h"
#include "browse/PageCommands.h"
#include "browse/PageEvents.h"
#include "browse/PageSession.h"
#include "browse/SiteZoom.h"
#include "browse/SurfCommands.h"
#include "browse/VisitRecorder.h"
#include "browse/ZoomBadge.h"
#include "decor/DesktopSurface.h"

#include <QLineEdit>

namespace {

// What the user must read about the kept history or pages: in the status bar, and in a box that
// does not stop the user from browsing.
void tellUser(PageEvents& events, QWidget& parent, const QString& text) {
    events.SetStatusBarText(text);
    WarnLater(&parent, QStringLiteral("Glisterwood 99"), text);
}

// The bookmarks that fit what the user typed.
QList<Suggestion> bookmarksFor(const Bookmarks& bookmarks, const QString& typed) {
    QList<Suggestion> found;
    for (int row = 0; row < bookmarks.Count(); ++row) {
        const BookmarkRecord record = bookmarks.Record(row);
        if (AddressSuggestions::Matches(typed, record.Address, record.Name))
            found.append({record.Address, record.Name, true, 0, 0});
    }
    return found;
}

} // namespace

void ComposeEverydayBrowsing(MainModules& m, MainControls& ui, BrowserFactory& factory,
                             const PreferencesStore& prefs, QWidget& dialogParent) {
    Browsers* pages = m.Pages.get();
    PageEvents* events = m.Events.get();

    m.Kept = std::make_unique<HistoryStore>(prefs.Values().HistoryFile);
    m.Visits = std::make_unique<VisitRecorder>(*events, *m.Kept);
    m.Session = std::make_unique<PageSession>(*pages, *events, prefs.Values().SessionFile);
    m.Zoom = std::make_unique<SiteZoom>(*pages, *events);
    m.ZoomShown = new ZoomBadge(*pages, ui.Surface);
    m.Address = std::make_unique<AddressBox>(*ui.EditUrl, *m.Kept);

    HistoryStore* kept = m.Kept.get();
    QObject::connect(pages, &Browsers::pageClosed, m.Visits.get(), &VisitRecorder::PageClosed);
    QObject::connect(kept, &HistoryStore::problem, events,
                     [events, &dialogParent](const QString& text) { tellUser(*events, dialogParent, text); });
    QObject::connect(m.Session.get(), &PageSession::saveFailed, events,
                     [events, &dialogParent](const QString& text) { tellUser(*events, dialogParent, text); });
    // Clearing the history clears this run's lines and closed pages of that time too.
    QObject::connect(kept, &HistoryStore::cleared, m.HistoryList.get(), &History::ClearSince);
    QObject::connect(kept, &HistoryStore::cleared, m.Session.get(),
                     [&m](qint64 since) { m.Session->Closed().ForgetSince(since); });

    SiteZoom* zoom = m.Zoom.get();
    ZoomBadge* badge = m.ZoomShown;
    m.Commands->Zoomed = [zoom, pages](double factor) { zoom->Zoomed(pages->CurBrowser(), factor); };
    QObject::connect(zoom, &SiteZoom::currentZoom, badge, &ZoomBadge::Show);
    QObject::connect(badge, &ZoomBadge::resetRequested, badge, [&m] { m.Commands->Zoom(0); });

    // The downloads exist once the engine has started, with the first page.
    DownloadsWindow* downloads = m.DownloadList = new DownloadsWindow(&dialogParent);
    QObject::connect(pages, &Browsers::pageCreated, downloads, [&factory, downloads, events] {
        Downloads* saving = factory.Saving();
        if (!saving || !downloads->Follow(*saving)) return;
        QObject::connect(saving, &Downloads::finished, events, [events](bool, const QString& text) {
            if (!text.isEmpty()) events->SetStatusBarText(text);
        });
    });

    AddressBox* address = m.Address.get();
    address->PageAddress = [pages] {
        const BrowserControl* page = pages->Current();
        return page ? page->LocationURL() : QString();
    };
    address->FindBookmarks = [&m](const QString& typed) { return bookmarksFor(*m.BookmarkList, typed); };
    QObject::connect(address, &AddressBox::addressChosen, events,
                     [&m](const QString& chosen) { m.Surf->EditUrl_Enter(chosen); });
}
