#include "decor/Snowfall.h"

#include "base/Random.h"
#include "decor/Art.h"
#include "decor/DesktopSurface.h"

#include <QPainter>
#include <QTimer>
#include <cmath>

namespace {

double nearest(double v) {
    return std::nearbyint(v);
}

} // namespace

Snowfall::Snowfall(const QImage& flake, Repaint repaint)
    : flake_(flake)
    // A missing picture still gives flakes their room, so the rule runs the same.
    , size_(flake.isNull() ? QSize(32, 32) : flake.deviceIndependentSize().toSize())
    , repaint_(std::move(repaint)) {}

void Snowfall::Start() {
    if (!timer_) {
        timer_ = std::make_unique<QTimer>();
        timer_->setInterval(500);
        QObject::connect(timer_.get(), &QTimer::timeout, [this] { Tick(); });
    }
    timer_->start();
}

void Snowfall::Stop() {
    if (timer_) timer_->stop();
}

Snowfall::~Snowfall() {
    if (surface_) surface_->SetOverlay({});
}

void Snowfall::ShowOn(DesktopSurface& surface) {
    surface_ = &surface;
    repaint_ = [s = surface_](const QRect& r) {
        if (s) s->update(r);
    };
    surface.SetOverlay([this](QPainter& p, const QRect& dirty) { Paint(p, dirty); });
}

int Snowfall::SnowColumnX(int drawn) const {
    return drawn > area_.leftWidth ? area_.rightStart + (drawn - area_.leftWidth) : drawn;
}

void Snowfall::ResizeSnow() {
    const int n = FlakesForSpan(area_.span);
    while (Count() > n) {
        repaint(rectAt(flakes_.last()));
        flakes_.removeLast();
    }
    while (Count() < n) {
        QPointF at = drawPlace();
        at.setY(Rnd() * area_.height);
        flakes_.append(at);
        repaint(rectAt(at));
    }
}

void Snowfall::KeepFlakesInColumns() {
    const int rightEnd = area_.rightStart + (area_.span - area_.leftWidth);
    for (int flake = 1; flake <= Count(); ++flake) {
        const QPointF at = Position(flake);
        // Drawn columns run from 1 to the column's width, give or take the flakes' sideways drift.
        const bool inLeft = at.x() >= -size_.width() && at.x() <= area_.leftWidth + 3;
        const bool inRight = at.x() >= area_.rightStart - 3 && at.x() <= rightEnd + 3;
        if ((!inLeft && !inRight) || at.y() > area_.height) {
            QPointF fresh = drawPlace();
            fresh.setY(qMin(at.y(), double(area_.height)));
            MoveSnowflake(flake, fresh);
        }
    }
}

QPointF Snowfall::drawPlace() {
    double x = SnowColumnX(int(nearest(Rnd() * area_.span + 1)));
    x = nearest(5 * Rnd() + x - 2);
    const double y0 = nearest(-size_.height());
    const double y = nearest(5 * Rnd() + y0 - 2);
    return {x, y};
}

void Snowfall::PlaceSnowflake(int flake) {
    MoveSnowflake(flake, drawPlace());
}

void Snowfall::Tick() {
    for (int flake = 1; flake <= Count(); ++flake) {
        if (nearest(100 * Rnd()) > 75) continue;
        const double dx = nearest(6 * Rnd()) - 3;
        const float r = float(Rnd());
        Fall(flake, dx, 1 + 2 * double(r));
    }
}

void Snowfall::Fall(int flake, double dx, double drop) {
    const QPointF at = Position(flake) + QPointF(dx, drop);
    if (at.y() > area_.height)
        PlaceSnowflake(flake);
    else
        MoveSnowflake(flake, at);
}

void Snowfall::MoveSnowflake(int flake, const QPointF& to) {
    QPointF& at = flakes_[flake - 1];
    if (at == to) return;
    repaint(rectAt(at));
    at = to;
    repaint(rectAt(at));
}

QRect Snowfall::FlakeRect(int flake) const {
    return rectAt(Position(flake));
}

QRect Snowfall::rectAt(const QPointF& at) const {
    return QRectF(at, QSizeF(size_)).toAlignedRect();
}

void Snowfall::repaint(const QRect& r) const {
    if (repaint_) repaint_(r);
}

void Snowfall::Paint(QPainter& painter, const QRect& dirty) const {
    if (flake_.isNull()) return;
    for (const QPointF& at : flakes_)
        if (rectAt(at).intersects(dirty)) painter.drawImage(at, flake_);
}

QImage LoadSnowflake(qreal devicePixelRatio) {
    return LoadArt(QStringLiteral(":/art/snowflake-32.png"), devicePixelRatio);
}
