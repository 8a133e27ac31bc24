#pragma once

#include "go/engine/GoBoard.h"
#include "go/engine/GoPoint.h"
#include "go/engine/GoRect.h"

#include <cstdint>
#include <functional>

// One game of five in a row between the person and the computer: the board,
// the record of the latest moves, the options, the rating of a point and the
// computer's choice of move. It knows no window: the game dialog derives from
// it (or holds it), and the turn controller and the painting read and write
// the game record directly.
class CGoEngine {
public:
    // The millisecond tick count, and the first number a pseudo-random
    // generator draws after it is seeded with the given value. Together they
    // decide the order in which the computer scans the board.
    using TickSource = std::function<std::uint32_t()>;
    using RandomSource = std::function<std::uint32_t(std::uint32_t seed)>;

    // Uses the system's millisecond tick count and a standard generator.
    CGoEngine();
    CGoEngine(TickSource tickCount, RandomSource random);

    // Empties the board and clears the game's flags, the step count and the
    // latest stones' boxes. Keeps the latest points, m_nLineResult, the level
    // and both who-opens values.
    void ResetGame();

    // The pattern class, 0 (five or more in a row) to 20 (nothing of use), of
    // point (x, y) for stone code k, as if a stone k stood there whatever the
    // point holds. Writes m_nLineResult: 0 exactly when the class is 0. A
    // point off the board, or a k other than 1 and 2, rates 20.
    int EvaluatePoint(int x, int y, int k);

    // The computer's next point for colour index color (0 white, 1 black; any
    // other value counts as black) at level g_nLevel; kNoGoPoint (-1, -1)
    // when the board has no empty point. Rates every empty point for both
    // sides as EvaluatePoint does, leaving m_nLineResult as the last rating
    // wrote it; the board stays as it is.
    GoPoint ChooseComputerMove(int color);

    std::int8_t StoneAt(int x, int y) const { return m_board[GoPointIndex(x, y)]; }
    void SetStone(int x, int y, std::int8_t code) { m_board[GoPointIndex(x, y)] = code; }

    // The game record.
    GoBoard m_board {};
    // Colour index of the side that placed the latest stone; 0 after a reset,
    // so that black moves next.
    std::uint8_t m_lastColor = 0;
    GoPoint m_ptPersonLast;
    GoPoint m_ptComputerLast;
    GoRect m_rcPersonLast;
    GoRect m_rcComputerLast;
    bool m_bGameOver = false;
    bool m_bDraw = false;
    bool m_bCanUndo = false;
    std::int32_t m_nLineResult = 20;
    // The who-opens option as shown: false means the computer opens.
    bool m_bPersonFirst = false;

    // The number of stones on the board.
    std::int32_t g_nStep = 0;
    // 1 Easy, 2 Normal, 3 Hard; a value outside counts as the nearest level.
    std::int32_t g_nLevel = 2;
    // The who-opens rule of the running game, copied from m_bPersonFirst at
    // each new game.
    bool g_bPersonFirst = false;

private:
    bool IsDescendingScan();

    TickSource m_tickCount;
    RandomSource m_random;
};
