#include "shell/ProgramLock.h"

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct flock WholeFile(short type)
{
    struct flock lock { };
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return lock;
}

int OpenLockFile(const QString& lockPath, int flags)
{
    return open(QFile::encodeName(lockPath).constData(), flags | O_CLOEXEC | O_NOFOLLOW, 0600);
}

} // namespace

ProgramLock::~ProgramLock()
{
    Release();
}

bool ProgramLock::TryAcquire(const QString& lockPath)
{
    if (IsHeld())
        return true;
    // The file stays in place after use: removing it could let two starts
    // lock two different files of the same name.
    const int fd = OpenLockFile(lockPath, O_RDWR | O_CREAT);
    if (fd < 0)
        return false;
    struct flock lock = WholeFile(F_WRLCK);
    if (fcntl(fd, F_OFD_SETLK, &lock) != 0) {
        close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void ProgramLock::Release()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

bool ProgramLock::IsHeldAt(const QString& lockPath)
{
    const int fd = OpenLockFile(lockPath, O_RDONLY);
    if (fd < 0)
        return false;
    struct flock lock = WholeFile(F_WRLCK);
    const bool held = fcntl(fd, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    close(fd);
    return held;
}
