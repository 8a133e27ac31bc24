#include "go/window/GoKeys.h"

#include "go/window/BoardGeometry.h"
#include "platform/VirtualKey.h"

GoKeyCommand KeyCommandFor(int virtualKey)
{
    switch (virtualKey & 0xFF) {
    case VK_BACK: return GoKeyCommand::Undo;
    case VK_TAB: return GoKeyCommand::ToggleCpuFirst;
    case VK_RETURN: return GoKeyCommand::PlayAtCursor;
    case VK_LEFT: return GoKeyCommand::CursorLeft;
    case VK_UP: return GoKeyCommand::CursorUp;
    case VK_RIGHT: return GoKeyCommand::CursorRight;
    case VK_DOWN: return GoKeyCommand::CursorDown;
    case '0':
    case VK_NUMPAD0: return GoKeyCommand::NewGame;
    case '1':
    case VK_NUMPAD0 + 1: return GoKeyCommand::LevelEasy;
    case '2':
    case VK_NUMPAD0 + 2: return GoKeyCommand::LevelNormal;
    case '3':
    case VK_NUMPAD0 + 3: return GoKeyCommand::LevelHard;
    default: return GoKeyCommand::None;
    }
}

QPoint StepCursor(QPoint cursor, GoKeyCommand command)
{
    constexpr int last = CBoardGeometry::kCells - 1;
    switch (command) {
    case GoKeyCommand::CursorLeft: cursor.rx() = cursor.x() == 0 ? last : cursor.x() - 1; break;
    case GoKeyCommand::CursorUp: cursor.ry() = cursor.y() == 0 ? last : cursor.y() - 1; break;
    case GoKeyCommand::CursorRight: cursor.rx() = cursor.x() == last ? 0 : cursor.x() + 1; break;
    case GoKeyCommand::CursorDown: cursor.ry() = cursor.y() == last ? 0 : cursor.y() + 1; break;
    default: break;
    }
    return cursor;
}
