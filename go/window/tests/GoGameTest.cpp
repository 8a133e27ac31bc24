// A game played through the window: taps at pixels, buttons, keys and the
// start-up timer reach the turn controller, whose outcomes show in the
// status text and the pointer. The controller's rules themselves are tested
// with the engine.
#include "go/window/GoKeys.h"
#include "go/window/GoLayout.h"
#include "go/window/tests/GoWindowTest.h"
#include "platform/Cursor.h"
#include "platform/VirtualKey.h"
#include "shell/ProgramResources.h"

#include <gtest/gtest.h>

namespace {

TEST(BoardGeometry, TapsChooseTheNearestIntersection)
{
    const struct {
        QPoint pixel;
        int onBoard;
        QPoint cell;
    } taps[] = {
        // Midway between columns: the nearer row decides, ties go top left first.
        { { 93, 30 }, 1, { 0, 0 } },
        { { 93, 45 }, 1, { 1, 1 } },
        // Midway between rows: always the upper row.
        { { 78, 37 }, 1, { 0, 0 } },
        { { 78, 22 }, 1, { 0, 0 } },
        { { 498, 442 }, 1, { 14, 14 } },
        // Truncation toward zero keeps taps left of and above the first lines on the board;
        // a tap off it still names the intersection nearest to it.
        { { 49, 22 }, 1, { 0, 0 } },
        { { 48, 22 }, 0, { 0, 0 } },
        { { 77, 100 }, 1, { 0, 3 } },
        { { 100, 0 }, 1, { 1, 0 } },
        { { 513, 22 }, 1, { 14, 0 } },
        { { 514, 22 }, 0, { 14, 0 } },
        { { 100, 457 }, 1, { 1, 14 } },
        { { 100, 458 }, 0, { 1, 14 } },
    };
    const CBoardGeometry geometry;
    for (const auto& tap : taps) {
        QPoint cell(-5, -5);
        const int onBoard = geometry.PointToCell(tap.pixel.x(), tap.pixel.y(), cell);
        EXPECT_EQ(onBoard, tap.onBoard) << tap.pixel.x() << "," << tap.pixel.y();
        EXPECT_EQ(cell, tap.cell) << tap.pixel.x() << "," << tap.pixel.y();
    }
}

// The key the game acts on for a key-down of a Qt key.
int GameKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return static_cast<int>(KeyDownMessage(nullptr, key, modifiers).wParam);
}

TEST(GoKeys, MapsVirtualKeysToCommands)
{
    // The keys the game tests below press are left out.
    const std::pair<int, GoKeyCommand> table[] = {
        { 39, GoKeyCommand::CursorRight },
        { 52, GoKeyCommand::None },
        { 0x100 + 37, GoKeyCommand::CursorLeft },
        // The keypad with NumLock on: its 0 to 3 act as the digits.
        { GameKey(Qt::Key_0, Qt::KeypadModifier), GoKeyCommand::NewGame },
        { GameKey(Qt::Key_1, Qt::KeypadModifier), GoKeyCommand::LevelEasy },
        { GameKey(Qt::Key_2, Qt::KeypadModifier), GoKeyCommand::LevelNormal },
        { GameKey(Qt::Key_3, Qt::KeypadModifier), GoKeyCommand::LevelHard },
        { GameKey(Qt::Key_Enter, Qt::KeypadModifier), GoKeyCommand::PlayAtCursor },
        { GameKey(Qt::Key_Down), GoKeyCommand::CursorDown },
    };
    for (const auto& [key, command] : table)
        EXPECT_EQ(KeyCommandFor(key), command) << key;
}

TEST(GoKeys, ArrowsStepAndWrapAroundTheEdges)
{
    EXPECT_EQ(StepCursor({ 0, 5 }, GoKeyCommand::CursorLeft), QPoint(14, 5));
    EXPECT_EQ(StepCursor({ 14, 5 }, GoKeyCommand::CursorRight), QPoint(0, 5));
    EXPECT_EQ(StepCursor({ 5, 0 }, GoKeyCommand::CursorUp), QPoint(5, 14));
    EXPECT_EQ(StepCursor({ 5, 14 }, GoKeyCommand::CursorDown), QPoint(5, 0));
    EXPECT_EQ(StepCursor({ 7, 7 }, GoKeyCommand::CursorRight), QPoint(8, 7));
    EXPECT_EQ(StepCursor({ 7, 7 }, GoKeyCommand::CursorDown), QPoint(7, 8));
}

using GoGame = GoWindowTest;

TEST_F(GoGame, ComputerOpensAtTheFirstTick)
{
    Open();
    EXPECT_EQ(Status(), u"\r\nGOBANG");
    EXPECT_EQ(Drive(Dlg()).TimerPeriod(CGoDlg::kOpeningTimer), 1000u) << "a second after the window shows";
    ASSERT_TRUE(Drive(Dlg()).FireTimer(CGoDlg::kOpeningTimer));
    EXPECT_EQ(Status(), u"OBANG\nThe 1 Step");
    EXPECT_EQ(Drive(Dlg()).TimerPeriod(CGoDlg::kOpeningTimer), std::nullopt);
}

