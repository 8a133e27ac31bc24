#include "go/engine/GoEngine.h"
#include "go/engine/tests/BoardTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using testing::AnyOf;

constexpr int kWhiteColor = 0;
constexpr int kBlackColor = 1;

// An engine whose scan visits columns in one direction and the rows of
// every column in one direction: an odd draw means ascending.
CGoEngine ScanningEngine(bool columnsAscending, bool rowsAscending)
{
    auto draws = std::make_shared<int>(0);
    return CGoEngine([] { return 0u; },
        [=](std::uint32_t) -> std::uint32_t {
            const bool ascending = (*draws)++ == 0 ? columnsAscending : rowsAscending;
            return ascending ? 1 : 2;
        });
}

CGoEngine AscendingEngine()
{
    return ScanningEngine(true, true);
}

TEST(ChooseComputerMove, CompletesItsOwnFiveBeforeBlockingThePersons)
{
    for (int level = 1; level <= 3; ++level) {
        CGoEngine engine = AscendingEngine();
        engine.g_nLevel = level;
        Place(engine.m_board, { { 3, 7 }, { 4, 7 }, { 5, 7 }, { 6, 7 } }, kGoBlack);
        Place(engine.m_board, { { 3, 9 }, { 4, 9 }, { 5, 9 }, { 6, 9 } }, kGoWhite);
        const GoPoint move = engine.ChooseComputerMove(kBlackColor);
        EXPECT_THAT(move, AnyOf(GoPoint { 2, 7 }, GoPoint { 7, 7 })) << "level " << level;
    }
}

TEST(ChooseComputerMove, BlocksAFiveBeforeMakingAnOpenFour)
{
    for (int level = 1; level <= 3; ++level) {
        CGoEngine engine = AscendingEngine();
        engine.g_nLevel = level;
        Place(engine.m_board, { { 4, 7 }, { 5, 7 }, { 6, 7 } }, kGoBlack);
        Place(engine.m_board, { { 2, 11 }, { 3, 11 }, { 4, 11 }, { 5, 11 } }, kGoWhite);
        const GoPoint move = engine.ChooseComputerMove(kBlackColor);
        EXPECT_THAT(move, AnyOf(GoPoint { 1, 11 }, GoPoint { 6, 11 })) << "level " << level;
    }
}

TEST(ChooseComputerMove, MakesAnOpenFourBeforeBlockingAnOpenFour)
{
    CGoEngine engine = AscendingEngine();
    Place(engine.m_board, { { 4, 7 }, { 5, 7 }, { 6, 7 } }, kGoWhite);
    Place(engine.m_board, { { 4, 11 }, { 5, 11 }, { 6, 11 } }, kGoBlack);
    const GoPoint move = engine.ChooseComputerMove(kWhiteColor);
    EXPECT_THAT(move, AnyOf(GoPoint { 3, 7 }, GoPoint { 7, 7 }));
}

// Black's two on column 8 becomes an open three at (8, 6) or at (8, 9).
// (8, 9) also has an open one (class 12) and blocks nothing of white's;
// (8, 6) is the open three alone (class 14) but also the point where white
// would make an open two (class 16). Hard and Normal tell classes 12 and 14
// apart; Easy ranks them alike and lets the better block decide.
TEST(ChooseComputerMove, ALevelChangeChangesTheNextChoice)
{
    CGoEngine engine = AscendingEngine();
    Place(engine.m_board, { { 8, 7 }, { 8, 8 } }, kGoBlack);
    Place(engine.m_board, { { 7, 7 }, { 9, 6 }, { 9, 7 } }, kGoWhite);
    ASSERT_EQ(engine.EvaluatePoint(8, 9, kGoBlack), 12);
    ASSERT_EQ(engine.EvaluatePoint(8, 6, kGoBlack), 14);
    ASSERT_EQ(engine.EvaluatePoint(8, 6, kGoWhite), 16);

    engine.g_nLevel = 3;
    EXPECT_EQ(engine.ChooseComputerMove(kBlackColor), (GoPoint { 8, 9 }));
    engine.g_nLevel = 1;
    EXPECT_EQ(engine.ChooseComputerMove(kBlackColor), (GoPoint { 8, 6 }));
    engine.g_nLevel = 2;
    EXPECT_EQ(engine.ChooseComputerMove(kBlackColor), (GoPoint { 8, 9 }));
}

