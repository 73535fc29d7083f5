#pragma once

#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QVector>
#include <functional>
#include <memory>

class DesktopSurface;
class QPainter;
class QTimer;

// The free columns either side of the bulb strips where the snow falls, in window pixels.
struct SnowArea {
    int leftWidth = 0;  // from the window's left edge to the left strip
    int rightStart = 0; // first column right of the right strip
    int span = 0;       // both columns' widths together
    int height = 0;     // the desktop's height: the depth a flake falls before it starts again
};

// Snowflakes drifting down the free columns, one step every tick. Positions are fractional, in window
// coordinates; flakes are numbered from 1. Every move asks for a repaint of the flake's old and new
// rectangles only.
class Snowfall {
public:
    using Repaint = std::function<void(const QRect&)>;

    explicit Snowfall(const QImage& flake, Repaint repaint = {});
    ~Snowfall();
    Snowfall(const Snowfall&) = delete;
    Snowfall& operator=(const Snowfall&) = delete;

    // Paints on the surface's overlay and repaints through it.
    void ShowOn(DesktopSurface& surface);
    // The snow falls by itself, a step every half second, from Start to Stop.
    void Start();
    void Stop();
    QTimer* Timer() const { return timer_.get(); }
    void SetArea(const SnowArea& area) { area_ = area; }
    const SnowArea& Area() const { return area_; }

    // Three flakes for every whole 32 pixels of span.
    static int FlakesForSpan(int span) { return span < 32 ? 0 : span / 32 * 3; }
    // A drawn column 1..span in the left column, or past it mapped into the right one.
    int SnowColumnX(int drawn) const;

    // Matches the flake count to the area: the highest-numbered flakes go, new ones start anywhere in
    // the fall, the others stay where they are.
    void ResizeSnow();
    // The columns moved (the window changed size): a flake no longer in a column, or below the
    // new depth, starts again from the top of one.
    void KeepFlakesInColumns();
    // The flake's picture, for a screen of another pixel ratio.
    void SetFlake(const QImage& flake) { flake_ = flake; }
    // Back above the top, in a random column.
    void PlaceSnowflake(int flake);
    // One step of every flake: most drift sideways and fall a little, some rest.
    void Tick();
    // One flake's step; past the desktop's height it starts again from the top.
    void Fall(int flake, double dx, double drop);

    int Count() const { return int(flakes_.size()); }
    QPointF Position(int flake) const { return flakes_[flake - 1]; }
    void MoveSnowflake(int flake, const QPointF& to);
    QSize FlakeSize() const { return size_; }
    QRect FlakeRect(int flake) const;

    void Paint(QPainter& painter, const QRect& dirty) const;

private:
    QPointF drawPlace();
    QRect rectAt(const QPointF& at) const;
    void repaint(const QRect& r) const;

    QImage flake_;
    QSize size_;
    Repaint repaint_;
    SnowArea area_;
    QVector<QPointF> flakes_;
    QPointer<DesktopSurface> surface_;
    std::unique_ptr<QTimer> timer_;
};

QImage LoadSnowflake(qreal devicePixelRatio);
