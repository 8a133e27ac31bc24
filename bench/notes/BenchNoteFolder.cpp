#include "bench/notes/BenchNoteFolder.h"

#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/DateCaption.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <random>
#include <unistd.h>

void WriteBenchNotes(const QString& hostFolder, int count)
{
    QDir().mkpath(hostFolder);
    std::mt19937 random(1);
    const QDateTime start(QDate(2020, 1, 1), QTime(0, 0));
    const QString words = QStringLiteral("Went to the market early, bought apples and bread, met an old friend "
                                         "by the river and talked about the summer. ")
                              .repeated(2);
    for (int i = 0; i < count; ++i) {
        const QDateTime when = start.addSecs(qint64(random() % (6u * 365 * 24 * 3600)));
        QByteArray bytes;
        AppendArchivedString(bytes, FormatDateCaption(when, ORVA_LANG_ENGLISH));
        AppendArchivedString(bytes, words + QString::number(i));
        QFile file(hostFolder + QStringLiteral("/note-%1.note").arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    }
}

bool DropFileCache()
{
    ::sync();
    QFile control(QStringLiteral("/proc/sys/vm/drop_caches"));
    return control.open(QIODevice::WriteOnly) && control.write("3\n") == 2 && control.flush();
}

ProcessMemory ReadProcessMemory()
{
    ProcessMemory memory;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return memory;
    for (const QByteArray& line : status.readAll().split('\n')) {
        const double mb = line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toDouble() / 1024;
        if (line.startsWith("VmRSS:"))
            memory.residentMb = mb;
        else if (line.startsWith("VmHWM:"))
            memory.peakMb = mb;
    }
    return memory;
}

void UseOwnFolders(const QString& root)
{
    const QString runtime = root + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("ORVA_ROOT", QFile::encodeName(root + QStringLiteral("/root")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
}
