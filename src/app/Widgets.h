#pragma once

#include <QLabel>
#include <QTabBar>
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

// The tab strip: tabs keep readable titles (the strip scrolls rather than squeezing them to a few
// letters), and a middle click on a tab is reported.
class TabStrip : public QTabBar {
    Q_OBJECT
public:
    using QTabBar::QTabBar;
    static constexpr int kMaxTabWidth = 220;
    static constexpr int kMinTabWidth = 110;

signals:
    void middleClicked(int index);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
