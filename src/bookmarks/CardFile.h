#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// One desktop card.
struct CardRecord {
    bool InUse = false;
    int Icon = 0; // 1..100
    QString Address;
    QString Name;
    int Left = 0; // top-left corner in window pixels
    int Top = 0;

    friend bool operator==(const CardRecord&, const CardRecord&) = default;
};

enum class CardLoadStatus {
    Ok,
    Missing, // no file yet: no cards, and nothing to tell
    Unreadable,
    BadHeader,
    Damaged, // cut short, or a count or length that the file cannot hold
};

struct CardLoad {
    QList<CardRecord> Cards; // all in use; on a failure, the cards read completely before it
    CardLoadStatus Status = CardLoadStatus::Ok;
};

inline constexpr char kCardHeader[] = "Varnholt Software Glisterwood 1.0\r\n";

CardLoad ParseCards(QByteArrayView bytes);
CardLoad LoadCardFile(const QString& path);

// The cards in use, in slot order. Empty when more are in use than the 16-bit count can hold.
// Icon and position are clamped to 16 bits.
QByteArray FormatCards(const QList<CardRecord>& cards);
// Replaces the file in one step, so a failed or interrupted save leaves the old file whole.
bool SaveCardFile(const QString& path, const QList<CardRecord>& cards);
