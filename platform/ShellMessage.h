#pragma once

#include <QEvent>

class QWidget;

// The shell message (0x053F) travels through the receiving window's event
// queue, like a posted window message; wParam carries the command code.
class ShellMessageEvent : public QEvent {
public:
    explicit ShellMessageEvent(unsigned long wParam);

    static QEvent::Type EventType();
    unsigned long WParam() const { return m_wParam; }

private:
    unsigned long m_wParam = 0;
};

// Queues the shell message for window; it is handled once control returns to
// the event loop. Does nothing for a null window.
void PostShellMessage(QWidget* window, unsigned long wParam);
