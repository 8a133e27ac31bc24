#include "notebook/window/NoteBookApp.h"
#include "notebook/window/tests/NoteBookFixture.h"
#include "shell/AppRegistry.h"
#include "shell/FileSystem.h"
#include "shell/OrvaCore.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>

namespace {

class NoteBookAppTest : public NoteBookTest {
protected:
    // Runs the program in this process; whileRunning gets its dialog once the
    // modal run has started.
    void Run(std::function<void(CNoteBookDlg&)> whileRunning)
    {
        QTimer::singleShot(0, [this, whileRunning] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* dlg = qobject_cast<CNoteBookDlg*>(window); dlg && dlg->IsWindow()) {
                    m_active = dlg;
                    // The caret goes to the end of the text first, as it
                    // does before a person can type.
                    Drive(*dlg).FireTimer(102);
                    whileRunning(*dlg);
                    return;
                }
            }
            ADD_FAILURE() << "the notebook has no window";
        });
        CNoteBookApp app;
        EXPECT_FALSE(app.InitInstance());
        m_active = nullptr;
    }
};

class NoteBookSignalTest : public NoteBookAppTest, public testing::WithParamInterface<int> { };

TEST_P(NoteBookSignalTest, ClosesAndSavesUnsavedTextThenPutsThePreviousHandlerBack)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one"));
    const auto previous = std::signal(GetParam(), SIG_IGN);
    // Started without standard input, as a launcher may start it: the signal
    // pipe can then be descriptor 0.
    WithoutStandardInput([this] {
        Run([this](CNoteBookDlg&) {
            Type(QStringLiteral(" unsaved"));
            ::raise(GetParam());
        });
    });
    EXPECT_EQ(SavedText(QStringLiteral("a.note")), QStringLiteral("one unsaved"));
    EXPECT_FALSE(AppRegistry::IsRunningAnywhere(16));
    EXPECT_EQ(std::signal(GetParam(), previous), SIG_IGN);
}

INSTANTIATE_TEST_SUITE_P(EachSignal, NoteBookSignalTest, testing::Values(SIGTERM, SIGINT, SIGHUP));

// A second start exits at once and brings the first forward unchanged; then
// the shell's open-note shows a file in it, and the shell's quit closes it even
// through a window with a loop of its own, such as the shell's help.
TEST_F(NoteBookAppTest, SecondStartAndTheShellReachTheRunningNotebook)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one"));
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B"), QStringLiteral("two"));
    const QString path = WriteOutsideFile(QStringLiteral("recipe.txt"), QByteArray("flour, water, salt"));
    QProcess second, shell;
    int page = -1;
    QStringList texts;
    ZPlace place = ZPlace::Unchanged;
    Run([&](CNoteBookDlg& dlg) {
        EXPECT_TRUE(AppRegistry::IsRunningAnywhere(16));
        Drive(dlg).SendCommand(1001);
        Type(QStringLiteral("typed "));
        dlg.SendToBottom();
        QObject::connect(&second, &QProcess::finished, &dlg, [&] {
            // The code 1 the second start sent is on its way through the queue.
            QTimer::singleShot(200, &dlg, [&] {
                page = dlg.GetPage();
                texts << dlg.GetEdit().toPlainText();
                place = Drive(dlg).GetZPlace();
                shell.start(QStringLiteral(ORVA_SHELL_PROGRAM), { QStringLiteral("open-note"), path });
            });
        });
        QObject::connect(&shell, &QProcess::finished, &dlg, [&] {
            texts << dlg.GetNotes().GetAt(dlg.GetPage())->m_strTitle << dlg.GetEdit().toPlainText();
            QTimer::singleShot(0, [] { COrvaCore::SendAppMsg(16, 0, 2); });
            CFileSystem::ShowHelpDlg(QImage(), u"Help", u"Tap to close.", RGB(255, 255, 255));
        });
        second.start(QStringLiteral(NOTEBOOK_EXECUTABLE), {});
    });
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(shell.exitCode(), 0);
    EXPECT_EQ(page, 0);
    EXPECT_EQ(place, ZPlace::Top);
    EXPECT_EQ(texts, (QStringList { "typed one", "recipe.txt", "flour, water, salt" }));
}

// Eight "Open with NoteBook" at once each become a page, and each sender
// learns the truth: a file the notebook cannot take is no success.
TEST_F(NoteBookAppTest, SimultaneousHandOffsEachBecomeAPageAndAnswerTruly)
{
    QStringList files;
    for (int i = 1; i <= 8; ++i)
        files << WriteOutsideFile(QStringLiteral("%1.txt").arg(i), QByteArray::number(i));
    files << WriteOutsideFile(QStringLiteral("huge.txt"), {});
    ASSERT_TRUE(QFile::resize(files.last(), CNote::kLargestPlainFile + 1));
    std::vector<std::unique_ptr<QProcess>> senders;
    QStringList titles;
    Run([&](CNoteBookDlg& dlg) {
        for (const QString& file : files) {
            senders.push_back(std::make_unique<QProcess>());
            senders.back()->start(QStringLiteral(ORVA_SHELL_PROGRAM), { QStringLiteral("open-note"), file });
        }
        EXPECT_TRUE(WaitUntil([&] {
            return std::all_of(senders.begin(), senders.end(),
                [](const auto& sender) { return sender->state() == QProcess::NotRunning; });
        }));
        for (int page = 1; page < dlg.GetNotes().GetCount(); ++page)
            titles << dlg.GetNotes().GetAt(page)->m_strTitle;
        dlg.EndDialog(IDOK);
    });
    titles.sort();
    EXPECT_EQ(titles, (QStringList { "1.txt", "2.txt", "3.txt", "4.txt", "5.txt", "6.txt", "7.txt", "8.txt" }));
    for (std::size_t i = 0; i < senders.size(); ++i)
        EXPECT_EQ(senders[i]->exitCode(), i < 8 ? 0 : 1) << senders[i]->readAllStandardError().toStdString();
}

} // namespace
