#include "bookmarks/CardLook.h"

#include "bookmarks/CardIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kPicture = 32;
constexpr int kPadX = 5;
constexpr int kPadY = 1;

// The picture's own shape in one colour, for the halo and the shadow.
QImage silhouette(const QImage& picture, const QColor& colour) {
    QImage shape = picture;
    QPainter p(&shape);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(shape.rect(), colour);
    return shape;
}
} // namespace

QPixmap OutlinedCardPicture(int icon, qreal devicePixelRatio) {
    // The picture is drawn a little smaller so that its outline stays inside the 32-pixel card.
    const int inner = kPicture - 4;
    QImage picture = CardIcon(icon).pixmap(QSize(inner, inner), devicePixelRatio).toImage();
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(devicePixelRatio);
    const QImage halo = silhouette(picture, QColor(255, 255, 255, 150));
    const QImage shadow = silhouette(picture, QColor(0, 0, 0, 110));

    QImage card(QSize(kPicture, kPicture) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    card.setDevicePixelRatio(devicePixelRatio);
    card.fill(Qt::transparent);
    QPainter p(&card);
    const QPointF origin(2, 2);
    p.drawImage(origin + QPointF(1.5, 1.5), shadow);
    for (const QPointF& step : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
        p.drawImage(origin + step, halo);
    p.drawImage(origin, picture);
    p.end();
    return QPixmap::fromImage(card);
}

CardName::CardName(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    QFont small = font();
    small.setPointSizeF(qMax(7.0, small.pointSizeF() - 1));
    setFont(small);
}

void CardName::SetName(const QString& name) {
    name_ = name;
    const QFontMetrics metrics(font());
    shown_ = metrics.elidedText(name_.simplified(), Qt::ElideRight, kMaxWidth - 2 * kPadX);
    setFixedSize(shown_.isEmpty() ? QSize(0, 0)
                                  : QSize(metrics.horizontalAdvance(shown_) + 2 * kPadX + 1,
                                          metrics.height() + 2 * kPadY));
    update();
}

void CardName::FollowPicture(QPoint pictureTopLeft) {
    move(pictureTopLeft.x() + kPicture / 2 - width() / 2, pictureTopLeft.y() + kPicture + kGap);
}

void CardName::paintEvent(QPaintEvent*) {
    if (shown_.isEmpty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.fillPath(plate, QColor(18, 24, 38, 185));
    p.setPen(QColor(255, 255, 255, 60));
    p.drawPath(plate);
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, shown_);
}
