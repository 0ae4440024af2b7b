#pragma once
// The analog clock component: it holds the local time it decoded at its
// last tick and raises its clock event once a second with hour, minute and
// second while its automatic update is on.

#include "core/Control.h"

#include <functional>

class EventDispatch;
class Scheduler;

class ClockControl : public Control {
public:
    ClockControl(ControlSet& set, QString name, Scheduler& scheduler, EventDispatch& dispatch);
    ~ClockControl() override;

    int hour() const { return m_hour; }
    int minute() const { return m_minute; }
    int second() const { return m_second; }

    bool automaticUpdate() const { return m_automatic; }
    void setAutomaticUpdate(bool on);

    std::function<void(int hour, int minute, int second)> onClockTime;

    // Called by the scheduler once a second with the decoded local time.
    void tick(int hour, int minute, int second);

private:
    Scheduler& m_scheduler;
    EventDispatch& m_dispatch;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    bool m_automatic = true;
};
