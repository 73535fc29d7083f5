#include "bookmarks/DesktopCards.h"

#include "bookmarks/Cards.h"

DesktopCards::DesktopCards(Cards& cards)
    : cards_(cards) {
    connect(&cards_, &Cards::opened, this, &DesktopCards::Open);
}

bool DesktopCards::makeCard(int icon, const QString& address, const QString& name, QPoint at) {
    if (!cards_.NewCard(icon, address, name, at)) return false;
    cards_.SaveCards();
    return true;
}

void DesktopCards::BulbDropped(QPoint at, const QString& address, const QString& name) {
    emit scriptRequested(QStringLiteral("bulb_dropped"), true, {});
    const int icon = AskForIcon ? AskForIcon(1) : 0;
    if (icon < 1) {
        emit scriptRequested(QStringLiteral("bulb_dropped_cancel"), true, {});
        return;
    }
    if (makeCard(icon, address, name, at))
        emit scriptRequested(QStringLiteral("bulb_dropped_success"), true, {});
}

void DesktopCards::TextDropped(QPoint at, const QString& dropped) {
    // A line break in dropped text would never make a usable address or a one-line name.
    const QString text = dropped.simplified();
    if (text.isEmpty()) return;
    const int icon = AskForIcon ? AskForIcon(1) : 0;
    if (icon >= 1 && makeCard(icon, text, text, at))
        emit scriptRequested(QStringLiteral("card_new"), true, {});
}

void DesktopCards::Open(int index) {
    if (cards_.InUse(index)) emit openRequested(cards_.Card(index).Address);
}

QString DesktopCards::MenuCardName() const {
    return cards_.InUse(menuCard_) ? cards_.Card(menuCard_).Name : QString();
}

void DesktopCards::OpenMenuCardInNewPage() {
    if (cards_.InUse(menuCard_)) emit openInNewPageRequested(cards_.Card(menuCard_).Address);
}

void DesktopCards::DeleteMenuCard() {
    cards_.DeleteCard(menuCard_);
}

void DesktopCards::EditMenuCard() {
    cards_.EditCardProperties(menuCard_);
}

void DesktopCards::AddMenuCardToBookmarks() {
    if (!cards_.InUse(menuCard_)) return;
    const CardRecord& card = cards_.Card(menuCard_);
    emit bookmarkRequested(card.Name, card.Address, card.Icon);
}
