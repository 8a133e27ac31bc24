#include "platform/device/DeviceFiles.h"

#include "platform/device/BuiltinAssets.h"
#include "platform/device/DevicePath.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace {

constexpr QDir::Filters kEveryEntry = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;

QStringList MatchingEntries(const QString& hostFolder, const QString& pattern)
{
    if (hostFolder.isEmpty())
        return {};
    const QDir folder(hostFolder);
    return folder.entryList({ pattern }, kEveryEntry);
}

// hostPath with every name below base that does not exist as written replaced
// by the entry of its folder that differs from it only in case, as the
// device's file system finds it; a name that exists as written wins. Empty
// when some name has no such entry.
QString WithCaseOfEntries(const QString& base, const QString& hostPath)
{
    if (QFileInfo::exists(hostPath))
        return hostPath;
    if (base.isEmpty() || !hostPath.startsWith(base + u'/'))
        return {};
    QString found = base;
    for (const QString& name : hostPath.mid(base.size() + 1).split(u'/')) {
        const QString exact = found + u'/' + name;
        if (QFileInfo::exists(exact)) {
            found = exact;
            continue;
        }
        const QStringList entries = QDir(found).entryList(kEveryEntry, QDir::Name);
        const auto entry = std::find_if(entries.begin(), entries.end(),
            [&name](const QString& candidate) { return candidate.compare(name, Qt::CaseInsensitive) == 0; });
        if (entry == entries.end())
            return {};
        found += u'/' + *entry;
    }
    return found;
}

// The user's file or folder under the device root, whatever the case of its
// names; empty when there is none.
QString ExistingUserPath(const QString& devicePath)
{
    return WithCaseOfEntries(HostPathFromDevicePath(QStringLiteral("\\")), HostPathFromDevicePath(devicePath));
}

// The built-in file or folder, whatever the case of its names; empty when
// there is none.
QString ExistingBuiltinPath(const QString& devicePath)
{
    return WithCaseOfEntries(BuiltinAssetsFolder(), BuiltinHostPath(devicePath));
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
    QStringList names = MatchingEntries(ExistingUserPath(folder), pattern);
    // A built-in file that the user's folder holds under any case is the
    // user's.
    for (const QString& builtin : MatchingEntries(ExistingBuiltinPath(folder), pattern)) {
        if (!names.contains(builtin, Qt::CaseInsensitive))
            names.append(builtin);
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

QString HostPathForReading(const QString& devicePath)
{
    const QString user = HostPathFromDevicePath(devicePath);
    if (user.isEmpty())
        return user;
    for (const QString& found : { ExistingUserPath(devicePath), ExistingBuiltinPath(devicePath) }) {
        if (!found.isEmpty())
            return found;
    }
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
