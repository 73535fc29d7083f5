#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

class Browsers;
class QAction;
class QMenu;

// The Links menu, rebuilt from the current page's links, and reading the page to the character.
class LinksMenu {
public:
    // Link items go into the menu after its permanent "No links on this page" item.
    LinksMenu(Browsers& pages, QMenu& menu, QAction& noLinks);

    // Rebuilds the menu for the current page; the page answers later, and an answer for a page
    // that is no longer current is dropped.
    void PopulateLinksMenu();
    void ItemLinksItem_Click(int index);
    void ReadThePage();

    int LinkCount() const { return int(items_.size()); }
    QAction* Item(int index) const { return items_[index - 1]; } // 1-based

    struct Link {
        QString text;
        QString href;
    };
    // The menu's links from the page's answer: texts trimmed, links without text left out.
    static QVector<Link> LinksFromAnswer(const QVariant& answer);

private:
    void clearItems();
    Browsers& pages_;
    QMenu& menu_;
    QAction& noLinks_;
    QVector<QAction*> items_;
    int generation_ = 0;
};