// Taps after the opening, while the person is to move: a tap on an option
// changes that option only, and only a tap on the board places a stone.
TEST_F(GoGame, TapsReachTheOptionsOrTheBoard)
{
    const struct {
        QPoint pixel;
        int level;
        bool personFirst;
        int stones;
    } taps[] = {
        { { 605, 350 }, 1, false, 1 },                                // the top left corner of Easy
        { { 700, 459 }, 3, false, 1 },                                // the bottom row of Hard
        { { 760, 379 }, 3, false, 1 },                                // just right of Easy
        { { 700, 385 }, 3, false, 1 },                                // between two options
        { { 759, 379 }, 1, false, 1 }, { { 700, 390 }, 2, false, 1 }, // the top row of Normal
        { { 760, 459 }, 2, false, 1 },                                // just right of Hard
        { { 605, 204 }, 2, true, 1 },                                 // the top left corner of CPU first
        { { 774, 227 }, 2, false, 1 },                                // its bottom right corner
        { { 775, 227 }, 2, false, 1 }, { { 700, 228 }, 2, false, 1 }, { { 604, 210 }, 2, false, 1 },
        { { 775, 259 }, 2, false, 1 }, // just right of New
        { { 48, 22 }, 2, false, 1 },   // just off the board
        { { 93, 45 }, 2, false, 3 },   // nearest to (1, 1)
    };
    OpenAfterOpening();
    for (const auto& tap : taps) {
        Drive(Dlg()).TapAt(tap.pixel);
        EXPECT_EQ(Dlg().g_nLevel, tap.level) << tap.pixel.x() << "," << tap.pixel.y();
        EXPECT_EQ(Dlg().m_bPersonFirst, tap.personFirst) << tap.pixel.x() << "," << tap.pixel.y();
        EXPECT_EQ(StoneCount(), tap.stones) << tap.pixel.x() << "," << tap.pixel.y();
    }
    EXPECT_EQ(Dlg().StoneAt(1, 1), kGoWhite);
    EXPECT_FALSE(Dlg().g_bPersonFirst) << "the running game keeps its rule until New";
}

TEST_F(GoGame, KeysMoveTheCursorAndPlayEscapeAndCloseEndTheGame)
{
    OpenAfterOpening();
    // The keypad with NumLock off: the navigation keys it is labelled with.
    Drive(Dlg()).PressQtKey(Qt::Key_Down, {}, Qt::KeypadModifier);
    EXPECT_EQ(CGoDlgProbe::CursorCell(Dlg()), QPoint(7, 8)) << "keypad 2";
    Drive(Dlg()).PressQtKey(Qt::Key_Insert, {}, Qt::KeypadModifier);
    Drive(Dlg()).PressQtKey(Qt::Key_Up, {}, Qt::KeypadModifier);
    EXPECT_EQ(CGoDlgProbe::CursorCell(Dlg()), QPoint(7, 7)) << "keypad 8";
    EXPECT_EQ(StoneCount(), 1) << "keypad 0 (Insert) starts no new game";
    EXPECT_EQ(Dlg().g_nLevel, 2);
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

    Drive(Dlg()).PressKey(VK_ESCAPE);
    EXPECT_FALSE(Dlg().IsWindow());
    EXPECT_EQ(Drive(Dlg()).GetResult(), IDCANCEL);

    Open();
    Drive(Dlg()).SendCommand(IDC_CLOSE);
    EXPECT_FALSE(Dlg().IsWindow());
    EXPECT_EQ(Drive(Dlg()).GetResult(), 0);
}

// The pointer over the game window: the stone that moves next over the board,
// the arrow elsewhere; hidden only on a touch screen.
class GoPointer : public GoWindowTest {
protected:
    static bool ShowsPointer(int resourceId)
    {
        return ShownCursorShape() == Qt::BitmapCursor
            && GetCurrentCursor().pixmap().toImage() == LoadProgramCursor(resourceId).pixmap().toImage();
    }
    QPoint PointerPos() { return Dlg().mapFromGlobal(GetCursorPos()); }
};

TEST_F(GoPointer, OnADesktopStoneOfTheSideToMoveOverTheBoardArrowElsewhereAndAfterTheEnd)
{
    WriteSettings("touch=0\n");
    Open();
    EXPECT_TRUE(IsCursorShown()) << "a desktop keeps the mouse pointer";
    Drive(Dlg()).TapAt({ 300, 300 });
    EXPECT_TRUE(ShowsPointer(149)) << "black moves first";

    Drive(Dlg()).FireTimer(CGoDlg::kOpeningTimer);
    Drive(Dlg()).TapAt(kBoard.CellCentre({ 7, 7 }));
    EXPECT_TRUE(ShowsPointer(150)) << "white to move, also over a stone";

    Drive(Dlg()).TapAt({ 30, 200 });
    EXPECT_EQ(ShownCursorShape(), Qt::ArrowCursor);

    // The visible pointer stays where the person left it.
    TapCell(6, 6);
    EXPECT_EQ(PointerPos(), kBoard.CellCentre({ 6, 6 }));

    Place({ { 2, 2 }, { 2, 3 }, { 2, 4 }, { 2, 5 } }, kGoWhite);
    TapCell(2, 6);
    // The end of a game is told in two texts one after the other, each with
    // the step count; which texts, in which order, the engine's tests decide.
    EXPECT_EQ(Status(), u"Congratulations! You win! Play again!Total step is 8. ");
    Drive(Dlg()).TapAt({ 300, 300 });
    EXPECT_EQ(ShownCursorShape(), Qt::ArrowCursor) << "after the end of a game";
}

TEST_F(GoPointer, OnATouchScreenHiddenAndTakenToTheComputersStone)
{
    WriteSettings("touch=1\n");
    OpenAfterOpening();
    EXPECT_FALSE(IsCursorShown());
    EXPECT_EQ(PointerPos(), QPoint(288, 232)) << "on the opening stone";
}

} // namespace
