#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>

class BrowserControl;
class Browsers;
class QAction;
class QMenu;

// The Links menu, one item per link of the current page, and reading the page to the character.
//
// The page's links are read when it finishes loading and kept with the page; the menu's items are
// made only when the menu opens, and reused from one page to the next, so that switching tabs costs
// the same whatever the pages hold. A menu taller than the screen scrolls.
class LinksMenu : public QObject {
    Q_OBJECT
public:
    // Link items go into the menu after its permanent "No links on this page" item.
    LinksMenu(Browsers& pages, QMenu& menu, QAction& noLinks);

    // Reads the current page's links again (it has finished loading); the page answers later, and
    // an answer for a page that is no longer current is dropped.
    void PopulateLinksMenu();
    // Another page became current: its links as last read, or read now.
    void ShowCurrentPage();
    // A page that is not current finished loading: what it held before is out of date.
    void Forget(BrowserControl* page);
    void ItemLinksItem_Click(int index);
    void ReadThePage();

    // The menu as it opens (tests look at it without opening it).
    int LinkCount();
    QAction* Item(int index); // 1-based

    struct Link {
        QString text;
        QString href;
    };
    // The menu's links from the page's answer: texts trimmed, links without text left out.
    static QVector<Link> LinksFromAnswer(const QVariant& answer);

signals:
    // Reading the page: the character stops what it says, then says the page's words as they stand
    // (they are no script of ours, so no speech mark-up applies to them).
    void interruptRequested();
    void speakRequested(const QString& text);

private:
    // Fills the menu from the current page's links when they changed since the last time.
    void build();
    void keep(BrowserControl* page, QVector<Link> links);

    Browsers& pages_;
    QMenu& menu_;
    QAction& noLinks_;
    QVector<QAction*> pool_; // items made so far; those beyond the shown count are hidden
    int shown_ = 0;
    bool stale_ = true;
    int generation_ = 0;
    QHash<const BrowserControl*, QVector<Link>> links_;
};
