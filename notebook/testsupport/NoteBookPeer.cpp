#include "notebook/testsupport/NoteBookPeer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

namespace {

constexpr int kAnswerWaitMs = 10000;

} // namespace

NoteBookPeer::~NoteBookPeer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.write("quit\n");
    if (!m_process.waitForFinished(kAnswerWaitMs)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool NoteBookPeer::Start(const QString& program, const QString& folder)
{
    const QDir root(folder);
    const QString runtime = root.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_strNotesFolder = root.filePath(QStringLiteral("root/Notes"));
    QDir().mkpath(m_strNotesFolder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORVA_ROOT"), root.filePath(QStringLiteral("root")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, {});
    return m_process.waitForStarted(kAnswerWaitMs) && ReadAnswer() == QStringList { QStringLiteral("ready") };
}

QStringList NoteBookPeer::Ask(const QString& command)
{
    m_process.write(command.toUtf8() + '\n');
    return ReadAnswer();
}

QStringList NoteBookPeer::ReadAnswer()
{
    QStringList lines;
    const QDeadlineTimer deadline(kAnswerWaitMs);
    while (!deadline.hasExpired()) {
        while (m_process.canReadLine()) {
            const QString line = QString::fromUtf8(m_process.readLine()).chopped(1);
            if (line == QStringLiteral("end"))
                return lines;
            lines << line;
        }
        if (!m_process.waitForReadyRead(int(deadline.remainingTime())))
            break;
    }
    return {};
}
