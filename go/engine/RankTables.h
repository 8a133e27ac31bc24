#pragma once

#include <array>

// How urgent a pattern class is at a level: a lower rank comes first. Ranks
// run from 0 to 41, so a pair of ranks fits a 45 by 45 table.
constexpr int kRankCount = 45;

// By level (Easy, Normal, Hard), indexed by pattern class.
constexpr std::array<std::array<int, 21>, 3> kAttackRanks { {
    { 0, 2, 4, 5, 8, 10, 10, 10, 10, 10, 10, 11, 11, 11, 11, 11, 14, 16, 18, 20, 22 },
    { 0, 2, 4, 5, 8, 10, 10, 10, 11, 11, 11, 12, 13, 14, 14, 14, 20, 22, 24, 26, 28 },
    { 0, 2, 4, 5, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 32, 34, 36, 38, 40 },
} };

constexpr std::array<std::array<int, 21>, 3> kDefenceRanks { {
    { 1, 3, 6, 7, 9, 12, 12, 12, 12, 12, 12, 13, 13, 13, 13, 13, 15, 17, 19, 21, 23 },
    { 1, 3, 6, 7, 9, 15, 15, 15, 16, 16, 16, 17, 18, 19, 19, 19, 21, 23, 25, 27, 29 },
    { 1, 3, 6, 7, 9, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 33, 35, 37, 39, 41 },
} };

// level is 1 Easy, 2 Normal or 3 Hard; patternClass is 0 to 20.
constexpr int AttackRank(int level, int patternClass)
{
    return kAttackRanks[level - 1][patternClass];
}

constexpr int DefenceRank(int level, int patternClass)
{
    return kDefenceRanks[level - 1][patternClass];
}
