#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/DateCaption.h"
#include "notebook/window/tests/NoteBookFixture.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/ShellSettings.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

struct FirstStart {
    const char* name;
    bool folderExists;
    ORVA_LANG language;
    const char16_t* label;
};

class NoteBookFirstStartTest : public NoteBookTest, public testing::WithParamInterface<FirstStart> { };

TEST_P(NoteBookFirstStartTest, ShowsOneEmptyDatedPageAndWritesNothing)
{
    const FirstStart& start = GetParam();
    if (start.folderExists)
        QDir().mkpath(NotesHostFolder());
    ShellSettings::SetValue(QStringLiteral("language"), QString::number(start.language));

    CNoteBookDlg& dlg = Start();

    EXPECT_TRUE(QFileInfo(NotesHostFolder()).isDir());
    ASSERT_EQ(dlg.GetNotes().GetCount(), 1);
    EXPECT_EQ(dlg.GetPage(), 0);
    const QString caption = FormatDateCaption(Now(), start.language);
    EXPECT_EQ(dlg.GetNotes().GetAt(0)->m_strTitle, caption);
    EXPECT_TRUE(ShowsPageText(kCaption, caption));
    EXPECT_TRUE(ShowsPageText(kLabel, QString::fromUtf16(start.label)));
    EXPECT_TRUE(dlg.GetEdit().toPlainText().isEmpty());

    Tick();
    dlg.DestroyWindow();
    EXPECT_TRUE(NoteFiles().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Folders, NoteBookFirstStartTest,
    testing::Values(FirstStart { "EmptyFolderTurkish", true, ORVA_LANG_TURKISH, u"Page 1/1" },
                    FirstStart { "MissingFolderChinese", false, ORVA_LANG_CHINESE, u"第1页/共1页" }),
    [](const testing::TestParamInfo<FirstStart>& info) { return info.param.name; });

TEST_F(NoteBookTest, ShowsTheLastOfThreeNotesWithTheCaretAtTheEnd)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    ProcessEvents();

    EXPECT_EQ(dlg.GetNotes().GetCount(), 3);
    EXPECT_EQ(dlg.GetPage(), 2);
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 3/3")));
    EXPECT_TRUE(ShowsPageText(kCaption, QStringLiteral("C third")));
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("three"));
    EXPECT_FALSE(Drive(dlg).IsTimerActive(102));
    EXPECT_TRUE(Drive(dlg).IsTimerActive(101));
    EXPECT_EQ(dlg.GetEdit().textCursor().position(), 5);
    EXPECT_TRUE(dlg.GetEdit().hasFocus());

    // The four frame rules in the ink of the page, from their left ends to one
    // pixel short of their right ends, and a picture on the left-hand page.
    // The screen is kept beside the test for a person to look at.
    const QImage screen = Screen();
    screen.save(QDir::current().filePath(QStringLiteral("notebook.png")));
    for (int y : { 80, 410 }) {
        for (int left : { 40, 440 }) {
            for (int x = left; x < left + 300; ++x)
                ASSERT_EQ(screen.pixel(x, y), qRgb(158, 11, 14)) << x << "," << y;
            for (QPoint beside : { QPoint(left + 300, y), QPoint(left + 290, y - 1), QPoint(left + 290, y + 1) })
                EXPECT_NE(screen.pixel(beside), qRgb(158, 11, 14)) << beside.x() << "," << beside.y();
        }
    }
    int picture = 0;
    for (int y = 82; y < 408; y += 2)
        for (int x = 40; x < 340; x += 2)
            picture += screen.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(picture, 500);
}

// A handed-over file becomes the last page; the hand-off is gone even when
// the file it names is missing.
TEST_F(NoteBookTest, HandOffIsOpenedAndDeletedUnlessItIsNoPath)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A first"), QStringLiteral("first page"));
    const QString text = WriteOutsideFile(QStringLiteral("shopping.txt"),
                                          QByteArray("\xEF\xBB\xBF") + QStringLiteral("süt, çay, 茶").toUtf8());
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

    // One that is no path is left alone, and the last page shows.
    QByteArray tooLarge;
    AppendArchivedString(tooLarge, DevicePathFromHostPath(text));
    tooLarge.resize(10 + 2 * (MAX_PATH - 1) + 1, ' ');
    const QByteArray damaged("\xFF\xFE\xFF\x40\x41");
    for (const QByteArray* bytes : std::initializer_list<const QByteArray*> { &damaged, &tooLarge, nullptr }) {
        QFile::remove(HandOffHostPath());
        // Without bytes, a pipe nobody writes to: it would block a reader for ever.
        if (bytes)
            WriteFile(HandOffHostPath(), *bytes);
        else
            ASSERT_EQ(::mkfifo(QFile::encodeName(HandOffHostPath()).constData(), 0600), 0);

        CNoteBookDlg& dlg = Start();

        EXPECT_EQ(dlg.GetNotes().GetCount(), 1);
        EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("first page"));
        EXPECT_TRUE(QFileInfo::exists(HandOffHostPath()));
        EXPECT_EQ(QFileInfo(HandOffHostPath()).size(), bytes ? bytes->size() : 0);
    }
}

} // namespace
