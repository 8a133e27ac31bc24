#include "notebook/storage/DateCaption.h"
#include "notebook/window/tests/NoteBookFixture.h"
#include "platform/VirtualKey.h"

#include <QDir>
#include <QTextBlock>

namespace {

using NoteBookPagesTest = NoteBookTest;

TEST_F(NoteBookPagesTest, NextAndPrevSaveBeforeTheyMove)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    Drive(dlg).SendCommand(1001);
    Drive(dlg).SendCommand(1001);
    ASSERT_EQ(dlg.GetPage(), 0);

    // A page change leaves the caret at the start of the text.
    Type(QStringLiteral("1 + "));
    Drive(dlg).SendCommand(1002);
    EXPECT_EQ(dlg.GetPage(), 1);
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("two"));
    EXPECT_EQ(SavedText(QStringLiteral("a.note")), QStringLiteral("1 + one"));

    dlg.GetEdit().moveCursor(QTextCursor::End);
    Type(QStringLiteral("!"));
    Drive(dlg).SendCommand(1001);
    EXPECT_EQ(dlg.GetPage(), 0);
    EXPECT_EQ(SavedText(QStringLiteral("b.note")), QStringLiteral("two!"));

    // Prev on the first page only saves.
    Type(QStringLiteral("x"));
    Drive(dlg).SendCommand(1001);
    EXPECT_EQ(dlg.GetPage(), 0);
    EXPECT_EQ(dlg.GetNotes().GetCount(), 3);
    EXPECT_EQ(SavedText(QStringLiteral("a.note")), QStringLiteral("x1 + one"));
    EXPECT_TRUE(dlg.GetEdit().hasFocus());
}

// An empty last page is no file; Clear deletes a note's file at the next tick
// and keeps the page.
TEST_F(NoteBookPagesTest, NextOnALastPageWithTextAppendsADatedPageOnceAndClearEmptiesOne)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    for (int press = 0; press < 2; ++press) {
        Drive(dlg).SendCommand(1002);
        EXPECT_TRUE(ShowsPageText(kCaption, FormatDateCaption(Now(), ORVA_LANG_ENGLISH)));
        EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 4/4")));
        EXPECT_TRUE(dlg.GetEdit().toPlainText().isEmpty());
        EXPECT_TRUE(dlg.GetEdit().hasFocus());
    }

    Drive(dlg).SendCommand(1001);
    Drive(dlg).SendCommand(1004);
    EXPECT_TRUE(dlg.GetEdit().toPlainText().isEmpty());
    EXPECT_EQ(NoteFiles(), (QStringList { "a.note", "b.note", "c.note" }));
    Tick();
    EXPECT_EQ(NoteFiles(), (QStringList { "a.note", "b.note" }));
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 3/4")));
}

TEST_F(NoteBookPagesTest, PageUpAndDownTurnThePageAndReachTheEditor)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A first"), QStringLiteral("one"));
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B second"), QStringLiteral("line\n").repeated(40));
    CNoteBookDlg& dlg = Start();
    Drive(dlg).PressKey(VK_PRIOR);
    ASSERT_EQ(dlg.GetPage(), 0);
    Type(QStringLiteral("first "));

    Drive(dlg).PressKey(VK_NEXT);
    EXPECT_EQ(dlg.GetPage(), 1);
    EXPECT_EQ(SavedText(QStringLiteral("a.note")), QStringLiteral("first one"));
    // The editor took the key too: its caret went a page down the new text.
    EXPECT_GE(dlg.GetEdit().textCursor().blockNumber(), 13);
    EXPECT_TRUE(dlg.GetEdit().hasFocus());
}

// With no notes folder set, the default one is made, parent and all.
TEST_F(NoteBookPagesTest, TypedTextReachesTheDefaultFolderAtTheAutosaveTick)
{
    WriteSettings("language=0\n");
    CNoteBookDlg& dlg = Start();
    Type(QStringLiteral("Çarşamba"));
    Drive(dlg).PressKey(VK_RETURN);
    Type(QStringLiteral("记事本"));
    const QDir folder(HostPath(QStringLiteral("\\NAND Flash\\Note")));
    EXPECT_TRUE(folder.entryList(QDir::Files).isEmpty());

    Tick();
    ASSERT_EQ(folder.entryList(QDir::Files), QStringList { "2026-12-06 041548.note" });
    EXPECT_EQ(ReadHostFile(folder.filePath(QStringLiteral("2026-12-06 041548.note"))),
        ArchivedStrings({ FormatDateCaption(Now(), ORVA_LANG_ENGLISH), u"Çarşamba\r\n记事本"_qs }));
}

} // namespace
