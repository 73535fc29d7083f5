#pragma once

#include <QString>

class FormMain;

// The history of this run: every address any page started to load, newest first. Never saved.
class History {
public:
    explicit History(FormMain& window);

    void AddToHistory(const QString& address);
    // The selected line's address, or "" when no line is selected.
    QString SelectedAddress() const;

    void ListHistory_Click();
    void ListHistory_DblClick();
    // File > Open in New Window: the selected line in the history pane, a new page elsewhere.
    void ItemFileOpenNew_Click();

private:
    FormMain& w_;
};
