#include "notebook/storage/FileStamp.h"
#include "notebook/window/tests/NoteBookFixture.h"

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
        before.append({ StampOfFile(file), ReadHostFile(file) });

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
        EXPECT_EQ(std::pair(StampOfFile(files[i]), ReadHostFile(files[i])), before[i]) << files[i].toStdString();
}

TEST_F(NoteBookFileChangesTest, AnotherProgramsVersionShowsOrMeetsEditsInACopy)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    WriteNote(QStringLiteral("c.note"), QStringLiteral("C third"), QStringLiteral("three, as synced"));
    Tick();
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("three, as synced")) << "the shown page, at the tick";
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B second"), QStringLiteral("two, as synced"));
    Drive(dlg).SendCommand(1001);
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("two, as synced")) << "a page, when shown";

    Type(QStringLiteral("mine: "));
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B second"), QStringLiteral("theirs: two"));
    Drive(dlg).SendCommand(1001);
    // An emptied page loses its file only while that is the one it read.
    Drive(dlg).SendCommand(1004);
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A first"), QStringLiteral("theirs: one"));
    Tick();
    dlg.DestroyWindow();
    EXPECT_EQ(NoteFiles(), (QStringList { "a.note", "b (conflict 2026-12-06 041548).note", "b.note", "c.note" }));
    EXPECT_EQ(SavedText(QStringLiteral("a.note")), QStringLiteral("theirs: one"));
    EXPECT_EQ(SavedText(QStringLiteral("b.note")), QStringLiteral("theirs: two"));
    EXPECT_EQ(SavedText(QStringLiteral("b (conflict 2026-12-06 041548).note")), QStringLiteral("mine: two, as synced"));
}

} // namespace
