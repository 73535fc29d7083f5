#pragma once

#include <QObject>
#include <QString>

class Browsers;
class QListWidget;

// The history of this run: every address any page started to load, newest first. Never saved.
class History : public QObject {
    Q_OBJECT
public:
    // The list is a child of the browser area; the window places it in the pane.
    History(Browsers& pages, QWidget* area);

    QListWidget* List() const { return list_; }
    void AddToHistory(const QString& address);
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
};
