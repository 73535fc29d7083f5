#include "lights/BulbGestures.h"

#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "decor/Art.h"
#include "lights/LightString.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <cmath>

BulbGestures::BulbGestures(const LightString& lights, Browsers& pages, const std::array<QWidget*, 4>& strips,
                           QWidget& area)
    : lights_(lights)
    , pages_(pages)
    , strips_(strips)
    , dragBulb_(new QLabel(&area)) {
    const QImage picture = LoadArt(QStringLiteral(":/art/dragbulb.png"), area.devicePixelRatioF());
    dragBulb_->setPixmap(QPixmap::fromImage(picture));
    dragBulb_->setFixedSize(32, 32);
    dragBulb_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragBulb_->setAttribute(Qt::WA_TranslucentBackground);
    dragBulb_->hide();
    for (QWidget* strip : strips_)
        strip->installEventFilter(this);
}

QString BulbGestures::BulbDisplayText(const BulbRecord& bulb) {
    return bulb.Title.isEmpty() ? bulb.Address : bulb.Title;
}

const BulbRecord* BulbGestures::bulbAt(int slot) const {
    const PageString* string = lights_.StringOf(pages_.CurBrowser());
    if (!string) return nullptr;
    const QVector<BulbRecord>& bulbs = string->BulbSlots;
    return slot >= 1 && slot < bulbs.size() && bulbs[slot].InUse ? &bulbs[slot] : nullptr;
}

void BulbGestures::RegionBulbs_MouseDown(int side, Qt::MouseButton button, QPointF at) {
    if (button != Qt::LeftButton) return; // a right click on a bulb does nothing
    suppressClick_ = false;
    mouseDown_ = true;
    downAt_ = at;
    grab_ = QPoint(int(std::nearbyint(at.x())) % 16, int(std::nearbyint(at.y())) % 16);
    contextItem_ = Bulbs::RegionXYToBulbIndex(side, at.x(), at.y(), counts_);
}

void BulbGestures::RegionBulbs_MouseMove(int side, QPointF at) {
    if (pages_.CurBrowser() < 1) return;
    QWidget* strip = strips_[side];
    if (!dragging_ && mouseDown_ &&
        (std::abs(at.x() - downAt_.x()) > 3 || std::abs(at.y() - downAt_.y()) > 3) && bulbAt(contextItem_)) {
        dragging_ = true;
        suppressClick_ = true;
        dragBulb_->move(0, 0);
        dragBulb_->show();
        dragBulb_->raise();
    }
    if (const BulbRecord* bulb = bulbAt(Bulbs::RegionXYToBulbIndex(side, at.x(), at.y(), counts_))) {
        const QString text = BulbDisplayText(*bulb);
        emit statusText(text);
        strip->setToolTip(text);
    } else {
        strip->setToolTip(QString());
    }
    if (dragging_)
        dragBulb_->move(strip->x() + int(at.x()) - grab_.x() - 16, strip->y() + int(at.y()) - grab_.y() - 16);
}

void BulbGestures::RegionBulbs_MouseUp(int side, Qt::MouseButton button, QPointF at) {
    if (button != Qt::LeftButton) return;
    mouseDown_ = false;
    dragBulb_->hide();
    if (dragging_) {
        dragging_ = false;
        const QWidget* strip = strips_[side];
        const QPoint drop(strip->x() + int(std::nearbyint(at.x())), strip->y() + int(std::nearbyint(at.y())));
        const BulbRecord* bulb = bulbAt(contextItem_);
        if (IsBadDrop && IsBadDrop(drop))
            emit badDrop();
        else if (bulb)
            emit bulbDropped(drop, *bulb); // the bulb itself stays in the string
    }
}

void BulbGestures::RegionBulbs_Click(int side) {
    if (suppressClick_) {
        suppressClick_ = false; // the click that ends a drag
        return;
    }
    if (pages_.CurBrowser() < 1) return;
    const int slot = Bulbs::RegionXYToBulbIndex(side, downAt_.x(), downAt_.y(), counts_);
    if (bulbAt(slot)) OpenBulb(slot);
}

void BulbGestures::OpenBulb(int slot) {
    const BulbRecord* bulb = bulbAt(slot);
    BrowserControl* page = pages_.Current();
    if (!bulb || !page) return;
    if (slot == lights_.StringOf(pages_.CurBrowser())->LastBulb) {
        page->Refresh(); // the newest bulb is the page on show
        return;
    }
    const QString address = bulb->Address; // the navigation hangs a bulb and may move this record
    page->Stop();
    page->Navigate(address);
}

void BulbGestures::StopDrag() {
    dragging_ = false;
    mouseDown_ = false;
    dragBulb_->hide();
}

bool BulbGestures::eventFilter(QObject* watched, QEvent* event) {
    int side = -1;
    for (int s = 0; s < 4; ++s)
        if (strips_[s] == watched) side = s;
    if (side < 0) return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        RegionBulbs_MouseDown(side, mouse->button(), mouse->position());
        return true;
    case QEvent::MouseButtonDblClick:
        // The second press of a double click starts a drag like any press; its release opens
        // nothing more, as the first click did already.
        RegionBulbs_MouseDown(side, mouse->button(), mouse->position());
        if (mouse->button() == Qt::LeftButton) suppressClick_ = true;
        return true;
    case QEvent::MouseMove:
        RegionBulbs_MouseMove(side, mouse->position());
        return true;
    case QEvent::MouseButtonRelease: {
        const bool inside = strips_[side]->rect().contains(mouse->position().toPoint());
        RegionBulbs_MouseUp(side, mouse->button(), mouse->position());
        // The click follows a release over the strip only; a drag that ended elsewhere leaves no
        // click behind to swallow.
        if (mouse->button() == Qt::LeftButton) {
            if (inside)
                RegionBulbs_Click(side);
            else
                suppressClick_ = false;
        }
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
