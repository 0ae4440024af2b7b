#pragma once
// Wall-clock time. Each timer runs on a precise single-shot Qt timer that is
// re-armed for its next deadline (the previous deadline plus the interval),
// so late ticks do not push the later ones back and a long run keeps its
// nominal length. The clock tick is aligned to the wall-clock second.

#include "core/Scheduler.h"

#include <QElapsedTimer>
#include <unordered_map>
#include <QObject>
#include <QString>
#include <QVector>
#include <QTimer>

#include <memory>

class RealScheduler : public QObject, public Scheduler {
public:
    RealScheduler();
    ~RealScheduler() override;

    qint64 msecsSinceMidnight() const override;
    void timerChanged(TimerControl& timer) override;
    void timerDestroyed(TimerControl& timer) override;
    void clockChanged(ClockControl& clock) override;
    void clockDestroyed(ClockControl& clock) override;

    // Lateness of timer ticks against their deadlines, for measurements.
    struct Lateness {
        qint64 ticks = 0;
        double worstMs = 0;
        double totalMs = 0;
        qint64 overTwoMs = 0;   // ticks more than 2 ms late
        QString worstTimer;     // the timer of the worst tick
        struct Late {
            qint64 atMs;
            QString timer;
            double lateMs;
        };
        QVector<Late> late;     // the first ticks more than 2 ms late
    };
    const Lateness& lateness() const { return m_lateness; }
    void resetLateness() { m_lateness = {}; }

private:
    struct Armed {
        std::unique_ptr<QTimer> timer;
        qint64 dueNs = 0;
        quint64 sequence = 0;  // order of arming, for ticks due at the same moment
    };
    void arm(TimerControl& control, qint64 dueNs);
    void fire(TimerControl& control);
    void fireDue(TimerControl& control);
    void scheduleClock();
    void clockTick();

    QElapsedTimer m_monotonic;
    std::unordered_map<TimerControl*, Armed> m_armed;
    quint64 m_sequence = 0;
    TimerControl* m_firing = nullptr;
    qint64 m_firingDueNs = 0;
    bool m_firingRearmed = false;
    ClockControl* m_clock = nullptr;
    QTimer m_clockTimer;
    int m_lastSecond = -1;
    Lateness m_lateness;
};
