#include "go/engine/GoEngine.h"
#include "go/engine/tests/BoardTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A position drawn by hand, with its class read off the rules: "own" stones
// are those of the colour rated, "other" stones the other colour's.
struct PatternCase {
    const char* name;
    Stones own;
    Stones other;
    int expectedClass;
    std::pair<int, int> point { 7, 7 };
};

const PatternCase kCases[] = {
    { "EmptyBoardCentre", {}, {}, 19 },
    { "EmptyBoardCorner", {}, {}, 20, { 0, 0 } },
    { "Five", { { 3, 7 }, { 4, 7 }, { 5, 7 }, { 6, 7 } }, {}, 0 },
    { "FiveDownTheColumn", { { 7, 8 }, { 7, 9 }, { 7, 10 }, { 7, 11 } }, { { 7, 6 } }, 0 },
    { "SixInARow", { { 2, 7 }, { 3, 7 }, { 4, 7 }, { 5, 7 }, { 6, 7 } }, {}, 0 },
    { "FiveAcrossThePoint", { { 5, 5 }, { 6, 6 }, { 8, 8 }, { 9, 9 } }, {}, 0 },
    { "FiveOnTheRisingDiagonal", { { 3, 11 }, { 4, 10 }, { 5, 9 }, { 6, 8 } }, {}, 0 },
    { "FiveAgainstTheEdge", { { 14, 10 }, { 14, 11 }, { 14, 12 }, { 14, 13 } }, {}, 0, { 14, 14 } },
    // The edge closes a line.
    { "FourAgainstTheEdge", { { 14, 11 }, { 14, 12 }, { 14, 13 } }, {}, 9, { 14, 14 } },
    { "FourBetweenTheEdgeAndAStone", { { 14, 11 }, { 14, 12 }, { 14, 13 } }, { { 14, 10 } }, 20, { 14, 14 } },
    { "OpenFour", { { 4, 7 }, { 5, 7 }, { 6, 7 } }, {}, 1 },
    { "TwoFours", { { 4, 7 }, { 5, 7 }, { 6, 7 }, { 7, 4 }, { 7, 5 }, { 7, 6 } }, { { 8, 7 }, { 7, 8 } }, 2 },
    { "TwoBrokenFours", { { 5, 7 }, { 6, 7 }, { 9, 7 }, { 7, 5 }, { 7, 6 }, { 7, 9 } }, {}, 2 },
    // A gap run of three reaches past the cells next to the point.
    { "FourAndBrokenFourOverThreeStones", { { 9, 7 }, { 10, 7 }, { 11, 7 }, { 7, 4 }, { 7, 5 }, { 7, 6 } },
        { { 7, 8 } }, 2 },
    // One open end makes a broken four, either end.
    { "BrokenFourOpenOnlyOnTheNearSide", { { 6, 7 }, { 9, 7 }, { 10, 7 }, { 7, 4 }, { 7, 5 }, { 7, 6 } },
        { { 11, 7 }, { 7, 8 } }, 2 },
    { "BrokenFourOpenOnlyBeyondTheGap", { { 9, 7 }, { 10, 7 }, { 11, 7 }, { 7, 4 }, { 7, 5 }, { 7, 6 } },
        { { 6, 7 }, { 7, 8 } }, 2 },
    // Closed on one side and by the edge beyond its gap run, the broken line
    // is no broken four: the four on the column alone, with open ones.
    { "BrokenFourClosedByTheEdge", { { 12, 7 }, { 13, 7 }, { 14, 7 }, { 10, 4 }, { 10, 5 }, { 10, 6 } },
        { { 9, 7 }, { 10, 8 } }, 7, { 10, 7 } },
    { "BrokenFourClosedByAStone", { { 6, 7 }, { 9, 7 }, { 10, 7 }, { 7, 4 }, { 7, 5 }, { 7, 6 } },
        { { 5, 7 }, { 11, 7 }, { 7, 8 }, { 6, 8 }, { 6, 6 } }, 8 },
    { "FourAndOpenThree", { { 4, 7 }, { 5, 7 }, { 6, 7 }, { 7, 5 }, { 7, 6 } }, { { 8, 7 } }, 3 },
    { "FourAndBrokenOpenThree", { { 4, 7 }, { 5, 7 }, { 6, 7 }, { 7, 6 }, { 7, 9 } }, { { 8, 7 } }, 3 },
    { "TwoOpenThrees", { { 5, 7 }, { 6, 7 }, { 7, 5 }, { 7, 6 } }, {}, 4 },
    { "TwoBrokenOpenThrees", { { 6, 7 }, { 9, 7 }, { 7, 6 }, { 7, 9 } }, {}, 4 },
    { "BrokenOpenThreeNeedsTheFarEndOpen", { { 6, 7 }, { 9, 7 }, { 7, 6 }, { 7, 9 } }, { { 10, 7 }, { 7, 10 } }, 16 },
    { "FourAndOpenTwo", { { 4, 7 }, { 5, 7 }, { 6, 7 }, { 7, 6 } }, { { 8, 7 } }, 5 },
    { "FourAndThree", { { 4, 7 }, { 5, 7 }, { 6, 7 }, { 7, 5 }, { 7, 6 } }, { { 8, 7 }, { 7, 4 } }, 6 },
    { "FourAndOpenOne", { { 4, 7 }, { 5, 7 }, { 6, 7 } }, { { 3, 7 } }, 7 },
    { "FourAndTwo", { { 4, 7 }, { 5, 7 }, { 6, 7 }, { 7, 6 } }, { { 8, 7 }, { 7, 5 }, { 6, 8 }, { 6, 6 } }, 8 },
    { "FourAlone", { { 4, 7 }, { 5, 7 }, { 6, 7 } }, { { 3, 7 }, { 7, 6 }, { 6, 8 }, { 6, 6 } }, 9 },
    { "ClosedFourCountsForNothing", { { 4, 7 }, { 5, 7 }, { 6, 7 } }, { { 3, 7 }, { 8, 7 } }, 19 },
    { "OpenThreeAndOpenTwo", { { 5, 7 }, { 6, 7 }, { 7, 6 } }, {}, 10 },
    { "OpenThreeAndThree", { { 5, 7 }, { 6, 7 }, { 7, 5 }, { 7, 6 } }, { { 7, 4 } }, 11 },
    { "OpenThreeAndOpenOne", { { 5, 7 }, { 6, 7 } }, {}, 12 },
    { "BrokenFourDoesNotRateAlone", { { 5, 7 }, { 6, 7 }, { 9, 7 } }, {}, 12 },
    { "OpenThreeAndTwo", { { 5, 7 }, { 6, 7 }, { 7, 6 } }, { { 7, 5 }, { 6, 8 }, { 6, 6 } }, 13 },
    { "OpenThreeAlone", { { 5, 7 }, { 6, 7 } }, { { 7, 6 }, { 6, 8 }, { 6, 6 } }, 14 },
    // With equal gap runs the second ray is the one extended over its gap.
    { "TieExtendsSecondRayWhichIsOpen", { { 6, 7 }, { 4, 7 }, { 9, 7 }, { 7, 5 }, { 7, 6 } }, { { 3, 7 } }, 4 },
    { "TieExtendsSecondRayWhichIsClosed", { { 5, 7 }, { 8, 7 }, { 10, 7 }, { 7, 5 }, { 7, 6 } }, { { 11, 7 } }, 10 },
    { "LongerGapRunIsExtendedOnTheFirstRay", { { 4, 7 }, { 5, 7 }, { 9, 7 }, { 7, 5 }, { 7, 6 } }, { { 10, 7 } }, 4 },
    { "GapTwoAloneIsAnOpenTwo", { { 4, 7 }, { 6, 7 } }, {}, 16 },
    { "SquareTowardsLowerRight", { { 7, 9 }, { 8, 8 }, { 9, 7 } }, {}, 15 },
    { "SquareTowardsUpperRight", { { 7, 5 }, { 8, 6 }, { 9, 7 } }, {}, 15 },
    { "SquareTowardsLowerLeft", { { 7, 9 }, { 6, 8 }, { 5, 7 } }, {}, 15 },
    { "SquareTowardsUpperLeft", { { 7, 5 }, { 6, 6 }, { 5, 7 } }, {}, 15 },
    { "SquareOnTheEdge", { { 0, 9 }, { 1, 8 }, { 2, 7 } }, {}, 15, { 0, 7 } },
    { "SquareWithItsOwnOppositeCorner", { { 7, 9 }, { 8, 8 }, { 9, 7 }, { 9, 9 } }, { { 6, 6 }, { 10, 10 } }, 15 },
    { "SquareWithOtherColourDiagonallyNext", { { 7, 9 }, { 8, 8 }, { 9, 7 } }, { { 6, 6 } }, 15 },
    { "SquareBlockedByLeftNeighbour", { { 7, 9 }, { 8, 8 }, { 9, 7 } }, { { 6, 7 } }, 16 },
    { "SquareBlockedByUpperNeighbour", { { 7, 9 }, { 8, 8 }, { 9, 7 } }, { { 7, 6 } }, 16 },
    { "SquareBlockedByRightNeighbour", { { 7, 9 }, { 8, 8 }, { 9, 7 } }, { { 8, 7 } }, 16 },
    { "SquareBlockedByLowerNeighbour", { { 7, 9 }, { 8, 8 }, { 9, 7 } }, { { 7, 8 } }, 16 },
    { "SquareWithOppositeCornerTaken", { { 7, 9 }, { 8, 8 }, { 9, 7 } }, { { 9, 9 } }, 18 },
    { "OpenTwo", { { 6, 7 } }, {}, 16 },
    { "ThreeAlone", { { 5, 7 }, { 6, 7 } }, { { 4, 7 } }, 17 },
    { "Two", { { 6, 7 } }, { { 5, 7 } }, 18 },
    { "TwoAgainstTheEdge", { { 1, 7 } }, {}, 18, { 0, 7 } },
};

