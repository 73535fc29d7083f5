#pragma once

#include "browse/ClosedPages.h"
#include "browse/SavedPage.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class AutoSaver;
class BrowserControl;
class Browsers;
class PageEvents;

// The open pages kept for the next start: written a moment after every change (and at exit), read
// back at start. Restored pages come back in their order with the one in front in front; only that
// one loads at once, every other when it is first shown. Pages closed last can be opened again.
class PageSession : public QObject {
    Q_OBJECT
public:
    // The file is read now, before any page of this run could change it.
    PageSession(Browsers& pages, PageEvents& events, const QString& file);
    ~PageSession() override;

    // What the file held at start.
    const std::optional<Session>& Saved() const { return saved_; }
    // Opens the pages from last time: the first in the page already open, the others in new pages.
    // False when none were kept (the caller shows the start page).
    bool Restore();
    // Start-up: the pages from last time when restore is asked for and any were kept, else the start
    // page in the first page; then a page for each address given (from the command line), the last
    // in front. From then on changes are written.
    void OpenAtStart(bool restore, const QString& startPage, const QStringList& addresses);
    // Changes are written from now on (not before: start-up must not overwrite what it reads).
    void Start();
    // Writes the pages as they are now and writes nothing after (shut-down).
    void Finish();
    // The pages as they are now, in tab order.
    Session Current() const;
    // A page as it is kept; a restored page not yet shown as it was read.
    SavedPage Keep(int slot) const;
    // True while a restored page waits to be shown for the first time.
    bool Waiting(int slot) const;

    // Ctrl+Shift+T: the page closed last comes back in a new page in front. False when none is left.
    bool ReopenClosed();
    ClosedPages& Closed() { return closed_; }
    AutoSaver& Saver() const { return *saver_; }
    QString File() const { return file_; }
    // The clock for the closed pages, in milliseconds since the epoch; tests set it.
    std::function<qint64()> Now;

signals:
    // The pages could not be written; said once until a write succeeds.
    void saveFailed(const QString& text);

private:
    // Gives a page a kept address and title without loading it.
    void place(int slot, const SavedPage& page);
    // Loads a waiting page.
    void load(int slot);
    void changed();

    Browsers& pages_;
    PageEvents& events_;
    QString file_;
    std::optional<Session> saved_;
    QHash<BrowserControl*, SavedPage> waiting_;
    QHash<BrowserControl*, SavedPage> heading_; // pages on their way to their first address
    ClosedPages closed_;
    AutoSaver* saver_;
    bool started_ = false;
};
