#include "notebook/storage/Note.h"
#include "notebook/storage/tests/DeviceFixture.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SafeSave : public DeviceFixture {
protected:
    // A plain-text file handed over from outside the notes folder.
    CNote LoadPlain(const QByteArray& bytes)
    {
        WriteDeviceFile(m_strPlain, bytes);
        CNote note;
        EXPECT_TRUE(note.Load(m_strPlain, false));
        return note;
    }

    CNote ArchiveNote(const QString& text)
    {
        QDir().mkpath(HostPath(QStringLiteral("\\Note")));
        CNote note;
        note.m_strPath = QStringLiteral("\\Note\\safe.note");
        note.m_strTitle = QStringLiteral("title");
        note.m_strText = text;
        return note;
    }

    const QString m_strPlain = QStringLiteral("\\Docs\\hand.txt");
};

// Runs body in a child process and returns its exit status.
template<typename Body>
int InChild(Body body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SafeSave, KillingTheWriterLeavesAWholeOldOrNewFile)
{
    const QString versionA(3000, QChar(u'a'));
    const QString versionB(7000, QChar(u'b'));
    CNote note = ArchiveNote(versionA);
    ASSERT_TRUE(note.Save());
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        if (child == 0) {
            for (int i = 0;; ++i) {
                note.m_strText = i % 2 ? versionA : versionB;
                note.Save();
            }
        }
        usleep(useconds_t(2000 + round * 1500));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        CNote back;
        ASSERT_TRUE(back.Load(note.m_strPath, true)) << round;
        EXPECT_EQ(back.m_strTitle, note.m_strTitle);
        EXPECT_TRUE(back.m_strText == versionA || back.m_strText == versionB) << round;
    }
}

TEST_F(SafeSave, FullDiskKeepsTheOldFileAndTheNote)
{
    CNote note = ArchiveNote(QStringLiteral("old text"));
    ASSERT_TRUE(note.Save());
    const QByteArray before = ReadDeviceFile(note.m_strPath);

    // A file size limit makes every write past it fail as a full disk would.
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &limited);
    note.m_strText = QString(500, QChar(u'n'));
    const bool saved500 = note.Save();
    CNote plain = LoadPlain("ascii");
    plain.m_strText = QStringLiteral("你") + QString(100, QChar(u'x'));
    const bool savedPlain = plain.Save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved500);
    EXPECT_EQ(ReadDeviceFile(note.m_strPath), before);
    EXPECT_EQ(note.m_strText, QString(500, QChar(u'n')));
    EXPECT_FALSE(savedPlain);
    EXPECT_EQ(ReadDeviceFile(m_strPlain), QByteArray("ascii"));
    EXPECT_EQ(plain.m_bUnicode, 0);
    EXPECT_TRUE(QDir(HostPath(QStringLiteral("\\Note"))).entryList(QDir::Files | QDir::Hidden) == QStringList { "safe.note" });
}

TEST_F(SafeSave, ReadOnlyFolderKeepsTheOldFile)
{
    CNote note = ArchiveNote(QStringLiteral("old text"));
    ASSERT_TRUE(note.Save());
    const QByteArray before = ReadDeviceFile(note.m_strPath);
    const QString folder = HostPath(QStringLiteral("\\Note"));
    const auto traversable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::ExeOther;
    for (QString path = QFileInfo(folder).absolutePath(); path.startsWith(m_dir.path());
         path = QFileInfo(path).absolutePath())
        QFile::setPermissions(path, traversable);
    QFile::setPermissions(folder, traversable & ~QFile::Permissions(QFile::WriteOwner));
    // The superuser may write anywhere, so the child gives that up first.
    const int status = InChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 2;
        note.m_strText = QStringLiteral("new text");
        return note.Save() ? 1 : 0;
    });
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadDeviceFile(note.m_strPath), before);
}

