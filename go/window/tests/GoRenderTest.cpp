// What the reference screens cannot show: the cursor mark over a stone that
// fills its box, and exactly which areas a move repaints.
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
