#include "notebook/storage/FileStamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileStamp StampOfStatus(const struct stat& status)
{
    return { quint64(status.st_dev),
             quint64(status.st_ino),
             qint64(status.st_size),
             qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
             qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec,
             quint32(status.st_mode) };
}

std::optional<FileStamp> StampOfFile(const QString& hostPath)
{
    struct stat status {};
    if (hostPath.isEmpty() || ::stat(QFile::encodeName(hostPath).constData(), &status) != 0)
        return std::nullopt;
    return StampOfStatus(status);
}

std::optional<FileStamp> OpenRegularFile(QFile& file, const QString& hostPath)
{
    if (hostPath.isEmpty())
        return std::nullopt;
    // O_NONBLOCK: a pipe that took the file's place must not hang the open.
    const int fd = ::open(QFile::encodeName(hostPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    return StampOfStatus(status);
}
