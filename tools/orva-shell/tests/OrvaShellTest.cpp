#include "notebook/storage/ArchivedString.h"
#include "platform/device/DevicePath.h"
#include "shell/AppRegistry.h"
#include "shell/OrvaCore.h"
#include "shell/OrvaSkins.h"
#include "shell/ShellSettings.h"
#include "shell/tests/ShellEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <map>
#include <memory>
#include <tuple>
#include <unistd.h>

namespace {

// The hand-off file's content as the probe program logs it.
QByteArray ArchivedHex(const QString& path)
{
    QByteArray bytes;
    AppendArchivedString(bytes, path);
    return bytes.toHex();
}

struct ShellRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class OrvaShellTest : public ShellEnvironment {
protected:
    void TearDown() override
    {
        for (auto& probe : m_probes) {
            probe->kill();
            probe->waitForFinished();
        }
        for (const char* name : { "ORVA_PROGRAM_NOTEBOOK", "ORVA_PROBE_LOG" })
            qunsetenv(name);
        ShellEnvironment::TearDown();
    }

    // Runs orva-shell with these arguments, given as one line split at '|'.
    static ShellRun Shell(const QString& arguments)
    {
        QProcess shell;
        shell.start(QStringLiteral(ORVA_SHELL_PROGRAM), arguments.split(u'|', Qt::SkipEmptyParts));
        EXPECT_TRUE(shell.waitForFinished(60000));
        return { shell.exitCode(), shell.readAllStandardOutput(), shell.readAllStandardError() };
    }
    // Starts the test program as the shell program appId and waits until it
    // runs; its log collects every code it receives.
    QProcess& StartProgram(int appId)
    {
        auto& probe = m_probes.emplace_back(std::make_unique<QProcess>());
        probe->start(QStringLiteral(ORVA_PROBE_PROGRAM), { QString::number(appId) });
        EXPECT_TRUE(WaitUntil([&] { return LogOf(*probe, {}).contains("running\n"); }));
        return *probe;
    }
    QByteArray LogOf(QProcess& probe, const QByteArray& waitFor)
    {
        WaitUntil([&] { return m_logs[&probe].append(probe.readAllStandardOutput()).contains(waitFor); });
        return m_logs[&probe];
    }

    std::vector<std::unique_ptr<QProcess>> m_probes;
    std::map<QProcess*, QByteArray> m_logs;
};

TEST_F(OrvaShellTest, ExplainsItselfAndRefusesBadInputClearly)
{
    for (const char* asked : { "--help", "-h", "help" }) {
        const ShellRun help = Shell(QString::fromLatin1(asked));
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith("usage: orva-shell"));
        for (const char* code :
            { "1 come to the front, 2 quit, 3 skin changed, 4 language", "28 open the handed-over" })
            EXPECT_TRUE(help.out.contains(code)) << asked << " names the code " << code;
    }
    const ShellRun bare = Shell({});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_TRUE(bare.err.contains("usage: orva-shell"));

