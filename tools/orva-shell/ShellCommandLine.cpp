#include "ShellCommandLine.h"

#include "notebook/storage/HandOff.h"
#include "platform/device/DevicePath.h"
#include "shell/AppRegistry.h"
#include "shell/OrvaCore.h"
#include "shell/RegistryFolder.h"
#include "shell/SettingRules.h"
#include "shell/ShellPrograms.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <set>

namespace {

const char* const kUsage = R"(usage: orva-shell COMMAND [ARGUMENTS]

The shell of the Go and NoteBook programs, for a person at a terminal.

commands:
  status              show which programs are running
  send APP CODE       send the shell message CODE to the running program APP
                      (go, notebook, home or an application id); codes:
                      1 come to the front, 2 quit, 3 skin changed, 4 language
                      changed, 28 open the handed-over note; a program takes
                      any other code and ignores it, so that too ends with
                      status 0
  get KEY             print a setting (language, skin, note_path, codepage, touch);
                      for a language the programs do not have, also which
                      one they use instead
  set KEY VALUE       change a setting; a new language, skin or touch setting
                      is shown by the running programs at once
  open-note FILE      hand a text file to the notebook, starting it if needed
  open-note           bring the notebook forward, starting it if needed
  --help              show this text

settings live in $XDG_CONFIG_HOME/orva/shell.ini (~/.config/orva/shell.ini).
)";

// The ids of every program that runs: the known ones and any other that
// holds a lock in the registry folder.
std::set<int> RunningPrograms()
{
    std::set<int> ids;
    for (const ShellProgram& program : ShellPrograms::Known())
        ids.insert(program.appId);
    const QString folder = RegistryFolder();
    if (!folder.isEmpty()) {
        for (const QString& lock : QDir(folder).entryList({ QStringLiteral("*.lock") }, QDir::Files)) {
            bool ok = false;
            const int appId = lock.chopped(5).toInt(&ok);
            if (ok)
                ids.insert(appId);
        }
    }
    std::erase_if(ids, [](int appId) { return !AppRegistry::IsRunningAnywhere(appId); });
    return ids;
}

} // namespace

ShellCommandLine::ShellCommandLine(QTextStream& out, QTextStream& err)
    : m_out(out)
    , m_err(err)
{
}

int ShellCommandLine::Run(const QStringList& arguments)
{
    const QString command = arguments.value(0);
    const auto count = arguments.size();
    if (command == u"--help" || command == u"-h" || command == u"help")
        return Usage(0);
    if (command == u"status" && count == 1)
        return Status();
    if (command == u"send" && count == 3)
        return Send(arguments[1], arguments[2]);
    if (command == u"get" && count == 2)
        return Get(arguments[1]);
    if (command == u"set" && count == 3)
        return Set(arguments[1], arguments[2]);
    if (command == u"open-note" && count == 2)
        return OpenNote(arguments[1]);
    if (command == u"open-note" && count == 1)
        return ShowNotebook();
    if (!command.isEmpty())
        m_err << "orva-shell: wrong command line: " << arguments.join(u' ') << "\n";
    return Usage(2);
}

int ShellCommandLine::Status()
{
    const std::set<int> running = RunningPrograms();
    for (const ShellProgram& program : ShellPrograms::Known()) {
        m_out << qSetFieldWidth(10) << Qt::left << program.name << qSetFieldWidth(0)
              << (running.contains(program.appId) ? "running" : "not running") << "\n";
    }
    for (const int appId : running) {
        if (ShellPrograms::NameOf(appId) == QString::number(appId))
            m_out << qSetFieldWidth(10) << Qt::left << appId << qSetFieldWidth(0) << "running\n";
    }
    return 0;
}

int ShellCommandLine::Send(const QString& app, const QString& code)
{
    const std::optional<int> appId = ShellPrograms::AppIdOf(app);
    if (!appId)
        return Fail(QStringLiteral("no such program: %1").arg(app), 2);
    bool ok = false;
    const unsigned long value = code.toULong(&ok, 10);
    if (!ok || code.startsWith(u'-') || code.startsWith(u'+'))
        return Fail(QStringLiteral("not a message code: %1").arg(code), 2);
    // Named alike whether the command line gave its name or its id.
    const QString name = ShellPrograms::NameOf(*appId);
    if (!AppRegistry::IsRunningAnywhere(*appId))
        return Fail(QStringLiteral("%1 is not running").arg(name));
    if (COrvaCore::SendAppMsg(*appId, 0, value) != 1)
        return Fail(QStringLiteral("%1 did not take the message").arg(name));
    return 0;
}

