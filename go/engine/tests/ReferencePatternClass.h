#pragma once

#include "go/engine/GoBoard.h"

// The pattern class by the plainest reading of the rules: one colour at a
// time, every step checked against the board's edges. The engine's own
// evaluation is measured against it.
int ReferencePatternClass(const GoBoard& board, int x, int y, int k);
