// The music box: a little wooden cathedral radio with a sprig of holly, switched off (dark dial,
// silent) or on (glowing dial and grille, notes rising from it).

#include "art.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

// The cabinet's outline in the 32 × 32 box: straight sides under a round arch.
QPainterPath cabinet() {
    QPainterPath path;
    const QRectF arch(3.5, 5.5, 21, 21);
    path.moveTo(3.5, 16);
    path.arcTo(arch, 180, -180);
    path.lineTo(24.5, 29);
    path.quadTo(24.5, 31, 22.5, 31);
    path.lineTo(5.5, 31);
    path.quadTo(3.5, 31, 3.5, 29);
    path.closeSubpath();
    return path;
}

// The speaker opening: a smaller arch inside the cabinet.
QPainterPath grille() {
    QPainterPath path;
    const QRectF arch(7.5, 9.5, 13, 13);
    path.moveTo(7.5, 16);
    path.arcTo(arch, 180, -180);
    path.lineTo(20.5, 22.5);
    path.lineTo(7.5, 22.5);
    path.closeSubpath();
    return path;
}

// An eighth note whose head sits at `head`, its stem rising `height` pixels, edged in pale light
// so it reads on dark tiles and light ones alike.
void drawNote(QPainter& p, QPointF head, qreal height, const QColor& colour) {
    const QPointF top(head.x() + 1.7, head.y() - height);
    QPainterPath flag;
    flag.moveTo(top);
    flag.cubicTo(top + QPointF(0.4, 1.6), top + QPointF(3.0, 1.8), top + QPointF(2.4, 4.6));
    const QColor edge(255, 250, 230, 200);
    for (const bool outline : {true, false}) {
        const QColor ink = outline ? edge : colour;
        const qreal grow = outline ? 0.7 : 0;
        p.save();
        p.translate(head);
        p.rotate(-20);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(0, 0), 2.0 + grow, 1.45 + grow);
        p.restore();
        QPen stem(ink, 0.9 + 2 * grow);
        stem.setCapStyle(Qt::RoundCap);
        p.setPen(stem);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(head.x() + 1.7, head.y() - 0.4), top);
        p.drawPath(flag);
    }
}

void drawRadio(QPainter& p, bool on) {
    const QPainterPath body = cabinet();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(body.translated(0.8, 0.8));

    QLinearGradient wood(QPointF(3.5, 0), QPointF(24.5, 0));
    wood.setColorAt(0.0, QColor(0x6b, 0x33, 0x15));
    wood.setColorAt(0.35, QColor(0xb0, 0x62, 0x2a));
    wood.setColorAt(0.6, QColor(0x9a, 0x52, 0x22));
    wood.setColorAt(1.0, QColor(0x55, 0x27, 0x0f));
    p.setBrush(wood);
    p.setPen(QPen(QColor(0x3a, 0x18, 0x08), 0.8));
    p.drawPath(body);

    // A lighter bead of wood round the opening.
    const QPainterPath opening = grille();
    p.setPen(QPen(QColor(0xe0, 0x9a, 0x52), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(opening);

    // The cloth behind the slats: dark when off, lit warmly from within when on.
    QRadialGradient cloth(QPointF(14, 17), 8);
    if (on) {
        cloth.setColorAt(0.0, QColor(0xff, 0xe3, 0x8a));
        cloth.setColorAt(0.6, QColor(0xf0, 0xa8, 0x3a));
        cloth.setColorAt(1.0, QColor(0xb8, 0x6a, 0x1c));
    } else {
        cloth.setColorAt(0.0, QColor(0x6e, 0x5a, 0x40));
        cloth.setColorAt(1.0, QColor(0x3e, 0x30, 0x22));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    p.drawPath(opening);

    // Three wooden slats across the cloth.
    p.save();
    p.setClipPath(opening);
    p.setPen(QPen(QColor(0x5a, 0x2a, 0x10), 1.1));
    for (const qreal x : {11.0, 14.0, 17.0})
        p.drawLine(QPointF(x, 9), QPointF(x, 23));
    p.restore();

    // The round dial between two knobs.
    const QPointF dial(14, 26.6);
    if (on) {
        QRadialGradient halo(dial, 4.5);
        halo.setColorAt(0.0, QColor(0xff, 0xe9, 0x9a, 200));
        halo.setColorAt(1.0, QColor(0xff, 0xc0, 0x40, 0));
        p.setBrush(halo);
        p.drawEllipse(dial, 4.5, 4.5);
    }
    QRadialGradient face(dial - QPointF(0.6, 0.6), 2.6);
    face.setColorAt(0.0, on ? QColor(0xff, 0xf6, 0xc8) : QColor(0xc8, 0xbc, 0xa4));
    face.setColorAt(1.0, on ? QColor(0xf2, 0xb4, 0x3c) : QColor(0x80, 0x74, 0x60));
    p.setBrush(face);
    p.setPen(QPen(QColor(0x3a, 0x18, 0x08), 0.6));
    p.drawEllipse(dial, 2.2, 2.2);
    p.setPen(QPen(on ? QColor(0xc0, 0x20, 0x10) : QColor(0x40, 0x30, 0x20), 0.6));
    p.drawLine(dial, dial + QPointF(on ? 1.3 : -1.3, -1.3));

    for (const qreal x : {7.6, 20.4}) {
        QRadialGradient knob(QPointF(x - 0.4, 26.2), 1.8);
        knob.setColorAt(0.0, QColor(0xf4, 0xe6, 0xc8));
        knob.setColorAt(1.0, QColor(0x8a, 0x6c, 0x44));
        p.setBrush(knob);
        p.setPen(QPen(QColor(0x3a, 0x18, 0x08), 0.5));
        p.drawEllipse(QPointF(x, 26.6), 1.5, 1.5);
    }
}

void drawMusicBox(QPainter& p, bool on) {
    drawRadio(p, on);
    // Holly on the crown of the arch, in both states.
    HollyLook holly;
    drawHollySprig(p, QPointF(9.0, 7.5), 5.2, -90, holly);
    if (on) {
        drawNote(p, QPointF(25.2, 10.6), 6.5, QColor(0xd8, 0x1c, 0x26));
        drawNote(p, QPointF(28.4, 5.6), 4.8, QColor(0x1a, 0x7a, 0x34));
    }
}

} // namespace

void drawMusicBoxOff(QPainter& p, const QSizeF&) {
    drawMusicBox(p, false);
}

void drawMusicBoxOn(QPainter& p, const QSizeF&) {
    drawMusicBox(p, true);
}

} // namespace art
