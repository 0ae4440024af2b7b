#include "core/TimerControl.h"

#include "core/EventDispatch.h"
#include "core/Scheduler.h"

TimerControl::TimerControl(ControlSet& set, QString name, Scheduler& scheduler, EventDispatch& dispatch, int interval,
                           bool enabled)
    : Control(set, std::move(name), ControlKind::Timer,
              Properties(Property::Enabled) | Property::Interval | Property::Tag)
    , m_scheduler(scheduler)
    , m_dispatch(dispatch)
    , m_interval(interval)
{
    Control::setEnabled(enabled);
    if (enabled)
        m_scheduler.timerChanged(*this);
}

TimerControl::~TimerControl()
{
    m_scheduler.timerDestroyed(*this);
}

void TimerControl::setInterval(int interval)
{
    if (interval == m_interval)
        return;
    m_interval = interval;
    changed();
    m_scheduler.timerChanged(*this);
}

void TimerControl::setEnabled(bool enabled)
{
    if (enabled == this->enabled())
        return;
    Control::setEnabled(enabled);
    m_scheduler.timerChanged(*this);
}

void TimerControl::fire()
{
    if (enabled() && onTimer && m_dispatch.deliver(onTimer, name()) == EventDispatch::Outcome::Failed
        && m_stopsOnFailure)
        setEnabled(false);
}
