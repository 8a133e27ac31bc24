#include "SettingRules.h"

#include "platform/device/DevicePath.h"
#include "shell/AnsiCodePage.h"
#include "shell/NoteFolderRule.h"
#include "shell/OrvaCore.h"
#include "shell/SkinFolder.h"

#include <QList>

namespace {

QString OneOf(const QString& value, const QStringList& allowed)
{
    return allowed.contains(value) ? QString() : QStringLiteral("must be one of ") + allowed.join(QStringLiteral(", "));
}

QString CheckLanguage(const QString& value)
{
    const QString problem = OneOf(value, {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("6")});
    return problem.isEmpty() ? problem : problem + QStringLiteral(" (English, Chinese, Turkish)");
}

QString CheckSkin(const QString& value)
{
    return OneOf(value, SkinFolder::Available());
}

QString CheckNotePath(const QString& value)
{
    if (value.size() >= MAX_PATH || HostPathFromDevicePath(value).isEmpty())
        return QStringLiteral("must be a device path such as \\NAND Flash\\Note, shorter than 260 characters");
    if (value.size() > kLongestNoteFolder)
        return QStringLiteral("must leave room for note names: at most %1 characters").arg(kLongestNoteFolder);
    return {};
}

QString CheckCodePage(const QString& value)
{
    bool ok = false;
    const int codePage = value.toInt(&ok, 10);
    return ok && codePage > 0 && AnsiCodePage::IsKnown(codePage) ? QString()
                                                                 : QStringLiteral("must be a code page such as 65001, 936, 1252 or 1254");
}

QString CheckTouch(const QString& value)
{
    return OneOf(value, {QStringLiteral("0"), QStringLiteral("1")});
}

} // namespace

std::optional<SettingRule> SettingRules::Find(const QString& key)
{
    const QList<SettingRule> rules = {
        {QStringLiteral("language"), QStringLiteral("0"), CheckLanguage},
        {QStringLiteral("skin"), SkinFolder::DefaultSkin(), CheckSkin},
        {QStringLiteral("note_path"), QStringLiteral("\\NAND Flash\\Note"), CheckNotePath},
        {QStringLiteral("codepage"), QString::number(AnsiCodePage::kUtf8), CheckCodePage},
        {QStringLiteral("touch"), QStringLiteral("0"), CheckTouch},
    };
    for (const SettingRule& rule : rules) {
        if (rule.key.compare(key, Qt::CaseInsensitive) == 0)
            return rule;
    }
    return std::nullopt;
}
