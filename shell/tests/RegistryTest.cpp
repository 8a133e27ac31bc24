#include "platform/Cursor.h"
#include "platform/ShellMessage.h"
#include "shell/AppRegistry.h"
#include "shell/OrvaCore.h"
#include "shell/RegistryFolder.h"
#include "shell/tests/ShellEnvironment.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QWidget>
#include <functional>
#include <memory>
#include <tuple>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class RecordingWindow : public QWidget {
public:
    std::vector<unsigned long> codes;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != ShellMessageEvent::EventType())
            return QWidget::event(event);
        codes.push_back(static_cast<ShellMessageEvent*>(event)->WParam());
        return true;
    }
};

class RegistryTest : public ShellEnvironment {
protected:
    std::unique_ptr<QProcess> StartProbe(int appId)
    {
        auto probe = std::make_unique<QProcess>();
        probe->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        probe->start(QStringLiteral(ORVA_PROBE_PROGRAM), {QString::number(appId)});
        return probe;
    }
    static bool WaitForLine(QProcess& probe, const QByteArray& line)
    {
        QByteArray seen;
        return WaitUntil([&] {
            seen += probe.readAllStandardOutput();
            return seen.split('\n').contains(line) || probe.state() == QProcess::NotRunning;
        }) && seen.split('\n').contains(line);
    }
    static bool WaitForExit(QProcess& probe)
    {
        return WaitUntil([&] { return probe.state() == QProcess::NotRunning; });
    }
    static mode_t ModeOf(const QString& path)
    {
        struct stat info {};
        EXPECT_EQ(lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
        return info.st_mode & 07777;
    }
};

TEST_F(RegistryTest, ASecondStartForwardsToTheFirstsWindow)
{
    ASSERT_EQ(COrvaCore::IsAppRunning(42), 0);
    COrvaCore::SetAppStatus(42, 1);
    RecordingWindow window;
    COrvaCore::SetAppMainWnd(42, &window);
    EXPECT_EQ(COrvaCore::IsAppRunning(42), 0) << "the program itself";

    auto probe = StartProbe(42);
    ASSERT_TRUE(WaitForExit(*probe));
    EXPECT_EQ(probe->exitCode(), 3);
    EXPECT_EQ(probe->readAllStandardOutput(), "forwarded 1\n");
    WaitUntil([&] { return !window.codes.empty(); });
    EXPECT_EQ(window.codes, std::vector<unsigned long>{1});
    COrvaCore::SetAppStatus(42, 0);
}

TEST_F(RegistryTest, MessagesReachAProgramInItsOwnProcessAndItsIdIsFreeAfterwards)
{
    auto probe = StartProbe(43);
    ASSERT_TRUE(WaitForLine(*probe, "running"));
    EXPECT_TRUE(AppRegistry::IsRunningAnywhere(43));
    EXPECT_EQ(COrvaCore::IsAppRunning(43), 1);
    EXPECT_EQ(COrvaCore::SendAppMsg(43, 0, 4), 1);
    EXPECT_EQ(COrvaCore::SendAppMsg(43, 0, 0x12345678), 1);
    EXPECT_EQ(COrvaCore::SendAppMsg(43, 0, 2), 1);
    ASSERT_TRUE(WaitForExit(*probe));
    EXPECT_EQ(probe->exitCode(), 0);
    EXPECT_EQ(probe->readAllStandardOutput(), QByteArray("4\n305419896\n2\n"));
    EXPECT_FALSE(AppRegistry::IsRunningAnywhere(43));
    EXPECT_EQ(COrvaCore::SendAppMsg(43, 0, 1), 0) << "nobody to receive it";
}

// As the skin and the language do, the "touch" setting shows at once: the
// pointer a program hid stays hidden only on a touch screen.
TEST_F(RegistryTest, AppearanceCodesApplyTheTouchSettingAtOnce)
{
    RecordingWindow window;
    ASSERT_EQ(COrvaCore::IsAppRunning(44), 0);
    COrvaCore::SetAppStatus(44, 1);
    COrvaCore::SetAppMainWnd(44, &window);
    ShowCursor(false);
    for (const auto& [settings, code, shown] : {std::tuple{"touch=1\n", 3ul, false}, std::tuple{"touch=0\n", 4ul, true},
             std::tuple{"touch=1\n", 4ul, false}, std::tuple{"touch=0\n", 1ul, false}}) {
        WriteSettings(settings);
        EXPECT_EQ(COrvaCore::SendAppMsg(44, 0, code), 1);
        EXPECT_EQ(IsCursorShown(), shown) << settings << code;
    }
    ShowCursor(true);
    SetCursorHidingEnabled(false);
    COrvaCore::SetAppStatus(44, 0);
}

TEST_F(RegistryTest, AKilledProgramLeavesNothingStale)
{
    auto crashed = StartProbe(44);
    ASSERT_TRUE(WaitForLine(*crashed, "running"));
    crashed->kill();
    ASSERT_TRUE(WaitForExit(*crashed));
    EXPECT_FALSE(AppRegistry::IsRunningAnywhere(44));
    EXPECT_EQ(COrvaCore::SendAppMsg(44, 0, 1), 0);

    auto next = StartProbe(44);
    ASSERT_TRUE(WaitForLine(*next, "running"));
    EXPECT_EQ(COrvaCore::SendAppMsg(44, 0, 2), 1);
    ASSERT_TRUE(WaitForExit(*next));
    EXPECT_EQ(next->exitCode(), 0);
}

TEST_F(RegistryTest, TwentySimultaneousStartsLeaveExactlyOneProgram)
{
    std::vector<std::unique_ptr<QProcess>> probes;
    for (int i = 0; i < 20; ++i)
        probes.push_back(StartProbe(45));
    std::vector<QByteArray> outputs(probes.size());
    ASSERT_TRUE(WaitUntil([&] {
        int finished = 0;
        for (size_t i = 0; i < probes.size(); ++i) {
            outputs[i] += probes[i]->readAllStandardOutput();
            finished += probes[i]->state() == QProcess::NotRunning ? 1 : 0;
        }
        return finished == 19;
    }));
    int running = 0;
    for (size_t i = 0; i < probes.size(); ++i) {
        outputs[i] += probes[i]->readAllStandardOutput();
        if (outputs[i].startsWith("running"))
            ++running;
        else
            EXPECT_TRUE(outputs[i].startsWith("forwarded")) << outputs[i].toStdString();
    }
    EXPECT_EQ(running, 1);
    EXPECT_EQ(COrvaCore::SendAppMsg(45, 0, 2), 1);
    for (auto& probe : probes)
        ASSERT_TRUE(WaitForExit(*probe));
}

TEST_F(RegistryTest, OnlyTheUserCanReachTheRegistry)
{
    const QString folder = RegistryFolder();
    ASSERT_FALSE(folder.isEmpty());
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0755), 0);
    ASSERT_EQ(COrvaCore::IsAppRunning(46), 0);
    COrvaCore::SetAppStatus(46, 1);
    EXPECT_EQ(ModeOf(folder), 0700u) << "a widened mode is narrowed again";
    EXPECT_EQ(ModeOf(RegistrySocketPath(folder, 46)) & 077, 0u);
    EXPECT_EQ(ModeOf(RegistryLockPath(folder, 46)) & 077, 0u);
    COrvaCore::SetAppStatus(46, 0);
    EXPECT_FALSE(QFile::exists(RegistrySocketPath(folder, 46)));
}

