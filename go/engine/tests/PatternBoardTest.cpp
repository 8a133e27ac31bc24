#include "go/engine/PatternClass.h"
#include "go/engine/tests/ReferencePatternClass.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Boards of every density, from a few stones to a full board, each point
// empty, white or black; the generator's sequence is fixed by the standard.
GoBoard RandomBoard(std::mt19937& random)
{
    GoBoard board {};
    const unsigned stones = random() % (kGoPointCount + 1);
    const unsigned emptyShare = random() % 3;
    for (unsigned i = 0; i < stones; ++i) {
        const unsigned point = random() % kGoPointCount;
        board[point] = random() % 3 < emptyShare ? kGoEmpty : static_cast<std::int8_t>(1 + random() % 2);
    }
    return board;
}

TEST(PatternBoard, AgreesWithThePlainReadingOfTheRules)
{
    std::mt19937 random(2026);
    int classesSeen[21] = {};
    for (int trial = 0; trial < 1500; ++trial) {
        const GoBoard board = RandomBoard(random);
        const CPatternBoard patternBoard(board);
        for (int x = 0; x < kGoBoardSize; ++x) {
            for (int y = 0; y < kGoBoardSize; ++y) {
                const PointClasses classes = patternBoard.PatternClasses(x, y);
                const int white = ReferencePatternClass(board, x, y, kGoWhite);
                const int black = ReferencePatternClass(board, x, y, kGoBlack);
                ASSERT_EQ(classes.white, white) << "trial " << trial << " at " << x << "," << y;
                ASSERT_EQ(classes.black, black) << "trial " << trial << " at " << x << "," << y;
                ASSERT_EQ(patternBoard.PatternClass(x, y, kGoBlack), black);
                ++classesSeen[white];
                ++classesSeen[black];
            }
        }
    }
    for (int patternClass = 0; patternClass <= 20; ++patternClass)
        EXPECT_GT(classesSeen[patternClass], 0) << "class " << patternClass << " never came up";
}

} // namespace
