#pragma once

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

// The command of a virtual-key code (low 8 bits of the key message).
GoKeyCommand KeyCommandFor(int virtualKey);

// The board cursor after an arrow command, wrapping around the board's edges;
// other commands leave it where it is.
QPoint StepCursor(QPoint cursor, GoKeyCommand command);
