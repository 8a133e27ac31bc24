#include "notebook/storage/DateCaption.h"
#include "notebook/window/tests/NoteBookFixture.h"

#include <QFileInfo>

namespace {

// The first start makes the notes folder; the second finds it empty.
TEST_F(NoteBookTest, FirstStartsShowOneEmptyDatedPageAndWriteNothing)
{
    const std::pair<ORVA_LANG, QString> starts[]
        = { { ORVA_LANG_CHINESE, u"第1页/共1页"_qs }, { ORVA_LANG_TURKISH, u"Page 1/1"_qs } };
    for (const auto& [language, label] : starts) {
        SetShellSetting(QStringLiteral("language"), QString::number(language));
        CNoteBookDlg& dlg = Start();
        EXPECT_TRUE(QFileInfo(NotesHostFolder()).isDir());
        EXPECT_TRUE(ShowsPageText(kCaption, FormatDateCaption(Now(), language)));
        EXPECT_TRUE(ShowsPageText(kLabel, label));
        EXPECT_TRUE(dlg.GetEdit().toPlainText().isEmpty());

        Tick();
        dlg.DestroyWindow();
        EXPECT_TRUE(NoteFiles().isEmpty());
    }
}

TEST_F(NoteBookTest, ShowsTheLastOfThreeNotesWithTheCaretAtTheEnd)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 3/3")));
    EXPECT_TRUE(ShowsPageText(kCaption, QStringLiteral("C third")));
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("three"));
    EXPECT_EQ(Drive(dlg).TimerPeriod(102), std::nullopt);
    EXPECT_EQ(Drive(dlg).TimerPeriod(101), 10000u) << "saved on its own every 10 seconds";
    EXPECT_EQ(dlg.GetEdit().textCursor().position(), 5);
    EXPECT_TRUE(dlg.GetEdit().hasFocus());
}

// A handed-over file becomes the last page; the hand-off is gone even when
// the file it names is missing (notebook/storage tests the hand-offs that
// name no path).
TEST_F(NoteBookTest, HandOffIsOpenedAndDeleted)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A first"), QStringLiteral("first page"));
    const QString text = WriteOutsideFile(
        QStringLiteral("shopping.txt"), QByteArray("\xEF\xBB\xBF") + QStringLiteral("süt, çay, 茶").toUtf8());
    const struct {
        QString handedOver, text, caption, label;
    } cases[] = {
        { DevicePathFromHostPath(text), u"süt, çay, 茶"_qs, u"shopping.txt"_qs, u"Page 2/2"_qs },
        { u"Z:\\no\\such\\file.txt"_qs, u"first page"_qs, u"A first"_qs, u"Page 1/1"_qs },
    };
    for (const auto& c : cases) {
        WriteHandOff(c.handedOver);
        CNoteBookDlg& dlg = Start();
        EXPECT_EQ(dlg.GetEdit().toPlainText(), c.text);
        EXPECT_TRUE(ShowsPageText(kCaption, c.caption));
        EXPECT_TRUE(ShowsPageText(kLabel, c.label));
        EXPECT_FALSE(QFileInfo::exists(HandOffHostPath())) << c.handedOver.toStdString();
    }
}

} // namespace
