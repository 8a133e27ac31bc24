#include "go/engine/GoEngine.h"
#include "go/engine/tests/BoardTestSupport.h"
#include "go/engine/tests/ReferencePatternClass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct PatternCase {
    std::string name;
    std::vector<std::pair<int, int>> own;
    std::vector<std::pair<int, int>> other;
    int expectedClass = 0;
    std::pair<int, int> point { 7, 7 };
};

void Put(CGoEngine& engine, const std::vector<std::pair<int, int>>& points, std::int8_t code)
{
    for (const auto& [x, y] : points)
        engine.SetStone(x, y, code);
}

// The lines along x and y, the rising and the falling diagonal through (7, 7)
// are the ones the names speak of; "own" stones are k's.
const std::vector<PatternCase> kCases = {
    { "EmptyBoardCentre", {}, {}, 19 },
    { "EmptyBoardCorner", {}, {}, 20, { 0, 0 } },
    { "EmptyBoardEdge", {}, {}, 19, { 0, 7 } },
    { "Five", { { 3, 7 }, { 4, 7 }, { 5, 7 }, { 6, 7 } }, {}, 0 },
    { "SixInARow", { { 2, 7 }, { 3, 7 }, { 4, 7 }, { 5, 7 }, { 6, 7 } }, {}, 0 },
    { "FiveAcrossThePoint", { { 5, 5 }, { 6, 6 }, { 8, 8 }, { 9, 9 } }, {}, 0 },
    { "OpenFour", { { 4, 7 }, { 5, 7 }, { 6, 7 } }, {}, 1 },
    { "TwoFours", { { 4, 7 }, { 5, 7 }, { 6, 7 }, { 7, 4 }, { 7, 5 }, { 7, 6 } }, { { 8, 7 }, { 7, 8 } }, 2 },
    { "FourAndBrokenFour", { { 4, 7 }, { 5, 7 }, { 6, 7 }, { 7, 5 }, { 7, 6 }, { 7, 9 } }, { { 8, 7 } }, 2 },
    { "TwoBrokenFours", { { 5, 7 }, { 6, 7 }, { 9, 7 }, { 7, 5 }, { 7, 6 }, { 7, 9 } }, {}, 2 },
    { "FourAndOpenThree", { { 4, 7 }, { 5, 7 }, { 6, 7 }, { 7, 5 }, { 7, 6 } }, { { 8, 7 } }, 3 },
    { "FourAndBrokenOpenThree", { { 4, 7 }, { 5, 7 }, { 6, 7 }, { 7, 6 }, { 7, 9 } }, { { 8, 7 } }, 3 },
    { "TwoOpenThrees", { { 5, 7 }, { 6, 7 }, { 7, 5 }, { 7, 6 } }, {}, 4 },
    { "TwoBrokenOpenThrees", { { 6, 7 }, { 9, 7 }, { 7, 6 }, { 7, 9 } }, {}, 4 },
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
    { "GapTwoAloneIsAnOpenTwo", { { 4, 7 }, { 6, 7 } }, {}, 16 },
    { "SquareTowardsLowerRight", { { 7, 9 }, { 8, 8 }, { 9, 7 } }, {}, 15 },
    { "SquareTowardsUpperRight", { { 7, 5 }, { 8, 6 }, { 9, 7 } }, {}, 15 },
    { "SquareTowardsLowerLeft", { { 7, 9 }, { 6, 8 }, { 5, 7 } }, {}, 15 },
    { "SquareTowardsUpperLeft", { { 7, 5 }, { 6, 6 }, { 5, 7 } }, {}, 15 },
    { "SquareOnTheEdge", { { 0, 9 }, { 1, 8 }, { 2, 7 } }, {}, 15, { 0, 7 } },
    { "SquareWithOtherColourDiagonallyNext", { { 7, 9 }, { 8, 8 }, { 9, 7 } }, { { 6, 6 } }, 15 },
    { "SquareBlockedByOrthogonalNeighbour", { { 7, 9 }, { 8, 8 }, { 9, 7 } }, { { 6, 7 } }, 16 },
    { "SquareWithOppositeCornerTaken", { { 7, 9 }, { 8, 8 }, { 9, 7 } }, { { 9, 9 } }, 18 },
    { "OpenTwo", { { 6, 7 } }, {}, 16 },
    { "ThreeAlone", { { 5, 7 }, { 6, 7 } }, { { 4, 7 } }, 17 },
    { "Two", { { 6, 7 } }, { { 5, 7 } }, 18 },
};

