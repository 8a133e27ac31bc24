#include "notebook/storage/Note.h"
#include "shell/tests/ShellEnvironment.h"

#include <QDir>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kNote = QStringLiteral("\\Note\\safe.note");
const QString kPlain = QStringLiteral("\\Docs\\hand.txt");

class SafeSave : public BareShellEnvironment {
protected:
    // A note of the notes folder, saved with text.
    CNote SavedNote(const QString& text)
    {
        QDir().mkpath(HostPath(QStringLiteral("\\Note")));
        CNote note;
        note.m_strPath = kNote;
        note.m_strTitle = QStringLiteral("title");
        note.m_strText = text;
        EXPECT_TRUE(note.Save());
        return note;
    }

    // A plain-text file handed over from outside the notes folder.
    CNote PlainNote(const QByteArray& bytes)
    {
        WriteDeviceFile(kPlain, bytes);
        CNote note;
        EXPECT_TRUE(note.Load(kPlain, false));
        return note;
    }

    // Saves text in a child process that is not the superuser (who may
    // write anything) and may reach the note's folder, whose own mode the
    // test sets: 1 when the save was made, 0 when it was not.
    int SaveAsUser(CNote& note, const QString& text)
    {
        for (QString path = QFileInfo(QFileInfo(HostPath(note.m_strPath)).absolutePath()).absolutePath();
             path.startsWith(m_dir.path()); path = QFileInfo(path).absolutePath())
            ::chmod(QFile::encodeName(path).constData(), 0755);
        const pid_t child = fork();
        if (child == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(2);
            note.m_strText = text;
            _exit(note.Save() ? 1 : 0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(SafeSave, KillingTheWriterLeavesAWholeOldOrNewFile)
{
    const QString versionA(3000, QChar(u'a'));
    const QString versionB(7000, QChar(u'b'));
    CNote note = SavedNote(versionA);
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
        ASSERT_TRUE(back.Load(kNote, true)) << round;
        EXPECT_EQ(back.m_strTitle, note.m_strTitle);
        EXPECT_TRUE(back.m_strText == versionA || back.m_strText == versionB) << round;
    }
}

// A file with a second name is rewritten in place: its old bytes come back.
TEST_F(SafeSave, FullDiskKeepsTheOldFileAndTheNote)
{
    CNote note = SavedNote(QStringLiteral("old text"));
    const QByteArray before = ReadDeviceFile(kNote);
    for (const QStringList& names : { QStringList { "safe.note" }, QStringList { "link.note", "safe.note" } }) {
        if (names.size() > 1) {
            ASSERT_EQ(::link(QFile::encodeName(HostPath(kNote)).constData(),
                          QFile::encodeName(HostPath(QStringLiteral("\\Note\\link.note"))).constData()),
                0);
            ASSERT_TRUE(note.Load(kNote, true));
        }
        // A file size limit makes every write past it fail as a full disk would.
        rlimit saved {};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited { 64, saved.rlim_max };
        setrlimit(RLIMIT_FSIZE, &limited);
        note.m_strText = QString(500, QChar(u'n'));
        const bool written = note.Save();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        EXPECT_FALSE(written);
        EXPECT_EQ(note.GetSaveProblem(), SaveProblem::DiskFull);
        EXPECT_EQ(ReadDeviceFile(kNote), before);
        EXPECT_TRUE(note.HasUnsavedText());
        EXPECT_EQ(QDir(HostPath(QStringLiteral("\\Note"))).entryList(QDir::Files | QDir::Hidden), names);
    }
}

// The child's user owns both files: only the folder's mode or the file's own
// keeps it from writing.
TEST_F(SafeSave, WhatThePersonMayNotWriteIsNeverReplaced)
{
    const uid_t user = geteuid() == 0 ? 65534 : geteuid();
    CNote note = SavedNote(QStringLiteral("old text"));
    const QByteArray before = ReadDeviceFile(kNote);
    const QByteArray folder = QFile::encodeName(HostPath(QStringLiteral("\\Note")));
    ASSERT_EQ(::chown(QFile::encodeName(HostPath(kNote)).constData(), user, gid_t(-1)), 0);
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    EXPECT_EQ(SaveAsUser(note, QStringLiteral("new text")), 0) << "a read-only folder";
    ::chmod(folder.constData(), 0755);
    EXPECT_EQ(ReadDeviceFile(kNote), before);

    CNote plain = PlainNote("read only");
    const QByteArray host = QFile::encodeName(HostPath(kPlain));
    ::chmod(QFile::encodeName(HostPath(QStringLiteral("\\Docs"))).constData(), 0777);
    ::chmod(host.constData(), 0444);
    ASSERT_EQ(::chown(host.constData(), user, gid_t(-1)), 0);
    EXPECT_EQ(SaveAsUser(plain, QStringLiteral("changed")), 0) << "a read-only file";
    EXPECT_EQ(ReadDeviceFile(kPlain), QByteArray("read only"));
}

TEST_F(SafeSave, ReplacedFileKeepsEveryNameItsModeOwnerAndGroup)
{
    const QString real = QStringLiteral("\\Elsewhere\\real.note");
    WriteDeviceFile(real, QByteArray::fromHex("FFFEFF015400 FFFEFF016100"));
    QDir().mkpath(HostPath(QStringLiteral("\\Note")));
    LinkDeviceFile(real, QStringLiteral("\\Note\\symbolic.note"));
    const QByteArray hard = QFile::encodeName(HostPath(QStringLiteral("\\Note\\hard.note")));
    ASSERT_EQ(::link(QFile::encodeName(HostPath(real)).constData(), hard.constData()), 0);

    for (const char* name : { "symbolic", "hard" }) {
        CNote note;
        ASSERT_TRUE(note.Load(QStringLiteral("\\Note\\%1.note").arg(QString::fromLatin1(name)), true));
        note.m_strText = QString::fromLatin1(name);
        errno = EINTR; // as a signal that interrupted an earlier call leaves it
        ASSERT_TRUE(note.Save()) << name;
        CNote back;
        ASSERT_TRUE(back.Load(real, true));
        EXPECT_EQ(back.m_strText, note.m_strText);
    }
    EXPECT_TRUE(QFileInfo(HostPath(QStringLiteral("\\Note\\symbolic.note"))).isSymLink());
    struct stat status { };
    ASSERT_EQ(::stat(hard.constData(), &status), 0);
    EXPECT_EQ(status.st_nlink, 2u) << "the hard link is kept";
    EXPECT_EQ(QDir(HostPath(QStringLiteral("\\Elsewhere"))).entryList(QDir::Files | QDir::Hidden),
        QStringList { "real.note" })
        << "no copy is left behind";

    // A file with a single name: a new file takes its place.
    CNote plain = PlainNote("mine");
    const QByteArray host = QFile::encodeName(HostPath(kPlain));
    ASSERT_EQ(::chmod(host.constData(), 0640), 0);
    const bool mayChown = ::chown(host.constData(), 65534, 65534) == 0;
    ASSERT_TRUE(plain.Load(kPlain, false)) << "a new mode and owner are a new version";
    plain.m_strText = QStringLiteral("yours");
    ASSERT_TRUE(plain.Save());
    ASSERT_EQ(::stat(host.constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (mayChown) {
        EXPECT_EQ(status.st_uid, 65534u);
        EXPECT_EQ(status.st_gid, 65534u);
    }
    EXPECT_EQ(ReadDeviceFile(kPlain), QByteArray("yours"));
}

} // namespace
