#pragma once

#include <QImage>
#include <QWidget>

// The window's free surface around the browser pane: a persistent picture, painted into once and
// shown by repainting only the cells that change.
class DesktopSurface : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // Device pixels: the widget's size times its device pixel ratio.
    QImage& Picture() { return picture_; }
    // A new picture in the window colour with the tile laid over the desktop; a null tile leaves the
    // desktop plain. Repaints everything once.
    void DrawBackground(const QImage& tile, const QRect& desktop);
    // Only the window colour, until a holiday picture is drawn.
    void PaintBackground(const QRect& desktop) { DrawBackground(QImage(), desktop); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
