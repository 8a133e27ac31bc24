// The game on a touch screen: a touch acts exactly as one tap of the mouse,
// never twice (the touch and the mouse press Qt makes of it).
#include "go/window/GoLayout.h"
#include "go/window/tests/GoWindowTest.h"
#include "platform/testsupport/TouchScreen.h"

#include <gtest/gtest.h>

namespace {

using TouchInputGo = GoWindowTest;

TEST_F(TouchInputGo, OneTouchIsOneTapOnTheBoardTheOptionsAndTheButtons)
{
    OpenAfterOpening();
    TouchAt(&Dlg(), kBoard.CellCentre({ 3, 3 }));
    EXPECT_EQ(Dlg().StoneAt(3, 3), kGoWhite);
    EXPECT_EQ(StoneCount(), 3) << "one stone and the computer's answer";
    // A toggle shows a second tap at once.
    TouchAt(&Dlg(), { 620, 210 });
    EXPECT_TRUE(Dlg().m_bPersonFirst);
    TouchAt(&Dlg(), { 620, 360 });
    EXPECT_EQ(Dlg().g_nLevel, 1);
    TouchAt(&Dlg(), Dlg().GetDlgItem(IDC_UNDO)->geometry().center());
    EXPECT_EQ(StoneCount(), 1) << "one Undo takes back one pair";
}

} // namespace
