#pragma once

#include "bookmarks/CardFile.h"

#include <QObject>
#include <QRect>
#include <QVector>
#include <functional>

class CardName;
class FormProperties;
class PointerGestures;
class QLabel;
class QWidget;

// The desktop cards ("RivadOvovs"): their records, their pictures on the window's desktop and their
// file. Slots are numbered from 1 and reused before the array grows.
class Cards : public QObject {
    Q_OBJECT
public:
    // Cards lie on the area, inside the desktop rectangle; the gestures move them.
    Cards(QWidget& area, PointerGestures& gestures, const QString& file);
    ~Cards() override;

    // Where cards may lie, and the places on it a card must not cover (the browser pane and the
    // controls). Cards already shown move to their nearest free place; each keeps its stored place
    // until the user moves it.
    void SetDesktop(const QRect& desktop, const QVector<QRect>& avoid = {});
    void LoadCards();
    bool SaveCards();
    // A new slot in use, or 0 when none can be made.
    int AllocateCard();
    // Fills a new card and shows it; 0 when no card could be made.
    int NewCard(int icon, const QString& address, const QString& name, QPoint centre);
    void DeleteCard(int index);
    void EditCardProperties(int index);

    int CardSlots() const { return int(cards_.size()) - 1; }
    int CardCount() const;
    bool InUse(int index) const { return index >= 1 && index <= CardSlots() && cards_[index].InUse; }
    const CardRecord& Card(int index) const { return cards_[index]; }
    // The card's picture (its top-left is the card's place) and its name under it.
    QLabel* Image(int index) const { return images_.value(index); }
    CardName* NameOf(int index) const { return names_.value(index); }

    // Tests answer the properties dialog instead of a user.
    std::function<void(FormProperties&)> RunPropertiesDialog;

signals:
    // A card was clicked (not dragged): the window opens its page.
    void opened(int index);
    // The file could not be read or written: the character's script and a sentence for the user.
    void problem(const QString& script, const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the card's picture at its place, or at the nearest place inside the desktop.
    void showCard(int index);
    void placeCard(int index);
    void moved(int index, QPoint topLeft);
    void showPicture(int index);
    // A mouse event on the card's name acts as one on its picture.
    bool forwardToPicture(int index, QEvent* event);

    QWidget& area_;
    PointerGestures& gestures_;
    QString file_;
    QRect desktop_;
    QVector<QRect> avoid_;
    qreal picturesRatio_ = 0;   // the pixel ratio the cards' pictures were last drawn for
    QVector<CardRecord> cards_; // element 0 unused
    QVector<QLabel*> images_;   // element 0 unused
    QVector<CardName*> names_;  // element 0 unused
};
