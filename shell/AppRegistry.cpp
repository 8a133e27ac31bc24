#include "shell/AppRegistry.h"

#include "platform/ShellMessage.h"
#include "shell/ProgramLock.h"
#include "shell/RegistryFolder.h"
#include "shell/ShellMessageClient.h"
#include "shell/ShellMessageServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace {

constexpr int kReplyTimeoutMs = 2000;
// A program that holds its lock but does not listen yet is starting up.
constexpr int kStartUpWaitMs = 3000;
constexpr int kRetryPauseMs = 20;

} // namespace

struct AppRegistry::Program {
    ProgramLock lock;
    // Owned by the application object, so that it goes before Qt does.
    QPointer<ShellMessageServer> server;
    QPointer<QWidget> window;
};

AppRegistry::AppRegistry() = default;
AppRegistry::~AppRegistry() = default;

AppRegistry& AppRegistry::Instance()
{
    static AppRegistry registry;
    return registry;
}

AppRegistry::Program& AppRegistry::Entry(int appId)
{
    auto& program = m_programs[appId];
    if (!program)
        program = std::make_unique<Program>();
    return *program;
}

bool AppRegistry::IsRunningElsewhere(int appId)
{
    Program& program = Entry(appId);
    if (program.lock.IsHeld())
        return false;
    const QString folder = RegistryFolder();
    if (folder.isEmpty())
        return false;
    return !program.lock.TryAcquire(RegistryLockPath(folder, appId));
}

bool AppRegistry::IsRunningAnywhere(int appId)
{
    const QString folder = RegistryFolder();
    return !folder.isEmpty() && ProgramLock::IsHeldAt(RegistryLockPath(folder, appId));
}

int AppRegistry::Send(int appId, unsigned long code)
{
    Program& program = Entry(appId);
    if (program.lock.IsHeld()) {
        if (!program.server) {
            PostShellMessage(program.window, code);
            return program.window ? 1 : 0;
        }
        program.server->Deliver(code);
        return 1;
    }
    const QString folder = RegistryFolder();
    if (folder.isEmpty())
        return 0;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int result = SendShellCode(RegistrySocketPath(folder, appId), code, kReplyTimeoutMs);
        if (result >= 0)
            return result;
        if (!ProgramLock::IsHeldAt(RegistryLockPath(folder, appId)) || waited.elapsed() > kStartUpWaitMs)
            return 0;
        QThread::msleep(kRetryPauseMs);
    }
}

void AppRegistry::SetRunning(int appId, bool running)
{
    Program& program = Entry(appId);
    const QString folder = RegistryFolder();
    if (!running || folder.isEmpty()) {
        delete program.server;
        if (program.lock.IsHeld() && !folder.isEmpty())
            QFile::remove(RegistrySocketPath(folder, appId));
        program.lock.Release();
        return;
    }
    if (!program.lock.TryAcquire(RegistryLockPath(folder, appId)) || program.server)
        return;
    program.server = new ShellMessageServer(QCoreApplication::instance());
    program.server->SetWindow(program.window);
    if (!program.server->Listen(RegistrySocketPath(folder, appId)))
        delete program.server;
}

QWidget* AppRegistry::ShownWindow() const
{
    for (const auto& [appId, program] : m_programs) {
        if (program->window && program->window->isVisible())
            return program->window;
    }
    return nullptr;
}

void AppRegistry::SetWindow(int appId, QWidget* window)
{
    Program& program = Entry(appId);
    program.window = window;
    if (program.server)
        program.server->SetWindow(window);
}