int ShellCommandLine::Get(const QString& key)
{
    const std::optional<SettingRule> rule = SettingRules::Find(key);
    if (!rule)
        return Fail(QStringLiteral("no such setting: %1").arg(key), 2);
    const QString value = SettingRules::Value(*rule);
    m_out << value << "\n";
    // The programs take every language they do not have as English.
    if (rule->key == u"language" && !rule->check(value).isEmpty())
        m_err << "orva-shell: the programs have no language " << value << ": they use English\n";
    return 0;
}

int ShellCommandLine::Set(const QString& key, const QString& value)
{
    const SettingChange change = SettingRules::Change(key, value);
    switch (change.result) {
    case SettingChangeResult::Done: return 0;
    case SettingChangeResult::UnknownKey:
    case SettingChangeResult::Refused: return Fail(change.problem, 2);
    case SettingChangeResult::NotWritten: return Fail(change.problem);
    }
    Q_UNREACHABLE();
}

int ShellCommandLine::OpenNote(const QString& file)
{
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable())
        return Fail(QStringLiteral("cannot read %1").arg(file));
    const QString devicePath = DevicePathFromHostPath(info.absoluteFilePath());
    if (devicePath.isEmpty())
        return Fail(QStringLiteral("cannot hand over %1: its path is too long or holds a backslash").arg(file));
    const QString entry = HandOff::Post(devicePath);
    if (entry.isEmpty())
        return Fail(QStringLiteral("cannot write the hand-off file"));
    switch (WaitForNotebook(entry)) {
    case HandOff::State::Taken: return 0;
    case HandOff::State::Refused: return Fail(QStringLiteral("the notebook cannot read %1").arg(file));
    case HandOff::State::Waiting: break;
    }
    if (HandOff::Withdraw(entry))
        return Fail(QStringLiteral("the notebook did not take the note"));
    // It answered just now.
    if (HandOff::StateOf(entry) == HandOff::State::Refused)
        return Fail(QStringLiteral("the notebook cannot read %1").arg(file));
    return 0;
}

// The notebook answers every entry once it has read the file, however
// large; one that starts takes in every entry waiting. A start that lost the
// race to another start, or a code 28 that came while the notebook was busy
// with other entries, is made up for by asking again.
HandOff::State ShellCommandLine::WaitForNotebook(const QString& entry)
{
    constexpr qint64 kGiveUpMs = 60000;
    constexpr qint64 kAskAgainMs = 1000;
    constexpr unsigned long kPollMs = 10;
    const ShellProgram& notebook = ShellPrograms::Notebook();
    QElapsedTimer waited;
    waited.start();
    qint64 asked = -kAskAgainMs;
    HandOff::State state = HandOff::State::Waiting;
    while ((state = HandOff::StateOf(entry)) == HandOff::State::Waiting && waited.elapsed() < kGiveUpMs) {
        if (waited.elapsed() - asked >= kAskAgainMs) {
            asked = waited.elapsed();
            if (AppRegistry::IsRunningAnywhere(notebook.appId))
                COrvaCore::SendAppMsg(notebook.appId, 0, ShellWParam(ShellCode::OpenNote));
            else if (StartNotebook() != 0)
                return state;
        }
        QThread::msleep(kPollMs);
    }
    return state;
}

// The desktop's menu entry opens the notebook without a file.
int ShellCommandLine::ShowNotebook()
{
    if (!ShellPrograms::Show(ShellPrograms::Notebook()))
        return Fail(QStringLiteral("cannot bring the notebook forward"));
    return 0;
}

int ShellCommandLine::StartNotebook()
{
    // A notebook that starts reads the hand-off file by itself.
    if (!ShellPrograms::Start(ShellPrograms::Notebook()))
        return Fail(QStringLiteral("cannot start %1").arg(ShellPrograms::ExecutableOf(ShellPrograms::Notebook())));
    return 0;
}

int ShellCommandLine::Usage(int exitCode)
{
    (exitCode == 0 ? m_out : m_err) << kUsage;
    return exitCode;
}

int ShellCommandLine::Fail(const QString& message, int exitCode)
{
    m_err << "orva-shell: " << message << "\n";
    return exitCode;
}
