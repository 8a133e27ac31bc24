#include "platform/WindowTimers.h"

#include <QObject>

#include <chrono>

WindowTimers::WindowTimers(QObject& owner)
    : m_owner(owner)
{
}

WindowTimers::~WindowTimers()
{
    KillAll();
}

void WindowTimers::Set(UINT_PTR id, unsigned periodMs)
{
    Kill(id);
    const int qtTimer = m_owner.startTimer(std::chrono::milliseconds(periodMs), Qt::PreciseTimer);
    if (qtTimer != 0)
        m_qtTimerById[id] = qtTimer;
}

bool WindowTimers::Kill(UINT_PTR id)
{
    const auto found = m_qtTimerById.find(id);
    if (found == m_qtTimerById.end())
        return false;
    m_owner.killTimer(found->second);
    m_qtTimerById.erase(found);
    return true;
}

void WindowTimers::KillAll()
{
    for (const auto& [id, qtTimer] : m_qtTimerById)
        m_owner.killTimer(qtTimer);
    m_qtTimerById.clear();
}

bool WindowTimers::IsActive(UINT_PTR id) const
{
    return m_qtTimerById.contains(id);
}

std::optional<UINT_PTR> WindowTimers::IdOfQtTimer(int qtTimerId) const
{
    for (const auto& [id, qtTimer] : m_qtTimerById) {
        if (qtTimer == qtTimerId)
            return id;
    }
    return std::nullopt;
}
