#pragma once

#include <QPoint>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

// A window's client pixels on the screen.
using ClientToScreenMap = std::function<QPoint(QPoint)>;

// The character as the scripts see it: requests that queue and play one after another, and the few
// facts a performance is built from. Nothing here waits for the character.
class ScriptStage {
public:
    virtual ~ScriptStage() = default;

    virtual void Stop() = 0; // drops everything queued
    virtual void Show() = 0;
    virtual void Play(const QString& animation) = 0;
    virtual void Speak(const QString& text) = 0;            // the balloon stays until the figure idles
    virtual void SpeakAndAutoHide(const QString& text) = 0; // the balloon goes a few seconds after
    virtual void MoveTo(int x, int y) = 0;                  // screen pixels of the figure's corner
    virtual void MoveToGestureAt(double x, double y, double w, double h) = 0; // main window pixels
    virtual void RandomizePosition(int chancePercent) = 0;
    // Walks to the place nearest that point (screen pixels) that hides none of the program.
    virtual void MoveToFreePlace(int x, int y) = 0;
    // Walks on from wherever the requests so far leave the figure to the nearest such place, unless
    // it stands on one already.
    virtual void ReturnToFreePlace() = 0;
    // Walks beside the rectangle, in the client pixels of a window (the main window when the
    // mapping is empty), and points at it; PointReturn takes the rest pose again.
    virtual void PointAt(const QRectF& rect, const ClientToScreenMap& window = {}) = 0;
    virtual void PointReturn() = 0;

    virtual bool Visible() const = 0;
    virtual QString CharName() const = 0;
    virtual QSize CharSize() const = 0;
    virtual QSize ScreenSize() const = 0;
};
