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
