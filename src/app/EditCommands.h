#pragma once

#include <QMetaObject>
#include <QObject>

class Bookmarks;
class BrowserControl;
class Browsers;
class History;
class MainMenus;
class QLineEdit;

// Edit > Cut, Copy and Paste act on what has the keyboard focus: the address box, the page (through
// the engine's own commands), the bookmark list or the history list; each item is enabled only
// where it can do something.
class EditCommands : public QObject {
    Q_OBJECT
public:
    enum class Target { None, AddressBox, Page, BookmarkList, HistoryList };

    // What the target offers at the moment.
    struct Situation {
        Target target = Target::None;
        bool selected = false; // text in the box, a bookmark or a history line
        bool editable = true;  // the address box takes typing
        bool pageCut = false;  // the engine's own answers, for the page
        bool pageCopy = false;
        bool pagePaste = false;
        bool clipboardText = false;  // something to paste into a box
        bool clipboardLinks = false; // links to paste as bookmarks
    };
    struct Abilities {
        bool cut = false, copy = false, paste = false;
        friend bool operator==(const Abilities&, const Abilities&) = default;
    };
    // The rule: which of the three items can act on the target.
    static Abilities AbilitiesFor(const Situation& situation);

    EditCommands(MainMenus& menus, QLineEdit& addressBox, Browsers& pages, Bookmarks& bookmarks,
                 History& history, QObject* parent = nullptr);

    // What the focus is on; where it is on none of them, the list or page on show.
    Target CurrentTarget() const;
    // Enables the items for the target as it is now.
    void Update();
    void Cut();
    void Copy();
    void Paste();

private:
    Situation situation() const;
    void followPage();
    void readClipboard();

    MainMenus& menus_;
    QLineEdit& address_;
    Browsers& pages_;
    Bookmarks& bookmarks_;
    History& history_;
    QMetaObject::Connection pageEdits_;
    bool clipboardText_ = false; // what the clipboard holds, as read at its last change
    bool clipboardLinks_ = false;
};
