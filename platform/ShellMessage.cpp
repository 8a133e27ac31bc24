#include "platform/ShellMessage.h"

#include <QCoreApplication>
#include <QWidget>

ShellMessageEvent::ShellMessageEvent(unsigned long wParam)
    : QEvent(EventType())
    , m_wParam(wParam)
{
}

QEvent::Type ShellMessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostShellMessage(QWidget* window, unsigned long wParam)
{
    if (window)
        QCoreApplication::postEvent(window, new ShellMessageEvent(wParam));
}
