#pragma once

#include <QImage>
#include <QWidget>

// The window's free surface around the browser pane: a persistent picture, painted into once and
// shown by repainting only the cells that change.
class DesktopSurface : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    QImage& Picture() { return picture_; }
    void PaintBackground(const QRect& desktop);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
