#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/DateCaption.h"
#include "notebook/storage/Note.h"
#include "notebook/window/tests/NoteBookFixture.h"
#include "platform/VirtualKey.h"
#include "platform/testsupport/DialogDriver.h"

#include <QTextBlock>

namespace {

class NoteBookPagesTest : public NoteBookTest {
protected:
    CNoteBookDlg& StartWithThreeNotes()
    {
        WriteNote(QStringLiteral("a.note"), QStringLiteral("A first"), QStringLiteral("one"));
        WriteNote(QStringLiteral("b.note"), QStringLiteral("B second"), QStringLiteral("two"));
        WriteNote(QStringLiteral("c.note"), QStringLiteral("C third"), QStringLiteral("three"));
        return Start();
    }

    CNote Reload(const QString& fileName)
    {
        CNote note;
        EXPECT_TRUE(note.Load(QString::fromUtf16(kNotesFolder) + u'\\' + fileName, true));
        return note;
    }

    static QByteArray ArchiveBytes(const QString& title, const QString& text)
    {
        QByteArray bytes;
        AppendArchivedString(bytes, title);
        AppendArchivedString(bytes, text);
        return bytes;
    }
};

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
    EXPECT_EQ(NoteFileBytes(QStringLiteral("a.note")), ArchiveBytes(QStringLiteral("A first"), QStringLiteral("1 + one")));

    dlg.GetEdit().moveCursor(QTextCursor::End);
    Type(QStringLiteral("!"));
    Drive(dlg).SendCommand(1001);
    EXPECT_EQ(dlg.GetPage(), 0);
    EXPECT_EQ(Reload(QStringLiteral("b.note")).m_strText, QStringLiteral("two!"));
    EXPECT_TRUE(dlg.GetEdit().hasFocus());
}

TEST_F(NoteBookPagesTest, NextOnALastPageWithTextAppendsADatedPageOnce)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    Drive(dlg).SendCommand(1002);
    ASSERT_EQ(dlg.GetNotes().GetCount(), 4);
    EXPECT_EQ(dlg.GetPage(), 3);
    EXPECT_EQ(dlg.GetNotes().GetAt(3)->m_strTitle, FormatDateCaption(Now(), ORVA_LANG_ENGLISH));
    EXPECT_TRUE(ShowsPageText(QRect(QPoint(210, 412), QPoint(339, 429)), QStringLiteral("Page 4/4")));
    EXPECT_TRUE(dlg.GetEdit().toPlainText().isEmpty());

    Drive(dlg).SendCommand(1002);
    EXPECT_EQ(dlg.GetNotes().GetCount(), 4);
    EXPECT_EQ(dlg.GetPage(), 3);
    EXPECT_TRUE(dlg.GetEdit().hasFocus());
    EXPECT_EQ(NoteFiles(), (QStringList { "a.note", "b.note", "c.note" }));
}

TEST_F(NoteBookPagesTest, PrevOnTheFirstPageOnlySaves)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    Drive(dlg).SendCommand(1001);
    Drive(dlg).SendCommand(1001);
    Type(QStringLiteral("x"));
    Drive(dlg).SendCommand(1001);
    EXPECT_EQ(dlg.GetPage(), 0);
    EXPECT_EQ(dlg.GetNotes().GetCount(), 3);
    EXPECT_EQ(Reload(QStringLiteral("a.note")).m_strText, QStringLiteral("xone"));
    EXPECT_TRUE(dlg.GetEdit().hasFocus());
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
    EXPECT_EQ(Reload(QStringLiteral("a.note")).m_strText, QStringLiteral("first one"));
    // The editor took the key too: its caret went a page down the new text.
    EXPECT_GE(dlg.GetEdit().textCursor().blockNumber(), 13);
    EXPECT_TRUE(dlg.GetEdit().hasFocus());
}

TEST_F(NoteBookPagesTest, ClearDeletesAnArchiveNotesFileAtTheNextTickAndKeepsThePage)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    Drive(dlg).SendCommand(1004);
    EXPECT_TRUE(dlg.GetEdit().toPlainText().isEmpty());
    EXPECT_EQ(NoteFiles().size(), 3);

    Drive(dlg).FireTimer(101);
    EXPECT_EQ(NoteFiles(), (QStringList { "a.note", "b.note" }));
    EXPECT_EQ(dlg.GetNotes().GetCount(), 3);
    EXPECT_EQ(dlg.GetPage(), 2);
}

TEST_F(NoteBookPagesTest, TypedTextReachesTheFileAtTheAutosaveTick)
{
    CNoteBookDlg& dlg = Start();
    Type(QStringLiteral("Çarşamba"));
    Drive(dlg).PressKey(VK_RETURN);
    Type(QStringLiteral("记事本"));
    EXPECT_TRUE(NoteFiles().isEmpty());

    Drive(dlg).FireTimer(101);
    ASSERT_EQ(NoteFiles(), QStringList { "2026-12-06 041548.note" });
    const QString text = QStringLiteral("Çarşamba\r\n记事本");
    const QString title = FormatDateCaption(Now(), ORVA_LANG_ENGLISH);
    EXPECT_EQ(NoteFileBytes(NoteFiles().first()), ArchiveBytes(title, text));
    const CNote saved = Reload(NoteFiles().first());
    EXPECT_EQ(saved.m_strTitle, title);
    EXPECT_EQ(saved.m_strText, text);
}

TEST_F(NoteBookPagesTest, ClosingSavesTheCurrentPage)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    Type(QStringLiteral(" and more"));
    Drive(dlg).SendCommand(1000);
    EXPECT_FALSE(dlg.IsWindow());
    EXPECT_EQ(Reload(QStringLiteral("c.note")).m_strText, QStringLiteral("three and more"));
}

TEST_F(NoteBookPagesTest, LineBreaksAndSpecialSpacesOfAHandedOverFileSurvive)
{
    const QString text = QStringLiteral("first\nsecond\u00A0third\u2028fourth");
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const QString path = WriteOutsideFile(QStringLiteral("plain.txt"), bytes);
    WriteHandOff(DevicePathFromHostPath(path));
    CNoteBookDlg& dlg = Start();
    dlg.GetEdit().moveCursor(QTextCursor::End);
    Type(QStringLiteral("!"));
    Drive(dlg).FireTimer(101);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes + QByteArray("!\0", 2));
}

} // namespace
