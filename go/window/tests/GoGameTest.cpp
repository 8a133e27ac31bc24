// A game played through the window: taps at pixels, buttons, keys and the
// start-up timer reach the turn controller, whose outcomes show in the
// status text. The controller's rules themselves are tested with the engine.
#include "go/window/GoLayout.h"
#include "go/window/tests/GoWindowTest.h"
#include "platform/testsupport/DialogDriver.h"

#include <gtest/gtest.h>

namespace {

using GoGame = GoWindowTest;

TEST_F(GoGame, ComputerOpensAtTheFirstTick)
{
    Open();
    EXPECT_EQ(Status(), u"\r\nGOBANG");
    EXPECT_TRUE(Drive(Dlg()).IsTimerActive(CGoDlg::kOpeningTimer));

    ASSERT_TRUE(Drive(Dlg()).FireTimer(CGoDlg::kOpeningTimer));
    EXPECT_EQ(Status(), u"OBANG\nThe 1 Step");
    EXPECT_FALSE(Drive(Dlg()).IsTimerActive(CGoDlg::kOpeningTimer));
}

// The end of a game is told in two texts one after the other, each with the
// step count.
TEST_F(GoGame, AFiveShowsTheWinnerAndTheTotal)
{
    OpenAfterOpening();
    Place({ { 2, 2 }, { 2, 3 }, { 2, 4 }, { 2, 5 } }, kGoWhite);
    Place({ { 10, 10 }, { 12, 3 }, { 12, 10 }, { 10, 12 } }, kGoBlack);
    TapCell(2, 6);
    EXPECT_EQ(Status(), u"Congratulations! You win! Play again!Total step is 10. ");

    Drive(Dlg()).SendCommand(IDC_NEW);
    Place({ { 8, 7 }, { 9, 7 }, { 10, 7 } }, kGoBlack);
    Place({ { 6, 7 }, { 0, 0 }, { 0, 14 } }, kGoWhite);
    TapCell(14, 14);
    EXPECT_EQ(Status(), u"Total step is 9. Computer win! Play again!");
}

// Taps after the opening, while the person is to move: a tap on an option
// changes that option only, and only a tap on the board places a stone.
struct Tap {
    QPoint pixel;
    int level;
    bool personFirst;
    int stones;
};

TEST_F(GoGame, TapsReachTheOptionsOrTheBoard)
{
    const Tap taps[] = {
        { { 605, 350 }, 1, false, 1 }, // the top left corner of Easy
        { { 760, 379 }, 1, false, 1 }, // just right of it
        { { 700, 459 }, 3, false, 1 }, // the bottom row of Hard
        { { 700, 385 }, 3, false, 1 }, // between two options
        { { 759, 379 }, 1, false, 1 },
        { { 700, 405 }, 2, false, 1 },
        { { 610, 210 }, 2, true, 1 },
        { { 774, 227 }, 2, false, 1 }, // the bottom right corner of CPU first
        { { 775, 227 }, 2, false, 1 },
        { { 604, 210 }, 2, false, 1 },
        { { 48, 22 }, 2, false, 1 }, // just off the board
        { { 93, 45 }, 2, false, 3 }, // nearest to (1, 1)
    };
    OpenAfterOpening();
    for (const Tap& tap : taps) {
        Drive(Dlg()).TapAt(tap.pixel);
        EXPECT_EQ(Dlg().g_nLevel, tap.level) << tap.pixel.x() << "," << tap.pixel.y();
        EXPECT_EQ(Dlg().m_bPersonFirst, tap.personFirst) << tap.pixel.x() << "," << tap.pixel.y();
        EXPECT_EQ(StoneCount(), tap.stones) << tap.pixel.x() << "," << tap.pixel.y();
    }
    EXPECT_EQ(Dlg().StoneAt(1, 1), kGoWhite);
    EXPECT_FALSE(Dlg().g_bPersonFirst) << "the running game keeps its rule until New";
}

TEST_F(GoGame, KeysMoveTheCursorAndPlay)
{
    OpenAfterOpening();
    Drive(Dlg()).PressKey(VK_LEFT);
    Drive(Dlg()).PressKey(VK_UP);
    EXPECT_EQ(CGoDlgProbe::CursorCell(Dlg()), QPoint(6, 6));

    Drive(Dlg()).PressKey(VK_RETURN);
    EXPECT_EQ(Dlg().StoneAt(6, 6), kGoWhite);
    EXPECT_TRUE(Dlg().IsWindow()) << "Enter ends nothing";
    const GoPoint answer = Dlg().m_ptComputerLast;
    EXPECT_EQ(CGoDlgProbe::CursorCell(Dlg()), QPoint(answer.x, answer.y));

    Drive(Dlg()).PressKey(VK_BACK);
    EXPECT_EQ(StoneCount(), 1);
    Drive(Dlg()).PressKey(VK_TAB);
    EXPECT_TRUE(Dlg().m_bPersonFirst);
    Drive(Dlg()).PressKey('0');
    EXPECT_EQ(StoneCount(), 0);
    for (int level : { 1, 3, 2 }) {
        Drive(Dlg()).PressKey('0' + level);
        EXPECT_EQ(Dlg().g_nLevel, level);
    }
}

TEST_F(GoGame, EscapeAndCloseEndTheGameMinimiseDoesNot)
{
    OpenAfterOpening();
    Drive(Dlg()).SendCommand(IDC_MIN);
    EXPECT_EQ(Drive(Dlg()).GetZPlace(), ZPlace::Bottom);
    EXPECT_TRUE(Dlg().IsWindow());
    EXPECT_EQ(StoneCount(), 1);

    Drive(Dlg()).PressKey(VK_ESCAPE);
    EXPECT_FALSE(Dlg().IsWindow());
    EXPECT_EQ(Drive(Dlg()).GetResult(), IDCANCEL);

    OpenAfterOpening();
    Drive(Dlg()).SendCommand(IDC_CLOSE);
    EXPECT_FALSE(Dlg().IsWindow());
    EXPECT_EQ(Drive(Dlg()).GetResult(), 0);
}

} // namespace
