#include "hosts/real/RealScheduler.h"

#include "core/ClockControl.h"
#include "core/TimerControl.h"

#include <QTime>

namespace {
constexpr qint64 kMs = 1000000;
// Ticks missed in a stall of the machine are caught up, one after another,
// so a run keeps its length; after a longer stall (a modal box, a suspended
// machine) the sequence restarts from now instead.
constexpr qint64 kCatchUpNs = 250 * kMs;
}

RealScheduler::RealScheduler()
{
    m_monotonic.start();
    m_clockTimer.setSingleShot(true);
    m_clockTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_clockTimer, &QTimer::timeout, this, [this] { clockTick(); });
}

RealScheduler::~RealScheduler() = default;

qint64 RealScheduler::msecsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay();
}

void RealScheduler::arm(TimerControl& control, qint64 dueNs)
{
    Armed& armed = m_armed[&control];
    if (!armed.timer) {
        armed.timer = std::make_unique<QTimer>();
        armed.timer->setSingleShot(true);
        armed.timer->setTimerType(Qt::PreciseTimer);
        TimerControl* target = &control;
        connect(armed.timer.get(), &QTimer::timeout, this, [this, target] { fire(*target); });
    }
    armed.dueNs = dueNs;
    armed.sequence = ++m_sequence;
    const qint64 waitNs = dueNs - m_monotonic.nsecsElapsed();
    // Qt timers count whole milliseconds: rounding to the nearest one keeps
    // the ticks centred on their deadlines.
    armed.timer->start(int(qMax<qint64>(0, (waitNs + kMs / 2) / kMs)));
}

void RealScheduler::timerChanged(TimerControl& control)
{
    // A timer changed by its own tick restarts from that tick's deadline, so
    // the lateness of the tick does not add up over the changes of a run.
    const qint64 base = &control == m_firing ? m_firingDueNs : m_monotonic.nsecsElapsed();
    if (&control == m_firing)
        m_firingRearmed = true;
    if (control.enabled()) {
        arm(control, base + qMax(1, control.interval()) * kMs);
    } else if (auto it = m_armed.find(&control); it != m_armed.end()) {
        it->second.timer->stop();
    }
}

void RealScheduler::timerDestroyed(TimerControl& control)
{
    m_armed.erase(&control);
}

void RealScheduler::fire(TimerControl& control)
{
    auto it = m_armed.find(&control);
    if (it == m_armed.end() || !control.enabled())
        return;
    // Qt times each timer to the whole millisecond, so of two ticks due at
    // the same moment either may come first. Ticks due no later than this one
    // go first, in the order of their deadlines and then of their arming, as
    // in simulated time.
    const std::pair<qint64, quint64> key{it->second.dueNs, it->second.sequence};
    for (;;) {
        TimerControl* earlier = nullptr;
        std::pair<qint64, quint64> earliest = key;
        for (const auto& [other, armed] : m_armed) {
            const std::pair<qint64, quint64> otherKey{armed.dueNs, armed.sequence};
            if (other != &control && other->enabled() && armed.timer->isActive() && otherKey < earliest) {
                earlier = other;
                earliest = otherKey;
            }
        }
        if (!earlier)
            break;
        m_armed[earlier].timer->stop();
        fireDue(*earlier);
    }
    fireDue(control);
}

void RealScheduler::fireDue(TimerControl& control)
{
    auto it = m_armed.find(&control);
    if (it == m_armed.end() || !control.enabled())
        return;
    const qint64 dueNs = it->second.dueNs;
    const double lateMs = double(m_monotonic.nsecsElapsed() - dueNs) / kMs;
    ++m_lateness.ticks;
    m_lateness.totalMs += lateMs;
    if (lateMs > m_lateness.worstMs) {
        m_lateness.worstMs = lateMs;
        m_lateness.worstTimer = control.name();
    }
    if (lateMs > 2) {
        ++m_lateness.overTwoMs;
        if (m_lateness.late.size() < 2000)
            m_lateness.late.append({m_monotonic.elapsed(), control.name(), lateMs});
    }

    m_firing = &control;
    m_firingDueNs = dueNs;
    m_firingRearmed = false;
    control.fire();
    m_firing = nullptr;
    if (m_firingRearmed || !control.enabled() || !m_armed.count(&control))
        return;
    const qint64 intervalNs = qMax(1, control.interval()) * kMs;
    qint64 next = dueNs + intervalNs;
    const qint64 now = m_monotonic.nsecsElapsed();
    if (now - next > kCatchUpNs)
        next = now;
    arm(control, next);
}

void RealScheduler::clockChanged(ClockControl& clock)
{
    m_clock = &clock;
    if (clock.automaticUpdate()) {
        m_lastSecond = QTime::currentTime().second();
        scheduleClock();
    } else {
        m_clockTimer.stop();
    }
}

void RealScheduler::clockDestroyed(ClockControl& clock)
{
    if (m_clock == &clock) {
        m_clock = nullptr;
        m_clockTimer.stop();
    }
}

void RealScheduler::scheduleClock()
{
    // Wake just after the next wall-clock second begins.
    const int msec = QTime::currentTime().msec();
    m_clockTimer.start(1000 - msec + 2);
}

void RealScheduler::clockTick()
{
    if (!m_clock || !m_clock->automaticUpdate())
        return;
    const QTime now = QTime::currentTime();
    if (now.second() == m_lastSecond) {
        // Woke a little early: the second has not turned yet.
        m_clockTimer.start(qMax(1, 1000 - now.msec() + 2));
        return;
    }
    m_lastSecond = now.second();
    scheduleClock();
    m_clock->tick(now.hour(), now.minute(), now.second());
}
