#include "shell/SkinFolder.h"

#include "platform/device/DeviceFiles.h"
#include "platform/device/DevicePath.h"
#include "shell/ShellSettings.h"

#include <QFileInfo>

namespace {

const QString kSkins = QStringLiteral("\\Orva\\Skins\\");

bool IsUsable(const QString& skin)
{
    return SkinFolder::MissingImages(skin).isEmpty();
}

} // namespace

QString SkinFolder::DefaultSkin()
{
    return QStringLiteral("Classic");
}

const QStringList& SkinFolder::ScreenImages()
{
    static const QStringList images = { QStringLiteral("GAME"), QStringLiteral("NOTEBOOK") };
    return images;
}

bool SkinFolder::Exists(const QString& skin)
{
    return IsPlainFileName(skin) && QFileInfo(HostPathForReading(kSkins + skin)).isDir();
}

QStringList SkinFolder::MissingImages(const QString& skin)
{
    if (!Exists(skin))
        return ScreenImages();
    QStringList missing;
    for (const QString& image : ScreenImages()) {
        if (LoadImage(skin, image).isNull())
            missing.append(image);
    }
    return missing;
}

QStringList SkinFolder::Available()
{
    QStringList skins;
    for (const QString& name : FindDeviceFiles(kSkins + u'*')) {
        if (IsUsable(name))
            skins.append(name);
    }
    return skins;
}

QString SkinFolder::Current()
{
    const QString chosen = ShellSettings::Value(QStringLiteral("skin")).value_or(QString());
    // Only a folder test: this runs at every paint. The images an unusable
    // skin lacks come from the default skin one by one.
    return Exists(chosen) ? chosen : DefaultSkin();
}

QString SkinFolder::DevicePathOf(const QString& fileName)
{
    return kSkins + Current() + u'\\' + fileName;
}

QImage SkinFolder::LoadImage(const QString& skin, const QString& imageName)
{
    if (!IsPlainFileName(skin) || !IsPlainFileName(imageName))
        return {};
    for (const char* extension : { ".bmp", ".png" }) {
        QImage image = LoadDeviceBitmap(kSkins + skin + u'\\' + imageName + QLatin1StringView(extension));
        if (!image.isNull())
            return image;
    }
    return {};
}
