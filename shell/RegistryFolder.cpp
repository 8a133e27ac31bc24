#include "shell/RegistryFolder.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsPrivateFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info { };
    if (lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return false;
    return (info.st_mode & 0777) == 0700 || chmod(native.constData(), 0700) == 0;
}

} // namespace

QString RegistryFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && QDir(runtime).exists()) {
        const QString folder = QDir::cleanPath(runtime + QStringLiteral("/orva"));
        if (IsPrivateFolder(folder))
            return folder;
    }
    const QString fallback = QStringLiteral("/tmp/orva-%1").arg(getuid());
    return IsPrivateFolder(fallback) ? fallback : QString();
}

QString RegistryLockPath(const QString& folder, int appId)
{
    return folder + QStringLiteral("/%1.lock").arg(appId);
}

QString RegistrySocketPath(const QString& folder, int appId)
{
    return folder + QStringLiteral("/%1.sock").arg(appId);
}
