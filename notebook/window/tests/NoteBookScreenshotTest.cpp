#include "notebook/window/tests/NoteBookFixture.h"

#include "platform/testsupport/DialogDriver.h"

#include <QDir>

namespace {

const QRgb kInk = qRgb(158, 11, 14);
const QRgb kRule = qRgb(216, 157, 159);

// The book with a page of text and a picture, as a person would see it. The
// image is kept beside the test for a person to look at.
TEST_F(NoteBookTest, ScreenshotOfAPageWithTextAndPicture)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("December 5, 2026 21:40 SAT "),
              QStringLiteral("Buy bread and tea.\nÇarşamba: call Ayşe about the trip.\n"
                             "周末去公园散步。\nA long line that runs on past the edge of the page "
                             "and wraps onto the next rule without leaving it."));
    Start();
    const QImage screen = Screen();
    screen.save(QDir::current().filePath(QStringLiteral("notebook-screenshot.png")));
    ASSERT_EQ(screen.size(), QSize(800, 480));

    // The four frame rules, in the ink of the page, from their left ends to
    // one pixel short of their right ends.
    for (int y : { 80, 410 }) {
        for (int left : { 40, 440 }) {
            for (int x = left; x < left + 300; ++x)
                ASSERT_EQ(screen.pixel(x, y), kInk) << x << "," << y;
        }
    }
    // The editor's first rule, dashed, beyond the end of the short first line.
    int rulePixels = 0;
    for (int x = 440 + 200; x < 440 + 285; ++x)
        rulePixels += screen.pixel(x, 87 + 22) == kRule;
    EXPECT_GT(rulePixels, 40);
    EXPECT_LT(rulePixels, 85);
    // Text in the editor: dark pixels on its first line.
    int ink = 0;
    for (int y = 87; y < 87 + 22; ++y)
        for (int x = 440; x < 640; ++x)
            ink += qGray(screen.pixel(x, y)) < 80;
    EXPECT_GT(ink, 50);
    // The caption in ink at the right of its rectangle.
    int caption = 0;
    for (int y = 58; y < 75; ++y)
        for (int x = 600; x < 730; ++x)
            caption += screen.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(caption, 50);
    // A picture on the left-hand page: not blank paper.
    int picture = 0;
    for (int y = 82; y < 408; y += 2)
        for (int x = 40; x < 340; x += 2)
            picture += screen.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(picture, 500);
}

// The book with the soft keyboard open over its lower part, Shift on, after
// more lines than fit above the keyboard.
TEST_F(NoteBookTest, ScreenshotWithTheSoftKeyboard)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("December 5, 2026 21:40 SAT "),
              QStringLiteral("Shopping list:\nbread\ntea\napples\nolive oil\nrice\nlemons\ncheese\neggs"));
    CNoteBookDlg& dlg = Start();
    Drive(dlg).FireTimer(102);
    Drive(dlg).TapAt(QPoint(560, 430));
    TypeOnKeyboard(QStringLiteral("\nhoney"));
    TapKey(QStringLiteral("shift"));
    const QImage screen = Screen();
    screen.save(QDir::current().filePath(QStringLiteral("notebook-keyboard-screenshot.png")));

    // "honey" on the seventh line, the last above the keyboard.
    int ink = 0;
    for (int y = 87 + 6 * 22; y < 87 + 7 * 22; ++y)
        for (int x = 440; x < 540; ++x)
            ink += qGray(screen.pixel(x, y)) < 80;
    EXPECT_GT(ink, 50);
    // The keyboard's dark background from there down, its keys lighter.
    EXPECT_EQ(screen.pixel(2, 478), qRgb(0x2b, 0x2f, 0x36));
    EXPECT_GT(qGray(screen.pixel(400, 455)), qGray(screen.pixel(2, 478)));
}

} // namespace
