// Start-up loading of a notes folder: 1,000, 10,000 and 100,000 note files
// of about forty words each, made in a temporary folder. Prints the time that
// CNoteList::LoadFolder takes with a warm file cache and, where this process
// may drop the cache, a cold one; its ratio to merely reading the same files;
// and the heap the loaded notes hold.
#include "bench/notes/BenchNoteFolder.h"
#include "notebook/storage/NoteList.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <vector>

namespace {

constexpr int kRepeats = 3;

// Bytes of the heap in use.
std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
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
double Milliseconds(Work work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

template<typename Work>
double BestMilliseconds(Work work)
{
    double best = 1e300;
    for (int repeat = 0; repeat < kRepeats; ++repeat)
        best = std::min(best, Milliseconds(work));
    return best;
}

void Measure(const QString& root, int count)
{
    const QString folder = QStringLiteral("\\Notes%1").arg(count);
    const QString hostFolder = root + QStringLiteral("/Notes%1").arg(count);
    WriteBenchNotes(hostFolder, count);
    qint64 bytes = 0;
    const double readMs = BestMilliseconds([&] { bytes = ReadAllFiles(hostFolder); });
    int loaded = 0;
    const double loadMs = BestMilliseconds([&] {
        CNoteList notes;
        loaded = notes.LoadFolder(folder);
    });
    QString cold = QStringLiteral("cold: not permitted");
    if (DropFileCache()) {
        const double coldMs = Milliseconds([&] {
            CNoteList notes;
            notes.LoadFolder(folder);
        });
        cold = QStringLiteral("cold %1 ms").arg(coldMs, 8, 'f', 1);
    }
    const std::size_t before = HeapInUse();
    CNoteList notes;
    notes.LoadFolder(folder);
    const double heapBytes = double(HeapInUse() - before);
    std::printf("%7d notes  %6.1f MB  read %8.1f ms  load %8.1f ms  ratio %4.2f  %6.2f us/note  %s"
                "  memory %6.1f MB (%4.0f bytes/note)%s\n",
        count, double(bytes) / 1e6, readMs, loadMs, loadMs / readMs, loadMs * 1000 / count, qPrintable(cold),
        heapBytes / 1e6, heapBytes / count, loaded == count ? "" : "  LOAD MISMATCH");
    QDir(hostFolder).removeRecursively();
}

} // namespace

// Counts of notes may be given on the command line; 1,000, 10,000 and
// 100,000 by default.
int main(int argc, char** argv)
{
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    qputenv("ORVA_ROOT", QFile::encodeName(root.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));
    std::printf("Loading a notes folder (warm: best of %d; memory is the heap the loaded notes hold)\n", kRepeats);
    std::vector<int> counts;
    for (int index = 1; index < argc; ++index)
        counts.push_back(std::atoi(argv[index]));
    if (counts.empty())
        counts = { 1000, 10000, 100000 };
    for (int count : counts)
        Measure(root.path(), count);
    return 0;
}
