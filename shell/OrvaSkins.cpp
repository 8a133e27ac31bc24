#include "shell/OrvaSkins.h"

#include "platform/device/DeviceFiles.h"
#include "platform/device/DevicePath.h"
#include "shell/KeyValueLines.h"
#include "shell/ShellSettings.h"
#include "shell/SkinFolder.h"

QImage COrvaSkins::LoadBitmapW(const char16_t* name, int /*flags*/)
{
    const QString imageName = name ? QString::fromUtf16(name) : QString();
    const QString skin = SkinFolder::Current();
    QImage image = SkinFolder::LoadImage(skin, imageName);
    // A skin that lacks an image borrows it, so that no screen stays black.
    if (image.isNull() && skin != SkinFolder::DefaultSkin())
        image = SkinFolder::LoadImage(SkinFolder::DefaultSkin(), imageName);
    return image;
}

const SKIN_INFO* COrvaSkins::GetSkinInfo()
{
    static SKIN_INFO info;
    info = SKIN_INFO{};
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
