#include "platform/Cursor.h"
#include "platform/ShellMessage.h"
#include "shell/AppRegistry.h"
#include "shell/OrvaCore.h"
#include "shell/ProgramLock.h"
#include "shell/RegistryFolder.h"
#include "shell/ShellPrograms.h"
#include "shell/tests/ShellEnvironment.h"

#include <QLocalSocket>
#include <QProcess>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <sys/stat.h>
#include <tuple>
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
    static std::unique_ptr<QProcess> StartProbe(int appId)
    {
        auto probe = std::make_unique<QProcess>();
        probe->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        probe->start(QStringLiteral(ORVA_PROBE_PROGRAM), { QString::number(appId) });
        return probe;
    }
    static bool WaitForLine(QProcess& probe, const QByteArray& line)
    {
        QByteArray seen;
        WaitUntil([&] {
            seen += probe.readAllStandardOutput();
            return seen.split('\n').contains(line) || probe.state() == QProcess::NotRunning;
        });
        return seen.split('\n').contains(line);
    }
    static bool WaitForExit(QProcess& probe)
    {
        return WaitUntil([&] { return probe.state() == QProcess::NotRunning; });
    }
    // Writes bytes straight to a program's socket; its one-line answer, or
    // nothing when it hangs up.
    static QByteArray Deliver(int appId, const QByteArray& bytes)
    {
        QLocalSocket socket;
        socket.connectToServer(RegistrySocketPath(RegistryFolder(), appId));
        EXPECT_TRUE(socket.waitForConnected(5000));
        socket.write(bytes);
        socket.flush();
        QByteArray reply;
        const bool done = WaitUntil([&] {
            socket.waitForReadyRead(1);
            reply += socket.readAll();
            return reply.contains('\n') || socket.state() == QLocalSocket::UnconnectedState;
        });
        return done ? reply : QByteArray("<no answer>");
    }
    static mode_t ModeOf(const QString& path)
    {
        struct stat info { };
        EXPECT_EQ(lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
        return info.st_mode & 07777;
    }
};

TEST_F(RegistryTest, MessagesReachAnotherProcessAndItsIdIsFreeWhenItEndsOrIsKilled)
{
    EXPECT_FALSE(AppRegistry::IsRunningAnywhere(43)) << "it never ran";
    auto killed = StartProbe(43);
    ASSERT_TRUE(WaitForLine(*killed, "running"));
    killed->kill();
    ASSERT_TRUE(WaitForExit(*killed));
    EXPECT_FALSE(AppRegistry::IsRunningAnywhere(43));
    EXPECT_EQ(COrvaCore::SendAppMsg(43, 0, 1), 0) << "nobody to receive it";
    ProgramLock silent;
    ASSERT_TRUE(silent.TryAcquire(RegistryLockPath(RegistryFolder(), 43)));
    EXPECT_EQ(COrvaCore::SendAppMsg(43, 0, 1), 0) << "one that never listens is given up";
    silent.Release();

    auto probe = StartProbe(43);
    ASSERT_TRUE(WaitForLine(*probe, "running"));
    EXPECT_TRUE(AppRegistry::IsRunningAnywhere(43));
    EXPECT_EQ(COrvaCore::IsAppRunning(43), 1);
    EXPECT_TRUE(ShellPrograms::Show({ QStringLiteral("probe"), 43, {}, {} }));
    for (const unsigned long code : { 4ul, 0x12345678ul, 2ul })
        EXPECT_EQ(COrvaCore::SendAppMsg(43, 0, code), 1);
    ASSERT_TRUE(WaitForExit(*probe));
    EXPECT_EQ(probe->exitCode(), 0);
    EXPECT_EQ(probe->readAllStandardOutput(), QByteArray("1\n4\n305419896\n2\n"));
    EXPECT_FALSE(AppRegistry::IsRunningAnywhere(43));
}

