// What the window paints and exactly which areas a command repaints.
#include "go/window/GoLayout.h"
#include "go/window/tests/GoWindowTest.h"
#include "platform/Drawing.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/OrvaSkins.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kGreen = 0xFF00FF00;

class GoRender : public GoWindowTest {
protected:
    static QImage Skin(const char16_t* name)
    {
        return COrvaSkins::LoadBitmapW(name, 0).convertToFormat(QImage::Format_RGB32);
    }
    QImage Frame() { return Drive(Dlg()).Render().convertToFormat(QImage::Format_RGB32); }
    QImage Frame(const RECT& area) { return Frame().copy(QRectFromRect(area)); }
    void ShowWholeWindowAgain()
    {
        Dlg().Invalidate(false);
        Drive(Dlg()).ClearPaintRecord();
    }
};

TEST_F(GoRender, StonesAreCentredOnTheirIntersectionWithMagentaLeftOut)
{
    Open();
    const QImage board = Skin(u"GO_BOARD");
    for (auto [code, image] : { std::pair { kGoBlack, Skin(u"GO_Black") }, std::pair { kGoWhite, Skin(u"GO_White") } }) {
        Dlg().SetStone(0, 0, code);
        ShowWholeWindowAgain();
        const QImage frame = Frame();
        int stonePixels = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                const QRgb stone = image.pixel(x, y);
                const QRgb expected = stone == kMagenta ? board.pixel(66 + x - 60, 10 + y - 4) : stone;
                stonePixels += stone != kMagenta;
                ASSERT_EQ(frame.pixel(66 + x, 10 + y), expected) << code << " at " << x << "," << y;
            }
        }
        EXPECT_GT(stonePixels, 300);
        for (QPoint outside : { QPoint(65, 22), QPoint(90, 22), QPoint(78, 9), QPoint(78, 34) })
            EXPECT_EQ(frame.pixel(outside), board.pixel(outside - QPoint(60, 4)));
    }
}

TEST_F(GoRender, CursorMarkIsDrawnOverStones)
{
    // A skin whose black stone fills its whole box, so that it reaches under
    // the mark of its neighbour.
    const QString skin = m_root + QStringLiteral("/Orva/Skins/Solid");
    ASSERT_TRUE(QDir().mkpath(skin));
    QImage solid(24, 24, QImage::Format_RGB32);
    solid.fill(Qt::black);
    ASSERT_TRUE(solid.save(skin + QStringLiteral("/GO_Black.png")));
    WriteSettings("skin=Solid\n");

    Open();
    Dlg().SetStone(8, 7, kGoBlack);
    ShowWholeWindowAgain();
    const QImage frame = Frame();
    const QPoint centre = kBoard.CellCentre({ 7, 7 });
    EXPECT_EQ(frame.pixel(centre + QPoint(20, -10)), 0xFF000000u) << "the stone beside the mark";
    // (18, -10) is the right arm over that stone.
    for (QPoint arm : { QPoint(18, -10), QPoint(-18, -10), QPoint(-10, -18), QPoint(10, 18) })
        EXPECT_EQ(frame.pixel(centre + arm), kGreen) << "mark at " << arm.x() << "," << arm.y();
    for (QPoint gap : { QPoint(-18, 0), QPoint(18, 0), QPoint(0, -18), QPoint(0, 18) })
        EXPECT_NE(frame.pixel(centre + gap), kGreen) << "no mark at " << gap.x() << "," << gap.y();
}

// A level key repaints the three options, and exactly the chosen one shows filled.
TEST_F(GoRender, ExactlyTheChosenLevelIsFilled)
{
    Open();
    std::vector<Invalidation> options;
    for (const RECT& option : kRectLevels)
        options.push_back({ QRectFromRect(option), false });
    std::array<std::array<QImage, 3>, 3> option; // [level chosen][option shown]
    for (int level = 1; level <= 3; ++level) {
        Frame();
        Drive(Dlg()).ClearPaintRecord();
        Drive(Dlg()).PressKey('0' + level);
        EXPECT_EQ(Drive(Dlg()).GetPaintRecord().Invalidations(), options) << level;
        const QImage frame = Frame();
        for (int i = 0; i < 3; ++i)
            option[level - 1][i] = frame.copy(QRectFromRect(kRectLevels[i]));
    }
    for (int i = 0; i < 3; ++i) {
        const int other = (i + 1) % 3;
        const int third = (i + 2) % 3;
        EXPECT_NE(option[i][i], option[other][i]) << "option " << i << " filled when chosen";
        EXPECT_EQ(option[other][i], option[third][i]) << "option " << i << " empty otherwise";
    }
}

TEST_F(GoRender, CpuFirstIsTickedWhileTheComputerOpens)
{
    Open();
    const QImage ticked = Frame(kRectCpuFirst);
    Drive(Dlg()).PressKey(VK_TAB);
    const QImage cleared = Frame(kRectCpuFirst);
    EXPECT_NE(ticked, cleared);
    Drive(Dlg()).SendCommand(IDC_NEW);
    EXPECT_EQ(Frame(kRectCpuFirst), cleared) << "the box shows the option, not the running rule";
}

TEST_F(GoRender, CursorStepRepaintsTwoSquaresOnly)
{
    Open();
    Dlg().MoveCursorTo(0, 0);
    Frame();
    Drive(Dlg()).ClearPaintRecord();
    Drive(Dlg()).PressKey(VK_LEFT);
    ASSERT_EQ(CGoDlgProbe::CursorCell(Dlg()), QPoint(14, 0));

    const QRect around14(498 - 30, 22 - 30, 60, 60);
    const QRect around0(78 - 30, 22 - 30, 60, 60);
    const std::vector<Invalidation> expected = { { around14, false }, { around0, false } };
    EXPECT_EQ(Drive(Dlg()).GetPaintRecord().Invalidations(), expected);
    Frame();
    const QRegion screen(0, 0, 800, 480);
    EXPECT_EQ(Drive(Dlg()).GetPaintRecord().PaintedRegion(), (QRegion(around14) + around0) & screen);
}

TEST_F(GoRender, MoveRepaintsItsStonesCursorAndStatusOnly)
{
    OpenAfterOpening();
    Frame();
    Drive(Dlg()).ClearPaintRecord();
    TapCell(6, 6);
    const GoPoint answer = Dlg().m_ptComputerLast;
    const QRegion allowed = QRegion(kBoard.StoneBox({ 6, 6 })) + kBoard.StoneBox({ answer.x, answer.y })
        + kBoard.CellSquare({ 7, 7 }) + kBoard.CellSquare({ answer.x, answer.y }) + QRectFromRect(g_rcStatus);
    QRegion invalidated;
    for (const Invalidation& inv : Drive(Dlg()).GetPaintRecord().Invalidations()) {
        EXPECT_FALSE(inv.erase);
        EXPECT_TRUE(allowed.contains(inv.rect)) << inv.rect.x() << "," << inv.rect.y();
        invalidated += inv.rect;
    }
    EXPECT_EQ(invalidated, allowed);
}

} // namespace
