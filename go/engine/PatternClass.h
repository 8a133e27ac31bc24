#pragma once

#include "go/engine/GoBoard.h"

// Pattern classes of a point, lower being stronger.
constexpr int kFiveClass = 0;
constexpr int kSquareClass = 15;
constexpr int kNothingClass = 20;

// The pattern class of point (x, y) for stone code k, rated from the four
// lines through the point as if a stone k stood there, and from the
// three-by-three square shape. The point's own element is never read.
int GoPatternClass(const GoBoard& board, int x, int y, int k);
