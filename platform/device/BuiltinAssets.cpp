#include "platform/device/BuiltinAssets.h"

#include "platform/device/DevicePath.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr QLatin1StringView kBuiltinFolders[]
    = { QLatin1StringView("Skins"), QLatin1StringView("Poem"), QLatin1StringView("Resources") };

QString InstalledBesideProgram()
{
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (program.isEmpty())
        return {};
    return QDir::cleanPath(QFileInfo(program).absolutePath() + QStringLiteral("/../share/orva"));
}

} // namespace

QString BuiltinAssetsFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("ORVA_ASSETS_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    // Where the program lies does not change while it runs.
    static const QString located = [] {
        for (const QString& folder : { InstalledBesideProgram(), QStringLiteral(ORVA_BUILD_ASSETS_DIR) }) {
            if (!folder.isEmpty() && QFileInfo(folder).isDir())
                return folder;
        }
        return QStringLiteral(ORVA_INSTALL_ASSETS_DIR);
    }();
    return located;
}

QString BuiltinHostPath(const QString& devicePath)
{
    const QString userPath = HostPathFromDevicePath(devicePath);
    if (userPath.isEmpty())
        return {};
    // Map through the normalised host path so that "..", "." and doubled
    // separators cannot reach outside the built-in folders.
    const QString homeOnHost = HostPathFromDevicePath(QStringLiteral("\\Orva"));
    if (homeOnHost.isEmpty() || !userPath.startsWith(homeOnHost + u'/', Qt::CaseInsensitive))
        return {};
    const QString below = userPath.mid(homeOnHost.size() + 1);
    const QString folder = below.section(u'/', 0, 0);
    // Device paths name folders in any case.
    for (QLatin1StringView builtin : kBuiltinFolders) {
        if (folder.compare(builtin, Qt::CaseInsensitive) == 0)
            return BuiltinAssetsFolder() + u'/' + builtin + below.mid(folder.size());
    }
    return {};
}
