#pragma once

#include "go/engine/GoBoard.h"
#include "go/engine/GoPoint.h"

#include <ostream>
#include <utility>
#include <vector>

using Stones = std::vector<std::pair<int, int>>;

// Puts code on each of the points.
inline void Place(GoBoard& board, const Stones& points, std::int8_t code)
{
    for (const auto& [x, y] : points)
        board[GoPointIndex(x, y)] = code;
}

// A full board on which no line holds more than two stones of a colour in a row.
inline void FillBoard(GoBoard& board)
{
    for (int x = 0; x < kGoBoardSize; ++x) {
        for (int y = 0; y < kGoBoardSize; ++y)
            board[GoPointIndex(x, y)] = (x + 2 * y) % 4 < 2 ? kGoBlack : kGoWhite;
    }
}

inline void PrintTo(const GoPoint& point, std::ostream* out)
{
    *out << "(" << point.x << ", " << point.y << ")";
}
