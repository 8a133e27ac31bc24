// What the window paints and exactly which areas a command repaints.
#include "go/window/GoLayout.h"
#include "go/window/tests/GoWindowTest.h"
#include "platform/Drawing.h"
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
};

TEST_F(GoRender, StonesAreCentredOnTheirIntersectionWithMagentaLeftOut)
{
    Open();
    const QImage board = Skin(u"GO_BOARD");
    for (auto [code, image] : { std::pair { kGoBlack, Skin(u"GO_Black") }, std::pair { kGoWhite, Skin(u"GO_White") } }) {
        Dlg().SetStone(0, 0, code);
        Dlg().Invalidate(false);
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
    Dlg().Invalidate(false);
    const QImage frame = Frame();
    const QPoint centre = kBoard.CellCentre({ 7, 7 });
    EXPECT_EQ(frame.pixel(centre + QPoint(20, -10)), 0xFF000000u) << "the stone beside the mark";
    // (18, -10) is the right arm over that stone.
    for (QPoint arm : { QPoint(18, -10), QPoint(-18, -10), QPoint(-10, -18), QPoint(10, 18) })
        EXPECT_EQ(frame.pixel(centre + arm), kGreen) << "mark at " << arm.x() << "," << arm.y();
    for (QPoint gap : { QPoint(-18, 0), QPoint(18, 0), QPoint(0, -18), QPoint(0, 18) })
        EXPECT_NE(frame.pixel(centre + gap), kGreen) << "no mark at " << gap.x() << "," << gap.y();
}

TEST_F(GoRender, CursorLevelAndCpuFirstKeysRepaintWhatTheyChangeOnly)
{
    Open();
    Dlg().MoveCursorTo(0, 0);
    Frame();
    Drive(Dlg()).ClearPaintRecord();
    Drive(Dlg()).PressKey(VK_LEFT);
    ASSERT_EQ(CGoDlgProbe::CursorCell(Dlg()), QPoint(14, 0));
    const QRect around14(498 - 30, 22 - 30, 60, 60);
    const QRect around0(78 - 30, 22 - 30, 60, 60);
    const std::vector<Invalidation> squares = { { around14, false }, { around0, false } };
    EXPECT_EQ(Drive(Dlg()).GetPaintRecord().Invalidations(), squares);

    Drive(Dlg()).ClearPaintRecord();
    Drive(Dlg()).PressKey('3');
    std::vector<Invalidation> options;
    for (const RECT& option : kRectLevels)
        options.push_back({ QRectFromRect(option), false });
    EXPECT_EQ(Drive(Dlg()).GetPaintRecord().Invalidations(), options);

    Drive(Dlg()).ClearPaintRecord();
    Drive(Dlg()).PressKey(VK_TAB);
    const std::vector<Invalidation> cpuFirst = { { QRectFromRect(kRectCpuFirst), false } };
    EXPECT_EQ(Drive(Dlg()).GetPaintRecord().Invalidations(), cpuFirst);
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
        invalidated += inv.rect;
    }
    EXPECT_EQ(invalidated, allowed);
}

} // namespace
