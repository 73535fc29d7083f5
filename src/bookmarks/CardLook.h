#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// How a desktop card shows on any background: its picture with a thin light halo and a soft shadow,
// and its name on a small dark plate under it.

// The card's 32x32 picture (at the screen's pixel ratio) with its outline.
QPixmap OutlinedCardPicture(int icon, qreal devicePixelRatio);

// The name under a card: one line, cut short with an ellipsis, white on a translucent plate.
class CardName : public QWidget {
    Q_OBJECT
public:
    explicit CardName(QWidget* parent);
    void SetName(const QString& name);
    QString Name() const { return name_; }
    // Centres the plate under the card's picture whose top-left is given.
    void FollowPicture(QPoint pictureTopLeft);

    static constexpr int kMaxWidth = 104;
    static constexpr int kGap = 2; // between the picture and the plate

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString name_;
    QString shown_; // as it fits
};
