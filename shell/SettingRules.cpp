#include "shell/SettingRules.h"

#include "platform/device/DevicePath.h"
#include "shell/AnsiCodePage.h"
#include "shell/AppRegistry.h"
#include "shell/NoteFolderRule.h"
#include "shell/OrvaCore.h"
#include "shell/ShellPrograms.h"
#include "shell/ShellSettings.h"
#include "shell/SkinFolder.h"

#include <QList>
#include <QLoggingCategory>

// Refusals are the caller's to report; the log shows them on request.
Q_LOGGING_CATEGORY(lcSettings, "orva.shell.settings", QtInfoMsg)

namespace {

QString OneOf(const QString& value, const QStringList& allowed)
{
    return allowed.contains(value) ? QString() : QStringLiteral("must be one of ") + allowed.join(QStringLiteral(", "));
}

QString CheckLanguage(const QString& value)
{
    const QString problem = OneOf(value, { QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("6") });
    return problem.isEmpty() ? problem : problem + QStringLiteral(" (English, Chinese, Turkish)");
}

QString CheckSkin(const QString& value)
{
    const QStringList missing = SkinFolder::MissingImages(value);
    if (!missing.isEmpty() && SkinFolder::Exists(value))
        return QStringLiteral("%1 lacks the images %2 that the programs need")
            .arg(value, missing.join(QStringLiteral(", ")));
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
    return ok && codePage > 0 && AnsiCodePage::IsKnown(codePage)
        ? QString()
        : QStringLiteral("must be a code page such as 65001, 936, 1252 or 1254");
}

QString CheckTouch(const QString& value)
{
    return OneOf(value, { QStringLiteral("0"), QStringLiteral("1") });
}

void NotifyRunningPrograms(ShellCode code)
{
    for (const ShellProgram& program : ShellPrograms::Known()) {
        if (AppRegistry::IsRunningAnywhere(program.appId))
            COrvaCore::SendAppMsg(program.appId, 0, ShellWParam(code));
    }
}

} // namespace

std::optional<SettingRule> SettingRules::Find(const QString& key)
{
    const QList<SettingRule> rules = {
        { QStringLiteral("language"), QStringLiteral("0"), CheckLanguage },
        { QStringLiteral("skin"), SkinFolder::DefaultSkin(), CheckSkin },
        { QStringLiteral("note_path"), QStringLiteral("\\NAND Flash\\Note"), CheckNotePath },
        { QStringLiteral("codepage"), QString::number(AnsiCodePage::kUtf8), CheckCodePage },
        { QStringLiteral("touch"), QStringLiteral("0"), CheckTouch },
    };
    for (const SettingRule& rule : rules) {
        if (rule.key.compare(key, Qt::CaseInsensitive) == 0)
            return rule;
    }
    return std::nullopt;
}

QString SettingRules::Value(const SettingRule& rule)
{
    return ShellSettings::Value(rule.key).value_or(rule.defaultValue);
}

SettingChange SettingRules::Change(const QString& key, const QString& value)
{
    const std::optional<SettingRule> rule = Find(key);
    if (!rule)
        return { SettingChangeResult::UnknownKey, QStringLiteral("no such setting: %1").arg(key) };
    const QString problem = rule->check(value);
    if (!problem.isEmpty()) {
        qCDebug(lcSettings) << "refused" << rule->key << value << problem;
        return { SettingChangeResult::Refused, QStringLiteral("%1: %2").arg(rule->key, problem) };
    }
    if (!ShellSettings::SetValue(rule->key, value)) {
        qCWarning(lcSettings) << "cannot write" << ShellSettings::FilePath();
        return { SettingChangeResult::NotWritten, QStringLiteral("cannot write %1").arg(ShellSettings::FilePath()) };
    }
    // The programs show or hide the pointer as they reload their skin.
    if (rule->key == u"skin" || rule->key == u"touch")
        NotifyRunningPrograms(ShellCode::SkinChanged);
    else if (rule->key == u"language")
        NotifyRunningPrograms(ShellCode::LanguageChanged);
    return {};
}
