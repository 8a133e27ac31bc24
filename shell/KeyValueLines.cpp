#include "shell/KeyValueLines.h"

#include <QFile>

namespace {

// More than any real settings file; a larger one is read only this far.
constexpr qint64 kMaxFileSize = 1 << 20;

} // namespace

QStringList ReadKeyValueLines(const QString& hostPath)
{
    QFile file(hostPath);
    if (hostPath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.read(kMaxFileSize));
    text.remove(u'\r');
    return text.split(u'\n');
}

QString KeyOfLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u'#') || trimmed.startsWith(u';') || trimmed.startsWith(u'['))
        return {};
    const qsizetype equals = trimmed.indexOf(u'=');
    return equals < 0 ? QString() : trimmed.left(equals).trimmed();
}

QString ValueOfLine(const QString& line)
{
    return line.mid(line.indexOf(u'=') + 1).trimmed();
}
