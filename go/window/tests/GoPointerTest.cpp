// The pointer over the game window: the stone that moves next over the board,
// the arrow elsewhere; hidden only on a touch screen.
#include "go/window/GoLayout.h"
#include "go/window/tests/GoWindowTest.h"
#include "platform/Cursor.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/ProgramResources.h"

#include <gtest/gtest.h>

namespace {

class GoPointer : public GoWindowTest {
protected:
    static bool ShowsPointer(int resourceId)
    {
        return ShownCursorShape() == Qt::BitmapCursor
            && GetCurrentCursor().pixmap().toImage() == LoadProgramCursor(resourceId).pixmap().toImage();
    }
    QPoint PointerPos() { return Dlg().mapFromGlobal(GetCursorPos()); }
};

TEST_F(GoPointer, OnADesktopStoneOfTheSideToMoveOverTheBoardArrowElsewhere)
{
    WriteSettings("touch=0\n");
    Open();
    EXPECT_TRUE(IsCursorShown()) << "a desktop keeps the mouse pointer";
    Drive(Dlg()).TapAt({ 300, 300 });
    EXPECT_TRUE(ShowsPointer(149)) << "black moves first";

    Drive(Dlg()).FireTimer(CGoDlg::kOpeningTimer);
    Drive(Dlg()).TapAt(kBoard.CellCentre({ 7, 7 }));
    EXPECT_TRUE(ShowsPointer(150)) << "white to move, also over a stone";

    Drive(Dlg()).TapAt(QRectFromRect(kRectLevels[0]).center());
    EXPECT_EQ(ShownCursorShape(), Qt::ArrowCursor);
    Drive(Dlg()).TapAt({ 30, 200 });
    EXPECT_EQ(ShownCursorShape(), Qt::ArrowCursor);

    // The visible pointer stays where the person left it.
    TapCell(6, 6);
    EXPECT_EQ(PointerPos(), kBoard.CellCentre({ 6, 6 }));

    Place({ { 2, 2 }, { 2, 3 }, { 2, 4 }, { 2, 5 } }, kGoWhite);
    TapCell(2, 6);
    ASSERT_TRUE(Dlg().m_bGameOver);
    Drive(Dlg()).TapAt({ 300, 300 });
    EXPECT_EQ(ShownCursorShape(), Qt::ArrowCursor) << "after the end of a game";
}

TEST_F(GoPointer, OnATouchScreenHiddenAndTakenAlongByTheComputersStone)
{
    WriteSettings("touch=1\n");
    OpenAfterOpening();
    EXPECT_FALSE(IsCursorShown());
    EXPECT_EQ(PointerPos(), QPoint(288, 232));
    TapCell(6, 6);
    const GoPoint answer = Dlg().m_ptComputerLast;
    EXPECT_EQ(PointerPos(), kBoard.CellCentre({ answer.x, answer.y }));
}

} // namespace
