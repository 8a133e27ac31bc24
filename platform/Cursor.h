#pragma once

#include <QCursor>
#include <QPoint>

// The mouse pointer. Its shape shows over every window of the program: the
// wait cursor while one is alive, else the shape of the latest SetCursor.
// While the show count is below 0 it is hidden, when hiding is enabled.

// Adds 1 (show) or -1 (hide) to the show count and returns the new count;
// the pointer is visible while the count is 0 or more.
int ShowCursor(bool show);
// Whether a negative show count hides the pointer: on a touch screen it does
// (start-up enables it when the shell's `touch` setting is 1); on a desktop,
// the default, the pointer stays visible whatever the programs ask.
void SetCursorHidingEnabled(bool enabled);

// Makes shape the current pointer and returns the previous one.
QCursor SetCursor(const QCursor& shape);
QCursor GetCurrentCursor();

// The pointer's position in screen coordinates.
QPoint GetCursorPos();
void SetCursorPos(int x, int y);

// Shows the wait cursor for as long as it lives (nestable).
class CWaitCursor {
public:
    CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    ~CWaitCursor();
};

// Whether the pointer shows now (tests).
bool IsCursorShown();
// The shape the program shows now: Qt::BlankCursor while hidden (tests).
Qt::CursorShape ShownCursorShape();
