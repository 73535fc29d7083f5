#include "browse/PageSession.h"

#include "browse/AutoSaver.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/PageEvents.h"
#include "browse/SessionFile.h"

#include <QDateTime>
#include <QDir>

PageSession::PageSession(Browsers& pages, PageEvents& events, const QString& file)
    : pages_(pages)
    , events_(events)
    , file_(file)
    , saved_(file.isEmpty() ? std::nullopt : SessionFile::Read(file))
    , saver_(
          new AutoSaver([this] { return file_.isEmpty() || SessionFile::Write(file_, Current()); }, this)) {
    Now = [] { return QDateTime::currentMSecsSinceEpoch(); };
    connect(saver_, &AutoSaver::saveFailed, this, [this] {
        emit saveFailed(
            QStringLiteral("The open pages could not be saved to %1; they may not come back at the "
                           "next start.")
                .arg(QDir::toNativeSeparators(file_)));
    });
    connect(&pages_, &Browsers::pageCreated, this, &PageSession::changed);
    connect(&pages_, &Browsers::pageClosed, this, &PageSession::changed);
    connect(&pages_, &Browsers::currentPageChanged, this, [this](int slot) {
        load(slot);
        changed();
    });
    connect(&pages_, &Browsers::pageClosing, this, [this](int slot) {
        if (BrowserControl* control = pages_.Control(slot)) {
            closed_.Push(Keep(slot), Now());
            waiting_.remove(control);
            heading_.remove(control);
        }
    });
    // Until a page arrives somewhere, it is kept as where it is going.
    connect(&events_, &PageEvents::navigationStarted, this,
            [this](int slot, const QString& address, int, const QString& targetFrame) {
                BrowserControl* control = pages_.Control(slot);
                if (control && targetFrame.isEmpty() && !heading_.contains(control))
                    heading_.insert(control, {address, {}, {}});
            });
    connect(&events_, &PageEvents::navigationCommitted, this, [this](int slot) {
        if (BrowserControl* control = pages_.Control(slot)) heading_.remove(control);
        changed();
    });
    connect(&events_, &PageEvents::titleChanged, this, &PageSession::changed);
}

PageSession::~PageSession() = default;

void PageSession::changed() {
    if (started_) saver_->Changed();
}

void PageSession::Start() {
    started_ = true;
    saver_->Changed();
}

void PageSession::Finish() {
    // The last write, at once, through the writer itself: nothing is left waiting that could later
    // write the released pages over it. The window is closing, so a failure is not told.
    started_ = false;
    saver_->disconnect(this);
    saver_->Changed();
    saver_->SaveNow();
}

bool PageSession::Waiting(int slot) const {
    BrowserControl* control = pages_.Control(slot);
    return control && waiting_.contains(control);
}

SavedPage PageSession::Keep(int slot) const {
    BrowserControl* control = pages_.Control(slot);
    if (!control) return {};
    if (const auto found = waiting_.constFind(control); found != waiting_.cend()) return *found;
    // Where the page is, or where it is going before it has arrived; never what the user may have
    // typed into the box.
    SavedPage page;
    page.address = control->LocationURL();
    if (page.address.isEmpty()) return heading_.value(control);
    page.title = pages_.Page(slot).Title;
    page.history = control->SaveHistory();
    return page;
}

Session PageSession::Current() const {
    Session session;
    for (int position = TabHistory + 1;; ++position) {
        const int slot = pages_.SlotOfTab(position);
        if (slot < 1) break;
        const SavedPage page = Keep(slot);
        if (page.address.trimmed().isEmpty()) continue;
        if (slot == pages_.CurBrowser()) session.current = int(session.pages.size());
        session.pages.append(page);
    }
    return session;
}

void PageSession::place(int slot, const SavedPage& page) {
    BrowserControl* control = pages_.Control(slot);
    if (!control) return;
    waiting_.insert(control, page);
    events_.KeepAddressBox(slot, page.address, 0, 0);
    QString caption =
        PageEvents::TabCaption(page.title.isEmpty() ? page.address : page.title, pages_.BrowserCount());
    pages_.SetTitle(slot, page.title, caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void PageSession::load(int slot) {
    BrowserControl* control = pages_.Control(slot);
    if (!control) return;
    const auto found = waiting_.constFind(control);
    if (found == waiting_.cend()) return;
    const SavedPage page = *found;
    waiting_.erase(found);
    heading_.insert(control, page); // with its back and forward list, should it be kept before it arrives
    // The engine's own list brings back and forward with it; an address alone where it cannot.
    if (page.history.isEmpty() || !control->RestoreHistory(page.history)) control->Navigate(page.address);
}

bool PageSession::Restore() {
    if (!saved_) return false;
    const Session session = *saved_;
    QList<int> opened;
    for (qsizetype i = 0; i < session.pages.size(); ++i) {
        // The first goes into the page start-up opened, when it has not gone anywhere yet.
        int slot = 0;
        if (i == 0 && pages_.Current() && pages_.Current()->LocationURL().isEmpty() &&
            !pages_.Current()->Busy())
            slot = pages_.CurBrowser();
        else
            slot = pages_.NewBrowser(TabImageBrowser);
        if (!slot) break;
        opened.append(slot);
    }
    // Captions once every tab is there, so that all are cut alike.
    for (qsizetype i = 0; i < opened.size(); ++i)
        place(opened.at(i), session.pages.at(i));
    if (opened.isEmpty()) return false;
    const int front = opened.value(session.current, opened.first());
    pages_.SelectInterface_Browser();
    pages_.ActivateBrowser(front);
    load(front); // when it was in front already, activating it changed nothing
    return true;
}

void PageSession::OpenAtStart(bool restore, const QString& startPage, const QStringList& addresses) {
    QStringList open = addresses;
    if (!(restore && Restore())) {
        const QString first = open.isEmpty() ? startPage : open.takeFirst();
        if (BrowserControl* page = pages_.Current())
            page->Navigate(first);
        else
            pages_.OpenInNewBrowser(first);
    }
    for (const QString& address : open)
        pages_.OpenInNewBrowser(address);
    Start();
}

bool PageSession::ReopenClosed() {
    const SavedPage page = closed_.Pop();
    if (page.address.isEmpty()) return false;
    const int slot = pages_.NewBrowser(TabImageBrowser);
    if (!slot) return false;
    place(slot, page);
    pages_.ActivateBrowser(slot);
    load(slot);
    return true;
}
