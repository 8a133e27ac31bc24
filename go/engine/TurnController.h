#pragma once

#include "go/engine/GoEngine.h"
#include "go/engine/TurnView.h"

// Runs a game between the person and the computer: new games with the
// computer's opening stone, the person's stone and the computer's immediate
// answer, the step count, win and draw, and taking back the latest pair of
// moves. Every outcome goes to the view's status text; refused actions change
// nothing else.
class CTurnController {
public:
    // The number of stones at which the game counts as drawn, one short of a
    // full board.
    static constexpr int kDrawStep = 224;

    CTurnController(CGoEngine& game, CTurnView& view);

    // The person's stone on (x, y), then the computer's answer.
    void PersonMove(int x, int y);
    void OnNewGame();
    // Takes back the person's latest stone and the computer's answer to it.
    void OnUndo();
    // The start-up timer's tick: the computer opens the first game, unless a
    // game is already under way.
    void OnTimer();

    // Step count, draw and win after each stone just evaluated.
    void AfterMove();
    // The computer's black stone on the centre point.
    void MakeOpeningMove();

private:
    bool IsPersonsTurn() const;
    bool IsPersonColor(int color) const;
    void ComputerAnswer();
    void Show(GoTextEntry first, int second = -1);

    CGoEngine& m_game;
    CTurnView& m_view;
};
