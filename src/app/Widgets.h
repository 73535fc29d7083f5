#pragma once

#include <QLabel>
#include <QWidget>

// The status bar picture: one line of text printed at a small indent.
class StatusBarPicture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void Print(const QString& text, int x);
    QString Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
    int x_ = 2;
};

// A picture that acts on a click, like the corner images and the music box.
class ImageButton : public QLabel {
    Q_OBJECT
public:
    ImageButton(const QString& picture, const QString& toolTip, QWidget* parent);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// An invisible strip that only gives a position and receives the pointer (the bulb strips).
class RegionWidget : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};
