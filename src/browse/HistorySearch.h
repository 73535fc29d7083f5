#pragma once

#include <QDialog>
#include <functional>

class HistoryStore;
class QLineEdit;
class QTreeWidget;

// History > Search history...: a window that finds kept pages by words of their title or address,
// newest first, and opens the one chosen (Enter or a double click) in a new page. It does not block
// the main window.
class HistorySearch : public QDialog {
    Q_OBJECT
public:
    HistorySearch(HistoryStore& store, QWidget* parent);

    QLineEdit* Words() const { return words_; }
    QTreeWidget* Results() const { return results_; }
    // Shows what the store holds for the words now.
    void Refresh();
    // How a moment is shown; the window uses the locale's short date and time.
    static QString WhenText(qint64 msSinceEpoch, qint64 now);

signals:
    void openRequested(const QString& address);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openSelected();

    HistoryStore& store_;
    QLineEdit* words_;
    QTreeWidget* results_;
};
