#include "fuzz/FuzzEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

QString PrepareFuzzEnvironment()
{
    static QTemporaryDir folder;
    qputenv("ORVA_ROOT", QFile::encodeName(folder.filePath(QStringLiteral("root"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath(QStringLiteral("config"))));
    QDir().mkpath(folder.filePath(QStringLiteral("root/Docs")));
    return folder.filePath(QStringLiteral("root/Docs/input.note"));
}

void WriteFuzzInput(const QString& path, const unsigned char* data, std::size_t size)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
}
