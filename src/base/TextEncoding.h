#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Our files hold UTF-8. Files written by the old Windows program hold Windows-1252 instead, so each
// byte that does not belong to a valid UTF-8 sequence is read as Windows-1252; a file may even mix
// both when an old file was edited by hand.
QString DecodeText(QByteArrayView bytes);
// Every byte as Windows-1252; the five bytes that code page leaves unassigned become the C1 controls
// of the same number, as Windows itself maps them.
QString DecodeWindows1252(QByteArrayView bytes);
QByteArray EncodeText(QStringView text);
