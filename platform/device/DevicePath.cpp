#include "platform/device/DevicePath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

constexpr qsizetype kMaxPath = 260;

// The components of a path below its root, with "." dropped and ".."
// applied; false when ".." would climb above the root.
bool NormalisedComponents(const QStringList& parts, QStringList& out)
{
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QStringLiteral("."))
            continue;
        if (part == QStringLiteral("..")) {
            if (out.isEmpty())
                return false;
            out.removeLast();
            continue;
        }
        out.append(part);
    }
    return true;
}

QString JoinedUnder(const QString& root, const QStringList& components)
{
    if (components.isEmpty())
        return root;
    return (root == QStringLiteral("/") ? QString() : root) + u'/' + components.join(u'/');
}

QString RootFromEnvironment()
{
    const QString root = qEnvironmentVariable("ORVA_ROOT");
    // An absolute root needs no working folder (a system call at every mapping).
    if (QDir::isAbsolutePath(root))
        return QDir::cleanPath(root);
    if (!root.isEmpty())
        return QDir::cleanPath(QDir::current().absoluteFilePath(root));
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(dataHome + QStringLiteral("/orva"));
}

} // namespace

QString DeviceRoot()
{
    const QString root = RootFromEnvironment();
    // One stat where the root is there, as it nearly always is: every path
    // mapping comes here.
    if (!QFileInfo::exists(root))
        QDir().mkpath(root);
    return root;
}

QString HostPathFromDevicePath(const QString& devicePath)
{
    if (devicePath.size() >= kMaxPath || devicePath.contains(QChar(0)))
        return {};
    QString rest;
    QString root;
    if (devicePath.size() >= 2 && devicePath[1] == u':' && devicePath[0].toUpper() == u'Z') {
        rest = devicePath.mid(2);
        root = QStringLiteral("/");
    } else {
        rest = devicePath;
        root = DeviceRoot();
    }
    if (rest.isEmpty() || (rest[0] != u'\\' && rest[0] != u'/'))
        return {};
    QStringList components;
    if (!NormalisedComponents(rest.replace(u'/', u'\\').split(u'\\'), components))
        return {};
    return JoinedUnder(root, components);
}

QString DevicePathFromHostPath(const QString& hostPath)
{
    if (!QDir::isAbsolutePath(hostPath) || hostPath.contains(u'\\') || hostPath.contains(QChar(0)))
        return {};
    const QString path = QDir::cleanPath(hostPath);
    const QString root = RootFromEnvironment();
    QString device;
    if (path == root)
        device = QStringLiteral("\\");
    else if (path.startsWith(root + u'/'))
        device = path.mid(root.size());
    else
        device = QStringLiteral("Z:") + path;
    device.replace(u'/', u'\\');
    if (device.size() >= kMaxPath)
        return {};
    return device;
}

bool IsPlainFileName(const QString& name)
{
    static const QString kForbidden = QStringLiteral("\\/:*?") + QChar(0);
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) { return kForbidden.contains(c); });
}
