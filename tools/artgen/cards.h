// The common look of the desktop card icons: every shape is filled with a soft top-to-bottom
// gradient of its colour and edged with a darker line, on a 32 × 32 canvas.

#pragma once

#include "art.h"

#include <initializer_list>

namespace art::cards {

inline const QColor kRed(0xd8, 0x2a, 0x32);
inline const QColor kGreen(0x34, 0x9e, 0x4c);
inline const QColor kPine(0x23, 0x7a, 0x3c);
inline const QColor kBlue(0x2f, 0x7c, 0xf0);
inline const QColor kSky(0x7c, 0xc2, 0xf4);
inline const QColor kNavy(0x24, 0x3c, 0x7c);
inline const QColor kYellow(0xf8, 0xd4, 0x3a);
inline const QColor kOrange(0xf5, 0x8a, 0x1f);
inline const QColor kPurple(0x8c, 0x4e, 0xd2);
inline const QColor kPink(0xf2, 0x72, 0xa8);
inline const QColor kTeal(0x24, 0xaa, 0xa0);
inline const QColor kSnow(0xf4, 0xf8, 0xfc);
inline const QColor kPaper(0xfc, 0xfb, 0xf6);
inline const QColor kSilver(0xc4, 0xcc, 0xd6);
inline const QColor kGrey(0x8a, 0x94, 0xa2);
inline const QColor kCharcoal(0x44, 0x4a, 0x56);
inline const QColor kBrown(0x9a, 0x5c, 0x2e);
inline const QColor kCookie(0xc8, 0x82, 0x42);
inline const QColor kSkin(0xf6, 0xcf, 0xa8);

// Gradient and edge of a filled shape: flat shapes shade from top to bottom, round ones from a
// highlight up and to the left.
enum class Shade { Flat, Round };

// Fills `path` in `colour` with the card look. An `outline` of 0 leaves the edge off, for details
// that sit on top of a larger shape.
void fill(QPainter& p, const QPainterPath& path, const QColor& colour, qreal outline = 1.0,
          Shade shade = Shade::Flat);
// Strokes `path` as a line of `width` with round ends, in a plain colour.
void line(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width);
// The outline of a `width` wide stroke along `path`, to fill like any other shape.
QPainterPath thick(const QPainterPath& path, qreal width, bool roundEnds = true);
// A small white highlight.
void gleam(QPainter& p, QPointF centre, qreal radius);

QPainterPath circle(QPointF centre, qreal radius);
QPainterPath ellipse(QPointF centre, qreal rx, qreal ry);
QPainterPath box(qreal x, qreal y, qreal width, qreal height, qreal corner = 0);
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath polyline(std::initializer_list<QPointF> points);
// A closed, smooth outline through the midpoints of `points`, rounding each corner.
QPainterPath blob(std::initializer_list<QPointF> points);
QPainterPath star(QPointF centre, qreal outer, qreal inner, int points = 5, qreal degrees = -90);
// `path` turned by `degrees` about `centre`.
QPainterPath turned(const QPainterPath& path, QPointF centre, qreal degrees);
// A cloud of overlapping puffs sitting on the line y = `base`, from `left` to `right`.
QPainterPath cloudShape(qreal left, qreal right, qreal base, qreal height);
// A sheet of paper with its top right corner folded over, and the fold itself.
QPainterPath pageShape(const QRectF& sheet, qreal fold);
QPainterPath pageFold(const QRectF& sheet, qreal fold);

// The point `radius` away from `centre` in the direction `degrees` (clockwise from +x).
QPointF polar(QPointF centre, qreal degrees, qreal radius);
// A plain round spot without an edge, for eyes, buttons and the like.
void dot(QPainter& p, QPointF centre, qreal radius, const QColor& colour);
// A candle flame whose tip is at `tip`, `height` tall, with a soft glow round it.
void flame(QPainter& p, QPointF tip, qreal height);
// A holly leaf from its stalk at (0, 0) along +x to its tip, with spiny points on both sides.
QPainterPath hollyLeaf(qreal length, qreal width);
// A holly leaf with its midrib, its stalk at `stalk` and pointing `degrees` from +x.
void leafAt(QPainter& p, QPointF stalk, qreal degrees, qreal length, const QColor& colour);
// A shiny red berry.
void berry(QPainter& p, QPointF centre, qreal radius);
// A small bow of two loops and two tails tied at `knot`.
void bow(QPainter& p, QPointF knot, qreal size, const QColor& colour);

// Holiday motifs.
void tree(QPainter& p, const QColor& boughs, bool snowy);
void goldStar(QPainter& p, const QColor& colour);
void bell(QPainter& p, const QColor& metal);
void gift(QPainter& p, const QColor& paper, const QColor& ribbon);
void candyCane(QPainter& p);
void snowman(QPainter& p);
void snowflake(QPainter& p, const QColor& colour);
void holly(QPainter& p);
void stocking(QPainter& p, const QColor& colour, const QColor& stripe);
void ornament(QPainter& p, const QColor& colour);
void candle(QPainter& p, const QColor& wax);
void sleigh(QPainter& p);
void reindeer(QPainter& p);
void gingerbreadMan(QPainter& p);
void wreath(QPainter& p);
void angel(QPainter& p);
void mitten(QPainter& p, const QColor& wool);
void cocoa(QPainter& p);
void santaHat(QPainter& p);
void gingerbreadHouse(QPainter& p);
void snowGlobe(QPainter& p);
void lantern(QPainter& p);
void teddyBear(QPainter& p);
void drum(QPainter& p);
void iceSkate(QPainter& p);
void fairyLights(QPainter& p);
void moonAndStars(QPainter& p);
void nutcracker(QPainter& p);
void pineCone(QPainter& p);
void mistletoe(QPainter& p);
void poinsettia(QPainter& p);
void fireplace(QPainter& p);
void scarf(QPainter& p);
void cookiesAndMilk(QPainter& p);
void sweet(QPainter& p);
void christmasPudding(QPainter& p);
void polarBear(QPainter& p);
void penguin(QPainter& p);
void robin(QPainter& p);
void owl(QPainter& p);
void fox(QPainter& p);
void rockingHorse(QPainter& p);
void champagne(QPainter& p);
void fireworks(QPainter& p);
void earmuffs(QPainter& p);

// Everyday topics.
void globe(QPainter& p);
void pageWithStar(QPainter& p);
void newspaper(QPainter& p);
void envelope(QPainter& p);
void weather(QPainter& p);
void shoppingCart(QPainter& p);
void music(QPainter& p);
void gamepad(QPainter& p);
void map(QPainter& p);
void magnifier(QPainter& p);
void calendar(QPainter& p);
void camera(QPainter& p);
void video(QPainter& p);
void chat(QPainter& p);
void bank(QPainter& p);
void book(QPainter& p);
void graduationCap(QPainter& p);
void football(QPainter& p);
void plane(QPainter& p);
void burger(QPainter& p);
void house(QPainter& p);
void heart(QPainter& p, const QColor& colour);
void phone(QPainter& p);
void clock(QPainter& p);
void folder(QPainter& p, const QColor& colour);
void document(QPainter& p);
void gear(QPainter& p);
void padlock(QPainter& p);
void cloud(QPainter& p);
void radio(QPainter& p);
void television(QPainter& p);
void car(QPainter& p, const QColor& paint);
void bicycle(QPainter& p);
void trophy(QPainter& p);
void rocket(QPainter& p);
void key(QPainter& p);
void shield(QPainter& p);
void flask(QPainter& p);
void palette(QPainter& p);
void pencil(QPainter& p);
void scissors(QPainter& p);
void printer(QPainter& p);
void wifi(QPainter& p);
void contacts(QPainter& p);
void photo(QPainter& p);
void stocksChart(QPainter& p);
void terminal(QPainter& p);
void coins(QPainter& p);
void train(QPainter& p);
void ship(QPainter& p);
void firstAid(QPainter& p);
void pizza(QPainter& p);
void birthdayCake(QPainter& p);
void cat(QPainter& p);
void dog(QPainter& p);

} // namespace art::cards
