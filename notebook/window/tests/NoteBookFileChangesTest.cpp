#include "notebook/storage/FileStamp.h"
#include "notebook/window/tests/NoteBookFixture.h"
#include "platform/testsupport/DialogDriver.h"

#include <QFile>

namespace {

// The notebook against a second writer: the test itself, changing the files
// the notebook shows. The note list's tests check the bytes of reloads and copies.
using NoteBookFileChangesTest = NoteBookTest;

TEST_F(NoteBookFileChangesTest, FilesThatAreOnlyLookedAtStayByteForByte)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one\rtwo\r\nthree\nend"));
    QStringList files { NotesHostFolder() + QStringLiteral("/a.note") };
    for (const char* bytes : { "one\rtwo\rend", "one\rtwo\r\nthree\nend", "one\ntwo\n" })
        files << WriteOutsideFile(QStringLiteral("%1.txt").arg(files.size()), bytes);
    QList<std::pair<std::optional<FileStamp>, QByteArray>> before;
    for (const QString& file : files)
        before.append({ StampOfFile(file), FileBytes(file) });

    CNoteBookDlg& dlg = Start();
    for (const QString& file : files.mid(1)) {
        WriteHandOff(DevicePathFromHostPath(file));
        Send(28);
        Tick(2);
    }
    for (int page = 0; page < 4; ++page) {
        Drive(dlg).SendCommand(1001);
        Tick();
    }
    dlg.DestroyWindow();
    for (int i = 0; i < files.size(); ++i)
        EXPECT_EQ(std::pair(StampOfFile(files[i]), FileBytes(files[i])), before[i]) << files[i].toStdString();
}

TEST_F(NoteBookFileChangesTest, AnotherProgramsVersionShowsWhenThePageHasNoEdits)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one"));
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B"), QStringLiteral("two"));
    CNoteBookDlg& dlg = Start();
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B"), QStringLiteral("two, as synced"));
    Tick();
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("two, as synced")) << "the shown page, at the tick";

    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one, as synced"));
    Drive(dlg).SendCommand(1001);
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("one, as synced")) << "a page, when shown";

    QFile::remove(NotesHostFolder() + QStringLiteral("/a.note"));
    Tick(2);
    Drive(dlg).SendCommand(1002);
    dlg.DestroyWindow();
    EXPECT_EQ(NoteFiles(), QStringList { "b.note" }) << "a removed file is not made again";
    EXPECT_EQ(SavedText(QStringLiteral("b.note")), QStringLiteral("two, as synced"));
}

// Edits meeting another program's version go to a copy at the tick and at a
// page turn; edits of a file read with loss go to a new note.
TEST_F(NoteBookFileChangesTest, EditsMeetingAnotherVersionOrReadWithLossMoveToACopy)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one"));
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B"), QStringLiteral("two"));
    const QString todo = WriteOutsideFile(QStringLiteral("todo.txt"), "buy milk");
    WriteHandOff(DevicePathFromHostPath(todo));
    CNoteBookDlg& dlg = Start();

    Type(QStringLiteral(" (mine)"));
    WriteOutsideFile(QStringLiteral("todo.txt"), "buy bread (theirs)");
    Tick();
    Type(QStringLiteral(" now"));
    Tick(2);
    EXPECT_EQ(FileBytes(todo), QByteArray("buy bread (theirs)"));
    EXPECT_EQ(FileBytes(QFileInfo(todo).dir().filePath(QStringLiteral("todo (conflict 2026-12-06 041548).txt"))),
              QByteArray("buy milk (mine) now")) << "the page now belongs to the copy";

    Drive(dlg).SendCommand(1001);
    Type(QStringLiteral("mine: "));
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B"), QStringLiteral("theirs: two"));
    Drive(dlg).SendCommand(1001);
    // An emptied page loses its file only while that is the one it read.
    Drive(dlg).SendCommand(1004);
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("theirs: one"));
    Tick();
    dlg.DestroyWindow();
    EXPECT_EQ(NoteFiles(), (QStringList { "a.note", "b (conflict 2026-12-06 041548).note", "b.note" }));
    EXPECT_EQ(SavedText(QStringLiteral("a.note")), QStringLiteral("theirs: one"));
    EXPECT_EQ(SavedText(QStringLiteral("b.note")), QStringLiteral("theirs: two"));
    EXPECT_EQ(SavedText(QStringLiteral("b (conflict 2026-12-06 041548).note")), QStringLiteral("mine: two"));
    EXPECT_EQ(Start().GetNotes().GetCount(), 3) << "both versions are pages";

    const QString latin = WriteOutsideFile(QStringLiteral("latin.txt"), "caf\xE9");
    WriteHandOff(DevicePathFromHostPath(latin));
    CNoteBookDlg& lossy = Start();
    EXPECT_EQ(lossy.GetEdit().toPlainText(), QStringLiteral("caf\uFFFD"));
    Tick();
    lossy.GetEdit().moveCursor(QTextCursor::End);
    Type(QStringLiteral("!"));
    Tick();
    Type(QStringLiteral("?"));
    Tick();
    EXPECT_EQ(FileBytes(latin), QByteArray("caf\xE9"));
    EXPECT_EQ(SavedText(QStringLiteral("2026-12-06 041548.note")), QStringLiteral("caf\uFFFD!?"));
}

} // namespace
