#include "go/window/BoardGeometry.h"
#include "go/window/GoKeys.h"
#include "platform/VirtualKey.h"

#include <gtest/gtest.h>

namespace {

TEST(BoardGeometry, TapsChooseTheNearestIntersection)
{
    const struct {
        QPoint pixel;
        int onBoard;
        QPoint cell;
    } taps[] = {
        // Midway between columns: the nearer row decides, ties go top left first.
        { { 93, 30 }, 1, { 0, 0 } }, { { 93, 45 }, 1, { 1, 1 } },
        // Midway between rows: always the upper row.
        { { 78, 37 }, 1, { 0, 0 } }, { { 78, 22 }, 1, { 0, 0 } }, { { 498, 442 }, 1, { 14, 14 } },
        { { 288, 232 }, 1, { 7, 7 } }, { { 295, 239 }, 1, { 7, 7 } },
        // Truncation toward zero keeps taps left of and above the first lines on the board.
        { { 49, 22 }, 1, { 0, 0 } }, { { 77, 22 }, 1, { 0, 0 } }, { { 77, 100 }, 1, { 0, 3 } },
        { { 48, 22 }, 0, {} }, { { 30, 22 }, 0, {} }, { { 100, 0 }, 1, { 1, 0 } },
        { { 513, 22 }, 1, { 14, 0 } }, { { 514, 22 }, 0, {} },
        { { 100, 457 }, 1, { 1, 14 } }, { { 100, 458 }, 0, {} },
        // The option controls lie beyond the board's reach.
        { { 610, 360 }, 0, {} }, { { 610, 210 }, 0, {} },
    };
    const CBoardGeometry geometry;
    for (const auto& tap : taps) {
        QPoint cell(-5, -5);
        const int onBoard = geometry.PointToCell(tap.pixel.x(), tap.pixel.y(), cell);
        EXPECT_EQ(onBoard, tap.onBoard) << tap.pixel.x() << "," << tap.pixel.y();
        EXPECT_EQ(cell, tap.onBoard ? tap.cell : cell) << tap.pixel.x() << "," << tap.pixel.y();
    }
}

// The key the game acts on for a key-down of a Qt key.
int GameKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return GameKeyOf(KeyDownMessage(nullptr, key, modifiers));
}

TEST(GoKeys, MapsVirtualKeysToCommands)
{
    const std::pair<int, GoKeyCommand> table[] = {
        { 8, GoKeyCommand::Undo }, { 9, GoKeyCommand::ToggleCpuFirst },
        { 13, GoKeyCommand::PlayAtCursor }, { 37, GoKeyCommand::CursorLeft },
        { 38, GoKeyCommand::CursorUp }, { 39, GoKeyCommand::CursorRight },
        { 40, GoKeyCommand::CursorDown }, { 48, GoKeyCommand::NewGame },
        { 49, GoKeyCommand::LevelEasy }, { 50, GoKeyCommand::LevelNormal },
        { 51, GoKeyCommand::LevelHard }, { 52, GoKeyCommand::None },
        { 27, GoKeyCommand::None },
        { 0x100 + 37, GoKeyCommand::CursorLeft },
        // The keypad, NumLock on and off: the keys 0 to 3 and Enter act as
        // the main keyboard's; with NumLock off its 8 is not an arrow.
        { GameKey(Qt::Key_0, Qt::KeypadModifier), GoKeyCommand::NewGame },
        { GameKey(Qt::Key_1, Qt::KeypadModifier), GoKeyCommand::LevelEasy },
        { GameKey(Qt::Key_2, Qt::KeypadModifier), GoKeyCommand::LevelNormal },
        { GameKey(Qt::Key_3, Qt::KeypadModifier), GoKeyCommand::LevelHard },
        { GameKey(Qt::Key_Insert, Qt::KeypadModifier), GoKeyCommand::NewGame },
        { GameKey(Qt::Key_End, Qt::KeypadModifier), GoKeyCommand::LevelEasy },
        { GameKey(Qt::Key_Down, Qt::KeypadModifier), GoKeyCommand::LevelNormal },
        { GameKey(Qt::Key_PageDown, Qt::KeypadModifier), GoKeyCommand::LevelHard },
        { GameKey(Qt::Key_Up, Qt::KeypadModifier), GoKeyCommand::None },
        { GameKey(Qt::Key_Enter, Qt::KeypadModifier), GoKeyCommand::PlayAtCursor },
        { GameKey(Qt::Key_Down), GoKeyCommand::CursorDown },
        { GameKey(Qt::Key_End), GoKeyCommand::None },
    };
    for (const auto& [key, command] : table)
        EXPECT_EQ(KeyCommandFor(key), command) << key;
}

TEST(GoKeys, ArrowsWrapAroundTheEdges)
{
    EXPECT_EQ(StepCursor({ 0, 5 }, GoKeyCommand::CursorLeft), QPoint(14, 5));
    EXPECT_EQ(StepCursor({ 14, 5 }, GoKeyCommand::CursorRight), QPoint(0, 5));
    EXPECT_EQ(StepCursor({ 5, 0 }, GoKeyCommand::CursorUp), QPoint(5, 14));
    EXPECT_EQ(StepCursor({ 5, 14 }, GoKeyCommand::CursorDown), QPoint(5, 0));
    EXPECT_EQ(StepCursor({ 7, 7 }, GoKeyCommand::CursorRight), QPoint(8, 7));
    EXPECT_EQ(StepCursor({ 7, 7 }, GoKeyCommand::Undo), QPoint(7, 7));
}

} // namespace
