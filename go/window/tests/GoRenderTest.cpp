// What the reference screens cannot show: the cursor mark over a stone that
// fills its box, a board image cut at its box, and exactly which areas a move
// repaints.
#include "go/window/GoLayout.h"
#include "go/window/tests/GoWindowTest.h"
#include "platform/Drawing.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kGreen = 0xFF00FF00;

using GoRender = GoWindowTest;

TEST_F(GoRender, CursorMarkIsDrawnOverStones)
{
    // A skin whose black stone fills its whole box, so that it reaches under
    // the mark of its neighbour.
    const QString skin = m_root + QStringLiteral("/Orva/Skins/Solid");
    ASSERT_TRUE(QDir().mkpath(skin));
    QImage solid(24, 24, QImage::Format_RGB32);
    solid.fill(Qt::black);
    ASSERT_TRUE(solid.save(skin + QStringLiteral("/GO_Black.png")));
    // A board image larger than its box is cut at the box's edges.
    QImage board(500, 500, QImage::Format_RGB32);
    board.fill(Qt::blue);
    ASSERT_TRUE(board.save(skin + QStringLiteral("/GO_BOARD.png")));
    WriteSettings("skin=Solid\n");

    Open();
    Dlg().SetStone(8, 7, kGoBlack);
    Dlg().Invalidate(false);
    const QImage frame = Frame();
    for (QPoint outside : { QPoint(59, 100), QPoint(520, 100), QPoint(100, 3), QPoint(100, 464) })
        EXPECT_NE(frame.pixel(outside), 0xFF0000FFu) << outside.x() << "," << outside.y();
    EXPECT_EQ(frame.pixel(519, 463), 0xFF0000FFu);
    const QPoint centre = kBoard.CellCentre({ 7, 7 });
    EXPECT_EQ(frame.pixel(centre + QPoint(20, -10)), 0xFF000000u) << "the stone beside the mark";
    // (18, -10) is the right arm over that stone.
    for (QPoint arm : { QPoint(18, -10), QPoint(-18, -10), QPoint(-10, -18), QPoint(10, 18) })
        EXPECT_EQ(frame.pixel(centre + arm), kGreen) << "mark at " << arm.x() << "," << arm.y();
    for (QPoint gap : { QPoint(-18, 0), QPoint(18, 0), QPoint(0, -18), QPoint(0, 18) })
        EXPECT_NE(frame.pixel(centre + gap), kGreen) << "no mark at " << gap.x() << "," << gap.y();
}

TEST_F(GoRender, MoveRepaintsItsStonesCursorAndStatusOnly)
{
    OpenAfterOpening();
    Frame();
    Drive(Dlg()).ClearPaintRecord();
    TapCell(6, 6);
    const GoPoint answer = Dlg().m_ptComputerLast;
    // A stone's box, and the square one line spacing each way around a cursor's intersection.
    const auto box = [](QPoint cell, int reach) {
        return QRect(kBoard.CellCentre(cell) - QPoint(reach, reach), QSize(2 * reach, 2 * reach));
    };
    const QPoint answered(answer.x, answer.y);
    const QRegion allowed = QRegion(box({ 6, 6 }, 12)) + box(answered, 12) + box({ 7, 7 }, 30) + box(answered, 30)
        + QRectFromRect(g_rcStatus);
    QRegion invalidated;
    for (const Invalidation& inv : Drive(Dlg()).GetPaintRecord().Invalidations()) {
        EXPECT_FALSE(inv.erase);
        invalidated += inv.rect;
    }
    EXPECT_EQ(invalidated, allowed);
}

} // namespace
