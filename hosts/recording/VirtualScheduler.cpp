#include "hosts/recording/VirtualScheduler.h"

#include "core/ClockControl.h"
#include "core/TimerControl.h"

namespace {
constexpr qint64 kDay = 24 * 3600 * 1000;
}

VirtualScheduler::VirtualScheduler(qint64 startMsecsSinceMidnight)
    : m_start(startMsecsSinceMidnight)
{
}

qint64 VirtualScheduler::msecsSinceMidnight() const
{
    return (m_start + m_now) % kDay;
}

void VirtualScheduler::armTimer(TimerControl& timer, qint64 due)
{
    const quint64 generation = ++m_timerGeneration[&timer];
    m_queue.emplace(Key{due, ++m_sequence}, Event{&timer, nullptr, generation});
}

void VirtualScheduler::timerChanged(TimerControl& timer)
{
    if (&timer == m_firing)
        m_firingRearmed = true;
    if (timer.enabled()) {
        armTimer(timer, m_now + qMax(1, timer.interval()));
    } else {
        ++m_timerGeneration[&timer];  // drops what was armed
    }
}

void VirtualScheduler::timerDestroyed(TimerControl& timer)
{
    m_timerGeneration.remove(&timer);
    for (auto it = m_queue.begin(); it != m_queue.end();) {
        if (it->second.timer == &timer)
            it = m_queue.erase(it);
        else
            ++it;
    }
}

void VirtualScheduler::armClock(ClockControl& clock)
{
    const quint64 generation = ++m_clockGeneration[&clock];
    if (!clock.automaticUpdate())
        return;
    // Ticks fall on whole seconds of the local time.
    const qint64 absolute = m_start + m_now;
    const qint64 nextSecond = (absolute / 1000 + 1) * 1000;
    m_queue.emplace(Key{nextSecond - m_start, ++m_sequence}, Event{nullptr, &clock, generation});
}

void VirtualScheduler::clockChanged(ClockControl& clock)
{
    armClock(clock);
}

void VirtualScheduler::clockDestroyed(ClockControl& clock)
{
    m_clockGeneration.remove(&clock);
    for (auto it = m_queue.begin(); it != m_queue.end();) {
        if (it->second.clock == &clock)
            it = m_queue.erase(it);
        else
            ++it;
    }
}

void VirtualScheduler::advance(qint64 ms)
{
    runUntil(m_now + ms);
}

void VirtualScheduler::runUntil(qint64 t)
{
    while (!m_queue.empty()) {
        auto it = m_queue.begin();
        if (it->first.first > t)
            break;
        const qint64 due = it->first.first;
        const Event event = it->second;
        m_queue.erase(it);
        if (event.timer) {
            if (m_timerGeneration.value(event.timer) != event.generation)
                continue;
            m_now = due;
            TimerControl* timer = event.timer;
            m_firing = timer;
            m_firingRearmed = false;
            timer->fire();
            m_firing = nullptr;
            // A handler that changed its own timer has re-armed it already;
            // otherwise the next tick keeps the deadline of this one.
            if (!m_firingRearmed && m_timerGeneration.contains(timer) && timer->enabled())
                armTimer(*timer, due + qMax(1, timer->interval()));
        } else if (event.clock) {
            if (m_clockGeneration.value(event.clock) != event.generation)
                continue;
            m_now = due;
            ClockControl* clock = event.clock;
            const qint64 seconds = ((m_start + m_now) % kDay) / 1000;
            armClock(*clock);
            clock->tick(int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60));
        }
    }
    if (t > m_now)
        m_now = t;
}
