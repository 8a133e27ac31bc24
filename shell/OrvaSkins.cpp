#include "shell/OrvaSkins.h"

#include "platform/device/DeviceFiles.h"
#include "platform/device/DevicePath.h"
#include "shell/KeyValueLines.h"
#include "shell/ShellSettings.h"
#include "shell/SkinFolder.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSkins, "orva.shell.skins")

QImage COrvaSkins::LoadBitmapW(const char16_t* name, int /*flags*/)
{
    const QString imageName = name ? QString::fromUtf16(name) : QString();
    const QString skin = SkinFolder::Current();
    QImage image = SkinFolder::LoadImage(skin, imageName);
    if (image.isNull() && skin != SkinFolder::DefaultSkin()) {
        // A skin that lacks an image, or holds one that cannot be read, shows
        // the default skin's rather than nothing: no screen is ever black.
        image = SkinFolder::LoadImage(SkinFolder::DefaultSkin(), imageName);
        qCInfo(lcSkins) << "skin" << skin << "has no readable image" << imageName
                        << (image.isNull() ? "and neither has the default skin" : "; the default skin's is shown");
    }
    return image;
}

const SKIN_INFO* COrvaSkins::GetSkinInfo()
{
    static SKIN_INFO info;
    info = SKIN_INFO {};
    const QString words = HostPathForReading(SkinFolder::DevicePathOf(QStringLiteral("Skin.ini")));
    for (const QString& line : ReadKeyValueLines(words)) {
        bool indexOk = false;
        bool valueOk = false;
        const int index = KeyOfLine(line).toInt(&indexOk, 10);
        const COLORREF word = ValueOfLine(line).toUInt(&valueOk, 0);
        if (indexOk && valueOk && index >= 0 && index < SKIN_INFO::kWordCount)
            info.color[index] = word;
    }
    return &info;
}

ORVA_LANG COrvaSkins::GetLanguage()
{
    return static_cast<ORVA_LANG>(ShellSettings::IntValue(QStringLiteral("language"), ORVA_LANG_ENGLISH));
}
