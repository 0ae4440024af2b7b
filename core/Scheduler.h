#pragma once
// The one door through which time enters the core. The clock component and
// every periodic timer are driven by a Scheduler: the real one paces them by
// the wall clock, the virtual one runs them in simulated time for tests and
// the probe. Handlers cannot tell which one drives them.

#include <QtGlobal>

class ClockControl;
class TimerControl;

class Scheduler {
public:
    virtual ~Scheduler() = default;

    // Local time of day, milliseconds since midnight.
    virtual qint64 msecsSinceMidnight() const = 0;

    // A timer was enabled or disabled, or its interval changed (which restarts
    // its period: the next tick comes one interval after the change).
    virtual void timerChanged(TimerControl& timer) = 0;
    virtual void timerDestroyed(TimerControl& timer) = 0;

    // The clock component's automatic update was switched on or off.
    virtual void clockChanged(ClockControl& clock) = 0;
    virtual void clockDestroyed(ClockControl& clock) = 0;
};
