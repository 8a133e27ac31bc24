#include "shell/ShellSettings.h"

#include "shell/KeyValueLines.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

QString ShellSettings::FilePath()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(configHome))
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(configHome + QStringLiteral("/orva/shell.ini"));
}

std::optional<QString> ShellSettings::Value(const QString& key)
{
    std::optional<QString> value;
    for (const QString& line : ReadKeyValueLines(FilePath())) {
        if (!key.isEmpty() && KeyOfLine(line).compare(key, Qt::CaseInsensitive) == 0)
            value = ValueOfLine(line);
    }
    return value;
}

int ShellSettings::IntValue(const QString& key, int defaultValue)
{
    bool ok = false;
    const int value = Value(key).value_or(QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool ShellSettings::IsTouchScreen()
{
    return IntValue(QStringLiteral("touch"), 0) == 1;
}

bool ShellSettings::SetValue(const QString& key, const QString& value)
{
    if (key.isEmpty() || key != key.trimmed() || key.contains(u'=') || key.contains(u'\n') || value.contains(u'\n')
        || value.contains(u'\r'))
        return false;
    QStringList lines = ReadKeyValueLines(FilePath());
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    const QString newLine = key + u'=' + value;
    bool placed = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (KeyOfLine(lines[i]).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        if (placed) {
            lines.removeAt(i--);
        } else {
            lines[i] = newLine;
            placed = true;
        }
    }
    if (!placed)
        lines.append(newLine);

    const QString path = FilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((lines.join(u'\n') + u'\n').toUtf8());
    return file.commit();
}
