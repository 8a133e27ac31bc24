// A game played through the window: taps at pixels, buttons, keys and the
// start-up timer, checked on the board and in the status text.
#include "go/window/GoLayout.h"
#include "go/window/tests/GoWindowTest.h"

#include <gtest/gtest.h>

namespace {

using GoGame = GoWindowTest;

TEST_F(GoGame, ComputerOpensOnTheCentreAtTheFirstTick)
{
    Open();
    EXPECT_EQ(Status(), u"\r\nGOBANG");
    EXPECT_TRUE(Dlg().IsTimerActive(CGoDlg::kOpeningTimer));
    TapCell(3, 3);
    EXPECT_EQ(StoneCount(), 0) << "nobody moves before the opening";

    ASSERT_TRUE(Dlg().FireTimer(CGoDlg::kOpeningTimer));
    EXPECT_EQ(Dlg().StoneAt(7, 7), kGoBlack);
    EXPECT_EQ(StoneCount(), 1);
    EXPECT_EQ(Status(), u"OBANG\nThe 1 Step");
    EXPECT_FALSE(Dlg().IsTimerActive(CGoDlg::kOpeningTimer));
    EXPECT_EQ(Dlg().GetCursorCell(), QPoint(7, 7));
}

TEST_F(GoGame, PersonPlaysWhiteAndTheComputerAnswersAtOnce)
{
    OpenAfterOpening();
    TapCell(6, 6);
    EXPECT_EQ(Dlg().StoneAt(6, 6), kGoWhite);
    EXPECT_EQ(StoneCount(), 3);
    const GoPoint answer = Dlg().m_ptComputerLast;
    EXPECT_EQ(Dlg().StoneAt(answer.x, answer.y), kGoBlack);
    EXPECT_EQ(Status(), u"OBANG\nThe 3 Step");
    EXPECT_EQ(Dlg().GetCursorCell(), QPoint(answer.x, answer.y));

    TapCell(6, 6);
    EXPECT_EQ(StoneCount(), 3) << "a tap on a stone changes nothing";
    EXPECT_EQ(Status(), u"OBANG\nThe 3 Step");
}

TEST_F(GoGame, PersonsFiveEndsTheGame)
{
    OpenAfterOpening();
    Place({ { 2, 2 }, { 2, 3 }, { 2, 4 }, { 2, 5 } }, kGoWhite);
    Place({ { 10, 10 }, { 12, 3 }, { 12, 10 }, { 10, 12 } }, kGoBlack);
    TapCell(2, 6);
    EXPECT_EQ(Status(), u"Congratulations! You win! Play again!Total step is 10. ");
    EXPECT_EQ(StoneCount(), 10);

    Dlg().SendCommand(IDC_UNDO);
    EXPECT_EQ(Status(), u"You can't undo the game any more!");
    TapCell(0, 0);
    EXPECT_EQ(Status(), u"\nGame Over!\nPlay again!");
    EXPECT_EQ(Dlg().StoneAt(0, 0), kGoEmpty);
    Dlg().SendCommand(IDC_UNDO);
    TapCell(2, 6);
    EXPECT_EQ(Status(), u"You can't undo the game any more!") << "a tap on a stone changes nothing";
}

TEST_F(GoGame, ComputersFiveEndsTheGame)
{
    OpenAfterOpening();
    Place({ { 8, 7 }, { 9, 7 }, { 10, 7 } }, kGoBlack);
    Place({ { 6, 7 }, { 0, 0 }, { 0, 14 } }, kGoWhite);
    TapCell(14, 14);
    EXPECT_EQ(Dlg().StoneAt(11, 7), kGoBlack);
    EXPECT_EQ(Status(), u"Total step is 9. Computer win! Play again!");
    TapCell(13, 13);
    EXPECT_EQ(Status(), u"\nGame Over!\nPlay again!");
}

TEST_F(GoGame, PersonOpensWhenCpuFirstIsClearedAndNewPressed)
{
    OpenAfterOpening();
    Dlg().TapAt(QRectFromRect(kRectCpuFirst).center());
    EXPECT_TRUE(Dlg().m_bPersonFirst);
    EXPECT_FALSE(Dlg().g_bPersonFirst) << "the running game keeps its rule until New";
    Dlg().SendCommand(IDC_NEW);
    EXPECT_EQ(StoneCount(), 0);
    EXPECT_EQ(Status(), u"\r\nGOBANG");

    TapCell(7, 7);
    EXPECT_EQ(Dlg().StoneAt(7, 7), kGoBlack);
    EXPECT_EQ(StoneCount(), 2);
    EXPECT_EQ(Status(), u"OBANG\nThe 2 Step");
}

TEST_F(GoGame, NewBeforeTheFirstTickGivesOneOpeningStone)
{
    Open();
    Dlg().SendCommand(IDC_NEW);
    EXPECT_EQ(StoneCount(), 1);
    EXPECT_EQ(Status(), u"\r\nGOBANG");
    Dlg().FireTimer(CGoDlg::kOpeningTimer);
    EXPECT_EQ(StoneCount(), 1);
    EXPECT_EQ(Dlg().g_nStep, 1);
    EXPECT_FALSE(Dlg().IsTimerActive(CGoDlg::kOpeningTimer));
}

TEST_F(GoGame, UndoTakesBackThePairOnce)
{
    OpenAfterOpening();
    Dlg().SendCommand(IDC_UNDO);
    EXPECT_EQ(Status(), u"You can't undo the game in beginning");

    TapCell(6, 6);
    TapCell(0, 14);
    EXPECT_EQ(Dlg().g_nStep, 5);
    Dlg().SendCommand(IDC_UNDO);
    EXPECT_EQ(Dlg().g_nStep, 3);
    EXPECT_EQ(StoneCount(), 3);
    EXPECT_EQ(Dlg().StoneAt(0, 14), kGoEmpty);
    EXPECT_EQ(Status(), u"OBANG\nThe 5 Step") << "the status stays as it was";
    Dlg().SendCommand(IDC_UNDO);
    EXPECT_EQ(Status(), u"You can't undo the game any more!");
}

TEST_F(GoGame, UndoAfterThePersonOpenedEmptiesTheBoard)
{
    OpenWithPersonFirst();
    TapCell(7, 7);
    Dlg().PressKey(VK_BACK);
    EXPECT_EQ(StoneCount(), 0);
    EXPECT_EQ(Dlg().g_nStep, 0);
    Dlg().PressKey(VK_BACK);
    EXPECT_EQ(Status(), u"You can't undo the game in beginning");
}

// 222 stones and no five anywhere; the last row's three right points stay empty.
void FillWithoutFive(CGoDlg& dlg)
{
    for (int y = 0; y < kGoBoardSize; ++y) {
        for (int x = 0; x < kGoBoardSize; ++x) {
            if (y != 14 || x < 12)
                dlg.SetStone(x, y, (x + 2 * y) % 4 < 2 ? kGoBlack : kGoWhite);
        }
    }
    dlg.g_nStep = 222;
}

TEST_F(GoGame, TheBoardIsDrawnAt224Stones)
{
    OpenAfterOpening();
    FillWithoutFive(Dlg());
    TapCell(12, 14);
    EXPECT_EQ(Dlg().g_nStep, 224);
    EXPECT_EQ(Status(), u"The game ended in a draw.Play again! ");
    const int freeColumn = Dlg().StoneAt(13, 14) == kGoEmpty ? 13 : 14;
    TapCell(freeColumn, 14);
    EXPECT_EQ(Status(), u"The game ended in a draw.Play again! ");
    Dlg().SendCommand(IDC_UNDO);
    EXPECT_EQ(Status(), u"Game Over! Play again!");
    EXPECT_EQ(StoneCount(), 224);
}

struct Tap {
    QPoint pixel;
    bool places;
    QPoint cell;
};

TEST_F(GoGame, TapsSelectTheNearestIntersectionOnTheBoardOnly)
{
    const Tap taps[] = {
        { { 93, 30 }, true, { 0, 0 } }, { { 93, 45 }, true, { 1, 1 } },
        { { 49, 22 }, true, { 0, 0 } }, { { 77, 22 }, true, { 0, 0 } },
        { { 513, 22 }, true, { 14, 0 } }, { { 100, 457 }, true, { 1, 14 } },
        { { 48, 22 }, false, {} }, { { 514, 22 }, false, {} }, { { 100, 458 }, false, {} },
        { { 700, 440 }, false, {} }, { { 300, 470 }, false, {} },
    };
    OpenWithPersonFirst();
    for (const Tap& tap : taps) {
        Dlg().SendCommand(IDC_NEW);
        Dlg().TapAt(tap.pixel);
        if (tap.places) {
            EXPECT_EQ(Dlg().StoneAt(tap.cell.x(), tap.cell.y()), kGoBlack) << tap.pixel.x() << "," << tap.pixel.y();
        } else {
            EXPECT_EQ(StoneCount(), 0) << tap.pixel.x() << "," << tap.pixel.y();
        }
    }
}

TEST_F(GoGame, OptionTapsChangeOneOptionEach)
{
    Open();
    Dlg().TapAt({ 700, 365 });
    EXPECT_EQ(Dlg().g_nLevel, 1);
    Dlg().TapAt({ 700, 445 });
    EXPECT_EQ(Dlg().g_nLevel, 3);
    Dlg().TapAt({ 700, 385 });
    EXPECT_EQ(Dlg().g_nLevel, 3) << "between the options";
    Dlg().TapAt({ 700, 405 });
    EXPECT_EQ(Dlg().g_nLevel, 2);
    EXPECT_FALSE(Dlg().m_bPersonFirst);
    EXPECT_EQ(StoneCount(), 0);
}

TEST_F(GoGame, KeysMoveTheCursorWrapAndPlay)
{
    OpenAfterOpening();
    EXPECT_EQ(Dlg().GetCursorCell(), QPoint(7, 7));
    for (int i = 0; i < 8; ++i)
        Dlg().PressKey(VK_LEFT);
    EXPECT_EQ(Dlg().GetCursorCell(), QPoint(14, 7));
    Dlg().PressKey(VK_RIGHT);
    EXPECT_EQ(Dlg().GetCursorCell(), QPoint(0, 7));
    for (int i = 0; i < 8; ++i)
        Dlg().PressKey(VK_UP);
    EXPECT_EQ(Dlg().GetCursorCell(), QPoint(0, 14));
    Dlg().PressKey(VK_DOWN);
    EXPECT_EQ(Dlg().GetCursorCell(), QPoint(0, 0));

    Dlg().PressKey(VK_RETURN);
    EXPECT_EQ(Dlg().StoneAt(0, 0), kGoWhite);
    EXPECT_TRUE(Dlg().IsWindow()) << "Enter ends nothing";
    const GoPoint answer = Dlg().m_ptComputerLast;
    EXPECT_EQ(Dlg().GetCursorCell(), QPoint(answer.x, answer.y));

    Dlg().PressKey(VK_BACK);
    EXPECT_EQ(StoneCount(), 1);
    Dlg().PressKey(VK_TAB);
    EXPECT_TRUE(Dlg().m_bPersonFirst);
    Dlg().PressKey('0');
    EXPECT_EQ(StoneCount(), 0);
    for (int level : { 1, 3, 2 }) {
        Dlg().PressKey('0' + level);
        EXPECT_EQ(Dlg().g_nLevel, level);
    }
}

TEST_F(GoGame, EscapeAndCloseEndTheGameMinimiseDoesNot)
{
    OpenAfterOpening();
    Dlg().SendCommand(IDC_MIN);
    EXPECT_EQ(Dlg().GetZPlace(), ZPlace::Bottom);
    EXPECT_TRUE(Dlg().IsWindow());
    EXPECT_EQ(StoneCount(), 1);

    Dlg().PressKey(VK_ESCAPE);
    EXPECT_FALSE(Dlg().IsWindow());
    EXPECT_EQ(Dlg().GetResult(), IDCANCEL);

    OpenAfterOpening();
    Dlg().SendCommand(IDC_CLOSE);
    EXPECT_FALSE(Dlg().IsWindow());
    EXPECT_EQ(Dlg().GetResult(), 0);
}

} // namespace
