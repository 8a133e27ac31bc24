// The window as a person sees it after the computer's opening stone, saved
// as a picture for people to look at; a few pixels are checked here.
#include "go/window/GoLayout.h"
#include "go/window/tests/GoWindowTest.h"
#include "platform/testsupport/DialogDriver.h"

#include <QColor>
#include <QDir>
#include <gtest/gtest.h>

namespace {

using GoScreenshot = GoWindowTest;

TEST_F(GoScreenshot, OpeningStoneOnTheWoodenBoard)
{
    OpenAfterOpening();
    const QImage frame = Drive(Dlg()).Render().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(frame.size(), QSize(800, 480));
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("go-window.png"));
    EXPECT_TRUE(frame.save(path)) << path.toStdString();

    // The board between lines is wood: warm, red above blue.
    const QColor wood = frame.pixelColor(93, 37);
    EXPECT_GT(wood.red(), wood.blue() + 40);
    // The black stone on the centre point, dark at its middle.
    const QPoint centre = kBoard.CellCentre({ 7, 7 });
    EXPECT_EQ(centre, QPoint(288, 232));
    EXPECT_LT(QColor(frame.pixel(centre)).lightness(), 80);
    // The cursor mark's green brackets around it.
    EXPECT_EQ(frame.pixel(centre + QPoint(-18, -10)), 0xFF00FF00u);
    EXPECT_EQ(frame.pixel(centre + QPoint(10, 18)), 0xFF00FF00u);
    // An empty intersection shows the board's line crossing, darker than the wood.
    EXPECT_LT(QColor(frame.pixel(78 + 30, 22 + 30)).lightness(), wood.lightness());
}

TEST_F(GoScreenshot, ChineseTextsAfterAFewMoves)
{
    WriteSettings("language=1\nskin=Ocean\n");
    OpenAfterOpening();
    TapCell(6, 6);
    TapCell(8, 8);
    Drive(Dlg()).PressKey('3');
    const QImage frame = Drive(Dlg()).Render().convertToFormat(QImage::Format_RGB32);
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("go-window-chinese.png"));
    EXPECT_TRUE(frame.save(path)) << path.toStdString();
    EXPECT_EQ(Status(), u"Talvo\n第5手");
    EXPECT_GT(QColor(frame.pixel(kBoard.CellCentre({ 6, 6 }))).lightness(), 200)
        << "the white stone's middle";
}

} // namespace
