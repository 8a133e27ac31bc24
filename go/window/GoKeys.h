#pragma once

#include "platform/Message.h"

#include <QPoint>

// What a key-down does in the game window.
enum class GoKeyCommand {
    None,
    Undo,
    ToggleCpuFirst,
    PlayAtCursor,
    CursorLeft,
    CursorUp,
    CursorRight,
    CursorDown,
    NewGame,
    LevelEasy,
    LevelNormal,
    LevelHard,
};

// The key the game acts on for a key-down message: its virtual key, except
// that every key of the keypad is its digit, NumLock on or off, so that the
// keypad's 0 to 3 always act as the digits (its arrows, NumLock off, do not
// move the cursor).
int GameKeyOf(const MSG& keyDown);

// The command of a virtual-key code (low 8 bits of the key message).
GoKeyCommand KeyCommandFor(int virtualKey);

// The board cursor after an arrow command, wrapping around the board's edges;
// other commands leave it where it is.
QPoint StepCursor(QPoint cursor, GoKeyCommand command);
