#include "go/engine/TurnController.h"
#include "go/engine/tests/BoardTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Records what the controller asks of the window.
class RecordingView : public CTurnView {
public:
    GoRect StoneBox(GoPoint pt) const override { return { 10 * pt.x, 10 * pt.y, 10 * pt.x + 5, 10 * pt.y + 5 }; }
    void InvalidateBox(const GoRect& rect, bool erase) override { invalidated.emplace_back(rect, erase); }
    void InvalidateWindow() override { ++windowInvalidations; }
    void RepaintNow() override { ++repaints; }
    void MovePointerTo(GoPoint pt) override { pointer = pt; }
    void MoveCursorTo(GoPoint pt) override { cursor = pt; }
    void ShowStatus(const TurnStatus& status) override { statuses.push_back(status); }
    void BeginWaitCursor() override { ++waitDepth; }
    void EndWaitCursor() override { --waitDepth; }

    using Invalidation = std::pair<GoRect, bool>;
    std::vector<Invalidation> invalidated;
    std::vector<TurnStatus> statuses;
    int windowInvalidations = 0;
    int repaints = 0;
    int waitDepth = 0;
    GoPoint pointer = kNoGoPoint;
    GoPoint cursor = kNoGoPoint;
};

// The status at a step count: entries of the game's text table by number
// (GoTextEntry.h names them), shown one after the other.
TurnStatus Shown(int step, int first, int second = -1)
{
    return { static_cast<GoTextEntry>(first), second, step };
}

class TurnControllerTest : public testing::Test {
protected:
    // Fixed scan directions: the computer's choices repeat from run to run.
    CGoEngine game { [] { return 0u; }, [](std::uint32_t) { return 1u; } };
    RecordingView view;
    CTurnController turns { game, view };

    TurnStatus LastStatus() const { return view.statuses.back(); }
    int StoneCount() const { return kGoPointCount - static_cast<int>(std::ranges::count(game.m_board, kGoEmpty)); }
    std::vector<RecordingView::Invalidation> TwoBoxes(GoPoint person, GoPoint computer, bool erase) const
    {
        return { { view.StoneBox(person), erase }, { view.StoneBox(computer), erase } };
    }
    void NewGame(bool personFirst)
    {
        game.m_bPersonFirst = personFirst;
        turns.OnNewGame();
    }
};

TEST_F(TurnControllerTest, StartUpTimerOpensWithBlackOnTheCentre)
{
    turns.PersonMove(3, 3);
    EXPECT_EQ(StoneCount(), 0) << "the person may not move before the opening";
    EXPECT_TRUE(view.statuses.empty());

    turns.OnTimer();
    EXPECT_EQ(game.StoneAt(7, 7), kGoBlack);
    EXPECT_EQ(LastStatus(), Shown(1, 6));
    EXPECT_EQ(view.cursor, (GoPoint { 7, 7 }));
    EXPECT_EQ(view.pointer, (GoPoint { 7, 7 }));
    EXPECT_EQ(view.invalidated, (std::vector<RecordingView::Invalidation> { { { 70, 70, 75, 75 }, false } }));
    EXPECT_EQ(view.repaints, 1);

    const std::size_t shown = view.statuses.size();
    for (const auto& [x, y] : { std::pair { 7, 7 }, { -1, 3 }, { 15, 0 }, { 3, -1 }, { 0, 15 } })
        turns.PersonMove(x, y);
    EXPECT_EQ(StoneCount(), 1) << "taps on stones and off the board change nothing";
    EXPECT_EQ(view.statuses.size(), shown);
}

TEST_F(TurnControllerTest, NewGameRepaintsAllAndOpensOnceBeforeTheFirstTick)
{
    game.SetStone(3, 3, kGoWhite);
    game.g_nLevel = 1;
    NewGame(false);
    EXPECT_EQ(view.windowInvalidations, 1);
    EXPECT_EQ(LastStatus(), Shown(1, 4)) << "the title replaces the opening's step text";
    EXPECT_EQ(game.g_nLevel, 1) << "the level outlives the game";
    turns.OnTimer();
    EXPECT_EQ(StoneCount(), 1) << "the opening stone alone";

    NewGame(true);
    turns.OnTimer();
    EXPECT_EQ(LastStatus(), Shown(0, 4));
}

TEST_F(TurnControllerTest, PersonPlaysWhiteTheComputerAnswersAtOnceAndUndoTakesBackExactlyThePair)
{
    turns.OnTimer();
    view.invalidated.clear();
    view.repaints = 0;
    turns.PersonMove(6, 6);

    EXPECT_EQ(game.StoneAt(6, 6), kGoWhite);
    EXPECT_EQ(StoneCount(), 3);
    const GoPoint answer = game.m_ptComputerLast;
    EXPECT_EQ(game.StoneAt(answer.x, answer.y), kGoBlack);
    EXPECT_EQ(view.cursor, answer);
    EXPECT_EQ(view.pointer, answer);
    EXPECT_EQ(view.waitDepth, 0);
    EXPECT_EQ(LastStatus(), Shown(3, 6));
    // Only the two stone boxes are repainted, the person's first.
    EXPECT_EQ(view.invalidated, TwoBoxes({ 6, 6 }, answer, false));
    EXPECT_EQ(view.repaints, 2);

    view.invalidated.clear();
    turns.OnUndo();
    EXPECT_EQ(game.StoneAt(6, 6), kGoEmpty);
    EXPECT_EQ(game.StoneAt(answer.x, answer.y), kGoEmpty);
    EXPECT_EQ(game.m_lastColor, 1) << "the person moves again";
    EXPECT_EQ(view.invalidated, TwoBoxes({ 6, 6 }, answer, true));
    EXPECT_EQ(LastStatus(), Shown(3, 6)) << "the status stays as it was";

    turns.OnUndo();
    EXPECT_EQ(LastStatus(), Shown(1, 14)) << "the opening cannot be taken back";
}

