#include "notebook/storage/FileStamp.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileStamp StampOfStatus(const struct stat& status)
{
    return { quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
        qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
        qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec, quint32(status.st_mode) };
}

std::optional<FileStamp> StampOfFile(const QString& hostPath)
{
    struct stat status { };
    if (hostPath.isEmpty() || ::stat(QFile::encodeName(hostPath).constData(), &status) != 0)
        return std::nullopt;
    return StampOfStatus(status);
}

namespace {

// A descriptor of the regular file at hostPath, or -1 for anything else.
int OpenRegularDescriptor(const QString& hostPath, struct stat& status)
{
    if (hostPath.isEmpty())
        return -1;
    // O_NONBLOCK: a pipe that took the file's place must not hang the open.
    const int fd = ::open(QFile::encodeName(hostPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::optional<FileStamp> OpenRegularFile(QFile& file, const QString& hostPath)
{
    struct stat status { };
    const int fd = OpenRegularDescriptor(hostPath, status);
    if (fd < 0)
        return std::nullopt;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    return StampOfStatus(status);
}

std::optional<FileStamp> ReadRegularFileHead(const QString& hostPath, qint64 maxBytes, QByteArray& bytes)
{
    struct stat status { };
    const int fd = OpenRegularDescriptor(hostPath, status);
    if (fd < 0)
        return std::nullopt;
    bytes.resize(qsizetype(std::min<qint64>(maxBytes, status.st_size)));
    const ssize_t count = ::pread(fd, bytes.data(), std::size_t(bytes.size()), 0);
    ::close(fd);
    if (count < 0)
        return std::nullopt;
    bytes.truncate(count);
    return StampOfStatus(status);
}
