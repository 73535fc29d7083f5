#include "agent/engine/CharacterWindow.h"

#include "agent/engine/CharacterEngine.h"

#include <QApplication>
#include <QBitmap>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {
constexpr int kCacheBytes = 96 * 1024 * 1024;

quint64 key(int index, QSize size, qreal ratio) {
    return (quint64(index) << 40) | (quint64(size.width()) << 24) | (quint64(size.height()) << 8) |
           quint64(qRound(ratio * 4));
}
} // namespace

CharacterWindow::CharacterWindow(CharacterEngine& engine)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint)
    , engine_(engine)
    , menu_(new QMenu(this))
    , pictures_(kCacheBytes / 1024)
    , shapes_(2000) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(engine.Data().Name);
    menu_->addSeparator();
    hide_ = menu_->addAction(QStringLiteral("Hide"));
    connect(hide_, &QAction::triggered, this, [this] { engine_.Hide(); });
    connect(&engine, &CharacterEngine::frameChanged, this, &CharacterWindow::showFrame);
    connect(&engine, &CharacterEngine::moved, this, [this](QPoint topLeft) { move(topLeft); });
    connect(&engine, &CharacterEngine::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            showFrame();
            show();
        } else {
            hide();
        }
    });
    setGeometry(QRect(engine.Position(), engine.Size()));
}

CharacterWindow::~CharacterWindow() = default;

QPixmap CharacterWindow::picture(int index) const {
    const qreal ratio = devicePixelRatioF();
    const QSize size = engine_.Size();
    const quint64 k = key(index, size, ratio);
    if (QPixmap* cached = pictures_.object(k)) return *cached;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(ratio);
    if (index >= 0 && index < engine_.Data().Pictures.size()) {
        QPainter p(&pixmap);
        engine_.Data().Pictures.at(index)->render(&p, QRectF(QPointF(0, 0), size));
    }
    const int cost = qMax(1, int(qint64(pixmap.width()) * pixmap.height() * 4 / 1024));
    pictures_.insert(k, new QPixmap(pixmap), cost);
    return pixmap;
}

QRegion CharacterWindow::shape(int index) const {
    const qreal ratio = devicePixelRatioF();
    const quint64 k = key(index, engine_.Size(), ratio);
    if (QRegion* cached = shapes_.object(k)) return *cached;
    // The shape at the window's own pixels: whatever the figure covers at least a little. It comes from
    // the picture already drawn, so a frame's drawing is done once.
    QImage alpha =
        picture(index).toImage().scaled(engine_.Size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QRegion region(QBitmap::fromImage(alpha.createAlphaMask()));
    if (region.isEmpty()) region = QRegion(0, 0, 1, 1); // an empty mask would show the whole window
    shapes_.insert(k, new QRegion(region));
    return region;
}

void CharacterWindow::showFrame() {
    if (size() != engine_.Size()) resize(engine_.Size());
    // Above every other window even where no window manager keeps it there; a second apart at most.
    // An open menu (the character's own or the window's) stays on top of the figure.
    if (isVisible() && (!raised_.isValid() || raised_.elapsed() > 1000)) {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->raise();
        else
            raise();
        raised_.start();
    }
    // A new shape makes the windows below repaint what it uncovers: only set it when it changed.
    const QRegion figure = shape(engine_.Picture());
    if (figure != mask()) setMask(figure);
    update();
}

void CharacterWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawPixmap(0, 0, picture(engine_.Picture()));
    if (!engine_.MouthShown()) return;
    // The mouth, drawn over the closed one of the frame at the frame's scale.
    const CharacterData& data = engine_.Data();
    QSvgRenderer* mouth = data.Mouths[int(engine_.Mouth())].get();
    const qreal scale = qreal(width()) / data.FrameSize.width();
    const QSizeF mouthSize = QSizeF(mouth->defaultSize()) * scale;
    const QPointF centre = engine_.MouthAt() * scale;
    p.setRenderHint(QPainter::Antialiasing);
    mouth->render(&p, QRectF(centre - QPointF(mouthSize.width() / 2, mouthSize.height() / 2), mouthSize));
}

void CharacterWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        grab_ = event->globalPosition().toPoint() - engine_.Position();
    }
}

void CharacterWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    engine_.SetPosition(event->globalPosition().toPoint() - grab_);
}

void CharacterWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        emit dragged();
    } else if (event->button() == Qt::RightButton) {
        menu_->popup(event->globalPosition().toPoint());
    }
}
