#pragma once

#include <QString>

// The game's texts: one table of (English, Chinese) pairs, indexed 0 to 19.
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

// The entry's text for the given interface language: Chinese for language 1,
// English for any other; the empty string for an index outside the table.
const char16_t* LocalText(int index, int language);

// The entry's text for the shell's current language, asked anew at each call.
const char16_t* GetLocalText(int index);

// The entry with every "%d" replaced by number in decimal.
QString FormatLocalText(int index, int number);
