// Start-up loading of a notes folder: 1,000, 10,000 and 100,000 note files of
// about 500 bytes each, made in a temporary folder. Prints the time that
// CNoteList::LoadFolder takes, its ratio to merely reading the same files,
// and the memory the loaded notes hold.
#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/NoteList.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <random>

namespace {

constexpr int kRepeats = 3;

// Bytes of the heap in use.
std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

// Titles as the notebook makes them, in a random order of dates.
void MakeNotes(const QString& hostFolder, int count)
{
    QDir().mkpath(hostFolder);
    std::mt19937 random(1);
    const QDateTime start(QDate(2020, 1, 1), QTime(0, 0));
    const QString text = QString(200, QChar(u'x')) + QStringLiteral(" 记事本");
    for (int i = 0; i < count; ++i) {
        const QDateTime when = start.addSecs(qint64(random() % (6u * 365 * 24 * 3600)));
        const QString title = when.toString(QStringLiteral("MMMM d, yyyy hh:mm ddd "));
        QByteArray bytes;
        AppendArchivedString(bytes, title);
        AppendArchivedString(bytes, text + QString::number(i));
        QFile file(hostFolder + QStringLiteral("/note-%1.note").arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    }
}

qint64 ReadAllFiles(const QString& hostFolder)
{
    qint64 total = 0;
    QDirIterator entries(hostFolder, QDir::Files | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        QFile file(entries.next());
        if (file.open(QIODevice::ReadOnly))
            total += file.readAll().size();
    }
    return total;
}

template<typename Work>
double BestMilliseconds(Work work)
{
    double best = 1e300;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

void Measure(const QString& root, int count)
{
    const QString folder = QStringLiteral("\\Notes%1").arg(count);
    const QString hostFolder = root + QStringLiteral("/Notes%1").arg(count);
    MakeNotes(hostFolder, count);
    qint64 bytes = 0;
    const double readMs = BestMilliseconds([&] { bytes = ReadAllFiles(hostFolder); });
    int loaded = 0;
    const double loadMs = BestMilliseconds([&] {
        CNoteList notes;
        loaded = notes.LoadFolder(folder);
    });
    const std::size_t before = HeapInUse();
    CNoteList notes;
    notes.LoadFolder(folder);
    const double heapBytes = double(HeapInUse() - before);
    std::printf("%7d notes  %6.1f MB  read %8.1f ms  load %8.1f ms  ratio %4.2f  %6.2f us/note  memory %6.1f MB"
                " (%4.0f bytes/note)%s\n",
                count, double(bytes) / 1e6, readMs, loadMs, loadMs / readMs, loadMs * 1000 / count,
                heapBytes / 1e6, heapBytes / count,
                loaded == count ? "" : "  LOAD MISMATCH");
    QDir(hostFolder).removeRecursively();
}

} // namespace

int main()
{
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    qputenv("ORVA_ROOT", QFile::encodeName(root.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));
    std::printf("Loading a notes folder (best of %d; memory is the heap the loaded notes hold)\n",
                kRepeats);
    for (int count : { 1000, 10000, 100000 })
        Measure(root.path(), count);
    return 0;
}
