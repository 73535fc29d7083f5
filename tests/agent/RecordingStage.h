#pragma once

#include "agent/scripts/ScriptStage.h"

#include <QStringList>

// A character that only writes down what a script asked of it.
class RecordingStage : public ScriptStage {
public:
    void Stop() override { log << QStringLiteral("stop"); }
    void Show() override { log << QStringLiteral("show"); }
    void Play(const QString& animation) override { log << QStringLiteral("play:") + animation; }
    void Speak(const QString& text) override { log << QStringLiteral("speak:") + text; }
    void SpeakAndAutoHide(const QString& text) override { log << QStringLiteral("speak+hide:") + text; }
    void MoveTo(int x, int y) override { log << QStringLiteral("move:%1,%2").arg(x).arg(y); }
    void MoveToGestureAt(double x, double y, double w, double h) override {
        log << QStringLiteral("gesture:%1,%2,%3,%4").arg(x).arg(y).arg(w).arg(h);
    }
    void RandomizePosition(int chance) override { log << QStringLiteral("random:%1").arg(chance); }
    void MoveToFreePlace(int x, int y) override { log << QStringLiteral("free:%1,%2").arg(x).arg(y); }
    void ReturnToFreePlace() override { log << QStringLiteral("return"); }
    void PointAt(const QRectF& r, const ClientToScreenMap& window) override {
        log << QStringLiteral("point:%1,%2,%3,%4%5")
                   .arg(r.x())
                   .arg(r.y())
                   .arg(r.width())
                   .arg(r.height())
                   .arg(window ? QStringLiteral(" in list") : QString());
    }
    void PointReturn() override { log << QStringLiteral("pointreturn"); }
    bool Visible() const override { return true; }
    QString CharName() const override { return QStringLiteral("Merlin"); }
    QSize CharSize() const override { return {100, 120}; }
    QSize ScreenSize() const override { return {1024, 768}; }

    QStringList Said() const { return log.filter(QStringLiteral("speak")); }
    QStringList log;
};
