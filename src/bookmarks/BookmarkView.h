#pragma once

#include <QStackedWidget>

class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QStandardItemModel;
class QTreeView;

// The bookmark list's four faces over one model: large icons, small icons and a plain list in a
// list view, details (the title and address columns) in a tree view. Both views share the
// selection, so switching faces keeps the selected bookmark.
class BookmarkView : public QStackedWidget {
    Q_OBJECT
public:
    enum Mode { LargeIcons = 0, SmallIcons = 1, List = 2, Details = 3 };

    BookmarkView(QStandardItemModel* model, QWidget* parent);

    void SetMode(int mode);
    int Mode() const { return mode_; }
    // Arranged: the icons are laid out afresh, in rows for large icons and in columns for the
    // others; otherwise the user may place large icons where they like.
    void SetAutoArrange(bool on);
    bool AutoArrange() const { return autoArrange_; }

    QAbstractItemView* CurrentView() const;
    QListView* IconView() const { return icons_; }
    QTreeView* DetailsView() const { return details_; }
    QItemSelectionModel* Selection() const;
    // A bookmark's name is being edited in place.
    bool Renaming() const;

private:
    void arrange();

    QListView* icons_;
    QTreeView* details_;
    int mode_ = Details;
    bool autoArrange_ = false;
};