void PrintTo(const PatternCase& c, std::ostream* out)
{
    *out << c.name;
}

class PatternClassTest : public testing::TestWithParam<PatternCase> {
protected:
    // Evaluates the case for k, with the point itself holding onPoint.
    int Evaluate(std::int8_t k, std::int8_t onPoint)
    {
        const PatternCase& c = GetParam();
        const std::int8_t other = k == kGoBlack ? kGoWhite : kGoBlack;
        Put(m_engine, c.own, k);
        Put(m_engine, c.other, other);
        m_engine.SetStone(c.point.first, c.point.second, onPoint);
        return m_engine.EvaluatePoint(c.point.first, c.point.second, k);
    }

    CGoEngine m_engine;
};

TEST_P(PatternClassTest, ForBlack)
{
    EXPECT_EQ(Evaluate(kGoBlack, kGoEmpty), GetParam().expectedClass);
}

TEST_P(PatternClassTest, ForWhite)
{
    EXPECT_EQ(Evaluate(kGoWhite, kGoEmpty), GetParam().expectedClass);
}

TEST_P(PatternClassTest, WhateverThePointHolds)
{
    EXPECT_EQ(Evaluate(kGoBlack, kGoBlack), GetParam().expectedClass);
    EXPECT_EQ(Evaluate(kGoBlack, kGoWhite), GetParam().expectedClass);
}

TEST_P(PatternClassTest, LineResultIsZeroExactlyForAFive)
{
    m_engine.m_nLineResult = GetParam().expectedClass == 0 ? 1 : 0;
    const int patternClass = Evaluate(kGoBlack, kGoEmpty);
    EXPECT_EQ(m_engine.m_nLineResult == 0, patternClass == 0);
}

TEST_P(PatternClassTest, PlainReadingGivesTheSame)
{
    Evaluate(kGoBlack, kGoEmpty);
    const auto [x, y] = GetParam().point;
    EXPECT_EQ(ReferencePatternClass(m_engine.m_board, x, y, kGoBlack), GetParam().expectedClass);
}

TEST_P(PatternClassTest, ReadsTheBoardOnly)
{
    Evaluate(kGoBlack, kGoEmpty);
    const GoBoard before = m_engine.m_board;
    m_engine.EvaluatePoint(GetParam().point.first, GetParam().point.second, kGoBlack);
    EXPECT_EQ(m_engine.m_board, before);
}

INSTANTIATE_TEST_SUITE_P(Cases, PatternClassTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<PatternCase>& info) { return info.param.name; });

TEST(PatternClassEdges, EveryPointOfTheEmptyBoardRatesOneOrNothing)
{
    CGoEngine engine;
    for (int x = 0; x < kGoBoardSize; ++x) {
        for (int y = 0; y < kGoBoardSize; ++y) {
            const bool corner = (x == 0 || x == 14) && (y == 0 || y == 14);
            EXPECT_EQ(engine.EvaluatePoint(x, y, kGoBlack), corner ? 20 : 19) << x << "," << y;
        }
    }
}

TEST(PatternClassEdges, TheEdgeClosesALine)
{
    CGoEngine engine;
    Place(engine.m_board, { { 14, 10 }, { 14, 11 }, { 14, 12 }, { 14, 13 } }, kGoBlack);
    EXPECT_EQ(engine.EvaluatePoint(14, 14, kGoBlack), 0);
    engine.SetStone(14, 10, kGoEmpty);
    EXPECT_EQ(engine.EvaluatePoint(14, 14, kGoBlack), 9);
    engine.SetStone(14, 10, kGoWhite);
    EXPECT_EQ(engine.EvaluatePoint(14, 14, kGoBlack), 20);
}

TEST(PatternClassEdges, AStrangeCodeOnTheBoardBlocksLikeTheEdge)
{
    CGoEngine engine;
    Place(engine.m_board, { { 4, 7 }, { 5, 7 }, { 6, 7 } }, kGoBlack);
    Place(engine.m_board, { { 3, 7 }, { 8, 7 } }, 7);
    Place(engine.m_board, { { 7, 6 }, { 6, 8 }, { 6, 6 } }, -1);
    EXPECT_EQ(engine.EvaluatePoint(7, 7, kGoBlack), 20);
    EXPECT_EQ(engine.EvaluatePoint(7, 7, kGoWhite), 20);
}

} // namespace
