#include "notebook/storage/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a save writes, and where its hidden companions go.
struct Target {
    QByteArray path;
    QByteArray folder;
    QByteArray name;
};

Target TargetOf(const QString& path)
{
    QFileInfo info(path);
    // A symbolic link stays a link: the file it leads to is written.
    if (info.isSymLink()) {
        const QString canonical = info.canonicalFilePath();
        info = QFileInfo(canonical.isEmpty() ? info.symLinkTarget() : canonical);
    }
    return { QFile::encodeName(info.absoluteFilePath()), QFile::encodeName(info.absolutePath()),
        QFile::encodeName(info.fileName()) };
}

bool WriteAll(int fd, QByteArrayView bytes)
{
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

bool ReadAll(int fd, qint64 size, QByteArray& out)
{
    out.resize(qsizetype(size));
    qint64 done = 0;
    while (done < size) {
        const ssize_t read = ::pread(fd, out.data() + done, std::size_t(size - done), off_t(done));
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            return false;
        done += read;
    }
    return true;
}

// The bytes are not written until they are on the disk: a full disk may
// only show at fsync.
bool OverwriteFile(int fd, QByteArrayView bytes)
{
    return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0
        && ::fsync(fd) == 0;
}

void SyncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A new file beside the target; the leading full stop keeps a leftover from
// a crash out of the note search.
int CreateHiddenBeside(const Target& target, QByteArray& hidden)
{
    hidden = target.folder + "/." + target.name + ".XXXXXX";
    return ::mkostemp(hidden.data(), O_CLOEXEC);
}

bool PlaceWithoutReplacing(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the no-replace rename: a hard link refuses an
    // existing name just the same.
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}

// Runs a clean-up after a failure without losing the failure's errno.
template<typename CleanUp>
void KeepingErrno(CleanUp cleanUp)
{
    const int failure = errno;
    cleanUp();
    errno = failure;
}

// Writes the hidden file fd and puts it in the target's place. The stamp is
// taken once the file has its name: a rename or a link changes its
// status-change time.
std::optional<FileStamp> PlaceHiddenFile(
    int fd, const QByteArray& hidden, const Target& target, QByteArrayView bytes, mode_t mode, bool replace)
{
    struct stat written { };
    bool done = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (done)
        done = replace ? ::rename(hidden.constData(), target.path.constData()) == 0
                       : PlaceWithoutReplacing(hidden, target.path);
    if (!done) {
        KeepingErrno([&] {
            ::close(fd);
            ::unlink(hidden.constData());
        });
        return std::nullopt;
    }
    const bool stamped = ::fstat(fd, &written) == 0;
    ::close(fd);
    SyncFolder(target.folder);
    return stamped ? std::optional(StampOfStatus(written)) : std::nullopt;
}

bool KeepOwner(int fd, const struct stat& old)
{
    struct stat now { };
    if (::fstat(fd, &now) != 0)
        return false;
    return (now.st_uid == old.st_uid && now.st_gid == old.st_gid) || ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

// Every name of the file sees the new bytes. A whole copy of the old bytes is
// safe on disk before the file is touched, so that one of the two always
// holds the file; a failed rewrite puts the old bytes back, and when even
// that fails the copy stays.
std::optional<FileStamp> RewriteInPlace(const Target& target, QByteArrayView bytes, const FileStamp& expected)
{
    const int fd = ::open(target.path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat opened { };
    QByteArray old;
    QByteArray copy;
    int copyFd = -1;
    const bool expectedFile = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && StampOfStatus(opened) == expected;
    if (!expectedFile)
        errno = ESTALE;
    if (!expectedFile || !ReadAll(fd, opened.st_size, old) || (copyFd = CreateHiddenBeside(target, copy)) < 0) {
        KeepingErrno([&] { ::close(fd); });
        return std::nullopt;
    }
    bool safe = WriteAll(copyFd, old) && ::fsync(copyFd) == 0;
    safe = ::close(copyFd) == 0 && safe;
    if (!safe) {
        KeepingErrno([&] {
            ::unlink(copy.constData());
            ::close(fd);
        });
        return std::nullopt;
    }
    SyncFolder(target.folder);
    struct stat written { };
    const bool rewritten = OverwriteFile(fd, bytes) && ::fstat(fd, &written) == 0;
    KeepingErrno([&] {
        if (rewritten || OverwriteFile(fd, old))
            ::unlink(copy.constData());
        ::close(fd);
        SyncFolder(target.folder);
    });
    return rewritten ? std::optional(StampOfStatus(written)) : std::nullopt;
}

mode_t CurrentUmask()
{
    // Reading the umask through umask() would change it for a moment.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (line.startsWith("Umask:"))
                return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

bool MayWrite(const QByteArray& path)
{
    return ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0;
}

} // namespace

std::optional<FileStamp> WriteFileAtomically(const QString& path, QByteArrayView bytes,
    const std::optional<FileStamp>& expected, std::optional<mode_t> newFileMode)
{
    if (path.isEmpty()) {
        errno = ENAMETOOLONG;
        return std::nullopt;
    }
    const Target target = TargetOf(path);
    struct stat old { };
    const bool exists = ::stat(target.path.constData(), &old) == 0;
    if (exists != expected.has_value() || (exists && StampOfStatus(old) != *expected)) {
        errno = ESTALE;
        return std::nullopt;
    }
    QByteArray hidden;
    if (!exists) {
        const int fd = CreateHiddenBeside(target, hidden);
        // The umask is read (from /proc) only here: a replacement keeps the
        // mode of the file it replaces.
        return fd < 0 ? std::nullopt
                      : PlaceHiddenFile(fd, hidden, target, bytes, newFileMode ? *newFileMode : NewFileMode(), false);
    }
    if (!S_ISREG(old.st_mode)) {
        errno = EISDIR;
        return std::nullopt;
    }
    if (!MayWrite(target.path))
        return std::nullopt;
    if (old.st_nlink > 1)
        return RewriteInPlace(target, bytes, *expected);
    const int fd = CreateHiddenBeside(target, hidden);
    if (fd < 0)
        return std::nullopt;
    if (!KeepOwner(fd, old)) {
        ::close(fd);
        ::unlink(hidden.constData());
        return RewriteInPlace(target, bytes, *expected);
    }
    return PlaceHiddenFile(fd, hidden, target, bytes, mode_t(old.st_mode & 07777), true);
}

mode_t NewFileMode()
{
    return 0666 & ~CurrentUmask();
}

bool RemoveFileIfUnchanged(const QString& path, const FileStamp& expected)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty()) {
        errno = ENAMETOOLONG;
        return false;
    }
    const std::optional<FileStamp> now = StampOfFile(path);
    if (!now)
        return true;
    if (*now != expected)
        errno = ESTALE;
    if (*now != expected || !MayWrite(TargetOf(path).path) || ::unlink(name.constData()) != 0)
        return false;
    SyncFolder(QFile::encodeName(QFileInfo(path).absolutePath()));
    return true;
}
