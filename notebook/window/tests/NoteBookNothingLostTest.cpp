#include "notebook/storage/NoteList.h"
#include "notebook/window/tests/NoteBookFixture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The notebook where its saves fail, where other programs change its files,
// and with files it cannot hold as they are.
class NoteBookNothingLostTest : public NoteBookTest {
protected:
    void TearDown() override
    {
        BeOurselves();
        NoteBookTest::TearDown();
    }

    // From here on the notebook runs as a user who is not the superuser (who
    // may write anything) and may reach the test's folders.
    void BeAnotherUser()
    {
        if (geteuid() != 0)
            return;
        for (const QString& folder : { m_dir.path(), m_root })
            SetMode(folder, 0755);
        ASSERT_EQ(::setegid(65534), 0);
        ASSERT_EQ(::seteuid(65534), 0);
    }
    static void BeOurselves()
    {
        if (getuid() == 0 && geteuid() != 0) {
            ASSERT_EQ(::seteuid(0), 0);
            ASSERT_EQ(::setegid(0), 0);
        }
    }
    static void SetMode(const QString& hostPath, mode_t mode)
    {
        ASSERT_EQ(::chmod(QFile::encodeName(hostPath).constData(), mode), 0) << hostPath.toStdString();
    }
    void StartWith(const QString& hostPath)
    {
        WriteHandOff(DevicePathFromHostPath(hostPath));
        Start();
        Drive(*m_dlg).FireTimer(102);
    }
};

// Saves that fail keep the text on the page, say why, and at the close put
// it into a recovery note: in the notes folder, else in the recovery folder.
TEST_F(NoteBookNothingLostTest, TextThatCannotBeSavedSaysWhyAndEndsInARecoveryNote)
{
    const struct {
        const char* name;
        mode_t fileMode;
        mode_t folderMode;
        mode_t notesMode;
        const char* status;
        const char* title = "list.txt";
        bool recoveryFolder = false;
    } cases[] = {
        { "read-only file", 0444, 0777, 0777, "Not saved: the file is read-only" },
        { "read-only folder", 0666, 0555, 0777, "Not saved: the folder is read-only" },
        // A file gone from its place is another program's change: a conflict.
        { "folder gone", 0666, 0777, 0777, "Not saved: the folder is gone", "list (conflict 2026-12-06 041548).txt" },
        { "read-only notes folder too", 0444, 0777, 0555, "Not saved: the file is read-only", "list.txt", true },
    };
    const QString recoveryParent = m_dir.path() + QStringLiteral("/data/orva");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* folder : { "/outside", "/moved", "/data", "/root/Notes" })
            QDir(m_dir.path() + QString::fromLatin1(folder)).removeRecursively();
        QDir().mkpath(recoveryParent);
        for (const QString& folder : { recoveryParent, QFileInfo(recoveryParent).path() })
            SetMode(folder, 0777);
        const QString file = WriteOutsideFile(QStringLiteral("list.txt"), "milk");
        QDir().mkpath(NotesHostFolder());
        // Before the start: a new mode is a new version of the file.
        SetMode(file, c.fileMode);
        SetMode(QFileInfo(file).path(), c.folderMode);
        SetMode(NotesHostFolder(), c.notesMode);
        StartWith(file);
        if (c.status == std::string_view("Not saved: the folder is gone"))
            QDir().rename(QFileInfo(file).path(), m_dir.path() + QStringLiteral("/moved"));
        BeAnotherUser();
        Type(QStringLiteral(", eggs"));
        Tick(2);
        EXPECT_TRUE(ShowsPageText(kStatus, QString::fromUtf8(c.status)));
        EXPECT_EQ(m_dlg->GetEdit().toPlainText(), QStringLiteral("milk, eggs"));
        m_dlg->DestroyWindow();
        BeOurselves();
        SetMode(NotesHostFolder(), 0755);
        const QString recovered = (c.recoveryFolder ? CNoteList::RecoveryFolder() : NotesHostFolder())
            + (c.recoveryFolder ? QStringLiteral("/2026-12-06 041548.note") : QStringLiteral("/2026-12-06 041548-2.note"));
        EXPECT_EQ(ReadHostFile(recovered), ArchivedStrings({ c.title, "milk, eggs" }));
        EXPECT_EQ(ReadHostFile(QFileInfo(file).exists() ? file : m_dir.path() + "/moved/list.txt"), "milk");
    }
}

