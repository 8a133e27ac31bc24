#include "platform/device/DeviceFiles.h"

#include "platform/device/BuiltinAssets.h"
#include "platform/device/DevicePath.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {

QStringList MatchingEntries(const QString& hostFolder, const QString& pattern)
{
    if (hostFolder.isEmpty())
        return {};
    const QDir folder(hostFolder);
    return folder.entryList({pattern}, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

QStringList FindDeviceFiles(const QString& devicePattern)
{
    const qsizetype split = devicePattern.lastIndexOf(u'\\');
    if (split < 0)
        return {};
    const QString folder = devicePattern.left(split + 1);
    const QString pattern = devicePattern.mid(split + 1);
    // Brackets would be a character class for QDir; on the device they are
    // plain characters.
    if (pattern.isEmpty() || pattern.contains(u'[') || pattern.contains(u']'))
        return {};
    QStringList names = MatchingEntries(HostPathFromDevicePath(folder), pattern);
    names += MatchingEntries(BuiltinHostPath(folder), pattern);
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    return names;
}

QString HostPathForReading(const QString& devicePath)
{
    const QString user = HostPathFromDevicePath(devicePath);
    if (user.isEmpty() || QFileInfo::exists(user))
        return user;
    const QString builtin = BuiltinHostPath(devicePath);
    if (!builtin.isEmpty() && QFileInfo::exists(builtin))
        return builtin;
    return user;
}

bool CreateDeviceDirectory(const QString& devicePath)
{
    const QString host = HostPathFromDevicePath(devicePath);
    return !host.isEmpty() && QDir().mkdir(host);
}

bool CreateDeviceDirectories(const QString& devicePath)
{
    const QString host = HostPathFromDevicePath(devicePath);
    return !host.isEmpty() && QDir().mkpath(host);
}

bool DeleteDeviceFile(const QString& devicePath)
{
    const QString host = HostPathFromDevicePath(devicePath);
    return !host.isEmpty() && !QFileInfo(host).isDir() && QFile::remove(host);
}

QImage LoadDeviceBitmap(const QString& devicePath)
{
    const QString host = HostPathForReading(devicePath);
    if (host.isEmpty() || !QFileInfo(host).isFile())
        return {};
    QImageReader reader(host);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}
