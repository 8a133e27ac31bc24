// Times the notebook where the notes it stores could make it slow. Each case
// runs in a process of its own, so that its memory figures are its own:
// - the first painted page with 1,000, 10,000 and (with --large) 100,000
//   notes of forty words, with a warm file cache and, where this process may
//   drop the cache, a cold one; the memory after it; page turns through them;
// - page turns through notes of 100 kB;
// - a 46 MB handed-over text file shown for 30 seconds with nothing typed:
//   the CPU time the idle notebook uses and its memory;
// - with 10,000 notes: the 10-second tick and a save on a page without
//   edits, one save of a 1 MB note, and a key typed into a 1 MB note.
// Runs offscreen, in a folder of its own.
#include "bench/notes/BenchNoteFolder.h"
#include "notebook/storage/ArchivedString.h"
#include "notebook/window/NoteBookDlg.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/ShellSettings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kPageTurns = 200;
constexpr int kLargeNoteCount = 40;
constexpr qint64 kLargeNoteBytes = 100 * 1000;
constexpr qint64 kHandedOverBytes = 46 * 1000 * 1000;
constexpr int kIdleMs = 30 * 1000;

QDateTime Now()
{
    return QDateTime(QDate(2026, 12, 6), QTime(4, 15, 48));
}

QString HostFolder(const QString& folder)
{
    return qEnvironmentVariable("ORVA_ROOT") + u'/' + folder;
}

// Lines of 62 characters, bytes long at least.
QByteArray LinesOfText(qint64 bytes)
{
    const QByteArray line("The quick brown fox jumps over the lazy dog, again and again.\n");
    return line.repeated(int((bytes + line.size() - 1) / line.size()));
}

void WriteLargeNotes(const QString& hostFolder)
{
    QDir().mkpath(hostFolder);
    const QString text = QString::fromLatin1(LinesOfText(kLargeNoteBytes / 2));
    for (int i = 0; i < kLargeNoteCount; ++i) {
        QByteArray bytes;
        AppendArchivedString(bytes, QStringLiteral("Large note %1").arg(i, 2, 10, QChar(u'0')));
        AppendArchivedString(bytes, text);
        QFile file(hostFolder + QStringLiteral("/large-%1.note").arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    }
}

void HandOver(const QString& hostPath, const QByteArray& bytes)
{
    QFile text(hostPath);
    if (!text.open(QIODevice::WriteOnly) || text.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(hostPath));
    QByteArray handOff;
    AppendArchivedString(handOff, QStringLiteral("Z:") + QString(hostPath).replace(u'/', u'\\'));
    QDir().mkpath(HostFolder(QStringLiteral("Orva")));
    QFile file(HostFolder(QStringLiteral("Orva/Note.path")));
    if (!file.open(QIODevice::WriteOnly) || file.write(handOff) != handOff.size())
        std::fprintf(stderr, "cannot write the hand-off\n");
}

struct Spread {
    double median = 0;
    double slowest = 0;
};

// The times of work(i), each after an untimed prepare(i).
template<typename Prepare, typename Work>
Spread MillisecondsOf(int count, Prepare prepare, Work work)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        prepare(i);
        timer.start();
        work(i);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return { times[times.size() / 2], times.back() };
}

template<typename Work>
Spread MillisecondsOf(int count, Work work)
{
    return MillisecondsOf(
        count, [](int) {}, work);
}

// Prev from the last page back, each page painted.
Spread TurnPages(CNoteBookDlg& dlg, int count)
{
    return MillisecondsOf(std::min(count, dlg.GetNotes().GetCount() - 1), [&](int) {
        Drive(dlg).SendCommand(1001);
        Drive(dlg).Render();
    });
}

double CpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Wall and CPU time in ms: on a machine shared with other work, the CPU
// time is the notebook's own.
std::pair<double, double> StartMilliseconds(CNoteBookDlg& dlg)
{
    const double cpu = CpuSeconds();
    QElapsedTimer timer;
    timer.start();
    Drive(dlg).Create();
    Drive(dlg).Render();
    return { double(timer.nsecsElapsed()) / 1e6, (CpuSeconds() - cpu) * 1000 };
}

void RunFirstPage(const QString& label)
{
    CNoteBookDlg dlg(&Now);
    const auto [startMs, cpuMs] = StartMilliseconds(dlg);
    const ProcessMemory memory = ReadProcessMemory();
    std::printf("%6d notes, %s: first page %8.1f ms (CPU %7.1f ms), memory %6.1f MB (peak %6.1f MB)",
        dlg.GetNotes().GetCount(), qPrintable(label), startMs, cpuMs, memory.residentMb, memory.peakMb);
    if (label == u"warm") {
        const Spread turn = TurnPages(dlg, kPageTurns);
        std::printf(", page turn median %.2f ms, slowest %.2f ms", turn.median, turn.slowest);
    }
    std::printf("\n");
    dlg.DestroyWindow();
}

void RunLargePages()
{
    CNoteBookDlg dlg(&Now);
    Drive(dlg).Create();
    const Spread turn = TurnPages(dlg, kLargeNoteCount);
    std::printf("page turns through %d notes of %lld kB: median %.2f ms, slowest %.2f ms\n", kLargeNoteCount,
        kLargeNoteBytes / 1000, turn.median, turn.slowest);
    dlg.DestroyWindow();
}

