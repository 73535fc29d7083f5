#pragma once

#include <QString>
#include <QStringList>

class QMimeData;

// What a drop from another program carries, read the same way wherever it lands.
struct DroppedData {
    // Local files, in their order, when the first item dropped is one.
    QStringList files;
    // The first item's address when it is a web (not a local) address.
    QString address;
    // The plain text, when there is any.
    QString text;

    // Whether a drop site that takes text or addresses accepts it.
    static bool Acceptable(const QMimeData& data);
    static DroppedData Read(const QMimeData& data);

    // The address, else the text: what becomes a card or a song link.
    QString AddressOrText() const { return address.isEmpty() ? text : address; }
};
