#pragma once

#include "go/engine/GoBoard.h"

// Fixed positions for timing the computer's move, the same on every run:
// stones of alternating colour, black first, none of them making five.
GoBoard OpeningPosition();
// About 40 stones in the middle of the board.
GoBoard MiddleGamePosition();
// About 150 stones spread over the whole board.
GoBoard LateGamePosition();
