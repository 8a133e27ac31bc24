#pragma once

#include <QString>
#include <QStringList>

// The skins under "\Orva\Skins": the built-in ones and any a user adds there.
class SkinFolder {
public:
    // The skin used when none is chosen, or the chosen one does not exist.
    static QString DefaultSkin();
    // The names of the skins there are.
    static QStringList Available();
    // The current skin: the "skin" setting when such a skin exists, read anew.
    static QString Current();
    // The device path of a file of the current skin.
    static QString DevicePathOf(const QString& fileName);
    // The device path of a file of the named skin.
    static QString DevicePathIn(const QString& skin, const QString& fileName);
};
