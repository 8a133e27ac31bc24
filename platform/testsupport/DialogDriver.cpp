#include "platform/testsupport/DialogDriver.h"

#include "platform/Cursor.h"
#include "platform/VirtualKey.h"

#include <QAbstractEventDispatcher>
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
    case VK_RETURN: return QStringLiteral("\r");
    case VK_BACK: return QStringLiteral("\b");
    case VK_TAB: return QStringLiteral("\t");
    case VK_SPACE: return QStringLiteral(" ");
    case VK_ESCAPE: return QString(QChar(0x1B));
    default: return {};
    }
}

void SendMouse(
    QWidget* target, QEvent::Type type, QPoint local, QPointF global, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(local), global, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

void DialogDriver::Create()
{
    m_dialog.Create();
}

void DialogDriver::TapAt(QPoint point)
{
    HoverAt(point);
    const QPointF global = m_dialog.mapToGlobal(QPointF(point));
    QWidget* target = m_dialog.childAt(point);
    if (!target)
        target = &m_dialog;
    const QPoint local = target->mapFrom(&m_dialog, point);
    SendMouse(target, QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton);
    SendMouse(target, QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton);
}

void DialogDriver::HoverAt(QPoint point)
{
    const QPointF global = m_dialog.mapToGlobal(QPointF(point));
    SetCursorPos(global.toPoint().x(), global.toPoint().y());
    QWidget* target = m_dialog.childAt(point);
    if (!target)
        target = &m_dialog;
    SendMouse(target, QEvent::MouseMove, target->mapFrom(&m_dialog, point), global, Qt::NoButton, Qt::NoButton);
}

void DialogDriver::PressKey(int virtualKey)
{
    const bool keypad = virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD0 + 9;
    PressQtKey(
        QtKeyFromVirtualKey(virtualKey), TextOfVirtualKey(virtualKey), keypad ? Qt::KeypadModifier : Qt::NoModifier);
}

void DialogDriver::PressQtKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = m_dialog.focusWidget();
    if (!target)
        target = &m_dialog;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

bool DialogDriver::FireTimer(UINT_PTR id)
{
    if (!m_dialog.m_timers.IsActive(id))
        return false;
    m_dialog.OnTimer(id);
    return true;
}

void DialogDriver::SendCommand(int id)
{
    m_dialog.OnCommand(id);
}

QImage DialogDriver::Render()
{
    m_dialog.UpdateWindow();
    // Controls' own repaints wait in the queue as an update request.
    QCoreApplication::sendPostedEvents(&m_dialog, QEvent::UpdateRequest);
    QWindow* window = m_dialog.windowHandle();
    if (m_dialog.isVisible() && window && window->isExposed() && m_dialog.screen()) {
        // What the window system shows: areas not repainted keep older pixels.
        return m_dialog.screen()
            ->grabWindow(m_dialog.winId(), 0, 0, m_dialog.width(), m_dialog.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    return m_dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

const PaintRecord& DialogDriver::GetPaintRecord() const
{
    return m_dialog.m_paintRecord;
}

void DialogDriver::ClearPaintRecord()
{
    m_dialog.m_paintRecord.Clear();
}

std::optional<unsigned> DialogDriver::TimerPeriod(UINT_PTR id) const
{
    for (const QAbstractEventDispatcher::TimerInfo& timer :
        QAbstractEventDispatcher::instance()->registeredTimers(&m_dialog)) {
        if (m_dialog.m_timers.IdOfQtTimer(timer.timerId) == id)
            return unsigned(timer.interval);
    }
    return std::nullopt;
}

bool DialogDriver::IsEnded() const
{
    return m_dialog.m_ended;
}

int DialogDriver::GetResult() const
{
    return m_dialog.m_result;
}

ZPlace DialogDriver::GetZPlace() const
{
    return m_dialog.m_zPlace;
}
