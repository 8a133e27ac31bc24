#include "shell/tests/ShellEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QtCore/qtestsupport_core.h>

#include <unistd.h>

void ShellEnvironment::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_root = m_dir.path() + QStringLiteral("/root");
    const QString runtime = m_dir.path() + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("ORVA_ROOT", m_root.toUtf8());
    qputenv("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (m_dir.path() + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
}

void ShellEnvironment::TearDown()
{
    for (const char* name : { "ORVA_ROOT", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR", "ORVA_ASSETS_DIR" })
        qunsetenv(name);
}

void ShellEnvironment::WriteHostFile(const QString& hostPath, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(hostPath).absolutePath());
    QFile file(hostPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void ShellEnvironment::ProcessEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void ShellEnvironment::WithoutStandardInput(const std::function<void()>& action)
{
    const int input = ::dup(STDIN_FILENO);
    ::close(STDIN_FILENO);
    action();
    ::dup2(input, STDIN_FILENO);
    ::close(input);
}

void BareShellEnvironment::SetUp()
{
    ShellEnvironment::SetUp();
    qputenv("ORVA_ASSETS_DIR", (m_dir.path() + QStringLiteral("/assets")).toUtf8());
}

bool WaitUntil(const std::function<bool()>& done)
{
    return QTest::qWaitFor(done, 60000);
}
