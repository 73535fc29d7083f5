#pragma once

#include "browse/AddressSuggestions.h"

#include <QObject>
#include <functional>

class HistoryStore;
class QCompleter;
class QLineEdit;
class QStandardItemModel;

// What the address box does beside taking an address: while the user types it offers pages from the
// history and the bookmarks (Down into the list, Enter opens the one chosen), and Escape puts the
// page's own address back.
class AddressBox : public QObject {
    Q_OBJECT
public:
    AddressBox(QLineEdit& edit, HistoryStore& history);

    static constexpr int kAddressRole = Qt::UserRole + 1;
    static constexpr int kOffered = 8;

    // The bookmarks that fit the typed text.
    std::function<QList<Suggestion>(const QString& typed)> FindBookmarks;
    // The address of the page on show ("" when none); what Escape puts back.
    std::function<QString()> PageAddress;

    // The pages offered for the text, best first.
    QList<Suggestion> Suggest(const QString& typed) const;
    QCompleter* Completer() const { return completer_; }
    QStandardItemModel* Offered() const { return model_; }

signals:
    // Enter on an offered page, or on the typed text while the list is open.
    void addressChosen(const QString& address);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void offer(const QString& typed);
    bool revertable() const;

    QLineEdit& edit_;
    HistoryStore& history_;
    QStandardItemModel* model_;
    QCompleter* completer_;
};
