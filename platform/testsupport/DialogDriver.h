#pragma once

#include "platform/Dialog.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

// Drives a dialog in tests the way the window system would: input reaches
// the real handlers, and the window is read back as the screen shows it.
// Only test targets and benchmarks link it.
class DialogDriver {
public:
    explicit DialogDriver(CDialog& dialog)
        : m_dialog(dialog)
    {
    }

    // OnInitDialog and show without a modal run; the window is on the
    // (offscreen) screen when it returns, and no timer has fired yet.
    void Create();
    // A tap (pointer moved there, pressed, released) at a client pixel,
    // delivered to the control under it or to OnLButtonDown.
    void TapAt(QPoint point);
    // The pointer moved to a client pixel (OnSetCursor is asked).
    void HoverAt(QPoint point);
    // A key-down and key-up of a virtual key to the focused control.
    void PressKey(int virtualKey);
    // A key-down and key-up of a Qt key with its text (any script).
    void PressQtKey(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A tick of timer id, as if it were due; false when it is not running.
    bool FireTimer(UINT_PTR id);
    // The command of a control (a button's click).
    void SendCommand(int id);
    // Paints what is invalid and returns the window as it shows on screen.
    QImage Render();
    // The period of timer id; none when it is not running.
    std::optional<unsigned> TimerPeriod(UINT_PTR id) const;
    // Whether EndDialog ran, and the result it was given.
    bool IsEnded() const;
    int GetResult() const;
    // Where the latest Z-order call put the window.
    ZPlace GetZPlace() const;
    // Every invalidation {rect, erase} in order and every painted region.
    const PaintRecord& GetPaintRecord() const;
    void ClearPaintRecord();

private:
    CDialog& m_dialog;
};

// Drive(dialog).TapAt(point), for a single step.
inline DialogDriver Drive(CDialog& dialog)
{
    return DialogDriver(dialog);
}
