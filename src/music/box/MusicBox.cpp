#include "music/box/MusicBox.h"

#include "decor/Art.h"
#include "decor/DroppedData.h"
#include "decor/PointerGestures.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>

namespace Music {
namespace {
constexpr int kNoIndex = -1; // the box is one of a kind
}

MusicBox::MusicBox(PointerGestures& gestures, QWidget* parent)
    : QLabel(parent)
    , gestures_(gestures) {
    setObjectName(QStringLiteral("ImgRadio"));
    const qreal dpr = devicePixelRatioF();
    pictures_[0] = LoadArt(QStringLiteral(":/art/musicbox-off.png"), dpr);
    pictures_[1] = LoadArt(QStringLiteral(":/art/musicbox-on.png"), dpr);
    if (!pictures_[0].isNull()) setFixedSize(pictures_[0].deviceIndependentSize().toSize());
    setToolTip(QStringLiteral("Click to play music"));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true); // pointing at the box shows its hint
    setAcceptDrops(true);
    showPicture();
}

void MusicBox::ShowSwitchedOn(bool on) {
    on_ = on;
    showPicture();
}

void MusicBox::showPicture() {
    setPixmap(QPixmap::fromImage(pictures_[on_ ? 1 : 0]));
}

void MusicBox::mousePressEvent(QMouseEvent* event) {
    gestures_.Generic_MouseDown(this, PointerGestures::KindMusicBox, kNoIndex, event->button(),
                                event->position().toPoint());
}

void MusicBox::mouseMoveEvent(QMouseEvent* event) {
    gestures_.Generic_MouseMove(this, PointerGestures::KindMusicBox, kNoIndex, event->buttons(),
                                event->position().toPoint());
}

void MusicBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool inside = rect().contains(at);
    gestures_.Generic_MouseUp(this, PointerGestures::KindMusicBox, kNoIndex, event->button(), at);
    // The click follows the release, for either button, as the window system would raise it.
    if (inside && gestures_.Generic_Click(PointerGestures::KindMusicBox) && event->button() == Qt::LeftButton)
        emit clicked();
}

void MusicBox::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedData::Acceptable(*event->mimeData())) event->acceptProposedAction();
}

void MusicBox::dropEvent(QDropEvent* event) {
    const DroppedData dropped = DroppedData::Read(*event->mimeData());
    event->acceptProposedAction();
    // A list of files wins over any text that comes with it.
    if (!dropped.files.isEmpty())
        emit filesDropped(dropped.files);
    else if (!dropped.AddressOrText().isEmpty())
        emit textDropped(dropped.AddressOrText());
}

} // namespace Music
