#pragma once

#include "music/Jukebox.h"

#include <QStringList>

// Everything the jukebox tells the character and the status bar, in order: "script:<name> <first
// argument>", "speak:<text>" and "status:<text>".
inline void ListenToJukebox(Music::Jukebox& box, QStringList& heard) {
    QObject::connect(&box, &Music::Jukebox::scriptRequested, &box,
                     [&heard](const QString& name, bool, const QVariantList& args) {
                         heard << "script:" + name +
                                      (args.isEmpty() ? QString() : " " + args.first().toString());
                     });
    QObject::connect(&box, &Music::Jukebox::speakRequested, &box,
                     [&heard](const QString& text) { heard << "speak:" + text; });
    QObject::connect(&box, &Music::Jukebox::statusText, &box,
                     [&heard](const QString& text) { heard << "status:" + text; });
}