TEST_F(RegistryTest, CodesThatComeBeforeTheWindowWaitForIt)
{
    COrvaCore::SetAppStatus(48, 1);
    EXPECT_EQ(COrvaCore::SendAppMsg(48, 0, 1), 1);
    QLocalSocket socket;
    socket.connectToServer(RegistrySocketPath(RegistryFolder(), 48));
    ASSERT_TRUE(socket.waitForConnected(5000));
    socket.write("28\n");
    socket.flush();
    QByteArray reply;
    ASSERT_TRUE(WaitUntil([&] {
        socket.waitForReadyRead(1);
        reply += socket.readAll();
        return reply.contains('\n');
    }));
    EXPECT_EQ(reply, "1\n");
    RecordingWindow window;
    COrvaCore::SetAppMainWnd(48, &window);
    WaitUntil([&] { return window.codes.size() >= 2; });
    EXPECT_EQ(window.codes, (std::vector<unsigned long>{1, 28}));
    COrvaCore::SetAppStatus(48, 0);
}

TEST_F(RegistryTest, IgnoresWhatIsNotACommandCode)
{
    COrvaCore::SetAppStatus(47, 1);
    RecordingWindow window;
    COrvaCore::SetAppMainWnd(47, &window);
    for (const QByteArray& junk : {QByteArray("hello\n"), QByteArray(100, 'x'), QByteArray("-\n")}) {
        QLocalSocket socket;
        socket.connectToServer(RegistrySocketPath(RegistryFolder(), 47));
        ASSERT_TRUE(socket.waitForConnected(5000));
        socket.write(junk);
        socket.flush();
        EXPECT_TRUE(WaitUntil([&] {
            socket.waitForReadyRead(1);
            return socket.state() == QLocalSocket::UnconnectedState;
        }));
    }
    EXPECT_EQ(COrvaCore::SendAppMsg(47, 0, 3), 1) << "from this process, straight to the window";
    WaitUntil([&] { return !window.codes.empty(); });
    EXPECT_EQ(window.codes, std::vector<unsigned long>{3});
    COrvaCore::SetAppStatus(47, 0);
}

} // namespace
