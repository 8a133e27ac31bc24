#include "ShellPrograms.h"

#include "shell/OrvaCore.h"

#include <QCoreApplication>
#include <QFileInfo>

const QList<ShellProgram>& ShellPrograms::Known()
{
    static const QList<ShellProgram> programs = {
        {QStringLiteral("go"), kGoAppId, QStringLiteral("Go")},
        {QStringLiteral("notebook"), kNoteBookAppId, QStringLiteral("NoteBook")},
    };
    return programs;
}

const ShellProgram& ShellPrograms::Notebook()
{
    return Known().at(1); // as listed above
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
    const QString fromEnvironment = qEnvironmentVariable(("ORVA_PROGRAM_" + program.name.toUpper()).toLatin1().constData());
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString beside = QCoreApplication::applicationDirPath() + u'/' + program.executable;
    if (QFileInfo(beside).isExecutable())
        return beside;
    const QString subfolder = program.name == u"go" ? QStringLiteral("go/window/") : QStringLiteral("notebook/window/");
    return QStringLiteral(ORVA_BUILD_DIR "/") + subfolder + program.executable;
}
