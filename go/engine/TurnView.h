#pragma once

#include "go/engine/GoPoint.h"
#include "go/engine/GoRect.h"
#include "go/engine/TurnStatus.h"

// What the turn controller needs of the game window.
class CTurnView {
public:
    virtual ~CTurnView() = default;

    // The box, in client pixels, of a stone on point pt.
    virtual GoRect StoneBox(GoPoint pt) const = 0;
    // Marks rect for repainting, erasing its background first when erase is set.
    virtual void InvalidateBox(const GoRect& rect, bool erase) = 0;
    // Marks the whole window for repainting, erasing it first.
    virtual void InvalidateWindow() = 0;
    // Repaints whatever is marked, before returning.
    virtual void RepaintNow() = 0;
    // Moves the pointer onto the centre of point pt.
    virtual void MovePointerTo(GoPoint pt) = 0;
    // Moves the board cursor onto pt and repaints its old and new places.
    virtual void MoveCursorTo(GoPoint pt) = 0;
    virtual void ShowStatus(const TurnStatus& status) = 0;
    // The wait cursor shows while the computer chooses its move.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};
