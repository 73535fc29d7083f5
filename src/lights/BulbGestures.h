#pragma once

#include "lights/Bulbs.h"

#include <QObject>
#include <QPoint>
#include <array>
#include <functional>

class Browsers;
class LightString;
class QLabel;
class QWidget;

// What the user does with the bulbs of the current page: pointing shows the bulb's page, a click
// goes back there, and a drag carries a floating bulb that can be dropped on the window.
class BulbGestures : public QObject {
    Q_OBJECT
public:
    // The four strips (top, right, bottom, left) receive the pointer; the floating bulb is a child
    // of the area.
    BulbGestures(const LightString& lights, Browsers& pages, const std::array<QWidget*, 4>& strips,
                 QWidget& area);

    void Place(const SlotCounts& counts) { counts_ = counts; }
    // Where nothing may be dropped (window pixels).
    std::function<bool(QPoint)> IsBadDrop;

    void RegionBulbs_MouseDown(int side, Qt::MouseButton button, QPointF at);
    void RegionBulbs_MouseMove(int side, QPointF at);
    void RegionBulbs_MouseUp(int side, Qt::MouseButton button, QPointF at);
    void RegionBulbs_Click(int side);
    void OpenBulb(int slot);
    void StopDrag();

    bool Dragging() const { return dragging_; }
    QLabel* DragBulb() const { return dragBulb_; }
    int ContextItem() const { return contextItem_; }

    // The title, or the address while the page has none.
    static QString BulbDisplayText(const BulbRecord& bulb);

signals:
    void statusText(const QString& text);
    // A bulb was dropped on free space at the point (window pixels).
    void bulbDropped(QPoint at, const BulbRecord& bulb);
    void badDrop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const BulbRecord* bulbAt(int slot) const;

    const LightString& lights_;
    Browsers& pages_;
    std::array<QWidget*, 4> strips_;
    QLabel* dragBulb_;
    SlotCounts counts_;
    bool mouseDown_ = false;
    bool dragging_ = false;
    bool suppressClick_ = false;
    QPointF downAt_;
    QPoint grab_;
    int contextItem_ = 0;
};
