#include "browse/AddressBox.h"

#include "browse/HistoryStore.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>

AddressBox::AddressBox(QLineEdit& edit, HistoryStore& history)
    : QObject(&edit)
    , edit_(edit)
    , history_(history)
    , model_(new QStandardItemModel(this))
    , completer_(new QCompleter(model_, this)) {
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCompletionRole(kAddressRole);
    completer_->setModelSorting(QCompleter::UnsortedModel);
    completer_->setMaxVisibleItems(kOffered);
    edit_.setCompleter(completer_);
    // Filters installed later see the events first: Enter and Escape are ours before the completer's.
    completer_->popup()->installEventFilter(this);
    edit_.installEventFilter(this);
    connect(&edit_, &QLineEdit::textEdited, this, &AddressBox::offer);
}

QList<Suggestion> AddressBox::Suggest(const QString& typed) const {
    if (typed.trimmed().isEmpty()) return {};
    const QList<Suggestion> bookmarks = FindBookmarks ? FindBookmarks(typed) : QList<Suggestion>();
    return AddressSuggestions::Rank(typed, history_.Complete(typed, kOffered), bookmarks, kOffered);
}

void AddressBox::offer(const QString& typed) {
    model_->clear();
    for (const Suggestion& page : Suggest(typed)) {
        QString shown =
            page.title.isEmpty() ? page.address : page.title + QStringLiteral("  \u2014  ") + page.address;
        if (page.bookmarked) shown.prepend(QStringLiteral("\u2605 "));
        auto* row = new QStandardItem(shown);
        row->setData(page.address, kAddressRole);
        row->setToolTip(page.address);
        row->setEditable(false);
        model_->appendRow(row);
    }
    // The line edit opens the list after this; an empty list stays shut.
    if (model_->rowCount() == 0) completer_->popup()->hide();
}

bool AddressBox::revertable() const {
    return PageAddress && edit_.text() != PageAddress();
}

bool AddressBox::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    QAbstractItemView* popup = completer_->popup();

    if (watched == popup && type == QEvent::KeyPress &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        const QModelIndex chosen = popup->currentIndex();
        const QString address = chosen.isValid() ? chosen.data(kAddressRole).toString() : edit_.text();
        popup->hide();
        edit_.setText(address);
        emit addressChosen(address);
        return true;
    }
    if (watched != &edit_) return QObject::eventFilter(watched, event);

    // Escape with nothing to put back stays the window's (stop the page, close the find bar).
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && revertable()) {
        if (type == QEvent::ShortcutOverride) {
            event->accept();
        } else {
            edit_.setText(PageAddress());
            edit_.selectAll();
        }
        return true;
    }
    // Down opens the list of pages for what is in the box.
    if (type == QEvent::KeyPress && key->key() == Qt::Key_Down && !popup->isVisible() &&
        !edit_.text().isEmpty()) {
        offer(edit_.text());
        if (model_->rowCount() > 0) completer_->complete();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
