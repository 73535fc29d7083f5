#pragma once

#include <QString>

// The name a download is offered under, made from whatever the page or server suggested: no folder,
// no control characters (a line break would end up in the file's name), none of the characters that
// turn the text's direction around ("invoice<RLO>fdp.exe" shows as "invoiceexe.pdf"), and short
// enough for the file system (255 bytes) with its extension kept. Never empty.
// The most bytes a file name may have on the file systems of this desktop.
constexpr int kMaxFileNameBytes = 255;

QString SafeDownloadName(const QString& suggested, int maxBytes = kMaxFileNameBytes);

// A name short enough for a window's text: a long one keeps its start and its end.
QString ShortDisplayName(const QString& name);
