#pragma once
// A periodic timer of a window (Timer1, Train00t, Train01t ...). Its state
// (enabled, interval, Tag) is part of the window's state; the Scheduler
// delivers its ticks.

#include "core/Control.h"

#include <functional>

class EventDispatch;
class Scheduler;

class TimerControl : public Control {
public:
    TimerControl(ControlSet& set, QString name, Scheduler& scheduler, EventDispatch& dispatch, int interval,
                 bool enabled);
    ~TimerControl() override;

    int interval() const { return m_interval; }
    // A new interval restarts the period; setting the same value changes nothing.
    void setInterval(int interval);
    // Enabling a running timer changes nothing.
    void setEnabled(bool enabled) override;

    std::function<void()> onTimer;

    // A timer whose handler would fail again at every tick (a train or door
    // timer reading an unreadable row) switches itself off when it fails.
    void setStopsOnFailure(bool stops) { m_stopsOnFailure = stops; }

    // Called by the scheduler at each tick.
    void fire();

private:
    Scheduler& m_scheduler;
    EventDispatch& m_dispatch;
    int m_interval;
    bool m_stopsOnFailure = false;
};
