#include "go/window/GoKeys.h"

#include "go/window/BoardGeometry.h"

GoKeyCommand KeyCommandFor(int virtualKey)
{
    switch (virtualKey & 0xFF) {
    case 8: return GoKeyCommand::Undo;
    case 9: return GoKeyCommand::ToggleCpuFirst;
    case 13: return GoKeyCommand::PlayAtCursor;
    case 37: return GoKeyCommand::CursorLeft;
    case 38: return GoKeyCommand::CursorUp;
    case 39: return GoKeyCommand::CursorRight;
    case 40: return GoKeyCommand::CursorDown;
    case '0': return GoKeyCommand::NewGame;
    case '1': return GoKeyCommand::LevelEasy;
    case '2': return GoKeyCommand::LevelNormal;
    case '3': return GoKeyCommand::LevelHard;
    default: return GoKeyCommand::None;
    }
}

QPoint StepCursor(QPoint cursor, GoKeyCommand command)
{
    constexpr int last = CBoardGeometry::kCells - 1;
    switch (command) {
    case GoKeyCommand::CursorLeft:
        cursor.rx() = cursor.x() == 0 ? last : cursor.x() - 1;
        break;
    case GoKeyCommand::CursorUp:
        cursor.ry() = cursor.y() == 0 ? last : cursor.y() - 1;
        break;
    case GoKeyCommand::CursorRight:
        cursor.rx() = cursor.x() == last ? 0 : cursor.x() + 1;
        break;
    case GoKeyCommand::CursorDown:
        cursor.ry() = cursor.y() == last ? 0 : cursor.y() + 1;
        break;
    default:
        break;
    }
    return cursor;
}
