#include "shell/KeyboardLayout.h"

namespace {

const QStringList kEnglishRows { QStringLiteral("1234567890"), QStringLiteral("qwertyuiop"),
    QStringLiteral("asdfghjkl'"), QStringLiteral("zxcvbnm,.?") };

} // namespace

KeyboardLayout KeyboardLayout::English()
{
    return { kEnglishRows, QLocale(QLocale::English, QLocale::UnitedStates), QString() };
}

KeyboardLayout KeyboardLayout::Turkish()
{
    return {
        { QStringLiteral("1234567890"), QStringLiteral("qwertyuıopğü"), QStringLiteral("asdfghjklşi"),
            QStringLiteral("zxcvbnmöç.,") },
        QLocale(QLocale::Turkish, QLocale::Turkey),
        QString(),
    };
}

KeyboardLayout KeyboardLayout::Pinyin()
{
    return { kEnglishRows, QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("!:;") };
}

QString KeyboardLayout::ChineseMark(const QString& key)
{
    static const QString plain = QStringLiteral(",.?!:;");
    static const QString fullWidth = QStringLiteral("，。？！：；");
    const qsizetype at = key.size() == 1 ? plain.indexOf(key) : -1;
    return at < 0 ? key : fullWidth.mid(at, 1);
}
