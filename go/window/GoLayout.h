#pragma once

#include "platform/Rect.h"
#include "shell/Screen.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// The game window's fixed layout, in client pixels of the 800 by 480 screen.

// Where the board image is drawn; its first line crossing lies 18 pixels in.
constexpr RECT g_rcBoard { 60, 4, 520, 464 };
constexpr int kBoardLineInset = 18;
constexpr RECT g_rcStatus { 605, 70, 785, 170 };

constexpr RECT kRectCpuFirst { 605, 204, 775, 228 };
// The level options in level order: Easy, Normal, Hard.
constexpr std::array<RECT, 3> kRectLevels { {
    { 605, 350, 760, 380 },
    { 605, 390, 760, 420 },
    { 605, 430, 760, 460 },
} };

constexpr QRect kRectNewButton(605, 234, 170, 50);
constexpr QRect kRectUndoButton(605, 288, 170, 50);
constexpr QPoint kPosHelpButton(588, 10);
constexpr QPoint kPosMinButton(656, 10);
constexpr QPoint kPosCloseButton(724, 10);

// The background pixel whose colour fills the option area and the help window.
constexpr QPoint kOptionColourSample(605, 234);

// Controls of the dialog template.
constexpr int IDC_CLOSE = 1004;
constexpr int IDC_UNDO = 1012;
constexpr int IDC_NEW = 1011;
constexpr int IDC_HELP = 1010;
constexpr int IDC_MIN = 1078;
constexpr int IDC_BOARD = 1028;

// The option under pixel pt: 1 to 3 for a level, 0 for "CPU First", -1 for
// none. The levels are tested first.
int OptionAt(QPoint pt);
