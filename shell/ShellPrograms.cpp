#include "shell/ShellPrograms.h"

#include "shell/AppRegistry.h"
#include "shell/OrvaCore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>

Q_LOGGING_CATEGORY(lcPrograms, "orva.shell.programs")

namespace {

enum ProgramIndex { kGo, kNotebook, kHome };

} // namespace

const QList<ShellProgram>& ShellPrograms::Known()
{
    static const QList<ShellProgram> programs = {
        { QStringLiteral("go"), kGoAppId, QStringLiteral("Go"), QStringLiteral("go/window") },
        { QStringLiteral("notebook"), kNoteBookAppId, QStringLiteral("NoteBook"), QStringLiteral("notebook/window") },
        { QStringLiteral("home"), kHomeAppId, QStringLiteral("orva-home"), QStringLiteral("home") },
    };
    return programs;
}

const ShellProgram& ShellPrograms::Go()
{
    return Known().at(kGo);
}

const ShellProgram& ShellPrograms::Notebook()
{
    return Known().at(kNotebook);
}

const ShellProgram& ShellPrograms::Home()
{
    return Known().at(kHome);
}

std::optional<int> ShellPrograms::AppIdOf(const QString& nameOrId)
{
    for (const ShellProgram& program : Known()) {
        if (program.name.compare(nameOrId, Qt::CaseInsensitive) == 0)
            return program.appId;
    }
    bool ok = false;
    const int appId = nameOrId.toInt(&ok, 10);
    if (ok && appId > 0)
        return appId;
    return std::nullopt;
}

QString ShellPrograms::NameOf(int appId)
{
    for (const ShellProgram& program : Known()) {
        if (program.appId == appId)
            return program.name;
    }
    return QString::number(appId);
}

QString ShellPrograms::ExecutableOf(const ShellProgram& program)
{
    const QString fromEnvironment
        = qEnvironmentVariable(("ORVA_PROGRAM_" + program.name.toUpper()).toLatin1().constData());
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString beside = QCoreApplication::applicationDirPath() + u'/' + program.executable;
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStringLiteral(ORVA_BUILD_DIR "/") + program.buildFolder + u'/' + program.executable;
}

bool ShellPrograms::Start(const ShellProgram& program)
{
    QProcess process;
    process.setProgram(ExecutableOf(program));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached())
        return true;
    qCWarning(lcPrograms) << "cannot start" << process.program() << process.errorString();
    return false;
}

bool ShellPrograms::Show(const ShellProgram& program)
{
    if (AppRegistry::IsRunningAnywhere(program.appId))
        return COrvaCore::SendAppMsg(program.appId, 0, ShellWParam(ShellCode::ComeToFront)) == 1;
    return Start(program);
}
