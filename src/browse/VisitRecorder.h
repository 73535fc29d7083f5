#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class HistoryStore;
class PageEvents;

// Keeps every page's visits in the history store: a visit when a page arrives at an address other
// than the one it showed last (a failed load that ends where the page was counts once), and the
// title it shows there.
class VisitRecorder : public QObject {
    Q_OBJECT
public:
    VisitRecorder(PageEvents& events, HistoryStore& store);

    void PageArrived(int slot, const QString& address);
    void PageTitled(int slot, const QString& title);
    void PageClosed(int slot);

private:
    HistoryStore& store_;
    QHash<int, QString> shown_; // by page slot: the address last recorded
};