TEST(ChooseComputerMove, ALevelOutsideOneToThreeCountsAsTheNearest)
{
    CGoEngine engine = AscendingEngine();
    Place(engine.m_board, { { 8, 7 }, { 8, 8 } }, kGoBlack);
    Place(engine.m_board, { { 7, 7 }, { 9, 6 }, { 9, 7 } }, kGoWhite);
    engine.g_nLevel = 0;
    EXPECT_EQ(engine.ChooseComputerMove(kBlackColor), (GoPoint { 8, 6 }));
    engine.g_nLevel = 4;
    EXPECT_EQ(engine.ChooseComputerMove(kBlackColor), (GoPoint { 8, 9 }));
}

// With one black stone at the centre its eight neighbours tie at every
// level; the scan's last visit among them wins.
struct ScanCase {
    bool columnsAscending;
    bool rowsAscending;
    GoPoint expected;
};

void PrintTo(const ScanCase& c, std::ostream* out)
{
    *out << (c.columnsAscending ? "columns up, " : "columns down, ") << (c.rowsAscending ? "rows up" : "rows down");
}

class TieTest : public testing::TestWithParam<ScanCase> {};

TEST_P(TieTest, GoesToThePointVisitedLast)
{
    for (int level = 1; level <= 3; ++level) {
        CGoEngine engine = ScanningEngine(GetParam().columnsAscending, GetParam().rowsAscending);
        engine.g_nLevel = level;
        engine.SetStone(7, 7, kGoBlack);
        EXPECT_EQ(engine.ChooseComputerMove(kWhiteColor), GetParam().expected) << "level " << level;
    }
}

INSTANTIATE_TEST_SUITE_P(ScanDirections, TieTest,
    testing::Values(ScanCase { true, true, { 8, 8 } }, ScanCase { true, false, { 8, 6 } },
        ScanCase { false, true, { 6, 8 } }, ScanCase { false, false, { 6, 6 } }));

TEST(ChooseComputerMove, SeedsEveryDrawWithTheTickCount)
{
    std::vector<std::uint32_t> seeds;
    CGoEngine engine([] { return 4321u; }, [&](std::uint32_t seed) {
        seeds.push_back(seed);
        return 1u;
    });
    engine.SetStone(7, 7, kGoBlack);
    engine.ChooseComputerMove(kWhiteColor);
    EXPECT_EQ(seeds, std::vector<std::uint32_t>(16, 4321u));
}

TEST(ChooseComputerMove, TheRealScanPicksOneOfTheBestPoints)
{
    CGoEngine engine;
    engine.SetStone(7, 7, kGoBlack);
    const GoPoint move = engine.ChooseComputerMove(kWhiteColor);
    EXPECT_LE(std::abs(move.x - 7), 1);
    EXPECT_LE(std::abs(move.y - 7), 1);
    EXPECT_NE(move, (GoPoint { 7, 7 }));
}

TEST(ChooseComputerMove, NeverChangesTheBoard)
{
    CGoEngine engine = AscendingEngine();
    Place(engine.m_board, { { 7, 7 }, { 8, 8 }, { 6, 7 }, { 9, 10 } }, kGoBlack);
    Place(engine.m_board, { { 8, 7 }, { 7, 8 }, { 5, 5 } }, kGoWhite);
    const GoBoard before = engine.m_board;
    for (int level = 1; level <= 3; ++level) {
        engine.g_nLevel = level;
        engine.ChooseComputerMove(kWhiteColor);
        engine.ChooseComputerMove(kBlackColor);
        EXPECT_EQ(engine.m_board, before);
    }
}

void FillBoard(GoBoard& board)
{
    for (int x = 0; x < kGoBoardSize; ++x) {
        for (int y = 0; y < kGoBoardSize; ++y)
            board[GoPointIndex(x, y)] = (x / 2 + y) % 2 == 0 ? kGoBlack : kGoWhite;
    }
}

TEST(ChooseComputerMove, AFullBoardGivesNoPoint)
{
    CGoEngine engine = AscendingEngine();
    FillBoard(engine.m_board);
    EXPECT_EQ(engine.ChooseComputerMove(kWhiteColor), kNoGoPoint);
    EXPECT_EQ(engine.ChooseComputerMove(kBlackColor), kNoGoPoint);
}

TEST(ChooseComputerMove, TakesTheLastEmptyPoint)
{
    CGoEngine engine = AscendingEngine();
    FillBoard(engine.m_board);
    engine.SetStone(14, 0, kGoEmpty);
    EXPECT_EQ(engine.ChooseComputerMove(kBlackColor), (GoPoint { 14, 0 }));
}

} // namespace
