#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QVariantList>
#include <functional>

class Cards;

// The rules of the desktop cards around their store: a bulb or a piece of text dropped on free space
// becomes a card once the user has chosen its picture, a card opens its page, and the card whose menu
// is open is the one its commands act on. The card file is written after every change.
class DesktopCards : public QObject {
    Q_OBJECT
public:
    explicit DesktopCards(Cards& cards);

    // The picture chooser; answers 0 when the user cancels.
    std::function<int(int initial)> AskForIcon;

    // A bulb dropped at the point (window pixels): its page's address and display text.
    void BulbDropped(QPoint at, const QString& address, const QString& name);
    // Text or a link from another program dropped at the point.
    void TextDropped(QPoint at, const QString& text);
    // A card was clicked: its page opens.
    void Open(int index);

    // The card whose menu is open; its commands act on it.
    void SetMenuCard(int index) { menuCard_ = index; }
    int MenuCard() const { return menuCard_; }
    QString MenuCardName() const;
    void OpenMenuCard() { Open(menuCard_); }
    void OpenMenuCardInNewPage();
    void DeleteMenuCard();
    void EditMenuCard();
    void AddMenuCardToBookmarks();

signals:
    // The card's page, where the page on show is (in the browser pane) or in a new page.
    void openRequested(const QString& address);
    void openInNewPageRequested(const QString& address);
    void bookmarkRequested(const QString& name, const QString& address, int icon);
    // The character comments on what happened.
    void scriptRequested(const QString& name, bool immediately, const QVariantList& args);

private:
    // A new card, saved at once; false when none could be made.
    bool makeCard(int icon, const QString& address, const QString& name, QPoint at);

    Cards& cards_;
    int menuCard_ = 0;
};
