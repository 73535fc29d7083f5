#pragma once

#include "music/fluid/FluidDevice.h"

#include <QElapsedTimer>
#include <QTest>

// Polls an alias the way the music timer does, until its song is over (or the patience runs out,
// which the caller's check then reports).
inline QString WaitUntilStopped(Mci::FluidDevice& device, const QString& alias, int patienceMs = 30000,
                                bool* sawPlaying = nullptr) {
    QElapsedTimer waited;
    waited.start();
    QString mode;
    while (waited.elapsed() < patienceMs) {
        mode = device.Send(QStringLiteral("status %1 mode").arg(alias));
        if (mode == QLatin1String("playing") && sawPlaying) *sawPlaying = true;
        if (mode != QLatin1String("playing")) break;
        QTest::qWait(200);
    }
    return mode;
}
