// Times the notebook where a large notebook could make it slow: start-up to
// the first painted page with 10,000 notes in the folder, the 10-second tick
// on a page without edits (which checks the page's file), a save whose check
// finds the file unchanged, one save of a 1 MB note, and a key typed into a
// 1 MB note (the key, the repaint of the ruled editor and of the window).
// Runs offscreen, in a folder of its own.
#include "notebook/storage/DateCaption.h"
#include "notebook/storage/Note.h"
#include "notebook/window/NoteBookDlg.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/ShellSettings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kNoteCount = 10000;

QDateTime Now()
{
    return QDateTime(QDate(2026, 12, 6), QTime(4, 15, 48));
}

void UseOwnFolders(const QTemporaryDir& dir)
{
    const QString runtime = dir.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("ORVA_ROOT", dir.filePath(QStringLiteral("root")).toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
}

void WriteNotes(int count)
{
    QDir().mkpath(QDir(qEnvironmentVariable("ORVA_ROOT")).filePath(QStringLiteral("Notes")));
    for (int i = 0; i < count; ++i) {
        CNote note;
        note.m_strTitle = FormatDateCaption(Now().addSecs(-60LL * (i * 7919 % count)), ORVA_LANG_ENGLISH);
        note.m_strText = QStringLiteral("Note %1: a few lines of text,\r\nas a diary page holds them.").arg(i);
        note.m_strPath = QStringLiteral("\\Notes\\note-%1.note").arg(i);
        note.Save();
    }
}

// About 1 MB of UTF-16 text, in lines of 62 characters or in one paragraph.
QString MegabyteText(const QString& lineEnd)
{
    const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog, again and again.") + lineEnd;
    return line.repeated((1 << 20) / 2 / line.size());
}

void MeasureStartUp()
{
    QElapsedTimer timer;
    timer.start();
    CNoteBookDlg dlg(&Now);
    Drive(dlg).Create();
    Drive(dlg).Render();
    std::printf("start-up to the first painted page, %d pages: %.1f ms\n", dlg.GetNotes().GetCount(),
                timer.nsecsElapsed() / 1e6);
    dlg.DestroyWindow();
}

template<typename Work>
double MedianMicroseconds(int count, Work work)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        timer.start();
        work(i);
        times.push_back(timer.nsecsElapsed() / 1e3);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void MeasureFileChecks()
{
    constexpr int kRounds = 1000;
    CNoteBookDlg dlg(&Now);
    Drive(dlg).Create();
    const int pages = dlg.GetNotes().GetCount();
    const double tick = MedianMicroseconds(kRounds, [&](int) { Drive(dlg).FireTimer(101); });
    const double check = MedianMicroseconds(kRounds, [&](int) { dlg.GetNotes().GetAt(dlg.GetPage())->IsFileChanged(); });
    const double save = MedianMicroseconds(kRounds / 10, [&](int i) {
        dlg.GetEdit().setPlainText(QStringLiteral("Edited %1 times.").arg(i));
        dlg.SaveCurrentNote();
    });
    std::printf("tick on a page without edits, %d pages: median %.1f us (the check of its file %.1f us)\n", pages,
                tick, check);
    std::printf("save of an edited page whose file is unchanged, %d pages: median %.1f us\n", pages, save);
    dlg.DestroyWindow();
}

void MeasureLargeNote(const char* shape, const QString& lineEnd, int keyCount)
{
    CNoteBookDlg dlg(&Now);
    Drive(dlg).Create();
    dlg.GetEdit().setPlainText(MegabyteText(lineEnd));
    dlg.GetEdit().moveCursor(QTextCursor::End);
    Drive(dlg).Render();

    QElapsedTimer timer;
    timer.start();
    dlg.SaveCurrentNote();
    std::printf("save of a 1 MB note %s: %.1f ms\n", shape, timer.nsecsElapsed() / 1e6);

    std::vector<double> keys;
    for (int i = 0; i < keyCount; ++i) {
        timer.restart();
        Drive(dlg).PressQtKey(Qt::Key_unknown, QStringLiteral("x"));
        Drive(dlg).Render();
        keys.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(keys.begin(), keys.end());
    std::printf("a key typed into a 1 MB note %s: median %.2f ms, slowest %.2f ms (%d keys)\n", shape,
                keys[keys.size() / 2], keys.back(), keyCount);
    dlg.DestroyWindow();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    UseOwnFolders(dir);
    QApplication application(argc, argv);
    QApplication::setCursorFlashTime(0);
    ShellSettings::SetValue(QStringLiteral("note_path"), QStringLiteral("\\Notes"));

    WriteNotes(kNoteCount);
    MeasureStartUp();
    MeasureFileChecks();
    MeasureLargeNote("in lines", QStringLiteral("\n"), 200);
    // The editor lays a paragraph out anew at every key: the worst case.
    MeasureLargeNote("in one paragraph", QStringLiteral(" "), 20);
    return 0;
}
