#pragma once

#include <QByteArray>
#include <QString>

// Reading a file the user put somewhere, which may be anything: a named pipe that would never answer,
// a device, a file far too large. Only a regular file is read, never more than the limit, and nothing
// here waits on another program.
namespace RegularFile {

struct Read {
    QByteArray Bytes;
    QString Problem; // why nothing was read, "" when it was
    bool ok() const { return Problem.isEmpty(); }
};

Read ReadAll(const QString& path, qint64 maxBytes);

} // namespace RegularFile
