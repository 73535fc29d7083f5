#include "base/SaveFile.h"

#include <QSaveFile>
#include <unistd.h>

namespace SaveFile {

bool Commit(QSaveFile& file) {
    // flush() hands the buffer to the system and says when a write fails; fsync() reports what a
    // file system only finds out when the data reaches the disk.
    if (file.error() != QFileDevice::NoError || !file.flush() || file.error() != QFileDevice::NoError ||
        ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return Commit(file);
}

} // namespace SaveFile
