#pragma once

#include "go/engine/GoBoard.h"

#include <array>
#include <cstdint>

// Pattern classes of a point, lower being stronger.
constexpr int kFiveClass = 0;
constexpr int kSquareClass = 15;
constexpr int kNothingClass = 20;

// The pattern classes of one point for each stone code.
struct PointClasses {
    int white = kNothingClass;
    int black = kNothingClass;

    int For(int k) const { return k == kGoWhite ? white : black; }
};

// A copy of the board framed by four rows of off-board cells on every side,
// so that reading along a line from a point never needs a bounds check: an
// off-board cell is neither empty nor a stone. Codes other than 0, 1 and 2
// count as off the board.
class CPatternBoard {
public:
    explicit CPatternBoard(const GoBoard& board);

    // The pattern class of point (x, y) for stone code k, rated from the
    // four lines through the point as if a stone k stood there, and from the
    // three-by-three square shape. The point's own cell is never read.
    int PatternClass(int x, int y, int k) const;
    // Both classes of the point at once, for about the cost of one.
    PointClasses PatternClasses(int x, int y) const;

    // Cells of off-board frame on each side, and the length of a framed row.
    static constexpr int kFrame = 4;
    static constexpr int kSide = kGoBoardSize + 2 * kFrame;

private:
    static constexpr int CellIndex(int x, int y) { return (x + kFrame) * kSide + y + kFrame; }

    std::array<std::int8_t, kSide * kSide> m_cells {};
};
