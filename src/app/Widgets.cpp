#include "app/Widgets.h"

#include <QMouseEvent>
#include <QPainter>

void StatusBarPicture::Print(const QString& text, int x) {
    text_ = text;
    x_ = x;
    update();
}

void StatusBarPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().windowText().color());
    p.drawText(rect().adjusted(x_, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(text_, Qt::ElideRight, width() - x_));
}

ImageButton::ImageButton(const QString& picture, const QString& toolTip, QWidget* parent)
    : QLabel(parent) {
    const QPixmap pixmap(picture);
    setPixmap(pixmap);
    if (!pixmap.isNull()) setFixedSize(pixmap.size());
    setToolTip(toolTip);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

QSize TabStrip::tabSizeHint(int index) const {
    QSize hint = QTabBar::tabSizeHint(index);
    hint.setWidth(qMin(hint.width(), kMaxTabWidth));
    // The strip is a fixed band above the surface; a tab taller than the band (a close button
    // makes it so) would lose the bottom of its title.
    if (height() > 0) hint.setHeight(qMin(hint.height(), height()));
    return hint;
}

QSize TabStrip::minimumTabSizeHint(int index) const {
    QSize hint = tabSizeHint(index);
    hint.setWidth(qMin(hint.width(), kMinTabWidth));
    return hint;
}

void TabStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        if (const int index = tabAt(event->position().toPoint()); index >= 0) emit middleClicked(index);
        return;
    }
    QTabBar::mouseReleaseEvent(event);
}
