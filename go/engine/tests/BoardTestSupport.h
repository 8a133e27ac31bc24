#pragma once

#include "go/engine/GoBoard.h"
#include "go/engine/GoPoint.h"

#include <ostream>
#include <utility>
#include <vector>

using Stones = std::vector<std::pair<int, int>>;

// Puts code on each of the points.
void Place(GoBoard& board, const Stones& points, std::int8_t code);
int CountStones(const GoBoard& board);

void PrintTo(const GoPoint& point, std::ostream* out);
