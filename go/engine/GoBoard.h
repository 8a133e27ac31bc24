#pragma once

#include <array>
#include <cstdint>

// The 15 by 15 board. Point (x, y), x the screen column and y the row, is
// element x * 15 + y. Each element holds a stone code: 0 empty, 1 white,
// 2 black. A colour index is 0 for white and 1 for black; its stone code is
// the index plus 1.
constexpr int kGoBoardSize = 15;
constexpr int kGoPointCount = kGoBoardSize * kGoBoardSize;

constexpr std::int8_t kGoEmpty = 0;
constexpr std::int8_t kGoWhite = 1;
constexpr std::int8_t kGoBlack = 2;

using GoBoard = std::array<std::int8_t, kGoPointCount>;

constexpr bool IsOnGoBoard(int x, int y)
{
    return x >= 0 && x < kGoBoardSize && y >= 0 && y < kGoBoardSize;
}

constexpr int GoPointIndex(int x, int y)
{
    return x * kGoBoardSize + y;
}

constexpr std::int8_t GoStoneCode(int colorIndex)
{
    return static_cast<std::int8_t>(colorIndex + 1);
}
