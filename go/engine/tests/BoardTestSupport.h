#pragma once

#include "go/engine/GoBoard.h"
#include "go/engine/GoPoint.h"

#include <initializer_list>
#include <ostream>
#include <utility>

using Stones = std::initializer_list<std::pair<int, int>>;

// Puts code on each of the points.
void Place(GoBoard& board, Stones points, std::int8_t code);
int CountStones(const GoBoard& board);

void PrintTo(const GoPoint& point, std::ostream* out);
