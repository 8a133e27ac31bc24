#include "go/engine/tests/BoardTestSupport.h"

#include <algorithm>

void Place(GoBoard& board, const Stones& points, std::int8_t code)
{
    for (const auto& [x, y] : points)
        board[GoPointIndex(x, y)] = code;
}

int CountStones(const GoBoard& board)
{
    return static_cast<int>(std::count_if(board.begin(), board.end(), [](std::int8_t code) { return code != kGoEmpty; }));
}

void PrintTo(const GoPoint& point, std::ostream* out)
{
    *out << "(" << point.x << ", " << point.y << ")";
}
