// The light string around the browser pane: one strip of 16×16 frames with every bulb colour,
// side and state, its black-and-white mask, and the bulb that follows the mouse while dragging.

#include "art.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>

#include <array>

namespace art {
namespace {

// In the order the frames are numbered: orange, magenta, blue, yellow, red.
const std::array<QColor, 5> kStringColours = {
    QColor(0xff, 0x86, 0x1a), QColor(0xe6, 0x3c, 0xd0), QColor(0x2f, 0x80, 0xff),
    QColor(0xff, 0xd4, 0x2a), QColor(0xee, 0x22, 0x2c),
};

constexpr int kCell = 16;      // logical size of one frame
constexpr qreal kWireTop = 13; // the wire fills rows 13 and 14 of an upright frame
constexpr qreal kWireBottom = 15;
constexpr qreal kSocketTop = 9.6;

// The glass of an upright bulb from its neck (just inside the socket) up to its tip, in cell
// pixels, a little plumper than the hanging bulb.
QPainterPath uprightGlass(qreal centreX, qreal neck, qreal tip) {
    // bulbGlass() runs from 0.27 at the neck to 1 at the tip.
    const qreal length = (neck - tip) / 0.73;
    QTransform t;
    t.translate(centreX, tip + length);
    t.scale(length * 1.22, -length);
    return t.map(bulbGlass());
}

// One bulb pointing up with its socket standing on `base`: a glowing halo for a lit bulb, the
// glass, a highlight and a white plastic socket.
void paintUprightBulb(QPainter& p, QPointF base, const QColor& colour, bool lit, qreal haloRadius,
                      int haloAlpha) {
    const qreal socketHeight = kWireTop - kSocketTop;
    const QPainterPath glass = uprightGlass(base.x(), base.y() - socketHeight + 0.6, base.y() - 12);
    const QRectF glassBox = glass.boundingRect();
    const QPointF glassCentre(base.x(), glassBox.top() + glassBox.height() * 0.45);

    p.setPen(Qt::NoPen);
    if (lit && haloRadius > 0) {
        QRadialGradient halo(glassCentre, haloRadius);
        halo.setColorAt(0.0, withAlpha(colour.lighter(125), haloAlpha));
        halo.setColorAt(0.5, withAlpha(colour, haloAlpha / 2));
        halo.setColorAt(1.0, withAlpha(colour, 0));
        p.setBrush(halo);
        p.drawEllipse(glassCentre, haloRadius, haloRadius);
    }

    if (lit) {
        QRadialGradient body(glassCentre + QPointF(-0.6, 0.4), glassBox.height() * 0.62,
                             glassCentre + QPointF(-0.9, 0.2));
        body.setColorAt(0.0, QColor(255, 255, 246));
        body.setColorAt(0.25, mix(colour, Qt::white, 0.55));
        body.setColorAt(0.65, colour);
        body.setColorAt(1.0, colour.darker(135));
        p.setBrush(body);
        p.setPen(QPen(colour.darker(190), 0.7));
    } else {
        QLinearGradient body(QPointF(glassBox.left(), 0), QPointF(glassBox.right(), 0));
        body.setColorAt(0.0, colour.darker(200));
        body.setColorAt(0.35, colour.darker(145));
        body.setColorAt(1.0, colour.darker(290));
        p.setBrush(body);
        p.setPen(QPen(colour.darker(380), 0.7));
    }
    p.drawPath(glass);

    // A sliver of reflected light on the left shoulder of the glass.
    p.save();
    p.translate(glassBox.left() + glassBox.width() * 0.3, glassBox.top() + glassBox.height() * 0.5);
    p.rotate(-14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, lit ? 210 : 110));
    p.drawEllipse(QPointF(0, 0), 0.55, glassBox.height() * 0.2);
    p.restore();

