#include "app/EditCommands.h"

#include "app/MainMenus.h"
#include "bookmarks/BookmarkClipboard.h"
#include "bookmarks/BookmarkView.h"
#include "bookmarks/Bookmarks.h"
#include "browse/BrowserControl.h"
#include "browse/BrowserPage.h"
#include "browse/Browsers.h"
#include "browse/History.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>

EditCommands::Abilities EditCommands::AbilitiesFor(const Situation& s) {
    switch (s.target) {
    case Target::AddressBox:
        return {s.selected && s.editable, s.selected, s.editable && s.clipboardText};
    case Target::Page:
        return {s.pageCut, s.pageCopy, s.pagePaste};
    case Target::BookmarkList:
        // A bookmark cut is a bookmark moved out of the list; pasted links become bookmarks.
        return {s.selected, s.selected, s.clipboardLinks};
    case Target::HistoryList:
        // The history is the record of the run: it can be copied from, not cut or pasted into.
        return {false, s.selected, false};
    case Target::None:
        break;
    }
    return {};
}

EditCommands::EditCommands(MainMenus& menus, QLineEdit& addressBox, Browsers& pages, Bookmarks& bookmarks,
                           History& history, QObject* parent)
    : QObject(parent)
    , menus_(menus)
    , address_(addressBox)
    , pages_(pages)
    , bookmarks_(bookmarks)
    , history_(history) {
    connect(menus_.ItemEditCut, &QAction::triggered, this, &EditCommands::Cut);
    connect(menus_.ItemEditCopy, &QAction::triggered, this, &EditCommands::Copy);
    connect(menus_.ItemEditPaste, &QAction::triggered, this, &EditCommands::Paste);
    // Whatever may change what the items can do.
    connect(menus_.MenuEdit, &QMenu::aboutToShow, this, &EditCommands::Update);
    connect(qApp, &QApplication::focusChanged, this, &EditCommands::Update);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        readClipboard();
        Update();
    });
    connect(&address_, &QLineEdit::selectionChanged, this, &EditCommands::Update);
    connect(&bookmarks_, &Bookmarks::selectionChanged, this, &EditCommands::Update);
    connect(&history_, &History::selectionChanged, this, &EditCommands::Update);
    connect(&pages_, &Browsers::paneChanged, this, &EditCommands::Update);
    connect(&pages_, &Browsers::currentPageChanged, this, &EditCommands::followPage);
    // The window's modules and menus go before the window itself, whose closing still moves the
    // focus: from then on nothing is left to update.
    connect(&pages_, &QObject::destroyed, this, [this] {
        disconnect(qApp, nullptr, this, nullptr);
        disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    });
    readClipboard();
    followPage();
}

void EditCommands::readClipboard() {
    // Read once a change, not at every move of the focus: reading links out of a large copied page
    // takes a while, and another program's clipboard is a round trip.
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    clipboardText_ = clipboard && clipboard->hasText() && !clipboard->text().isEmpty();
    clipboardLinks_ = Bookmarks::CanPaste(clipboard);
}

void EditCommands::followPage() {
    disconnect(pageEdits_);
    if (BrowserControl* page = pages_.Current())
        pageEdits_ = connect(page, &BrowserControl::EditStateChanged, this, &EditCommands::Update);
    Update();
}

EditCommands::Target EditCommands::CurrentTarget() const {
    const QWidget* focus = QApplication::focusWidget();
    auto holds = [focus](const QWidget* widget) {
        return focus && widget && (widget == focus || widget->isAncestorOf(focus));
    };
    BrowserControl* page = pages_.CurInterface() == InterfaceBrowser ? pages_.Current() : nullptr;
    if (focus == &address_) return Target::AddressBox;
    if (page && holds(page->View())) return Target::Page;
    if (holds(bookmarks_.List())) return Target::BookmarkList;
    if (holds(history_.List())) return Target::HistoryList;
    switch (pages_.CurInterface()) {
    case InterfaceBrowser:
        return page ? Target::Page : Target::None;
    case InterfaceBookmarks:
        return Target::BookmarkList;
    case InterfaceHistory:
        return Target::HistoryList;
    case InterfaceNone:
        break;
    }
    return Target::None;
}

EditCommands::Situation EditCommands::situation() const {
    Situation s;
    s.target = CurrentTarget();
    switch (s.target) {
    case Target::AddressBox:
        s.selected = address_.hasSelectedText();
        s.editable = address_.isEnabled() && !address_.isReadOnly();
        s.clipboardText = clipboardText_;
        break;
    case Target::Page:
        if (const BrowserControl* page = pages_.Current()) {
            s.pageCut = page->CanEdit(BrowserControl::EditCut);
            s.pageCopy = page->CanEdit(BrowserControl::EditCopy);
            s.pagePaste = page->CanEdit(BrowserControl::EditPaste);
        }
        break;
    case Target::BookmarkList:
        s.selected = bookmarks_.SelectedRow() >= 0;
        s.clipboardLinks = clipboardLinks_;
        break;
    case Target::HistoryList:
        s.selected = !history_.SelectedAddress().isEmpty();
        break;
    case Target::None:
        break;
    }
    return s;
}

void EditCommands::Update() {
    const Abilities can = AbilitiesFor(situation());
    menus_.ItemEditCut->setEnabled(can.cut);
    menus_.ItemEditCopy->setEnabled(can.copy);
    menus_.ItemEditPaste->setEnabled(can.paste);
}

void EditCommands::Cut() {
    switch (CurrentTarget()) {
    case Target::AddressBox:
        address_.cut();
        break;
    case Target::Page:
        if (BrowserControl* page = pages_.Current()) page->Edit(BrowserControl::EditCut);
        break;
    case Target::BookmarkList:
        bookmarks_.CutSelected();
        break;
    case Target::HistoryList:
    case Target::None:
        break;
    }
}

void EditCommands::Copy() {
    switch (CurrentTarget()) {
    case Target::AddressBox:
        address_.copy();
        break;
    case Target::Page:
        if (BrowserControl* page = pages_.Current()) page->Edit(BrowserControl::EditCopy);
        break;
    case Target::BookmarkList:
        bookmarks_.CopySelected();
        break;
    case Target::HistoryList:
        if (const QString line = history_.SelectedAddress(); !line.isEmpty())
            QApplication::clipboard()->setMimeData(BookmarkMimeData({{line, line, 1, true}}));
        break;
    case Target::None:
        break;
    }
}

void EditCommands::Paste() {
    switch (CurrentTarget()) {
    case Target::AddressBox:
        address_.paste();
        break;
    case Target::Page:
        if (BrowserControl* page = pages_.Current()) page->Edit(BrowserControl::EditPaste);
        break;
    case Target::BookmarkList:
        if (const QMimeData* data = QApplication::clipboard()->mimeData()) bookmarks_.Paste(*data);
        break;
    case Target::HistoryList:
    case Target::None:
        break;
    }
}
