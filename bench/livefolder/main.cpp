// Times the live notes folder.
//   bench_livefolder idle [SECONDS]  a notebook on 10,000 notes in a watched
//       folder: the first page, then the CPU time it takes while nobody
//       touches it (60 seconds unless told; the 10-second ticks run).
//   bench_livefolder sync [NOTES]    two notebooks on two devices kept in step
//       by Syncthing (in a loopback-only network namespace): the time from a
//       save on one to the page shown on the other, median over NOTES notes (5).
#include "notebook/storage/Note.h"
#include "notebook/testsupport/LoopbackNamespace.h"
#include "notebook/testsupport/NoteBookPeer.h"
#include "notebook/testsupport/SyncthingPair.h"
#include "notebook/window/NoteBookDlg.h"
#include "notebook/window/NoteBookResource.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/ShellSettings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kNoteCount = 10000;
constexpr int kPageWaitMs = 60000;

double CpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int MeasureIdle(const QTemporaryDir& dir, int seconds)
{
    qputenv("ORVA_ROOT", dir.filePath(QStringLiteral("root")).toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8());
    ShellSettings::SetValue(QStringLiteral("note_path"), QStringLiteral("\\Notes"));
    QDir().mkpath(dir.filePath(QStringLiteral("root/Notes/2026")));
    for (int i = 0; i < kNoteCount; ++i) {
        CNote note;
        note.m_strTitle = QStringLiteral("Note %1").arg(i, 5, 10, QChar(u'0'));
        note.m_strText = QStringLiteral("A few lines of text,\r\nas a diary page holds them.");
        note.m_strPath = QStringLiteral("\\Notes\\2026\\note-%1.note").arg(i);
        note.Save();
    }
    QElapsedTimer timer;
    timer.start();
    CNoteBookDlg dlg;
    Drive(dlg).Create();
    Drive(dlg).Render();
    std::printf("first page with %d notes in a watched folder: %.1f ms\n", dlg.GetNotes().GetCount(),
        timer.nsecsElapsed() / 1e6);
    const double before = CpuSeconds();
    // An event loop of its own: QApplication::quit would close the notebook.
    QEventLoop idle;
    QTimer::singleShot(seconds * 1000, &idle, &QEventLoop::quit);
    idle.exec();
    std::printf(
        "CPU time over %d s idle with %d notes: %.3f s\n", seconds, dlg.GetNotes().GetCount(), CpuSeconds() - before);

    // What a change costs: the folder listed again and the one new file read.
    CNote arrived;
    arrived.m_strTitle = QStringLiteral("Note arrived");
    arrived.m_strText = QStringLiteral("From another device.");
    arrived.m_strPath = QStringLiteral("\\Notes\\2026\\arrived.note");
    arrived.Save();
    QCoreApplication::processEvents();
    timer.restart();
    Drive(dlg).FireTimer(IDT_FOLDER_CHANGED);
    std::printf("a note file that came to its page, %d notes: %.1f ms\n", dlg.GetNotes().GetCount(),
        timer.nsecsElapsed() / 1e6);
    dlg.DestroyWindow();
    return 0;
}

// The time from the save on desk to the page on board, in milliseconds; -1
// when it did not come.
double SaveToPage(NoteBookPeer& desk, NoteBookPeer& board, const QString& text)
{
    desk.Ask(QStringLiteral("next"));
    desk.Ask(QStringLiteral("type ") + text);
    QElapsedTimer timer;
    desk.Ask(QStringLiteral("tick"));
    timer.start();
    while (timer.elapsed() < kPageWaitMs) {
        for (const QString& page : board.Ask(QStringLiteral("pages"))) {
            if (page.section(u'\t', 1) == text)
                return timer.nsecsElapsed() / 1e6;
        }
        QThread::msleep(5);
    }
    return -1;
}

int MeasureSync(const QTemporaryDir& dir, int notes)
{
    if (!IsInLoopbackNamespace()) {
        if (const QString why = WhyNoLoopbackNamespace(); !why.isEmpty()) {
            std::printf("no loopback namespace: %s\n", qPrintable(why));
            return 1;
        }
        return RunInLoopbackNamespace(QApplication::arguments().mid(1), 600000);
    }
    if (const QString error = BringUpLoopback(); !error.isEmpty()) {
        std::printf("%s\n", qPrintable(error));
        return 1;
    }
    const QString peer = QStringLiteral(NOTEBOOK_PEER);
    NoteBookPeer desk;
    NoteBookPeer board;
    SyncthingPair syncthing;
    if (!desk.Start(peer, dir.filePath(QStringLiteral("desk")))
        || !board.Start(peer, dir.filePath(QStringLiteral("board"))))
        return 1;
    if (const QString error = syncthing.Start(dir.path(), { desk.NotesFolder(), board.NotesFolder() });
        !error.isEmpty()) {
        std::printf("%s\n", qPrintable(error));
        return 1;
    }
    std::printf("first note, while the devices connect: %.0f ms\n", SaveToPage(desk, board, QStringLiteral("first")));
    std::vector<double> times;
    for (int i = 0; i < notes; ++i)
        times.push_back(SaveToPage(desk, board, QStringLiteral("note %1").arg(i)));
    std::sort(times.begin(), times.end());
    std::printf(
        "save on one notebook to the page on the other, %d notes: median %.0f ms (fastest %.0f, slowest %.0f)\n", notes,
        times[times.size() / 2], times.front(), times.back());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QTemporaryDir dir;
    if (!dir.isValid() || arguments.size() < 2)
        return 2;
    const int count = arguments.size() > 2 ? arguments[2].toInt() : 0;
    if (arguments[1] == QStringLiteral("idle"))
        return MeasureIdle(dir, count > 0 ? count : 60);
    if (arguments[1] == QStringLiteral("sync"))
        return MeasureSync(dir, count > 0 ? count : 5);
    return 2;
}
