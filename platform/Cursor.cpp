#include "platform/Cursor.h"

#include <QGuiApplication>

namespace {

struct PointerState {
    int showCount = 0;
    int waitDepth = 0;
    bool hidingEnabled = false;
    bool overrideSet = false;
    QCursor shape { Qt::ArrowCursor };
};

PointerState& State()
{
    static PointerState state;
    return state;
}

QCursor EffectiveCursor()
{
    const PointerState& state = State();
    if (state.hidingEnabled && state.showCount < 0)
        return QCursor(Qt::BlankCursor);
    if (state.waitDepth > 0)
        return QCursor(Qt::WaitCursor);
    return state.shape;
}

// One override cursor of the application carries the pointer's state.
void Apply()
{
    PointerState& state = State();
    if (!qGuiApp)
        return;
    if (state.overrideSet) {
        QGuiApplication::changeOverrideCursor(EffectiveCursor());
    } else {
        QGuiApplication::setOverrideCursor(EffectiveCursor());
        state.overrideSet = true;
    }
}

} // namespace

int ShowCursor(bool show)
{
    State().showCount += show ? 1 : -1;
    Apply();
    return State().showCount;
}

void SetCursorHidingEnabled(bool enabled)
{
    State().hidingEnabled = enabled;
    Apply();
}

QCursor SetCursor(const QCursor& shape)
{
    QCursor previous = State().shape;
    State().shape = shape;
    Apply();
    return previous;
}

QCursor GetCurrentCursor()
{
    return State().shape;
}

QPoint GetCursorPos()
{
    return QCursor::pos();
}

void SetCursorPos(int x, int y)
{
    QCursor::setPos(x, y);
}

CWaitCursor::CWaitCursor()
{
    ++State().waitDepth;
    Apply();
}

CWaitCursor::~CWaitCursor()
{
    --State().waitDepth;
    Apply();
}

bool IsCursorShown()
{
    return !(State().hidingEnabled && State().showCount < 0);
}

Qt::CursorShape ShownCursorShape()
{
    return EffectiveCursor().shape();
}
