#include "notebook/storage/Note.h"
#include "notebook/storage/tests/DeviceFixture.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/stat.h>
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

TEST_F(SafeSave, TextIsComparedWithWhatTheFileHoldsNow)
{
    CNote edited = LoadPlain("abc");
    edited.m_strText = QStringLiteral("abcd");
    ASSERT_TRUE(edited.Save());
    edited.m_strText = QStringLiteral("abc");
    ASSERT_TRUE(edited.Save());
    EXPECT_EQ(ReadDeviceFile(m_strPlain), QByteArray("abc"));
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

TEST_F(SafeSave, EveryNameOfALinkedFileSeesTheNewText)
{
    WriteDeviceFile(QStringLiteral("\\Elsewhere\\real.note"), QByteArray::fromHex("FFFEFF0154 00 FFFEFF0161 00"));
    const QString real = HostPath(QStringLiteral("\\Elsewhere\\real.note"));
    QDir().mkpath(HostPath(QStringLiteral("\\Note")));
    ASSERT_TRUE(QFile::link(real, HostPath(QStringLiteral("\\Note\\symbolic.note"))));
    const QString hard = HostPath(QStringLiteral("\\Note\\hard.note"));
    ASSERT_EQ(::link(QFile::encodeName(real).constData(), QFile::encodeName(hard).constData()), 0);

    for (const char* name : { "symbolic", "hard" }) {
        CNote note;
        const QString path = QStringLiteral("\\Note\\%1.note").arg(QString::fromLatin1(name));
        ASSERT_TRUE(note.Load(path, true));
        note.m_strText = QString::fromLatin1(name);
        ASSERT_TRUE(note.Save()) << name;
        CNote back;
        ASSERT_TRUE(back.Load(QStringLiteral("\\Elsewhere\\real.note"), true));
        EXPECT_EQ(back.m_strText, QString::fromLatin1(name));
    }
    EXPECT_TRUE(QFileInfo(HostPath(QStringLiteral("\\Note\\symbolic.note"))).isSymLink());
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &status), 0);
    EXPECT_EQ(status.st_nlink, 2u) << "the hard link is kept";
    const QStringList leftovers = QDir(QFileInfo(real).absolutePath()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(leftovers, QStringList { "real.note" }) << "no copy is left behind";
}

TEST_F(SafeSave, ReplacedFileKeepsItsModeOwnerAndGroup)
{
    CNote note = LoadPlain("mine");
    const QByteArray host = QFile::encodeName(HostPath(m_strPlain));
    ASSERT_EQ(::chmod(host.constData(), 0640), 0);
    const bool mayChown = ::chown(host.constData(), 65534, 65534) == 0;
    ASSERT_TRUE(note.Load(m_strPlain, false));
    note.m_strText = QStringLiteral("yours");
    ASSERT_TRUE(note.Save());
    struct stat status {};
    ASSERT_EQ(::stat(host.constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (mayChown) {
        EXPECT_EQ(status.st_uid, 65534u);
        EXPECT_EQ(status.st_gid, 65534u);
    }
    EXPECT_EQ(ReadDeviceFile(m_strPlain), QByteArray("yours"));
}

// The superuser may write anything, so a user who may not write the file
// (its owner, without write permission) makes the save.
TEST_F(SafeSave, FileThePersonMayNotWriteIsNeverReplaced)
{
    CNote note = LoadPlain("read only");
    const QByteArray host = QFile::encodeName(HostPath(m_strPlain));
    for (QString path = HostPath(m_strPlain); path.startsWith(m_dir.path()); path = QFileInfo(path).absolutePath())
        ::chmod(QFile::encodeName(path).constData(), QFileInfo(path).isDir() ? 0777 : 0444);
    const uid_t user = geteuid() == 0 ? 65534 : geteuid();
    ASSERT_EQ(::chown(host.constData(), user, gid_t(-1)), 0);
    ASSERT_TRUE(note.Load(m_strPlain, false));
    const int status = InChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 2;
        note.m_strText = QStringLiteral("changed");
        return note.Save() ? 1 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadDeviceFile(m_strPlain), QByteArray("read only"));
}

} // namespace
