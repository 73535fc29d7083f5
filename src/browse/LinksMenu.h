#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

class FormMain;
class QAction;

// The Links menu, rebuilt from the current page's links, and reading the page to the character.
class LinksMenu {
public:
    explicit LinksMenu(FormMain& window);

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
    FormMain& w_;
    QVector<QAction*> items_;
    int generation_ = 0;
};
