#include "go/engine/GoEngine.h"
#include "go/engine/RankTables.h"
#include "go/engine/tests/BoardTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

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

// The order of urgency the levels share, most urgent first: groups of the
// computer's own classes (attack) or the person's (defence). Ranks count up
// from 0 along it, and the classes of one group share a rank.
struct RankGroup {
    bool attack;
    std::vector<int> classes;
};

std::vector<RankGroup> UrgencyOrder(int level)
{
    // Five, open four, double four, four with open three, double open three.
    std::vector<RankGroup> order = { { true, { 0 } }, { false, { 0 } }, { true, { 1 } }, { false, { 1 } },
        { true, { 2 } }, { true, { 3 } }, { false, { 2 } }, { false, { 3 } }, { true, { 4 } }, { false, { 4 } } };
    // Classes 5 to 15, all of the computer's before any of the person's:
    // Hard tells them apart, Normal and Easy merge some.
    std::vector<std::vector<int>> middle;
    if (level == 1)
        middle = { { 5, 6, 7, 8, 9, 10 }, { 11, 12, 13, 14, 15 } };
    else if (level == 2)
        middle = { { 5, 6, 7 }, { 8, 9, 10 }, { 11 }, { 12 }, { 13, 14, 15 } };
    else
        middle = { { 5 }, { 6 }, { 7 }, { 8 }, { 9 }, { 10 }, { 11 }, { 12 }, { 13 }, { 14 }, { 15 } };
    for (const bool attack : { true, false }) {
        for (const std::vector<int>& classes : middle)
            order.push_back({ attack, classes });
    }
    // The weak classes, attack before defence class by class.
    for (int patternClass = 16; patternClass <= 20; ++patternClass) {
        order.push_back({ true, { patternClass } });
        order.push_back({ false, { patternClass } });
    }
    return order;
}

TEST(RankTables, RankEveryClassInTheOrderOfUrgency)
{
    for (int level = 1; level <= 3; ++level) {
        int rank = 0;
        std::size_t attackClasses = 0;
        std::size_t defenceClasses = 0;
        for (const RankGroup& group : UrgencyOrder(level)) {
            for (const int patternClass : group.classes) {
                const int actual = group.attack ? AttackRank(level, patternClass) : DefenceRank(level, patternClass);
                EXPECT_EQ(actual, rank) << "level " << level << (group.attack ? " attack" : " defence") << " class "
                                        << patternClass;
                ++(group.attack ? attackClasses : defenceClasses);
            }
            ++rank;
        }
        // Each table ranks the classes 0 to 20, all of them in the order.
        EXPECT_EQ(attackClasses, kAttackRanks[level - 1].size());
        EXPECT_EQ(defenceClasses, kDefenceRanks[level - 1].size());
    }
}

TEST(ChooseComputerMove, TakesTheMostUrgentPointOnTheBoard)
{
    const struct {
        const char* name;
        Stones black;
        Stones white;
        int color;
        std::vector<GoPoint> expected;
    } cases[] = {
        { "own five before blocking five", { { 3, 7 }, { 4, 7 }, { 5, 7 }, { 6, 7 } },
            { { 3, 9 }, { 4, 9 }, { 5, 9 }, { 6, 9 } }, kBlackColor, { { 2, 7 }, { 7, 7 } } },
        { "blocking five before own open four", { { 4, 7 }, { 5, 7 }, { 6, 7 } },
            { { 2, 11 }, { 3, 11 }, { 4, 11 }, { 5, 11 } }, kBlackColor, { { 1, 11 }, { 6, 11 } } },
        { "own open four before blocking one", { { 4, 11 }, { 5, 11 }, { 6, 11 } }, { { 4, 7 }, { 5, 7 }, { 6, 7 } },
            kWhiteColor, { { 3, 7 }, { 7, 7 } } },
    };
    for (const auto& c : cases) {
        for (int level = 1; level <= 3; ++level) {
            CGoEngine engine = ScanningEngine(true, true);
            engine.g_nLevel = level;
            Place(engine.m_board, c.black, kGoBlack);
            Place(engine.m_board, c.white, kGoWhite);
            const GoPoint chosen = engine.ChooseComputerMove(c.color);
            EXPECT_THAT(c.expected, testing::Contains(chosen)) << c.name << ", level " << level;
        }
    }
}

