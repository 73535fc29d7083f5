#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class Browsers;
class QListWidget;
class QListWidgetItem;

// The history of this run: every address any page started to load, newest first, with the page's
// title beside the address once it is known. Never saved (the kept history is HistoryStore's).
class History : public QObject {
    Q_OBJECT
public:
    // The list is a child of the browser area; the window places it in the pane.
    History(Browsers& pages, QWidget* area);

    // Each line's title and the moment it was added, beside its text (the address).
    static constexpr int kTitleRole = Qt::UserRole + 1;
    static constexpr int kTimeRole = Qt::UserRole + 2;

    QListWidget* List() const { return list_; }
    void AddToHistory(const QString& address);
    // A page's navigation: its line, and for the page itself (not one of its frames) the line its
    // title goes beside.
    void AddNavigation(int slot, const QString& address, bool frame);
    void SetPageTitle(int slot, const QString& title);
    // Removes the lines added at or after the moment (milliseconds since the epoch).
    void ClearSince(qint64 since);
    // The selected line's address, or "" when no line is selected.
    QString SelectedAddress() const;
    bool LineSelected() const;

    void ListHistory_DblClick();
    // File > Open in New Window: the selected line in the history pane, a new page elsewhere.
    void ItemFileOpenNew_Click();

signals:
    // A line was selected or the selection went away.
    void selectionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Browsers& pages_;
    QListWidget* list_;
    QHash<int, QListWidgetItem*> pageLine_; // by page slot: the line of its latest navigation
};
