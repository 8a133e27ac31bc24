#include "notebook/storage/HandOff.h"
#include "notebook/storage/ArchivedString.h"
#include "shell/tests/ShellEnvironment.h"

#include <sys/stat.h>

namespace {

using HandOffTest = BareShellEnvironment;

// "Note.path" first, then the spool's entries as posted. What cannot name a
// path (damaged, larger than the longest path's 528 bytes, no regular file)
// is left alone, or refused at once in the spool; each sender learns its answer.
TEST_F(HandOffTest, EveryWaitingFileIsTakenInTurnAndEachSenderAnswered)
{
    const QString shellFile = QStringLiteral("\\Orva\\Note.path");
    QByteArray handOff;
    AppendArchivedString(handOff, QStringLiteral("\\Docs\\a.txt"));
    WriteDeviceFile(shellFile, handOff);
    const QString taken = HandOff::Post(QStringLiteral("\\Docs\\b.txt"));
    const QString refused = HandOff::Post(QStringLiteral("\\Docs\\c.txt"));
    const QString spool = HostPath(QStringLiteral("\\Orva\\Note.spool\\"));
    // 120 characters of 'x' and more: a path, were it not too large.
    const QByteArray unreadable[] = { "\xFF\xFE\xFF\x40\x41", QByteArray(529, 'x') };
    for (const QByteArray& bytes : unreadable)
        WriteHostFile(spool + QString::number(bytes.size()) + QStringLiteral(".path"), bytes);

    const std::vector<HandOff::Request> pending = HandOff::TakePending();
    QStringList paths;
    for (const HandOff::Request& request : pending)
        paths << request.notePath;
    EXPECT_EQ(paths, (QStringList { "\\Docs\\a.txt", "\\Docs\\b.txt", "\\Docs\\c.txt" }));
    EXPECT_FALSE(DeviceFileExists(shellFile));
    for (const QByteArray& bytes : unreadable)
        EXPECT_EQ(
            HandOff::StateOf(spool + QString::number(bytes.size()) + QStringLiteral(".path")), HandOff::State::Refused);
    EXPECT_EQ(HandOff::StateOf(taken), HandOff::State::Waiting);
    HandOff::Answer(pending[1], true);
    HandOff::Answer(pending[2], false);
    EXPECT_EQ(HandOff::StateOf(taken), HandOff::State::Taken);
    EXPECT_EQ(HandOff::StateOf(refused), HandOff::State::Refused);

    // A pipe nobody writes to would block a reader for ever.
    for (const QByteArray& bytes : { unreadable[0], unreadable[1], QByteArray() }) {
        QFile::remove(HostPath(shellFile));
        if (bytes.isEmpty())
            ASSERT_EQ(::mkfifo(QFile::encodeName(HostPath(shellFile)).constData(), 0600), 0);
        else
            WriteDeviceFile(shellFile, bytes);
        EXPECT_TRUE(HandOff::TakePending().empty());
        EXPECT_EQ(QFileInfo(HostPath(shellFile)).size(), bytes.size()) << "left as it is";
    }
}

} // namespace
