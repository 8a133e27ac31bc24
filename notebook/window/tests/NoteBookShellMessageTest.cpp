#include "notebook/storage/Note.h"
#include "notebook/window/tests/NoteBookFixture.h"
#include "platform/ShellMessage.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/ShellSettings.h"

#include <QFileInfo>

namespace {

class NoteBookShellMessageTest : public NoteBookTest {
protected:
    CNoteBookDlg& StartOnSecondOfThree()
    {
        WriteNote(QStringLiteral("a.note"), QStringLiteral("A first"), QStringLiteral("one"));
        WriteNote(QStringLiteral("b.note"), QStringLiteral("B second"), QStringLiteral("two"));
        WriteNote(QStringLiteral("c.note"), QStringLiteral("C third"), QStringLiteral("three"));
        CNoteBookDlg& dlg = Start();
        Drive(dlg).SendCommand(1001);
        Drive(dlg).ClearPaintRecord();
        return dlg;
    }

    void Send(unsigned long code)
    {
        PostShellMessage(m_dlg.get(), code);
        ProcessEvents();
    }
};

TEST_F(NoteBookShellMessageTest, UnknownCodesChangeNothing)
{
    CNoteBookDlg& dlg = StartOnSecondOfThree();
    Type(QStringLiteral("unsaved "));
    const QImage before = Screen();
    const QByteArray fileBefore = NoteFileBytes(QStringLiteral("b.note"));
    Drive(dlg).ClearPaintRecord();

    for (unsigned long code : { 0ul, 5ul, 27ul, 29ul }) {
        Send(code);
        EXPECT_EQ(dlg.GetPage(), 1) << code;
        EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("unsaved two")) << code;
    }
    EXPECT_TRUE(Drive(dlg).GetPaintRecord().Invalidations().empty());
    EXPECT_EQ(Screen(), before);
    EXPECT_EQ(NoteFileBytes(QStringLiteral("b.note")), fileBefore);
    EXPECT_TRUE(dlg.IsWindow());
}

TEST_F(NoteBookShellMessageTest, SkinAndLanguageChangesRedrawTheSamePage)
{
    CNoteBookDlg& dlg = StartOnSecondOfThree();
    Type(QStringLiteral("kept "));
    const QImage before = Screen();

    for (unsigned long code : { 3ul, 4ul }) {
        Drive(dlg).ClearPaintRecord();
        Send(code);
        EXPECT_EQ(dlg.GetPage(), 1);
        EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("kept two"));
        EXPECT_EQ(Drive(dlg).GetPaintRecord().InvalidatedRegion(), QRegion(0, 0, 800, 480)) << code;
    }
    EXPECT_EQ(Screen(), before);
}

TEST_F(NoteBookShellMessageTest, ALanguageChangeShowsInThePageLabel)
{
    StartOnSecondOfThree();
    ShellSettings::SetValue(QStringLiteral("language"), QStringLiteral("1"));
    Send(4);
    EXPECT_TRUE(ShowsPageText(QRect(QPoint(210, 412), QPoint(339, 429)), QStringLiteral("第2页/共3页")));
}

TEST_F(NoteBookShellMessageTest, OpenRequestSavesFirstThenShowsTheFileAndComesForward)
{
    CNoteBookDlg& dlg = StartOnSecondOfThree();
    Type(QStringLiteral("edited "));
    const QString path = WriteOutsideFile(QStringLiteral("todo.txt"), QByteArray("buy milk"));
    WriteHandOff(DevicePathFromHostPath(path));

    Send(28);
    CNote saved;
    ASSERT_TRUE(saved.Load(QStringLiteral("\\Notes\\b.note"), true));
    EXPECT_EQ(saved.m_strText, QStringLiteral("edited two"));
    EXPECT_EQ(dlg.GetNotes().GetCount(), 4);
    EXPECT_EQ(dlg.GetPage(), 3);
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("buy milk"));
    EXPECT_TRUE(ShowsPageText(QRect(QPoint(430, 58), QPoint(729, 74)), QStringLiteral("todo.txt")));
    EXPECT_FALSE(QFileInfo::exists(HandOffHostPath()));
    EXPECT_EQ(Drive(dlg).GetZPlace(), ZPlace::Top);
}

TEST_F(NoteBookShellMessageTest, OpenRequestWithoutAHandOffSavesAndComesForwardOnTheSamePage)
{
    CNoteBookDlg& dlg = StartOnSecondOfThree();
    Type(QStringLiteral("edited "));
    Send(28);
    EXPECT_EQ(dlg.GetPage(), 1);
    EXPECT_EQ(dlg.GetNotes().GetCount(), 3);
    CNote saved;
    ASSERT_TRUE(saved.Load(QStringLiteral("\\Notes\\b.note"), true));
    EXPECT_EQ(saved.m_strText, QStringLiteral("edited two"));
    EXPECT_EQ(Drive(dlg).GetZPlace(), ZPlace::Top);
}

TEST_F(NoteBookShellMessageTest, OpeningAFileThatIsAlreadyAPageShowsThatPage)
{
    CNoteBookDlg& dlg = StartOnSecondOfThree();
    const QString path = WriteOutsideFile(QStringLiteral("todo.txt"), QByteArray("buy milk"));
    WriteHandOff(DevicePathFromHostPath(path));
    Send(28);
    Drive(dlg).SendCommand(1001);
    WriteHandOff(DevicePathFromHostPath(path));
    Send(28);
    EXPECT_EQ(dlg.GetNotes().GetCount(), 4);
    EXPECT_EQ(dlg.GetPage(), 3);
}

TEST_F(NoteBookShellMessageTest, ComeToFrontKeepsPageAndText)
{
    CNoteBookDlg& dlg = StartOnSecondOfThree();
    Type(QStringLiteral("x"));
    dlg.SendToBottom();
    Send(1);
    EXPECT_EQ(Drive(dlg).GetZPlace(), ZPlace::Top);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.GetPage(), 1);
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("xtwo"));
}

TEST_F(NoteBookShellMessageTest, QuitClosesAndSaves)
{
    CNoteBookDlg& dlg = StartOnSecondOfThree();
    Type(QStringLiteral("last words "));
    Send(2);
    EXPECT_FALSE(dlg.IsWindow());
    CNote saved;
    ASSERT_TRUE(saved.Load(QStringLiteral("\\Notes\\b.note"), true));
    EXPECT_EQ(saved.m_strText, QStringLiteral("last words two"));
}

} // namespace
