#include "go/engine/TurnController.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Records what the controller asks of the window.
class RecordingView : public CTurnView {
public:
    GoRect StoneBox(GoPoint pt) const override
    {
        return { 30 * pt.x + 66, 30 * pt.y + 10, 30 * pt.x + 90, 30 * pt.y + 34 };
    }
    void InvalidateBox(const GoRect& rect, bool erase) override
    {
        invalidated.push_back({ rect, erase });
    }
    void InvalidateWindow() override { ++windowInvalidations; }
    void RepaintNow() override { ++repaints; }
    void MovePointerTo(GoPoint pt) override { pointer = pt; }
    void MoveCursorTo(GoPoint pt) override { cursor = pt; }
    void ShowStatus(const TurnStatus& status) override { statuses.push_back(status); }
    void BeginWaitCursor() override { ++waitDepth; }
    void EndWaitCursor() override { --waitDepth; }

    struct Invalidation {
        GoRect rect;
        bool erase;
    };
    std::vector<Invalidation> invalidated;
    std::vector<TurnStatus> statuses;
    int windowInvalidations = 0;
    int repaints = 0;
    int waitDepth = 0;
    GoPoint pointer { -1, -1 };
    GoPoint cursor { 7, 7 };
};

class TurnControllerTest : public testing::Test {
protected:
    // Fixed scan directions: the computer's choices repeat from run to run.
    CGoEngine game { [] { return 0u; }, [](std::uint32_t) { return 1u; } };
    RecordingView view;
    CTurnController turns { game, view };

    TurnStatus LastStatus() const { return view.statuses.back(); }
    int StoneCount() const
    {
        int count = 0;
        for (std::int8_t code : game.m_board)
            count += code != kGoEmpty;
        return count;
    }
    void Place(std::initializer_list<GoPoint> points, std::int8_t code)
    {
        for (GoPoint pt : points)
            game.SetStone(pt.x, pt.y, code);
    }
};

TEST_F(TurnControllerTest, StartUpTimerOpensWithBlackOnTheCentre)
{
    turns.PersonMove(3, 3);
    EXPECT_EQ(StoneCount(), 0) << "the person may not move before the opening";

    turns.OnTimer();
    EXPECT_EQ(game.StoneAt(7, 7), kGoBlack);
    EXPECT_EQ(game.g_nStep, 1);
    EXPECT_EQ(game.m_lastColor, 1);
    EXPECT_FALSE(game.m_bCanUndo);
    EXPECT_EQ(LastStatus(), (TurnStatus { kTextStep, -1, 1 }));
    EXPECT_EQ(view.cursor, (GoPoint { 7, 7 }));
    EXPECT_EQ(view.pointer, (GoPoint { 7, 7 }));
    ASSERT_EQ(view.invalidated.size(), 1u);
    EXPECT_EQ(view.invalidated[0].rect, (GoRect { 276, 220, 300, 244 }));
    EXPECT_FALSE(view.invalidated[0].erase);
}

TEST_F(TurnControllerTest, NewGameBeforeTheFirstTickGetsOneOpeningStone)
{
    turns.OnNewGame();
    EXPECT_EQ(LastStatus(), (TurnStatus { kTextTitle, -1, 1 }));
    turns.OnTimer();
    EXPECT_EQ(StoneCount(), 1);
    EXPECT_EQ(game.g_nStep, 1);

    game.m_bPersonFirst = true;
    turns.OnNewGame();
    turns.OnTimer();
    EXPECT_EQ(StoneCount(), 0);
    EXPECT_EQ(game.g_nStep, 0);
}

