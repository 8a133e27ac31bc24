#include "notebook/window/tests/NoteBookFixture.h"

#include "platform/testsupport/DialogDriver.h"

#include <QDir>

namespace {

const QRgb kInk = qRgb(158, 11, 14);

// The book with a page of text and a picture, as a person would see it, then
// with the soft keyboard open over its lower part, Shift on. The images are
// kept beside the test for a person to look at; what the editor and the page
// texts show is checked by their own tests.
TEST_F(NoteBookTest, ScreenshotsOfAPageWithAndWithoutTheSoftKeyboard)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("December 5, 2026 21:40 SAT "),
              QStringLiteral("Buy bread and tea.\nÇarşamba: call Ayşe about the trip.\n"
                             "周末去公园散步。\nA long line that runs on past the edge of the page "
                             "and wraps onto the next rule without leaving it."));
    CNoteBookDlg& dlg = Start();
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
    // A picture on the left-hand page: not blank paper.
    int picture = 0;
    for (int y = 82; y < 408; y += 2)
        for (int x = 40; x < 340; x += 2)
            picture += screen.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(picture, 500);

    Drive(dlg).FireTimer(102);
    Drive(dlg).TapAt(QPoint(560, 430));
    TypeOnKeyboard(QStringLiteral("\nhoney"));
    TapKey(QStringLiteral("shift"));
    const QImage keyboard = Screen();
    keyboard.save(QDir::current().filePath(QStringLiteral("notebook-keyboard-screenshot.png")));
    // The keyboard's dark background, its keys lighter.
    EXPECT_EQ(keyboard.pixel(2, 478), qRgb(0x2b, 0x2f, 0x36));
    EXPECT_GT(qGray(keyboard.pixel(400, 455)), qGray(keyboard.pixel(2, 478)));
}

} // namespace
