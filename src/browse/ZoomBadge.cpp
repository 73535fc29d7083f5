#include "browse/ZoomBadge.h"

#include "browse/Browsers.h"

#include <QMouseEvent>
#include <cmath>

ZoomBadge::ZoomBadge(Browsers& pages, QWidget* area)
    : QLabel(area)
    , pages_(pages) {
    setObjectName(QStringLiteral("ZoomBadge"));
    setToolTip(QStringLiteral("Zoom of this page. Click for 100 % (Ctrl+0)."));
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("QLabel#ZoomBadge{background:rgba(255,255,240,235);color:#222;"
                                 "border:1px solid #888;border-radius:4px;padding:2px 8px;}"));
    hide();
    connect(&pages_, &Browsers::placed, this, [this] {
        if (isVisible()) place();
    });
}

void ZoomBadge::place() {
    adjustSize();
    const QRect pane = pages_.Pane();
    // Clear of the page's scroll bar.
    move(pane.right() - width() - 22, pane.bottom() - height() - 6);
}

QString ZoomBadge::Text(double factor) {
    return QStringLiteral("%1 %").arg(std::lround(factor * 100));
}

void ZoomBadge::Show(double factor) {
    const bool shown =
        std::lround(factor * 100) != 100 && pages_.CurInterface() == InterfaceBrowser && pages_.Current();
    if (!shown) {
        hide();
        return;
    }
    setText(Text(factor));
    place();
    show();
    raise();
}

void ZoomBadge::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit resetRequested();
}
