#pragma once

#include <QByteArray>
#include <QString>

// A phrase as a microphone would hear it: espeak-ng speaks it, sox brings it to 16 kHz mono 16-bit,
// with a little silence before and after. Empty when either is missing; problem says which.
QByteArray SpokenAudio(const QString& phrase, const QString& voice = QStringLiteral("en-us"), int rate = 160,
                       QString* problem = nullptr);