TEST_F(SafeSave, UnchangedPlainTextIsNotWrittenBack)
{
    SetShellSetting(QStringLiteral("codepage"), QStringLiteral("1252"));
    const QByteArray utf8 = QByteArray::fromHex("EFBBBF") + "caf\xC3\xA9";
    CNote note = LoadPlain(utf8);
    EXPECT_TRUE(note.Save());
    EXPECT_EQ(ReadDeviceFile(m_strPlain), utf8);

    // UTF-16 without a signature reads as ANSI up to its first zero byte.
    const QByteArray utf16("h\0i\0", 4);
    CNote cut = LoadPlain(utf16);
    EXPECT_EQ(cut.m_strText, QStringLiteral("h"));
    EXPECT_TRUE(cut.Save());
    EXPECT_EQ(ReadDeviceFile(m_strPlain), utf16);

    // Once edited and saved, an edit back to the loaded text is written too.
    CNote edited = LoadPlain("abc");
    edited.m_strText = QStringLiteral("abcd");
    ASSERT_TRUE(edited.Save());
    edited.m_strText = QStringLiteral("abc");
    ASSERT_TRUE(edited.Save());
    EXPECT_EQ(ReadDeviceFile(m_strPlain), QByteArray("abc"));
}

TEST_F(SafeSave, ArchiveNoteIsAlwaysWritten)
{
    CNote note = ArchiveNote(QStringLiteral("same"));
    ASSERT_TRUE(note.Save());
    QFile::remove(HostPath(note.m_strPath));
    ASSERT_TRUE(note.Save());
    EXPECT_TRUE(DeviceFileExists(note.m_strPath));
}

TEST_F(SafeSave, TextTheCodePageCannotHoldIsSavedAsUtf16)
{
    SetShellSetting(QStringLiteral("codepage"), QStringLiteral("1252"));
    CNote note = LoadPlain("plain");
    EXPECT_EQ(note.m_bUnicode, 0);
    note.m_strText = QStringLiteral("ça 你");
    ASSERT_TRUE(note.Save());
    EXPECT_EQ(note.m_bUnicode, 1);
    EXPECT_EQ(ReadDeviceFile(m_strPlain), QByteArray::fromHex("FFFEE70061002000604F"));
    // It stays UTF-16 even when the text fits the code page again.
    note.m_strText = QStringLiteral("ok");
    ASSERT_TRUE(note.Save());
    EXPECT_EQ(ReadDeviceFile(m_strPlain), QByteArray::fromHex("FFFE6F006B00"));
}

TEST_F(SafeSave, ZeroCharacterInAnsiTextIsSavedAsUtf16)
{
    CNote note = LoadPlain("ab");
    note.m_strText = QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b");
    ASSERT_TRUE(note.Save());
    EXPECT_EQ(ReadDeviceFile(m_strPlain), QByteArray::fromHex("FFFE610000006200"));
}

TEST_F(SafeSave, MultiByteCodePageTextIsKeptInIt)
{
    // The default code page is UTF-8, three bytes for most Chinese characters.
    CNote note = LoadPlain("x");
    note.m_strText = QStringLiteral("你好你好");
    ASSERT_TRUE(note.Save());
    EXPECT_EQ(note.m_bUnicode, 0);
    EXPECT_EQ(ReadDeviceFile(m_strPlain), QStringLiteral("你好你好").toUtf8());
}

TEST_F(SafeSave, LinkedNoteFileStaysALink)
{
    CNote note = ArchiveNote(QStringLiteral("first"));
    WriteDeviceFile(QStringLiteral("\\Elsewhere\\real.note"), QByteArray());
    ASSERT_TRUE(QFile::link(HostPath(QStringLiteral("\\Elsewhere\\real.note")), HostPath(note.m_strPath)));
    ASSERT_TRUE(note.Save());
    EXPECT_TRUE(QFileInfo(HostPath(note.m_strPath)).isSymLink());
    CNote back;
    ASSERT_TRUE(back.Load(QStringLiteral("\\Elsewhere\\real.note"), true));
    EXPECT_EQ(back.m_strText, QStringLiteral("first"));
}

} // namespace
