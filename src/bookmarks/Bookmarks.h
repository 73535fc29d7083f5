#pragma once

#include "bookmarks/BookmarkFile.h"

#include <QObject>
#include <QString>
#include <functional>

class FormProperties;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The bookmarks: the list the user sees, and its file, rewritten after every change.
class Bookmarks : public QObject {
    Q_OBJECT
public:
    // The list is a child of the browser area; the window places it in the pane.
    Bookmarks(QWidget* area, const QString& file);

    QTreeWidget* List() const { return list_; }
    void LoadBookmarks();
    bool SaveBookmarks();
    void AddBookmark(const QString& name, const QString& address, int icon);
    int Count() const;
    BookmarkRecord Record(int row) const;
    // The selected bookmark's row, or -1.
    int SelectedRow() const;
    void DeleteSelected();
    void RenameSelected();
    void EditBookmarkProperties(int row);
    // Tests answer the properties dialog instead of a user.
    std::function<void(FormProperties&)> RunPropertiesDialog;

signals:
    // A double click or Enter on a bookmark.
    void openRequested(const QString& address);
    void problem(const QString& script, const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidgetItem* makeItem(const BookmarkRecord& record) const;

    QTreeWidget* list_;
    QString file_;
    bool loading_ = false;
    int sortColumn_ = -1;
};