    // The socket: white plastic, rounded at the top, a rib across its middle.
    const qreal half = 2.1;
    const QRectF socket(base.x() - half, base.y() - socketHeight, 2 * half, socketHeight);
    QLinearGradient plastic(socket.topLeft(), socket.topRight());
    plastic.setColorAt(0.0, QColor(0xb9, 0xbd, 0xc5));
    plastic.setColorAt(0.4, QColor(0xfb, 0xfb, 0xfc));
    plastic.setColorAt(1.0, QColor(0x97, 0x9c, 0xa6));
    p.setBrush(plastic);
    p.setPen(QPen(QColor(0x5e, 0x63, 0x6d), 0.6));
    QPainterPath cap;
    cap.addRoundedRect(socket, 0.9, 0.9);
    p.drawPath(cap);
    p.setPen(QPen(QColor(0x7d, 0x82, 0x8c), 0.5));
    p.drawLine(QPointF(socket.left() + 0.4, socket.center().y() + 0.3),
               QPointF(socket.right() - 0.4, socket.center().y() + 0.3));
}

// Draws one upright frame: the wire across the bottom and a bulb standing on it.
void paintUprightFrame(QPainter& p, const QColor& colour, bool lit) {
    // The halo stays inside the cell so neighbouring frames never cut each other's glow.
    // Its peak stays below half opacity, so the mask keeps only glass, socket and wire.
    paintUprightBulb(p, QPointF(kCell / 2.0, kWireTop), colour, lit, 7.4, 115);

    // Wire: two rows of light grey, lighter on top, with a twist mark every four pixels. The marks
    // repeat evenly, so the wire runs on unbroken from frame to frame.
    const QRectF wire(0, kWireTop, kCell, kWireBottom - kWireTop);
    QLinearGradient strand(wire.topLeft(), wire.bottomLeft());
    strand.setColorAt(0.0, QColor(0xf6, 0xf7, 0xf9));
    strand.setColorAt(1.0, QColor(0xa8, 0xad, 0xb6));
    p.setPen(Qt::NoPen);
    p.setBrush(strand);
    p.drawRect(wire);
    p.setPen(QPen(QColor(0x80, 0x86, 0x90, 170), 0.5));
    for (qreal x = 1; x < kCell; x += 4)
        p.drawLine(QPointF(x, wire.bottom() - 0.2), QPointF(x + 1.2, wire.top() + 0.2));
}

// Turns a square image a quarter turn clockwise, pixel for pixel.
QImage quarterTurn(const QImage& source) {
    const int n = source.width();
    QImage turned(n, n, source.format());
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            turned.setPixel(n - 1 - y, x, source.pixel(x, y));
    return turned;
}

} // namespace

void drawBulbStrip(QPainter& p, const QSizeF& /*size*/) {
    // Each upright frame is drawn once and turned as whole pixels for the other sides, so the four
    // sides are exactly the same bulb at either resolution.
    const int scale = qRound(deviceScale(p));
    const int side = kCell * scale;
    p.save();
    p.resetTransform();
    for (std::size_t colour = 0; colour < kStringColours.size(); ++colour) {
        for (const bool lit : {false, true}) {
            QImage frame(side, side, QImage::Format_ARGB32_Premultiplied);
            frame.fill(Qt::transparent);
            {
                QPainter fp(&frame);
                fp.setRenderHint(QPainter::Antialiasing);
                fp.scale(scale, scale);
                paintUprightFrame(fp, kStringColours[colour], lit);
            }
            for (int turn = 0; turn < 4; ++turn) {
                const int index = static_cast<int>(colour) * 8 + turn * 2 + (lit ? 1 : 0);
                p.drawImage(QPoint(index * side, 0), frame);
                frame = quarterTurn(frame);
            }
        }
    }
    p.restore();
}

QImage bulbMask(const QImage& strip) {
    QImage mask(strip.size(), QImage::Format_ARGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            mask.setPixel(x, y, qAlpha(strip.pixel(x, y)) >= 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return mask;
}

void drawDragBulb(QPainter& p, const QSizeF& size) {
    // The red bulb lifted off the string: no wire, hanging from the pointer by its socket and
    // swinging a little to one side.
    const qreal s = size.width() / kCell;
    p.translate(size.width() / 2, size.height() / 2);
    p.rotate(156);
    p.scale(-s, s); // mirrored, so the highlight stays on the upper left

    p.translate(-kCell / 2.0, -kCell / 2.0);
    paintUprightBulb(p, QPointF(kCell / 2.0, kWireTop + 1), kStringColours[4], true, 7.2, 190);
}

} // namespace art
