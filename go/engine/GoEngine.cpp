#include "go/engine/GoEngine.h"

#include "go/engine/PatternClass.h"
#include "go/engine/RankTables.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <random>
#include <utility>

namespace {

std::uint32_t MillisecondTickCount()
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

std::uint32_t FirstDrawAfterSeeding(std::uint32_t seed)
{
    std::minstd_rand generator(seed);
    return static_cast<std::uint32_t>(generator());
}

} // namespace

CGoEngine::CGoEngine()
    : CGoEngine(MillisecondTickCount, FirstDrawAfterSeeding)
{
}

CGoEngine::CGoEngine(TickSource tickCount, RandomSource random)
    : m_tickCount(std::move(tickCount))
    , m_random(std::move(random))
{
}

void CGoEngine::ResetGame()
{
    m_board.fill(kGoEmpty);
    m_bGameOver = false;
    m_bDraw = false;
    m_lastColor = 0;
    m_bCanUndo = false;
    g_nStep = 0;
    m_rcPersonLast = {};
    m_rcComputerLast = {};
}

int CGoEngine::EvaluatePoint(int x, int y, int k)
{
    const bool valid = IsOnGoBoard(x, y) && (k == kGoWhite || k == kGoBlack);
    m_nLineResult = valid ? CPatternBoard(m_board).PatternClass(x, y, k) : kNothingClass;
    return m_nLineResult;
}

// Seeding with the millisecond tick count means that scans made within the
// same millisecond go the same way.
bool CGoEngine::IsDescendingScan()
{
    return m_random(m_tickCount()) % 2 == 0;
}

GoPoint CGoEngine::ChooseComputerMove(int color)
{
    const int level = std::clamp(g_nLevel, 1, 3);
    const int own = color == 0 ? kGoWhite : kGoBlack;
    const int person = color == 0 ? kGoBlack : kGoWhite;
    const CPatternBoard board(m_board);

    // Slot min(A, D) * 45 + max(A, D) holds the point visited last with
    // attack rank A and defence rank D; the first filled slot wins.
    std::array<GoPoint, kRankCount * kRankCount> candidates;
    candidates.fill(kNoGoPoint);

    const bool columnsDescending = IsDescendingScan();
    for (int column = 0; column < kGoBoardSize; ++column) {
        const int x = columnsDescending ? kGoBoardSize - 1 - column : column;
        const bool rowsDescending = IsDescendingScan();
        for (int row = 0; row < kGoBoardSize; ++row) {
            const int y = rowsDescending ? kGoBoardSize - 1 - row : row;
            if (StoneAt(x, y) != kGoEmpty)
                continue;
            const PointClasses classes = board.PatternClasses(x, y);
            const int attack = AttackRank(level, classes.For(own));
            m_nLineResult = classes.For(person);
            const int defence = DefenceRank(level, m_nLineResult);
            candidates[std::min(attack, defence) * kRankCount + std::max(attack, defence)] = { x, y };
        }
    }
    const auto chosen
        = std::find_if(candidates.begin(), candidates.end(), [](const GoPoint& point) { return point != kNoGoPoint; });
    return chosen == candidates.end() ? kNoGoPoint : *chosen;
}
