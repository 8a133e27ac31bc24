#pragma once

// How urgent a pattern class is at a level: a lower rank comes first. Ranks
// run from 0 to 41, so a pair of ranks fits a 45 by 45 table.
constexpr int kRankCount = 45;

// level is 1 Easy, 2 Normal or 3 Hard; patternClass is 0 to 20.
int AttackRank(int level, int patternClass);
int DefenceRank(int level, int patternClass);
