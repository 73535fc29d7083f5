#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The window's free surface around the browser pane: a persistent picture, painted into once and
// shown by repainting only the cells that change. An overlay (the snow) is painted over the picture
// and so stays behind every child widget.
class DesktopSurface : public QWidget {
    Q_OBJECT
public:
    using Overlay = std::function<void(QPainter&, const QRect&)>;

    using QWidget::QWidget;
    // Device pixels: the widget's size times its device pixel ratio.
    QImage& Picture() { return picture_; }
    // A new picture in the window colour with the tile laid over the desktop; a null tile leaves the
    // desktop plain. Repaints everything once.
    void DrawBackground(const QImage& tile, const QRect& desktop);
    // Called with the area being repainted, after the picture.
    void SetOverlay(Overlay overlay) { overlay_ = std::move(overlay); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    Overlay overlay_;
};
