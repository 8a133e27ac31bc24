// The window as a person sees it, saved as pictures for people to look at:
// after the computer's opening stone, and in Chinese on another skin after a
// few moves. The stones and marks are checked pixel by pixel in GoRenderTest.
#include "go/window/tests/GoWindowTest.h"
#include "platform/testsupport/DialogDriver.h"

#include <QColor>
#include <QDir>
#include <gtest/gtest.h>

namespace {

using GoScreenshot = GoWindowTest;

TEST_F(GoScreenshot, WoodenBoardThenChineseTextsAfterAFewMoves)
{
    OpenAfterOpening();
    const QImage frame = Drive(Dlg()).Render().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(frame.size(), QSize(800, 480));
    EXPECT_TRUE(frame.save(QDir::current().absoluteFilePath(QStringLiteral("go-window.png"))));
    // The board between lines is wood: warm, red above blue; a crossing is darker.
    const QColor wood = frame.pixelColor(93, 37);
    EXPECT_GT(wood.red(), wood.blue() + 40);
    EXPECT_LT(QColor(frame.pixel(78 + 30, 22 + 30)).lightness(), wood.lightness());

    WriteSettings("language=1\nskin=Ocean\n");
    OpenAfterOpening();
    TapCell(6, 6);
    TapCell(8, 8);
    Drive(Dlg()).PressKey('3');
    const QImage chinese = Drive(Dlg()).Render().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(chinese.save(QDir::current().absoluteFilePath(QStringLiteral("go-window-chinese.png"))));
    EXPECT_EQ(Status(), u"Talvo\n第5手");
}

} // namespace