TEST_F(TurnControllerTest, PersonOpensWithBlackAndUndoEmptiesTheBoardOnlyOnce)
{
    turns.OnTimer();
    NewGame(true);
    turns.PersonMove(7, 7);
    EXPECT_EQ(game.StoneAt(7, 7), kGoBlack);
    EXPECT_EQ(game.StoneAt(game.m_ptComputerLast.x, game.m_ptComputerLast.y), kGoWhite);
    EXPECT_EQ(LastStatus(), Shown(2, 6));
    turns.OnUndo();
    EXPECT_EQ(StoneCount(), 0);
    turns.OnUndo();
    EXPECT_EQ(LastStatus(), Shown(0, 14));

    turns.PersonMove(7, 7);
    turns.PersonMove(0, 14);
    turns.OnUndo();
    EXPECT_EQ(StoneCount(), 2);
    turns.OnUndo();
    EXPECT_EQ(LastStatus(), Shown(2, 10)) << "two stones remain";
}

// A five ends the game whoever opened it: the person's with entry 13 and the
// total, the computer's with the total and entry 12.
TEST_F(TurnControllerTest, AFiveEndsTheGame)
{
    const Stones fourOnColumn2 = { { 2, 2 }, { 2, 3 }, { 2, 4 }, { 2, 5 } };
    const Stones fourOnRow7 = { { 7, 7 }, { 8, 7 }, { 9, 7 }, { 10, 7 } };
    const struct {
        const char* name;
        bool personFirst;
        Stones person;
        Stones computer;
        GoPoint tap;
        TurnStatus result;
    } cases[] = {
        { "person's five as white", false, fourOnColumn2, { { 10, 10 }, { 12, 3 }, { 12, 10 } }, { 2, 6 },
            Shown(9, 13, 11) },
        { "computer's five as black", false, { { 6, 7 }, { 0, 0 }, { 0, 14 } }, { { 8, 7 }, { 9, 7 }, { 10, 7 } },
            { 14, 14 }, Shown(9, 11, 12) },
        { "person's five as black", true, fourOnColumn2, { { 10, 10 }, { 12, 3 }, { 12, 10 }, { 10, 12 } }, { 2, 6 },
            Shown(9, 13, 11) },
        { "computer's five as white", true, { { 6, 7 }, { 0, 0 }, { 0, 14 }, { 14, 0 } }, fourOnRow7, { 14, 14 },
            Shown(10, 11, 12) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewGame(c.personFirst);
        Place(game.m_board, c.person, c.personFirst ? kGoBlack : kGoWhite);
        Place(game.m_board, c.computer, c.personFirst ? kGoWhite : kGoBlack);
        game.g_nStep = StoneCount();
        turns.PersonMove(c.tap.x, c.tap.y);
        EXPECT_EQ(LastStatus(), c.result);
        const int stones = StoneCount();

        const std::size_t shown = view.statuses.size();
        turns.PersonMove(c.tap.x, c.tap.y);
        EXPECT_EQ(view.statuses.size(), shown) << "a tap on a stone changes nothing";
        turns.OnUndo();
        EXPECT_EQ(LastStatus(), Shown(stones, 10));
        turns.PersonMove(14, 1);
        EXPECT_EQ(LastStatus(), Shown(stones, 15));
        EXPECT_EQ(StoneCount(), stones);
    }
}

// 223 stones and no five anywhere; (12, 14) and (0, 0) stay empty, and white
// on (12, 14) completes five in the last row.
void FillToTheLastStone(CGoEngine& game)
{
    FillBoard(game.m_board);
    Place(game.m_board, { { 10, 14 }, { 11, 14 }, { 13, 14 }, { 14, 14 } }, kGoWhite);
    Place(game.m_board, { { 12, 14 }, { 0, 0 } }, kGoEmpty);
    game.g_nStep = kGoPointCount - 2;
}

TEST_F(TurnControllerTest, The224thStoneDrawsTheGameEvenWhenItCompletesFive)
{
    turns.OnTimer();
    turns.PersonMove(6, 6);
    FillToTheLastStone(game);
    ASSERT_EQ(game.EvaluatePoint(12, 14, kGoWhite), 0);

    turns.PersonMove(12, 14);
    EXPECT_EQ(LastStatus(), Shown(224, 5));
    EXPECT_EQ(StoneCount(), 224) << "the computer does not answer";

    turns.PersonMove(0, 0);
    EXPECT_EQ(LastStatus(), Shown(224, 5));
    turns.OnUndo();
    EXPECT_EQ(LastStatus(), Shown(224, 9)) << "the take-back left from the pair before";
    EXPECT_EQ(StoneCount(), 224);

    NewGame(true);
    EXPECT_FALSE(game.m_bDraw);
    turns.OnUndo();
    EXPECT_EQ(LastStatus(), Shown(0, 14)) << "nor is it left for the new game";
}

} // namespace