TEST(PatternClass, RatesHandDrawnPositions)
{
    for (const PatternCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const auto [x, y] = c.point;
        for (const std::int8_t k : { kGoBlack, kGoWhite }) {
            CGoEngine engine;
            Place(engine.m_board, c.own, k);
            Place(engine.m_board, c.other, k == kGoBlack ? kGoWhite : kGoBlack);
            const GoBoard board = engine.m_board;
            // Whatever the point itself holds.
            for (const std::int8_t onPoint : { kGoEmpty, kGoBlack, kGoWhite }) {
                engine.SetStone(x, y, onPoint);
                engine.m_nLineResult = c.expectedClass == 0 ? 1 : 0;
                EXPECT_EQ(engine.EvaluatePoint(x, y, k), c.expectedClass) << "k " << int(k) << " on " << int(onPoint);
                EXPECT_EQ(engine.m_nLineResult == 0, c.expectedClass == 0);
            }
            engine.SetStone(x, y, kGoEmpty);
            EXPECT_EQ(engine.m_board, board) << "the rating only reads the board";
        }
    }
}

TEST(PatternClass, AStrangeCodeOnTheBoardBlocksLikeTheEdge)
{
    CGoEngine engine;
    Place(engine.m_board, { { 4, 7 }, { 5, 7 }, { 6, 7 } }, kGoBlack);
    Place(engine.m_board, { { 3, 7 }, { 8, 7 } }, 7);
    Place(engine.m_board, { { 7, 6 }, { 6, 8 }, { 6, 6 } }, -1);
    EXPECT_EQ(engine.EvaluatePoint(7, 7, kGoBlack), 20);
    EXPECT_EQ(engine.EvaluatePoint(7, 7, kGoWhite), 20);
}

TEST(PatternClass, APointOffTheBoardOrAStrangeColourRatesNothing)
{
    // Each point just off the board would complete a five.
    CGoEngine engine;
    for (int i = 0; i < 4; ++i)
        Place(engine.m_board, { { i, 7 }, { 14 - i, 7 }, { 7, i }, { 7, 14 - i } }, kGoBlack);
    for (const auto& [x, y] : { std::pair { -1, 7 }, { 15, 7 }, { 7, -1 }, { 7, 15 } })
        EXPECT_EQ(engine.EvaluatePoint(x, y, kGoBlack), 20) << x << "," << y;
    EXPECT_EQ(engine.EvaluatePoint(4, 7, kGoBlack), 0);
    EXPECT_EQ(engine.EvaluatePoint(4, 7, kGoEmpty), 20);
    EXPECT_EQ(engine.EvaluatePoint(4, 7, 3), 20);
}

} // namespace
