#include "notebook/storage/FileStamp.h"
#include "notebook/window/tests/NoteBookFixture.h"
#include "platform/ShellMessage.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/ShellSettings.h"

#include <QFile>

namespace {

// The notebook against a second writer: the test itself, changing the files
// the notebook shows.
class NoteBookFileChangesTest : public NoteBookTest {
protected:
    static void Rewrite(const QString& hostPath, const QByteArray& bytes)
    {
        QFile file(hostPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    void OpenHandedOver(const QString& hostPath)
    {
        WriteHandOff(DevicePathFromHostPath(hostPath));
        PostShellMessage(m_dlg.get(), 28);
        ProcessEvents();
    }

    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            Drive(*m_dlg).FireTimer(101);
    }
};

TEST_F(NoteBookFileChangesTest, FilesThatAreOnlyLookedAtStayByteForByte)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one\rtwo\r\nthree\nend"));
    QStringList files { NotesHostFolder() + QStringLiteral("/a.note") };
    for (const QByteArray& bytes : { QByteArray("one\rtwo\rend"), QByteArray("one\rtwo\r\nthree\nend"),
                                     QByteArray("one\ntwo\n") })
        files << WriteOutsideFile(QStringLiteral("%1.txt").arg(files.size()), bytes);
    QList<std::optional<FileStamp>> stamps;
    QList<QByteArray> contents;
    for (const QString& file : files) {
        stamps << StampOfFile(file);
        contents << FileBytes(file);
    }

    CNoteBookDlg& dlg = Start();
    for (const QString& file : files.mid(1)) {
        OpenHandedOver(file);
        Tick(2);
    }
    for (int page = 0; page < 4; ++page) {
        Drive(dlg).SendCommand(1001);
        Tick();
    }
    dlg.DestroyWindow();
    for (int i = 0; i < files.size(); ++i) {
        EXPECT_EQ(StampOfFile(files[i]), stamps[i]) << files[i].toStdString();
        EXPECT_EQ(FileBytes(files[i]), contents[i]) << files[i].toStdString();
    }
}

TEST_F(NoteBookFileChangesTest, AnotherProgramsVersionShowsWhenThePageHasNoEdits)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one"));
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B"), QStringLiteral("two"));
    CNoteBookDlg& dlg = Start();
    const QByteArray newB = ArchiveBytes(QStringLiteral("B"), QStringLiteral("two, as synced"));
    Rewrite(NotesHostFolder() + QStringLiteral("/b.note"), newB);
    Tick();
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("two, as synced")) << "the shown page, at the tick";

    Rewrite(NotesHostFolder() + QStringLiteral("/a.note"), ArchiveBytes(QStringLiteral("A"), QStringLiteral("one, as synced")));
    Drive(dlg).SendCommand(1001);
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("one, as synced")) << "a page, when shown";

    QFile::remove(NotesHostFolder() + QStringLiteral("/a.note"));
    Tick(2);
    Drive(dlg).SendCommand(1002);
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.GetNotes().GetAt(0)->m_strText, QStringLiteral("one, as synced"));
    EXPECT_EQ(NoteFiles(), QStringList { "b.note" }) << "a removed file is not made again";
    EXPECT_EQ(NoteFileBytes(QStringLiteral("b.note")), newB);
}

TEST_F(NoteBookFileChangesTest, EditsMeetingAnotherProgramsVersionKeepBothWhole)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one"));
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B"), QStringLiteral("two"));
    const QString todo = WriteOutsideFile(QStringLiteral("todo.txt"), "buy milk");
    WriteHandOff(DevicePathFromHostPath(todo));
    CNoteBookDlg& dlg = Start();

    Type(QStringLiteral(" (mine)"));
    Rewrite(todo, "buy bread (theirs)");
    Tick();
    Type(QStringLiteral(" now"));
    Tick(2);
    EXPECT_EQ(FileBytes(todo), QByteArray("buy bread (theirs)"));
    const QDir outside = QFileInfo(todo).absoluteDir();
    EXPECT_EQ(outside.entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList { "todo (conflict 2026-12-06 041548).txt", "todo.txt" }));
    EXPECT_EQ(FileBytes(outside.filePath(QStringLiteral("todo (conflict 2026-12-06 041548).txt"))),
              QByteArray("buy milk (mine) now")) << "the page now belongs to the copy";

    Drive(dlg).SendCommand(1001);
    Type(QStringLiteral("mine: "));
    const QByteArray theirsB = ArchiveBytes(QStringLiteral("B"), QStringLiteral("theirs: two"));
    Rewrite(NotesHostFolder() + QStringLiteral("/b.note"), theirsB);
    Drive(dlg).SendCommand(1001);
    // An emptied page loses its file only while that is the one it read.
    Drive(dlg).SendCommand(1004);
    const QByteArray theirsA = ArchiveBytes(QStringLiteral("A"), QStringLiteral("theirs: one"));
    Rewrite(NotesHostFolder() + QStringLiteral("/a.note"), theirsA);
    Tick();
    dlg.DestroyWindow();
    EXPECT_EQ(NoteFiles(), (QStringList { "a.note", "b (conflict 2026-12-06 041548).note", "b.note" }));
    EXPECT_EQ(NoteFileBytes(QStringLiteral("a.note")), theirsA);
    EXPECT_EQ(NoteFileBytes(QStringLiteral("b.note")), theirsB);
    EXPECT_EQ(NoteFileBytes(QStringLiteral("b (conflict 2026-12-06 041548).note")),
              ArchiveBytes(QStringLiteral("B"), QStringLiteral("mine: two")));

    EXPECT_EQ(Start().GetNotes().GetCount(), 3) << "both versions are pages";
}

TEST_F(NoteBookFileChangesTest, EditOfAFileReadWithLossGoesToANewNote)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one"));
    const QString latin = WriteOutsideFile(QStringLiteral("latin.txt"), "caf\xE9");
    WriteHandOff(DevicePathFromHostPath(latin));
    CNoteBookDlg& dlg = Start();
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("caf\uFFFD"));
    Tick();
    dlg.GetEdit().moveCursor(QTextCursor::End);
    Type(QStringLiteral("!"));
    Tick();
    Type(QStringLiteral("?"));
    Tick();
    EXPECT_EQ(FileBytes(latin), QByteArray("caf\xE9"));
    ASSERT_EQ(NoteFiles(), (QStringList { "2026-12-06 041548.note", "a.note" }));
    EXPECT_EQ(NoteFileBytes(NoteFiles().first()), ArchiveBytes(QStringLiteral("latin.txt"), QStringLiteral("caf\uFFFD!?")));
}

} // namespace