// cp -p keeps size and modification time; the edits go to a conflict copy
// that the page now shows as its caption, and the other version is a page.
TEST_F(NoteBookNothingLostTest, AConflictShowsAtOnce)
{
    const QString file = WriteOutsideFile(QStringLiteral("m.txt"), "list");
    const QByteArray host = QFile::encodeName(file);
    struct stat before {};
    ASSERT_EQ(::stat(host.constData(), &before), 0);
    StartWith(file);
    Type(QStringLiteral("!"));
    WriteHostFile(file, "LIST");
    const timespec times[2] = { before.st_atim, before.st_mtim };
    ASSERT_EQ(::utimensat(AT_FDCWD, host.constData(), times, 0), 0);
    Tick();
    EXPECT_TRUE(ShowsPageText(kCaption, QStringLiteral("m (conflict 2026-12-06 041548).txt")));
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 2/3")));
    EXPECT_EQ(ReadHostFile(file), QByteArray("LIST"));
    EXPECT_EQ(ReadHostFile(m_dir.path() + QStringLiteral("/outside/m (conflict 2026-12-06 041548).txt")),
              QByteArray("list!"));
    Drive(*m_dlg).SendCommand(1002);
    EXPECT_TRUE(ShowsPageText(kCaption, QStringLiteral("m.txt")));
    EXPECT_EQ(m_dlg->GetEdit().toPlainText(), QStringLiteral("LIST"));
}

// A file comes back with its own line breaks; a file whose characters the
// editor would change is never written, and its edits go to a new note.
TEST_F(NoteBookNothingLostTest, FilesComeBackWithTheirOwnLineBreaksOrStayAsTheyAre)
{
    const QByteArray junkNote = ArchivedStrings({ "T", "a" }) + "- milk\n- eggs\n";
    const struct {
        const char* name;
        QByteArray bytes;
        QByteArray afterEdit;
    } cases[] = {
        { "cr.txt", "a\rb", "a\rb\rc!" },
        { "mixed.txt", "a\r\nb\nc\n", "a\nb\nc\n\nc!" },
        { "crlf.txt", "a\r\nb", "a\r\nb\r\nc!" },
        // As many of each: the first break of the file is its style.
        { "tie.txt", "a\r\nb\nc", "a\r\nb\r\nc\r\nc!" },
        { "para.txt", "\xEF\xBB\xBF" "a\xE2\x80\xA9" "b", {} },
        { "fdd0.txt", "\xEF\xBB\xBF" "a\xEF\xB7\x90" "b", {} },
        { "fdd1.txt", "\xEF\xBB\xBF" "a\xEF\xB7\x91" "b", {} },
        { "junk.note", junkNote, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(NotesHostFolder()).removeRecursively();
        const bool inNotes = QByteArray(c.name).endsWith(".note");
        const QString file = inNotes ? NotesHostFolder() + u'/' + QString::fromLatin1(c.name)
                                     : WriteOutsideFile(QString::fromLatin1(c.name), c.bytes);
        if (inNotes)
            WriteHostFile(file, c.bytes);
        inNotes ? (void)Start() : StartWith(file);
        Drive(*m_dlg).FireTimer(102);
        // Shift+Enter breaks the line as Enter does.
        Drive(*m_dlg).PressQtKey(Qt::Key_Return, QStringLiteral("\r"), Qt::ShiftModifier);
        Type(QStringLiteral("c!"));
        m_dlg->DestroyWindow();
        const QStringList notes = NoteFiles();
        EXPECT_EQ(ReadHostFile(file), c.afterEdit.isEmpty() ? c.bytes : c.afterEdit);
        EXPECT_EQ(notes.size(), c.afterEdit.isEmpty() ? 1 + inNotes : 0) << notes.join(u' ').toStdString();
    }
}

} // namespace
