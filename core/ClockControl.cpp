#include "core/ClockControl.h"

#include "core/EventDispatch.h"
#include "core/Scheduler.h"

ClockControl::ClockControl(ControlSet& set, QString name, Scheduler& scheduler, EventDispatch& dispatch)
    : Control(set, std::move(name), ControlKind::Clock, Properties(Property::Visible) | kGeometry | Property::Enabled)
    , m_scheduler(scheduler)
    , m_dispatch(dispatch)
{
    const qint64 now = scheduler.msecsSinceMidnight() / 1000;
    m_hour = int(now / 3600);
    m_minute = int(now / 60 % 60);
    m_second = int(now % 60);
    m_scheduler.clockChanged(*this);
}

ClockControl::~ClockControl()
{
    m_scheduler.clockDestroyed(*this);
}

void ClockControl::setAutomaticUpdate(bool on)
{
    if (on == m_automatic)
        return;
    m_automatic = on;
    m_scheduler.clockChanged(*this);
}

void ClockControl::tick(int hour, int minute, int second)
{
    if (!m_automatic)
        return;
    m_hour = hour;
    m_minute = minute;
    m_second = second;
    changed();
    if (onClockTime)
        m_dispatch.deliver([&] { onClockTime(hour, minute, second); }, name());
}
