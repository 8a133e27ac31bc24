#include "bench/engine/BenchPositions.h"

#include "go/engine/PatternClass.h"

#include <random>

namespace {

// Places stones alternately on random empty points of the square [low, high]
// of both coordinates, skipping any point where the stone would make five.
GoBoard RandomPosition(int stones, int low, int high, unsigned seed)
{
    GoBoard board {};
    std::mt19937 random(seed);
    const auto span = static_cast<unsigned>(high - low + 1);
    int placed = 0;
    while (placed < stones) {
        const int x = low + static_cast<int>(random() % span);
        const int y = low + static_cast<int>(random() % span);
        const std::int8_t code = placed % 2 == 0 ? kGoBlack : kGoWhite;
        if (board[GoPointIndex(x, y)] != kGoEmpty || CPatternBoard(board).PatternClass(x, y, code) == kFiveClass)
            continue;
        board[GoPointIndex(x, y)] = code;
        ++placed;
    }
    return board;
}

} // namespace

GoBoard OpeningPosition()
{
    GoBoard board {};
    board[GoPointIndex(7, 7)] = kGoBlack;
    return board;
}

GoBoard MiddleGamePosition()
{
    return RandomPosition(40, 3, 11, 2026);
}

GoBoard LateGamePosition()
{
    return RandomPosition(150, 0, 14, 2026);
}
