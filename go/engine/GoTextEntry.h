#pragma once

// Indexes of the game's text table, whose texts the window holds in both
// languages. The turn controller names its status texts by these.
enum GoTextEntry : int {
    kTextCpuFirst = 0,
    kTextEasy = 1,
    kTextNormal = 2,
    kTextHard = 3,
    kTextTitle = 4,
    kTextDraw = 5,
    kTextStep = 6,
    kTextBlackWins = 7,
    kTextWhiteWins = 8,
    kTextGameOverNoUndo = 9,
    kTextNoMoreUndo = 10,
    kTextTotalSteps = 11,
    kTextComputerWins = 12,
    kTextPersonWins = 13,
    kTextNoUndoAtStart = 14,
    kTextTapAfterEnd = 15,
    kTextHelp = 16,
    kTextHelpTitle = 17,
    kTextNew = 18,
    kTextUndo = 19,
};

constexpr int kGoTextCount = 20;
