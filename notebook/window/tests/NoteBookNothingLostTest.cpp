#include "notebook/window/tests/NoteBookFixture.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The notebook where its saves fail, and with files it cannot hold as they
// are (notebook/storage tests the conflicts with other programs' versions).
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

// Saves that fail keep the text on the page, say why, and at a logout or the
// close put it into a recovery note in the notes folder (notebook/storage tests where
// it goes when that cannot be written either).
TEST_F(NoteBookNothingLostTest, TextThatCannotBeSavedSaysWhyAndEndsInARecoveryNote)
{
    const struct {
        mode_t fileMode;
        mode_t folderMode;
        const char* status;
    } cases[] = {
        { 0444, 0777, "Not saved: the file is read-only" },
        { 0666, 0555, "Not saved: the folder is read-only" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        for (const char* folder : { "/outside", "/root/Notes" })
            QDir(m_dir.path() + QString::fromLatin1(folder)).removeRecursively();
        const QString file = WriteOutsideFile(QStringLiteral("list.txt"), "milk");
        QDir().mkpath(NotesHostFolder());
        // Before the start: a new mode is a new version of the file.
        SetMode(file, c.fileMode);
        SetMode(QFileInfo(file).path(), c.folderMode);
        SetMode(NotesHostFolder(), 0777);
        StartWith(file);
        BeAnotherUser();
        Type(QStringLiteral(", eggs"));
        Tick(2);
        EXPECT_TRUE(ShowsPageText(kStatus, QString::fromUtf8(c.status)));
        EXPECT_EQ(m_dlg->GetEdit().toPlainText(), QStringLiteral("milk, eggs"));
        // A desktop logout leaves the page as the close does; the page says where its text went.
        m_dlg->LeaveCurrentNote();
        EXPECT_TRUE(ShowsPageText(kStatus, QStringLiteral("Saved to a new note: 2026-12-06 041548-2.note")));
        m_dlg->DestroyWindow();
        BeOurselves();
        EXPECT_EQ(ReadHostFile(NotesHostFolder() + QStringLiteral("/2026-12-06 041548-2.note")),
            ArchivedStrings({ "list.txt", "milk, eggs" }));
        EXPECT_EQ(ReadHostFile(file), "milk");
    }
}

// A file comes back with its own line breaks; a file whose characters the
// editor would change is never written, and its edits go to a new note.
TEST_F(NoteBookNothingLostTest, FilesComeBackWithTheirOwnLineBreaksOrStayAsTheyAre)
{
    const QByteArray junkNote = ArchivedStrings({ "T", "a" }) + "- milk\n- eggs\n";
    const auto utf16 = [](const QString& text) {
        return "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    };
    const QString spaces = QStringLiteral("first\nsecond\u00A0third\u2028fourth");
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
        // No-break spaces and line separators stay; without a break, a bare line feed.
        { "spaces.txt", utf16(spaces), utf16(spaces + QStringLiteral("\nc!")) },
        { "milk.txt", "milk", "milk\nc!" },
        { "para.txt",
            "\xEF\xBB\xBF"
            "a\xE2\x80\xA9"
            "b",
            {} },
        { "fdd0.txt",
            "\xEF\xBB\xBF"
            "a\xEF\xB7\x90"
            "b",
            {} },
        { "fdd1.txt",
            "\xEF\xBB\xBF"
            "a\xEF\xB7\x91"
            "b",
            {} },
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
