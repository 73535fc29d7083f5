#include "base/RegularFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {
namespace {
Read failed(const char* why) {
    return {{}, QString::fromLatin1(why)};
}
} // namespace

Read ReadAll(const QString& path, qint64 maxBytes) {
    // Opened without waiting: opening a named pipe for reading would otherwise wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return failed(errno == ENOENT ? "it does not exist" : "it cannot be read");
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return failed("it is not a regular file");
    }
    if (info.st_size > maxBytes) {
        ::close(fd);
        return failed("it is too large");
    }
    Read read;
    read.Bytes.resize(qsizetype(info.st_size));
    qint64 got = 0;
    while (got < info.st_size) {
        const ssize_t n = ::read(fd, read.Bytes.data() + got, size_t(info.st_size - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return failed("it cannot be read");
        }
        if (n == 0) break; // it shrank while being read
        got += n;
    }
    ::close(fd);
    read.Bytes.truncate(qsizetype(got));
    return read;
}

} // namespace RegularFile