// As the skin and the language do, the "touch" setting shows at once: the
// pointer a program hid stays hidden only on a touch screen.
TEST_F(RegistryTest, AppearanceCodesApplyTheTouchSettingAtOnce)
{
    RecordingWindow window;
    COrvaCore::SetAppStatus(44, 1);
    COrvaCore::SetAppMainWnd(44, &window);
    ShowCursor(false);
    for (const auto& [settings, code, shown] :
        { std::tuple { "touch=1\n", 3ul, false }, std::tuple { "touch=0\n", 4ul, true },
            std::tuple { "touch=1\n", 4ul, false }, std::tuple { "touch=0\n", 1ul, false } }) {
        WriteSettings(settings);
        EXPECT_EQ(COrvaCore::SendAppMsg(44, 0, code), 1);
        EXPECT_EQ(IsCursorShown(), shown) << settings << code;
    }
    ShowCursor(true);
    SetCursorHidingEnabled(false);
    COrvaCore::SetAppStatus(44, 0);
}

TEST_F(RegistryTest, TwentySimultaneousStartsLeaveExactlyOneProgram)
{
    std::vector<std::unique_ptr<QProcess>> probes;
    for (int i = 0; i < 20; ++i)
        probes.push_back(StartProbe(45));
    ASSERT_TRUE(WaitUntil([&] {
        return std::count_if(probes.begin(), probes.end(), [](auto& p) { return p->state() == QProcess::NotRunning; })
            == 19;
    }));
    int running = 0;
    for (auto& probe : probes) {
        if (probe->state() != QProcess::NotRunning)
            running += WaitForLine(*probe, "running") ? 1 : 100;
        else
            EXPECT_TRUE(probe->readAllStandardOutput().startsWith("forwarded "));
    }
    EXPECT_EQ(running, 1);
    EXPECT_EQ(COrvaCore::SendAppMsg(45, 0, 2), 1);
    for (auto& probe : probes)
        ASSERT_TRUE(WaitForExit(*probe));
}

TEST_F(RegistryTest, OnlyTheUserCanReachTheRegistry)
{
    const QString folder = RegistryFolder();
    ASSERT_EQ(folder, qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/orva"));
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0755), 0);
    COrvaCore::SetAppStatus(46, 1);
    EXPECT_EQ(ModeOf(folder), 0700u) << "a widened mode is narrowed again";
    EXPECT_EQ(ModeOf(RegistrySocketPath(folder, 46)) & 077, 0u);
    EXPECT_EQ(ModeOf(RegistryLockPath(folder, 46)) & 077, 0u);
    COrvaCore::SetAppStatus(46, 0);
    EXPECT_FALSE(QFile::exists(RegistrySocketPath(folder, 46)));
    // Without a usable runtime folder every program meets in the same fallback.
    for (const char* runtime : { ".", "/no/such/folder" }) {
        qputenv("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(RegistryFolder(), QStringLiteral("/tmp/orva-%1").arg(getuid())) << runtime;
    }
}

// A second start hands code 1 to the first and ends; codes wait for the first's window.
TEST_F(RegistryTest, ASecondStartForwardsAndCodesWaitForTheWindowWhileWhatIsNotACodeIsDropped)
{
    ASSERT_EQ(COrvaCore::IsAppRunning(47), 0);
    COrvaCore::SetAppStatus(47, 1);
    EXPECT_EQ(COrvaCore::IsAppRunning(47), 0) << "the program itself";
    auto probe = StartProbe(47);
    ASSERT_TRUE(WaitForExit(*probe));
    EXPECT_EQ(probe->exitCode(), 3);
    EXPECT_EQ(probe->readAllStandardOutput(), "forwarded 1\n");
    for (const QByteArray& bytes :
        { QByteArray("hello\n"), QByteArray(100, 'x'), QByteArray("-\n"), QByteArray("28\n") })
        EXPECT_EQ(Deliver(47, bytes), bytes == "28\n" ? "1\n" : "") << bytes.toStdString();
    RecordingWindow window;
    COrvaCore::SetAppMainWnd(47, &window);
    WaitUntil([&] { return window.codes.size() >= 2; });
    EXPECT_EQ(window.codes, (std::vector<unsigned long> { 1, 28 }));
    COrvaCore::SetAppStatus(47, 0);
}

} // namespace
