#pragma once

#include "platform/Message.h"

#include <map>
#include <optional>

class QObject;

// Window timers by id, on top of the owner's Qt timers: the owner's
// timerEvent maps the Qt timer back to the window timer's id. Period 0 fires
// whenever the event queue has run empty, until the timer is killed.
class WindowTimers {
public:
    explicit WindowTimers(QObject& owner);
    WindowTimers(const WindowTimers&) = delete;
    WindowTimers& operator=(const WindowTimers&) = delete;
    ~WindowTimers();

    // Starts timer id, replacing a running timer of the same id.
    void Set(UINT_PTR id, unsigned periodMs);
    bool Kill(UINT_PTR id);
    void KillAll();
    bool IsActive(UINT_PTR id) const;
    std::optional<UINT_PTR> IdOfQtTimer(int qtTimerId) const;

private:
    QObject& m_owner;
    std::map<UINT_PTR, int> m_qtTimerById;
};
