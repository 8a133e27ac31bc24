// The test seams of CDialog: input delivered and output read the way the
// window system would, so window tests drive the real handlers.
#include "platform/Dialog.h"

#include "platform/Cursor.h"
#include "platform/VirtualKey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace {

QString TextOfVirtualKey(int virtualKey)
{
    if (virtualKey >= '0' && virtualKey <= '9')
        return QString(QChar(virtualKey));
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return QString(QChar(virtualKey)).toLower();
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD0 + 9)
        return QString(QChar('0' + virtualKey - VK_NUMPAD0));
    switch (virtualKey) {
    case VK_RETURN:
        return QStringLiteral("\r");
    case VK_BACK:
        return QStringLiteral("\b");
    case VK_TAB:
        return QStringLiteral("\t");
    case VK_SPACE:
        return QStringLiteral(" ");
    case VK_ESCAPE:
        return QString(QChar(0x1B));
    default:
        return {};
    }
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint local, QPointF global, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(local), global, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

void CDialog::TapAt(QPoint point)
{
    HoverAt(point);
    const QPointF global = mapToGlobal(QPointF(point));
    QWidget* target = childAt(point);
    if (!target)
        target = this;
    const QPoint local = target->mapFrom(this, point);
    SendMouse(target, QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton);
    SendMouse(target, QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton);
}

void CDialog::HoverAt(QPoint point)
{
    const QPointF global = mapToGlobal(QPointF(point));
    SetCursorPos(global.toPoint().x(), global.toPoint().y());
    QWidget* target = childAt(point);
    if (!target)
        target = this;
    SendMouse(target, QEvent::MouseMove, target->mapFrom(this, point), global, Qt::NoButton, Qt::NoButton);
}

void CDialog::PressKey(int virtualKey)
{
    const bool keypad = virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD0 + 9;
    PressQtKey(QtKeyFromVirtualKey(virtualKey), TextOfVirtualKey(virtualKey),
               keypad ? Qt::KeypadModifier : Qt::NoModifier);
}

void CDialog::PressQtKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = focusWidget();
    if (!target)
        target = this;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

bool CDialog::FireTimer(UINT_PTR id)
{
    if (!m_timers.IsActive(id))
        return false;
    OnTimer(id);
    return true;
}

void CDialog::SendCommand(int id)
{
    OnCommand(id);
}

QImage CDialog::Render()
{
    UpdateWindow();
    // Controls' own repaints wait in the queue as an update request.
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    QWindow* window = windowHandle();
    if (isVisible() && window && window->isExposed() && screen()) {
        // What the window system shows: areas not repainted keep older pixels.
        return screen()->grabWindow(winId(), 0, 0, width(), height()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    return grab().toImage().convertToFormat(QImage::Format_RGB32);
}
