#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The skins under "\Orva\Skins": the built-in ones and any a user adds there.
class SkinFolder {
public:
    // The skin used when none is chosen, or the chosen one cannot be used;
    // it also lends a usable skin the images that skin lacks.
    static QString DefaultSkin();
    // The images without which a skin cannot be used: each program's screen.
    static const QStringList& ScreenImages();
    // Whether a folder of that name is there, usable or not.
    static bool Exists(const QString& skin);
    // The screen images the skin lacks; all of them when there is no such skin.
    static QStringList MissingImages(const QString& skin);
    // The names of the usable skins.
    static QStringList Available();
    // The current skin: the "skin" setting when such a skin is there, read anew.
    static QString Current();
    // The device path of a file of the current skin.
    static QString DevicePathOf(const QString& fileName);
    // The skin's image of that name (".bmp" or ".png"); null when it has none.
    static QImage LoadImage(const QString& skin, const QString& imageName);
};
