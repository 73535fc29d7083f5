#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Replacing a file whole or not at all. QSaveFile keeps writes in a buffer and, on this Qt, does not
// count a write that fails when commit() empties that buffer: a full disk or a file-size limit would
// put a cut-off file in the old one's place. These flush and check everything first; on any failure
// the new file is thrown away and the old one stays as it was.
namespace SaveFile {

// Writes the bytes to the file in its place; false when anything failed.
bool WriteWhole(const QString& path, const QByteArray& bytes);
// Ends a save whose bytes have been written: flushed, checked, synced to the disk, then put in place.
bool Commit(QSaveFile& file);

} // namespace SaveFile
