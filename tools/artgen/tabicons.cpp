// The small icons of the side-pane tabs and of a browser tab.

#include "art.h"

#include <QPen>
#include <QRadialGradient>

namespace art {

// Bookmarks: a red gift box with a golden ribbon.
void drawTabBookmarks(QPainter& p, const QSizeF& size) {
    const qreal s = size.width();
    const QRectF box(2.5, 7.5, s - 5, s - 8.5);
    const QRectF lid(1.5, 5.0, s - 3, 3.5);

    QLinearGradient red(box.topLeft(), box.topRight());
    red.setColorAt(0.0, QColor(0xf0, 0x3a, 0x40));
    red.setColorAt(1.0, QColor(0xa8, 0x10, 0x1c));
    const QPen edge(QColor(0x62, 0x06, 0x0c), 1.0);
    p.setPen(edge);
    p.setBrush(red);
    p.drawRect(box);
    p.drawRect(lid);

    // Ribbon down the middle of lid and box.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawRect(QRectF(s / 2 - 1.25, lid.top() + 0.5, 2.5, box.bottom() - lid.top() - 1));

    // Bow: two loops above the lid.
    p.setPen(QPen(QColor(0xa8, 0x72, 0x08), 0.9));
    p.setBrush(QColor(0xfa, 0xd8, 0x5c));
    for (const qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(s / 2 + side * 2.5, 3.0);
        p.rotate(side * -25);
        p.drawEllipse(QPointF(0, 0), 2.5, 1.6);
        p.restore();
    }
    p.setBrush(kGold);
    p.drawEllipse(QPointF(s / 2, 4.3), 1.3, 1.3);
}

// History: a clock in the shape of a tree ornament.
void drawTabHistory(QPainter& p, const QSizeF& size) {
    const qreal s = size.width();
    const QPointF centre(s / 2, s / 2 + 1.4);
    const qreal radius = s / 2 - 2.0;

    // Hanger cap.
    p.setPen(QPen(QColor(0x7a, 0x52, 0x04), 0.8));
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(centre.x() - 2, 0.6, 4, 2.6), 0.8, 0.8);

    QRadialGradient rim(centre - QPointF(2, 2), radius * 1.6);
    rim.setColorAt(0.0, QColor(0x5b, 0xc8, 0x7a));
    rim.setColorAt(1.0, QColor(0x14, 0x5a, 0x2c));
    p.setPen(QPen(QColor(0x0b, 0x36, 0x18), 1.0));
    p.setBrush(rim);
    p.drawEllipse(centre, radius, radius);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xfb, 0xee));
    p.drawEllipse(centre, radius - 1.8, radius - 1.8);

    // Hands at ten past ten.
    QPen hand(QColor(0x2a, 0x1a, 0x10), 1.3, Qt::SolidLine, Qt::RoundCap);
    p.setPen(hand);
    p.drawLine(centre, centre + QPointF(0, -(radius - 2.8)));
    p.drawLine(centre, centre + QPointF(radius - 3.4, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0x1e, 0x2c));
    p.drawEllipse(centre, 1.0, 1.0);
}

// A browser page: a blue globe with a tiny bulb hanging at its side.
void drawTabBrowser(QPainter& p, const QSizeF& size) {
    const qreal s = size.width();
    const QPointF centre(s * 0.44, s * 0.46);
    const qreal radius = s * 0.4;

    QRadialGradient sea(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.5);
    sea.setColorAt(0.0, QColor(0x8f, 0xd0, 0xff));
    sea.setColorAt(0.55, QColor(0x2f, 0x7c, 0xf0));
    sea.setColorAt(1.0, QColor(0x12, 0x3c, 0x8c));
    p.setPen(QPen(QColor(0x0b, 0x26, 0x5c), 1.0));
    p.setBrush(sea);
    p.drawEllipse(centre, radius, radius);

    // Meridians and parallels.
    p.save();
    QPainterPath clip;
    clip.addEllipse(centre, radius - 0.5, radius - 0.5);
    p.setClipPath(clip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
    p.drawEllipse(centre, radius * 0.42, radius);
    p.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + radius));
    p.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
    p.drawLine(QPointF(centre.x() - radius, centre.y() - radius * 0.5),
               QPointF(centre.x() + radius, centre.y() - radius * 0.5));
    p.drawLine(QPointF(centre.x() - radius, centre.y() + radius * 0.5),
               QPointF(centre.x() + radius, centre.y() + radius * 0.5));
    p.restore();

    drawBulb(p, QPointF(s * 0.8, s * 0.5), s * 0.5, -10, BulbLook{kBulbColours[1], false, 0.9});
}

} // namespace art
