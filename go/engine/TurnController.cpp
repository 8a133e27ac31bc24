#include "go/engine/TurnController.h"

namespace {

constexpr GoPoint kCentre { kGoBoardSize / 2, kGoBoardSize / 2 };

} // namespace

CTurnController::CTurnController(CGoEngine& game, CTurnView& view)
    : m_game(game)
    , m_view(view)
{
}

void CTurnController::PersonMove(int x, int y)
{
    if (!IsOnGoBoard(x, y) || m_game.StoneAt(x, y) != kGoEmpty)
        return;
    if (m_game.m_bGameOver) {
        Show(m_game.m_bDraw ? kTextDraw : kTextTapAfterEnd);
        return;
    }
    if (!IsPersonsTurn())
        return;

    m_game.m_lastColor = m_game.m_lastColor == 0 ? 1 : 0;
    const std::int8_t code = GoStoneCode(m_game.m_lastColor);
    m_game.SetStone(x, y, code);
    m_game.m_ptPersonLast = { x, y };
    // The person's stone shows before the computer starts thinking.
    m_game.m_rcPersonLast = m_view.StoneBox({ x, y });
    m_view.InvalidateBox(m_game.m_rcPersonLast, false);
    m_view.RepaintNow();

    m_game.EvaluatePoint(x, y, code);
    AfterMove();
    if (m_game.m_bGameOver)
        return;
    ComputerAnswer();
}

void CTurnController::ComputerAnswer()
{
    m_game.m_lastColor = m_game.m_lastColor == 0 ? 1 : 0;
    m_view.BeginWaitCursor();
    const GoPoint answer = m_game.ChooseComputerMove(m_game.m_lastColor);
    m_view.EndWaitCursor();
    // The game is drawn before the board fills, so the computer always finds
    // a point; a board without one would leave the person to move.
    if (!IsOnGoBoard(answer.x, answer.y)) {
        m_game.m_lastColor = m_game.m_lastColor == 0 ? 1 : 0;
        return;
    }

    const std::int8_t code = GoStoneCode(m_game.m_lastColor);
    m_game.SetStone(answer.x, answer.y, code);
    m_game.m_ptComputerLast = answer;
    m_game.m_rcComputerLast = m_view.StoneBox(answer);
    m_view.InvalidateBox(m_game.m_rcComputerLast, false);
    m_view.RepaintNow();

    m_view.MovePointerTo(answer);
    m_view.MoveCursorTo(answer);
    m_game.m_bCanUndo = true;
    m_game.EvaluatePoint(answer.x, answer.y, code);
    AfterMove();
}

void CTurnController::AfterMove()
{
    ++m_game.g_nStep;
    // The draw comes first, even for a stone that completes five.
    if (m_game.g_nStep >= kDrawStep) {
        Show(kTextDraw);
        m_game.m_bGameOver = true;
        m_game.m_bDraw = true;
        return;
    }
    Show(kTextStep);
    if (m_game.m_nLineResult != 0)
        return;

    m_game.m_bGameOver = true;
    m_game.m_bCanUndo = false;
    if (IsPersonColor(m_game.m_lastColor))
        Show(kTextPersonWins, kTextTotalSteps);
    else
        Show(kTextTotalSteps, kTextComputerWins);
}

void CTurnController::OnNewGame()
{
    m_game.ResetGame();
    m_view.InvalidateWindow();
    m_view.RepaintNow();
    m_game.g_bPersonFirst = m_game.m_bPersonFirst;
    if (!m_game.g_bPersonFirst)
        MakeOpeningMove();
    Show(kTextTitle);
}

void CTurnController::MakeOpeningMove()
{
    m_game.m_lastColor = m_game.m_lastColor == 0 ? 1 : 0;
    const std::int8_t code = GoStoneCode(m_game.m_lastColor);
    m_game.SetStone(kCentre.x, kCentre.y, code);
    m_view.InvalidateBox(m_view.StoneBox(kCentre), false);
    m_view.RepaintNow();

    m_view.MovePointerTo(kCentre);
    m_view.MoveCursorTo(kCentre);
    m_game.EvaluatePoint(kCentre.x, kCentre.y, code);
    AfterMove();
}

void CTurnController::OnTimer()
{
    // A new game chosen before the first tick has made its own opening (or
    // left it to the person): the timer then places nothing.
    if (!m_game.g_bPersonFirst && m_game.g_nStep == 0)
        MakeOpeningMove();
}

void CTurnController::OnUndo()
{
    if (!m_game.m_bCanUndo) {
        Show(m_game.g_nStep >= 2 ? kTextNoMoreUndo : kTextNoUndoAtStart);
        return;
    }
    if (m_game.m_bGameOver) {
        Show(kTextGameOverNoUndo);
        return;
    }

    m_game.g_nStep -= 2;
    m_game.SetStone(m_game.m_ptPersonLast.x, m_game.m_ptPersonLast.y, kGoEmpty);
    m_game.SetStone(m_game.m_ptComputerLast.x, m_game.m_ptComputerLast.y, kGoEmpty);
    m_view.InvalidateBox(m_game.m_rcPersonLast, true);
    m_view.InvalidateBox(m_game.m_rcComputerLast, true);
    m_view.RepaintNow();

    m_game.m_bCanUndo = false;
    m_game.m_rcPersonLast = {};
    m_game.m_rcComputerLast = {};
}

bool CTurnController::IsPersonsTurn() const
{
    return m_game.g_bPersonFirst ? m_game.m_lastColor == 0 : m_game.m_lastColor == 1;
}

bool CTurnController::IsPersonColor(int color) const
{
    return m_game.g_bPersonFirst ? color == 1 : color == 0;
}

void CTurnController::Show(GoTextEntry first, int second)
{
    m_view.ShowStatus({ first, second, m_game.g_nStep });
}
