#pragma once
// Simulated time: nothing happens until advance() is called, which delivers
// every due clock tick and timer tick in order of due time, ties in the order
// the events were armed. Periodic timers keep their deadlines exactly, so the
// same inputs give the same trace on every run.

#include "core/Scheduler.h"

#include <QHash>
#include <map>
#include <utility>

class VirtualScheduler : public Scheduler {
public:
    // start: the local time of day at which simulated time begins, in ms.
    explicit VirtualScheduler(qint64 startMsecsSinceMidnight);

    qint64 msecsSinceMidnight() const override;
    void timerChanged(TimerControl& timer) override;
    void timerDestroyed(TimerControl& timer) override;
    void clockChanged(ClockControl& clock) override;
    void clockDestroyed(ClockControl& clock) override;

    // Milliseconds of simulated time since the start.
    qint64 elapsed() const { return m_now; }
    // Runs simulated time forward by ms, delivering what falls due.
    void advance(qint64 ms);
    // Delivers what is due up to and including the absolute elapsed time t.
    void runUntil(qint64 t);

private:
    struct Event {
        TimerControl* timer = nullptr;
        ClockControl* clock = nullptr;
        quint64 generation = 0;
    };
    using Key = std::pair<qint64, quint64>;  // due time, arm sequence

    void armTimer(TimerControl& timer, qint64 due);
    void armClock(ClockControl& clock);

    qint64 m_start;
    qint64 m_now = 0;
    quint64 m_sequence = 0;
    std::map<Key, Event> m_queue;
    QHash<TimerControl*, quint64> m_timerGeneration;
    QHash<ClockControl*, quint64> m_clockGeneration;
    TimerControl* m_firing = nullptr;
    bool m_firingRearmed = false;
};
