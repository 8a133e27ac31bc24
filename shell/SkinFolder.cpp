#include "shell/SkinFolder.h"

#include "platform/device/DeviceFiles.h"
#include "platform/device/DevicePath.h"
#include "shell/ShellSettings.h"

#include <QFileInfo>

namespace {

const QString kSkins = QStringLiteral("\\Orva\\Skins\\");

bool Exists(const QString& skin)
{
    return IsPlainFileName(skin) && QFileInfo(HostPathForReading(kSkins + skin)).isDir();
}

} // namespace

QString SkinFolder::DefaultSkin()
{
    return QStringLiteral("Classic");
}

QStringList SkinFolder::Available()
{
    QStringList skins;
    for (const QString& name : FindDeviceFiles(kSkins + u'*')) {
        if (Exists(name))
            skins.append(name);
    }
    return skins;
}

QString SkinFolder::Current()
{
    const QString chosen = ShellSettings::Value(QStringLiteral("skin")).value_or(QString());
    return Exists(chosen) ? chosen : DefaultSkin();
}

QString SkinFolder::DevicePathOf(const QString& fileName)
{
    return DevicePathIn(Current(), fileName);
}

QString SkinFolder::DevicePathIn(const QString& skin, const QString& fileName)
{
    return kSkins + skin + u'\\' + fileName;
}
