// Times eight simultaneous "orva-shell open-note" calls, as a file manager
// makes them for eight selected files, against a running notebook: from
// their start to the last of the eight pages shown, and to the last sender's
// answer. Runs offscreen, in a folder of its own, five rounds.
#include "bench/notes/BenchNoteFolder.h"
#include "notebook/window/NoteBookDlg.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/OrvaCore.h"
#include "shell/ShellSettings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kSenders = 8;
constexpr int kRounds = 5;

QStringList WriteFiles(const QTemporaryDir& dir, int round)
{
    QStringList files;
    for (int i = 0; i < kSenders; ++i) {
        QFile file(dir.filePath(QStringLiteral("round%1-file%2.txt").arg(round).arg(i)));
        if (file.open(QIODevice::WriteOnly))
            file.write("A text file handed over.\n");
        files << file.fileName();
    }
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    UseOwnFolders(dir.path());
    QApplication application(argc, argv);
    ShellSettings::SetValue(QStringLiteral("note_path"), QStringLiteral("\\Notes"));
    if (COrvaCore::IsAppRunning(kNoteBookAppId))
        return 1;
    COrvaCore::SetAppStatus(kNoteBookAppId, 1);
    CNoteBookDlg dlg;
    Drive(dlg).Create();

    std::vector<double> shown;
    std::vector<double> answered;
    for (int round = 0; round < kRounds; ++round) {
        const QStringList files = WriteFiles(dir, round);
        const int pagesBefore = dlg.GetNotes().GetCount();
        std::vector<std::unique_ptr<QProcess>> senders;
        QElapsedTimer timer;
        timer.start();
        for (const QString& file : files) {
            senders.push_back(std::make_unique<QProcess>());
            senders.back()->start(QStringLiteral(ORVA_SHELL_PROGRAM), { QStringLiteral("open-note"), file });
        }
        double lastShown = -1;
        const auto running = [&] {
            return std::any_of(senders.begin(), senders.end(),
                [](const auto& sender) { return sender->state() != QProcess::NotRunning; });
        };
        while ((running() || lastShown < 0) && timer.elapsed() < 60000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            if (lastShown < 0 && dlg.GetNotes().GetCount() == pagesBefore + kSenders
                && dlg.GetPage() == dlg.GetNotes().GetCount() - 1)
                lastShown = timer.nsecsElapsed() / 1e6;
        }
        shown.push_back(lastShown);
        answered.push_back(timer.nsecsElapsed() / 1e6);
        for (const auto& sender : senders) {
            if (sender->exitCode() != 0)
                std::printf("a sender failed: %s\n", sender->readAllStandardError().constData());
        }
    }
    std::sort(shown.begin(), shown.end());
    std::sort(answered.begin(), answered.end());
    std::printf("%d simultaneous open-note calls to the last page shown: median %.1f ms, slowest %.1f ms (%d rounds)\n",
        kSenders, shown[shown.size() / 2], shown.back(), kRounds);
    std::printf("%d simultaneous open-note calls to the last answer: median %.1f ms, slowest %.1f ms\n", kSenders,
        answered[answered.size() / 2], answered.back());
    dlg.DestroyWindow();
    COrvaCore::SetAppStatus(kNoteBookAppId, 0);
    return 0;
}