TEST_F(TurnControllerTest, PersonPlaysWhiteAndTheComputerAnswersAtOnce)
{
    turns.OnTimer();
    view.invalidated.clear();
    turns.PersonMove(6, 6);

    EXPECT_EQ(game.StoneAt(6, 6), kGoWhite);
    EXPECT_EQ(game.g_nStep, 3);
    EXPECT_EQ(StoneCount(), 3);
    EXPECT_EQ(game.m_lastColor, 1);
    EXPECT_TRUE(game.m_bCanUndo);
    EXPECT_EQ(game.m_ptPersonLast, (GoPoint { 6, 6 }));
    const GoPoint answer = game.m_ptComputerLast;
    EXPECT_EQ(game.StoneAt(answer.x, answer.y), kGoBlack);
    EXPECT_EQ(view.cursor, answer);
    EXPECT_EQ(view.pointer, answer);
    EXPECT_EQ(view.waitDepth, 0);
    EXPECT_EQ(LastStatus(), (TurnStatus { kTextStep, -1, 3 }));
    // Only the two stone boxes are repainted, the person's first.
    ASSERT_EQ(view.invalidated.size(), 2u);
    EXPECT_EQ(view.invalidated[0].rect, view.StoneBox({ 6, 6 }));
    EXPECT_EQ(view.invalidated[1].rect, view.StoneBox(answer));
    EXPECT_EQ(game.m_rcPersonLast, view.StoneBox({ 6, 6 }));
    EXPECT_EQ(game.m_rcComputerLast, view.StoneBox(answer));
}

TEST_F(TurnControllerTest, TapsOnStonesAndOutOfTurnChangeNothing)
{
    turns.OnTimer();
    const std::size_t shown = view.statuses.size();
    turns.PersonMove(7, 7);
    EXPECT_EQ(game.g_nStep, 1);
    EXPECT_EQ(view.statuses.size(), shown);
    turns.PersonMove(-1, 3);
    turns.PersonMove(15, 0);
    EXPECT_EQ(game.g_nStep, 1);
    EXPECT_EQ(view.statuses.size(), shown);
}

TEST_F(TurnControllerTest, UndoTakesBackExactlyThePair)
{
    turns.OnTimer();
    turns.PersonMove(6, 6);
    const GoPoint answer = game.m_ptComputerLast;
    view.invalidated.clear();
    turns.OnUndo();

    EXPECT_EQ(game.g_nStep, 1);
    EXPECT_EQ(StoneCount(), 1);
    EXPECT_EQ(game.StoneAt(6, 6), kGoEmpty);
    EXPECT_EQ(game.StoneAt(answer.x, answer.y), kGoEmpty);
    EXPECT_EQ(game.m_lastColor, 1) << "the person moves again";
    EXPECT_FALSE(game.m_bCanUndo);
    EXPECT_TRUE(game.m_rcPersonLast.IsEmpty());
    EXPECT_TRUE(game.m_rcComputerLast.IsEmpty());
    ASSERT_EQ(view.invalidated.size(), 2u);
    EXPECT_TRUE(view.invalidated[0].erase);
    EXPECT_EQ(view.invalidated[0].rect, view.StoneBox({ 6, 6 }));
    EXPECT_EQ(view.invalidated[1].rect, view.StoneBox(answer));
    EXPECT_EQ(LastStatus(), (TurnStatus { kTextStep, -1, 3 })) << "the status stays as it was";

    turns.OnUndo();
    EXPECT_EQ(LastStatus().first, kTextNoUndoAtStart);

    turns.PersonMove(6, 6);
    turns.PersonMove(0, 14);
    turns.OnUndo();
    EXPECT_EQ(game.g_nStep, 3);
    turns.OnUndo();
    EXPECT_EQ(LastStatus().first, kTextNoMoreUndo);
}

// 222 stones without five in a row anywhere; the three points of the last
// row's right end stay empty.
void FillWithoutFive(CGoEngine& game)
{
    int placed = 0;
    for (int y = 0; y < kGoBoardSize; ++y) {
        for (int x = 0; x < kGoBoardSize; ++x) {
            if (y == 14 && x >= 12)
                continue;
            game.SetStone(x, y, (x + 2 * y) % 4 < 2 ? kGoBlack : kGoWhite);
            ++placed;
        }
    }
    game.g_nStep = placed;
}

TEST_F(TurnControllerTest, DrawComesBeforeFive)
{
    FillWithoutFive(game);
    game.g_nStep = 223;
    game.m_lastColor = 1;
    // White on (12..14, 14) and (10, 14), (11, 14) would make five in the row;
    // the draw at 224 wins over it.
    Place({ { 10, 14 }, { 11, 14 }, { 13, 14 }, { 14, 14 } }, kGoWhite);
    turns.PersonMove(12, 14);
    EXPECT_TRUE(game.m_bDraw);
    EXPECT_EQ(LastStatus().first, kTextDraw);
}

} // namespace
