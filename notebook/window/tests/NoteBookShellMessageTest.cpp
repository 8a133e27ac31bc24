#include "notebook/storage/DateCaption.h"
#include "notebook/storage/HandOff.h"
#include "notebook/window/tests/NoteBookFixture.h"

#include <QFileInfo>

namespace {

using NoteBookShellMessageTest = NoteBookTest;

// Unknown codes change nothing; a skin or language change redraws the page as
// it was. A caption is written in the language of the day its note was made.
TEST_F(NoteBookShellMessageTest, CodesKeepThePageAndItsTextCaptionsKeepTheirLanguage)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    Drive(dlg).SendCommand(1001);
    Type(QStringLiteral("unsaved "));
    const QImage before = Screen();
    Drive(dlg).ClearPaintRecord();
    dlg.SendToBottom();

    for (unsigned long code : { 0ul, 5ul, 27ul, 29ul })
        Send(code);
    EXPECT_TRUE(Drive(dlg).GetPaintRecord().Invalidations().empty());
    EXPECT_EQ(Drive(dlg).GetZPlace(), ZPlace::Bottom);
    EXPECT_EQ(Screen(), before);

    for (unsigned long code : { 3ul, 4ul }) {
        Drive(dlg).ClearPaintRecord();
        Send(code);
        EXPECT_EQ(Drive(dlg).GetPaintRecord().InvalidatedRegion(), QRegion(0, 0, 800, 480)) << code;
    }
    EXPECT_EQ(dlg.GetPage(), 1);
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("unsaved two"));
    EXPECT_EQ(Screen(), before);
    EXPECT_EQ(SavedText(QStringLiteral("b.note")), QStringLiteral("two"));

    Drive(dlg).SendCommand(1002);
    Drive(dlg).SendCommand(1002);
    Type(QStringLiteral("made in English"));
    SetShellSetting(QStringLiteral("language"), QStringLiteral("1"));
    Send(4);
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("第4页/共4页")));
    ASSERT_EQ(dlg.GetNotes().GetCount(), 4);
    EXPECT_EQ(dlg.GetNotes().GetAt(3)->m_strTitle, FormatDateCaption(Now(), ORVA_LANG_ENGLISH));
}

TEST_F(NoteBookShellMessageTest, OpenRequestSavesFirstThenShowsTheFileAndComesForward)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    Drive(dlg).SendCommand(1001);
    Type(QStringLiteral("edited "));
    Send(28);
    EXPECT_EQ(dlg.GetPage(), 1) << "nothing handed over";
    EXPECT_EQ(SavedText(QStringLiteral("b.note")), QStringLiteral("edited two"));
    EXPECT_EQ(Drive(dlg).GetZPlace(), ZPlace::Top);

    Type(QStringLiteral("and "));
    const QString typed = dlg.GetEdit().toPlainText();
    dlg.SendToBottom();
    const QString path = WriteOutsideFile(QStringLiteral("todo.txt"), QByteArray("buy milk"));
    WriteHandOff(DevicePathFromHostPath(path));
    Send(28);
    EXPECT_EQ(SavedText(QStringLiteral("b.note")), typed);
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 4/4")));
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("buy milk"));
    EXPECT_TRUE(ShowsPageText(kCaption, QStringLiteral("todo.txt")));
    EXPECT_FALSE(QFileInfo::exists(HandOffHostPath()));
    EXPECT_EQ(Drive(dlg).GetZPlace(), ZPlace::Top);

    // A file already a page (the first, here) shows that page, and its spool entry is taken.
    const QString entry = HandOff::Post(QStringLiteral("\\Notes\\a.note"));
    Send(28);
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 1/4")));
    EXPECT_EQ(HandOff::StateOf(entry), HandOff::State::Taken);
}

} // namespace