void RunIdle()
{
    CNoteBookDlg dlg(&Now);
    const double startMs = StartMilliseconds(dlg).first;
    const double before = CpuSeconds();
    QTimer::singleShot(kIdleMs, qApp, &QCoreApplication::quit);
    QApplication::exec();
    const double cpuMs = (CpuSeconds() - before) * 1000;
    const ProcessMemory memory = ReadProcessMemory();
    std::printf("a %.0f MB handed-over file shown (%.1f ms to show): idle CPU %.1f ms over %d s, memory %.1f MB "
                "(peak %.1f MB)\n",
        double(kHandedOverBytes) / 1e6, startMs, cpuMs, kIdleMs / 1000, memory.residentMb, memory.peakMb);
    dlg.DestroyWindow();
}

// About 1 MB of UTF-16 text, in lines of 62 characters or in one paragraph.
QString MegabyteText(const QString& lineEnd)
{
    const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog, again and again.") + lineEnd;
    return line.repeated((1 << 20) / 2 / line.size());
}

void MeasureFileChecks()
{
    constexpr int kRounds = 1000;
    CNoteBookDlg dlg(&Now);
    Drive(dlg).Create();
    const int pages = dlg.GetNotes().GetCount();
    const Spread tick = MillisecondsOf(kRounds, [&](int) { Drive(dlg).FireTimer(101); });
    // The edit is made before the clock starts: only the save is timed.
    const Spread save = MillisecondsOf(
        kRounds / 10,
        [&](int i) {
            dlg.GetEdit().setPlainText(QStringLiteral("Edited %1 times.").arg(i));
            dlg.GetEdit().document()->setModified(true);
        },
        [&](int) { dlg.SaveCurrentNote(); });
    std::printf("tick on a page without edits, %d pages: median %.1f us\n", pages, tick.median * 1000);
    std::printf(
        "save of an edited page whose file is unchanged, %d pages: median %.1f us\n", pages, save.median * 1000);
    dlg.DestroyWindow();
}

void MeasureLargeNote(const char* shape, const QString& lineEnd, int keyCount)
{
    CNoteBookDlg dlg(&Now);
    Drive(dlg).Create();
    dlg.GetEdit().setPlainText(MegabyteText(lineEnd));
    dlg.GetEdit().document()->setModified(true);
    dlg.GetEdit().moveCursor(QTextCursor::End);
    Drive(dlg).Render();

    QElapsedTimer timer;
    timer.start();
    dlg.SaveCurrentNote();
    std::printf("save of a 1 MB note %s: %.1f ms\n", shape, double(timer.nsecsElapsed()) / 1e6);

    const Spread keys = MillisecondsOf(keyCount, [&](int) {
        Drive(dlg).PressQtKey(Qt::Key_unknown, QStringLiteral("x"));
        Drive(dlg).Render();
    });
    std::printf("a key typed into a 1 MB note %s: median %.2f ms, slowest %.2f ms (%d keys)\n", shape, keys.median,
        keys.slowest, keyCount);
    dlg.DestroyWindow();
}

void RunEdits()
{
    MeasureFileChecks();
    MeasureLargeNote("in lines", QStringLiteral("\n"), 200);
    // The editor lays a paragraph out anew at every key: the worst case.
    MeasureLargeNote("in one paragraph", QStringLiteral(" "), 20);
}

// One case in this process: "--case", its name, the bench's folder, the notes
// folder and, for the first page, "warm" or "cold".
int RunCase(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    UseOwnFolders(QString::fromLocal8Bit(argv[3]));
    QApplication application(argc, argv);
    QApplication::setCursorFlashTime(0);
    const QString name = QString::fromLocal8Bit(argv[2]);
    ShellSettings::SetValue(QStringLiteral("note_path"), u'\\' + QString::fromLocal8Bit(argv[4]));
    if (name == u"first-page")
        RunFirstPage(QString::fromLocal8Bit(argv[5]));
    else if (name == u"large-pages")
        RunLargePages();
    else if (name == u"idle")
        RunIdle();
    else if (name == u"edits")
        RunEdits();
    std::fflush(stdout);
    return 0;
}

void RunChild(const QString& root, const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
        QStringList { QStringLiteral("--case"), arguments.value(0), root } + arguments.mid(1));
    child.waitForFinished(-1);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 5 && qstrcmp(argv[1], "--case") == 0)
        return RunCase(argc, argv);
    QCoreApplication application(argc, argv);
    const bool large = application.arguments().contains(QStringLiteral("--large"));
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    UseOwnFolders(dir.path());
    for (int count : { 1000, 10000, 100000 }) {
        if (count > 10000 && !large)
            continue;
        const QString folder = QStringLiteral("Notes%1").arg(count);
        WriteBenchNotes(HostFolder(folder), count);
        RunChild(dir.path(), { QStringLiteral("first-page"), folder, QStringLiteral("warm") });
        if (DropFileCache())
            RunChild(dir.path(), { QStringLiteral("first-page"), folder, QStringLiteral("cold") });
        else
            std::printf("%6d notes, cold: the file cache may not be dropped here\n", count);
        std::fflush(stdout);
        if (count != 10000)
            QDir(HostFolder(folder)).removeRecursively();
    }
    RunChild(dir.path(), { QStringLiteral("edits"), QStringLiteral("Notes10000") });
    WriteLargeNotes(HostFolder(QStringLiteral("Large")));
    RunChild(dir.path(), { QStringLiteral("large-pages"), QStringLiteral("Large") });
    QDir().mkpath(HostFolder(QStringLiteral("Empty")));
    HandOver(dir.filePath(QStringLiteral("handed-over.txt")), LinesOfText(kHandedOverBytes));
    RunChild(dir.path(), { QStringLiteral("idle"), QStringLiteral("Empty") });
    return 0;
}