// Black's two on column 8 becomes an open three at (8, 6) or at (8, 9).
// (8, 9) also has an open one (class 12) and blocks nothing of white's;
// (8, 6) is the open three alone (class 14) but also the point where white
// would make an open two (class 16). Hard and Normal tell classes 12 and 14
// apart; Easy ranks them alike and lets the better block decide. A level
// outside 1 to 3 counts as the nearest.
TEST(ChooseComputerMove, ALevelChangeChangesTheNextChoice)
{
    CGoEngine engine = ScanningEngine(true, true);
    Place(engine.m_board, { { 8, 7 }, { 8, 8 } }, kGoBlack);
    Place(engine.m_board, { { 7, 7 }, { 9, 6 }, { 9, 7 } }, kGoWhite);
    const GoBoard board = engine.m_board;

    const std::pair<int, GoPoint> choices[] = {
        { 3, { 8, 9 } },
        { 1, { 8, 6 } },
        { 2, { 8, 9 } },
        { 0, { 8, 6 } },
        { 4, { 8, 9 } },
    };
    for (const auto& [level, expected] : choices) {
        engine.g_nLevel = level;
        EXPECT_EQ(engine.ChooseComputerMove(kBlackColor), expected) << "level " << level;
    }
    EXPECT_EQ(engine.m_board, board) << "the choice leaves the board as it is";
}

// The two-stone opening: the computer's black stone on the centre, the
// person's white one beside it. At every level the best pair of ranks is an
// open two for black that also blocks an open two of white's, on one of four
// points; the scan decides among them, and the point visited last wins.
TEST(ChooseComputerMove, AnswersTheTwoStoneOpeningByTheScanDirection)
{
    const struct {
        bool columnsAscending;
        bool rowsAscending;
        GoPoint expected;
    } cases[] = {
        { true, true, { 8, 8 } },
        { true, false, { 8, 6 } },
        { false, true, { 7, 8 } },
        { false, false, { 7, 6 } },
    };
    for (const auto& c : cases) {
        for (int level = 1; level <= 3; ++level) {
            CGoEngine engine = ScanningEngine(c.columnsAscending, c.rowsAscending);
            engine.g_nLevel = level;
            engine.SetStone(7, 7, kGoBlack);
            engine.SetStone(8, 7, kGoWhite);
            EXPECT_EQ(engine.ChooseComputerMove(kBlackColor), c.expected)
                << "level " << level << ", columns " << (c.columnsAscending ? "up" : "down") << ", rows "
                << (c.rowsAscending ? "up" : "down");
        }
    }
    // The real draws pick one of the four.
    CGoEngine engine;
    engine.SetStone(7, 7, kGoBlack);
    engine.SetStone(8, 7, kGoWhite);
    EXPECT_THAT(engine.ChooseComputerMove(kBlackColor),
        testing::AnyOf(GoPoint { 8, 8 }, GoPoint { 8, 6 }, GoPoint { 7, 8 }, GoPoint { 7, 6 }));
}

TEST(ChooseComputerMove, SeedsEveryDrawWithTheTickCount)
{
    std::vector<std::uint32_t> seeds;
    CGoEngine engine([] { return 4321u; },
        [&](std::uint32_t seed) {
            seeds.push_back(seed);
            return 1u;
        });
    engine.ChooseComputerMove(kWhiteColor);
    EXPECT_EQ(seeds, std::vector<std::uint32_t>(16, 4321u));
}

TEST(ChooseComputerMove, TakesTheLastEmptyPointAndNoneOnAFullBoard)
{
    CGoEngine engine = ScanningEngine(true, true);
    FillBoard(engine.m_board);
    EXPECT_EQ(engine.ChooseComputerMove(kBlackColor), (GoPoint { -1, -1 }));
    engine.SetStone(14, 0, kGoEmpty);
    EXPECT_EQ(engine.ChooseComputerMove(kBlackColor), (GoPoint { 14, 0 }));
}

} // namespace
