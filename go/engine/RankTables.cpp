#include "go/engine/RankTables.h"

#include <array>

namespace {

using RankTable = std::array<int, 21>;

// By level (Easy, Normal, Hard), indexed by pattern class.
constexpr std::array<RankTable, 3> kAttack { {
    { 0, 2, 4, 5, 8, 10, 10, 10, 10, 10, 10, 11, 11, 11, 11, 11, 14, 16, 18, 20, 22 },
    { 0, 2, 4, 5, 8, 10, 10, 10, 11, 11, 11, 12, 13, 14, 14, 14, 20, 22, 24, 26, 28 },
    { 0, 2, 4, 5, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 32, 34, 36, 38, 40 },
} };

constexpr std::array<RankTable, 3> kDefence { {
    { 1, 3, 6, 7, 9, 12, 12, 12, 12, 12, 12, 13, 13, 13, 13, 13, 15, 17, 19, 21, 23 },
    { 1, 3, 6, 7, 9, 15, 15, 15, 16, 16, 16, 17, 18, 19, 19, 19, 21, 23, 25, 27, 29 },
    { 1, 3, 6, 7, 9, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 33, 35, 37, 39, 41 },
} };

} // namespace

int AttackRank(int level, int patternClass)
{
    return kAttack[level - 1][patternClass];
}

int DefenceRank(int level, int patternClass)
{
    return kDefence[level - 1][patternClass];
}
