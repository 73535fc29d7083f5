#pragma once

#include "bookmarks/BookmarkFile.h"

#include <QObject>
#include <QString>
#include <functional>

class BookmarkView;
class FormProperties;
class QMimeData;
class PointerGestures;
class QStandardItem;
class QStandardItemModel;
class QWidget;

// The bookmarks: the list the user sees, and its file, rewritten after every change.
class Bookmarks : public QObject {
    Q_OBJECT
public:
    // The list is a child of the browser area; the window places it in the pane. Pointer events
    // on the list go to the shared pointer rules, which ask for its menu.
    Bookmarks(QWidget* area, PointerGestures& gestures, const QString& file);
    ~Bookmarks() override;

    BookmarkView* List() const { return view_; }
    // The list's view (large icons, small icons, list, details) and its auto-arrangement, which only
    // the icon views know.
    void SetViewMode(int mode);
    void ToggleAutoArrange();
    void LoadBookmarks();
    bool SaveBookmarks();
    void AddBookmark(const QString& name, const QString& address, int icon);
    // Add to bookmarks as the user asks for it: a page that is there already is not added again
    // but selected. Says which in the status bar; true when the bookmark was added.
    bool AddToBookmarks(const QString& name, const QString& address, int icon);
    // The row of the bookmark of that page, or -1.
    int Find(const QString& address) const;
    int Count() const;
    BookmarkRecord Record(int row) const;
    // The selected bookmark's row, or -1.
    int SelectedRow() const;
    void SelectRow(int row);
    void DeleteSelected();
    // The clipboard: the selected bookmark's address (its title with it for rich text), and
    // pasted links as new bookmarks.
    void CopySelected() const;
    void CutSelected();
    void Paste(const QMimeData& data);
    static bool CanPaste(const QMimeData* data);
    void RenameSelected();
    void Rename(int row, const QString& name);
    void EditBookmarkProperties(int row);
    // A click on a column header: sort by it, or reverse the order when it is the sort key already.
    void SortByColumn(int column);
    // Tests answer the properties dialog instead of a user.
    std::function<void(FormProperties&)> RunPropertiesDialog;

    // Adds the bookmarks of a browser's export file that are not in the list yet; the text tells
    // the user what happened.
    QString ImportFrom(const QString& path);
    // Writes the list as a browser's bookmark file; false when it could not be written.
    bool ExportTo(const QString& path) const;

signals:
    // A double click or Enter on a bookmark.
    void openRequested(const QString& address);
    // The message is for the user when no character tells them; empty when they need none.
    void problem(const QString& script, const QString& message);
    // The view changed: which one, whether it arranges itself, and whether it can.
    void viewModeChanged(int mode, bool autoArrange, bool canAutoArrange);
    // The keyboard's menu key on the list (the mouse's menu comes through the pointer rules).
    void menuKeyPressed(QPoint globalAt);
    // A short message for the status bar.
    void statusText(const QString& text);
    // The selection moved; what Cut and Copy can do changed.
    void selectionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QStandardItem*> makeRow(const BookmarkRecord& record) const;
    void append(const BookmarkRecord& record);
    // A sorted list keeps its order when bookmarks are added or renamed.
    void keepSorted();

    PointerGestures& gestures_;
    QStandardItemModel* model_;
    BookmarkView* view_;
    QString file_;
    bool loading_ = false;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