    // Exit status 2 for a wrong command line, 1 for what cannot be done.
    const QString dir = m_dir.path();
    WriteHostFile(dir + QStringLiteral("/back\\slash.txt"), {});
    const std::tuple<QString, int, const char*> cases[] = { { QStringLiteral("frobnicate"), 2, "wrong command line" },
        { QStringLiteral("frobnicate|a|b"), 2, "wrong command line" }, { QStringLiteral("status|extra"), 2, "wrong" },
        { QStringLiteral("send|go"), 2, "wrong" }, { QStringLiteral("send|chess|1"), 2, "no such program" },
        { QStringLiteral("send|0|1"), 2, "no such program" },
        { QStringLiteral("send|go|one"), 2, "not a message code" },
        { QStringLiteral("send|go|-1"), 2, "not a message code" },
        { QStringLiteral("send|go|+1"), 2, "not a message code" },
        { QStringLiteral("send|go|1"), 1, "go is not running" }, { QStringLiteral("get|colour"), 2, "no such setting" },
        { QStringLiteral("set|language|9"), 2, "language: " }, { QStringLiteral("set|skin|NoSuchSkin"), 2, "skin: " },
        { QStringLiteral("set|note_path|relative"), 2, "note_path: " },
        { QStringLiteral("set|note_path|\\") + QString(300, u'n'), 2, "note_path: " },
        { QStringLiteral("set|codepage|12345678"), 2, "codepage: " }, { QStringLiteral("set|touch|yes"), 2, "touch: " },
        { QStringLiteral("open-note|") + dir + QStringLiteral("/missing.txt"), 1, "cannot read" },
        { QStringLiteral("open-note|") + dir, 1, "cannot read" },
        { QStringLiteral("open-note|") + dir + QStringLiteral("/back\\slash.txt"), 1, "cannot hand over" } };
    for (const auto& [arguments, exitCode, error] : cases) {
        const ShellRun run = Shell(arguments);
        EXPECT_EQ(run.exitCode, exitCode) << arguments.toStdString();
        EXPECT_TRUE(run.err.startsWith("orva-shell: " + QByteArray(error))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(ShellSettings::FilePath())) << "nothing was written";
}

TEST_F(OrvaShellTest, GetsAndSetsSettings)
{
    EXPECT_EQ(Shell(QStringLiteral("get|note_path")).out, "\\NAND Flash\\Note\n");
    EXPECT_EQ(Shell(QStringLiteral("set|note_path|\\SD Card\\Notes")).exitCode, 0);
    EXPECT_EQ(Shell(QStringLiteral("get|NOTE_PATH")).out, "\\SD Card\\Notes\n");
    // A language the programs do not have, written by another hand.
    WriteSettings("language=5\n");
    const ShellRun language = Shell(QStringLiteral("get|language"));
    EXPECT_EQ(language.out, "5\n");
    EXPECT_EQ(language.err, "orva-shell: the programs have no language 5: they use English\n");
    EXPECT_EQ(Shell(QStringLiteral("set|language|6")).exitCode, 0);
    EXPECT_EQ(Shell(QStringLiteral("get|language")).err, "");
}

// A name that is not UTF-8 is refused: it would reach the notebook as its
// sibling's name, with U+FFFD where its bytes were.
TEST_F(OrvaShellTest, RefusesANameThatIsNotUtf8)
{
    QDir::setCurrent(m_dir.path());
    WriteHostFile(QStringLiteral("bad\uFFFD\uFFFD.txt"), "sibling");
    // Wherever the name stands, also where a command would.
    for (const char* arguments : { "open-note \"$name\"", "\"$name\" open-note" }) {
        const QString script = QStringLiteral("name=\"$(printf 'bad\\377\\376.txt')\"; : > \"$name\"; exec \"$0\" ")
            + QLatin1String(arguments);
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"), { QStringLiteral("-c"), script, QStringLiteral(ORVA_SHELL_PROGRAM) });
        const bool finished = shell.waitForFinished(60000);
        // The test's folder cannot remove a name that does not decode.
        ::unlink((QFile::encodeName(m_dir.path()) + "/bad\xff\xfe.txt").constData());
        ASSERT_TRUE(finished);
        EXPECT_EQ(shell.exitCode(), 1) << arguments;
        EXPECT_TRUE(shell.readAllStandardError().startsWith("orva-shell: not a valid UTF-8 name: bad"));
    }
    EXPECT_FALSE(AppRegistry::IsRunningAnywhere(16));
}

TEST_F(OrvaShellTest, ShowsWhichProgramsRunAndSendsThemCodes)
{
    StartProgram(16);
    QProcess& program = StartProgram(99);
    const ShellRun status = Shell(QStringLiteral("status"));
    EXPECT_EQ(status.exitCode, 0);
    EXPECT_EQ(status.out, "go        not running\nnotebook  running\nhome      not running\n99        running\n");
    EXPECT_EQ(Shell(QStringLiteral("send|99|12")).exitCode, 0);
    EXPECT_TRUE(LogOf(program, "12\n").endsWith("running\n12\n"));
    EXPECT_EQ(Shell(QStringLiteral("send|99|2")).exitCode, 0);
    EXPECT_TRUE(WaitUntil([&] { return program.state() == QProcess::NotRunning; }));
    const ShellRun gone = Shell(QStringLiteral("send|99|1"));
    EXPECT_EQ(gone.exitCode, 1);
    EXPECT_EQ(gone.err, "orva-shell: 99 is not running\n");
    // A known program is named alike, given by name or by id.
    for (const char* app : { "7", "GO" })
        EXPECT_EQ(
            Shell(QStringLiteral("send|%1|1").arg(QLatin1StringView(app))).err, "orva-shell: go is not running\n");
}

TEST_F(OrvaShellTest, LanguageSkinAndTouchChangesReachTheRunningPrograms)
{
    QProcess& game = StartProgram(7);
    QProcess& notebook = StartProgram(16);
    EXPECT_EQ(Shell(QStringLiteral("set|language|1")).exitCode, 0);
    EXPECT_EQ(COrvaSkins::GetLanguage(), ORVA_LANG_CHINESE);
    EXPECT_EQ(Shell(QStringLiteral("set|skin|Ocean")).exitCode, 0);
    EXPECT_EQ(Shell(QStringLiteral("get|skin")).out, "Ocean\n");
    EXPECT_TRUE(LogOf(game, "4\n3\n").endsWith("running\n4\n3\n"));
    EXPECT_TRUE(LogOf(notebook, "4\n3\n").endsWith("4\n3\n"));
    // The touch setting goes out as the skin does: the programs show or hide
    // the pointer as they reload their skin.
    EXPECT_EQ(Shell(QStringLiteral("set|touch|1")).exitCode, 0);
    EXPECT_TRUE(LogOf(game, "4\n3\n3\n").endsWith("running\n4\n3\n3\n"));
    EXPECT_EQ(Shell(QStringLiteral("set|codepage|1254")).exitCode, 0);
    EXPECT_TRUE(LogOf(notebook, "").endsWith("4\n3\n3\n")) << "other settings send nothing";
}

TEST_F(OrvaShellTest, HandsANoteToTheRunningNotebookOrBringsItForward)
{
    QProcess& notebook = StartProgram(16);
    EXPECT_EQ(Shell(QStringLiteral("open-note")).exitCode, 0);
    EXPECT_TRUE(LogOf(notebook, "over\n1\n").endsWith("running\nnothing handed over\n1\n"));
    const QString text = m_dir.path() + QStringLiteral("/a b.txt");
    WriteHostFile(text, {});
    QDir::setCurrent(m_dir.path());
    const ShellRun run = Shell(QStringLiteral("open-note|a b.txt"));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray expected = ArchivedHex(DevicePathFromHostPath(text));
    EXPECT_TRUE(LogOf(notebook, "28\nhand-off ").contains("28\nhand-off " + expected + "\n"));
}

// The notebook that was not running starts and finds the note handed over.
TEST_F(OrvaShellTest, StartsTheNotebookWhenItDoesNotRun)
{
    const QString log = m_dir.path() + QStringLiteral("/started.log");
    qputenv("ORVA_PROGRAM_NOTEBOOK", ORVA_PROBE_PROGRAM);
    qputenv("ORVA_PROBE_LOG", log.toUtf8());
    const QString text = m_root + QStringLiteral("/Docs/inside.txt");
    WriteHostFile(text, {});
    for (const auto& [file, logged] : { std::pair { QString(), QByteArray("running\nnothing handed over\n") },
             std::pair { text, "running\nhand-off " + ArchivedHex(QStringLiteral("\\Docs\\inside.txt")) + "\n" } }) {
        QFile::remove(log);
        EXPECT_EQ(Shell(QStringLiteral("open-note|") + file).exitCode, 0);
        EXPECT_TRUE(WaitUntil([&] { return ReadHostFile(log) == logged; })) << ReadHostFile(log).toStdString();
        EXPECT_EQ(COrvaCore::SendAppMsg(16, 0, 2), 1);
        EXPECT_TRUE(WaitUntil([] { return !AppRegistry::IsRunningAnywhere(16); }));
    }
}

} // namespace
