// The timers' contract, the same for both schedulers: deadlines kept, a new
// interval restarting the period, the same interval or enabling a running
// timer changing nothing, simultaneous ticks in the order they were armed.
// The virtual scheduler must meet the times exactly; the real one runs short
// intervals in a real event loop and meets them within a tolerance.

#include "core/EventDispatch.h"
#include "core/TimerControl.h"
#include "hosts/real/RealScheduler.h"
#include "hosts/recording/VirtualScheduler.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

namespace {

// The time a test runs in, simulated or real.
class Time {
public:
    virtual ~Time() = default;
    virtual Scheduler& scheduler() = 0;
    virtual qint64 toleranceMs() const = 0;
    virtual void begin() = 0;
    virtual qint64 now() const = 0;  // ms since begin
    virtual void runUntil(qint64 ms) = 0;
};

class VirtualTime : public Time {
public:
    Scheduler& scheduler() override { return m_scheduler; }
    qint64 toleranceMs() const override { return 0; }
    void begin() override { m_start = m_scheduler.elapsed(); }
    qint64 now() const override { return m_scheduler.elapsed() - m_start; }
    void runUntil(qint64 ms) override { m_scheduler.runUntil(m_start + ms); }

private:
    VirtualScheduler m_scheduler{(8 * 3600 + 14 * 60 + 55) * 1000 + 500};
    qint64 m_start = 0;
};

class RealTime : public Time {
public:
    Scheduler& scheduler() override { return m_scheduler; }
    // Wide enough for a loaded machine, narrow against the steps the tests tell apart (80 ms and more).
    qint64 toleranceMs() const override { return 30; }
    void begin() override { m_clock.start(); }
    qint64 now() const override { return m_clock.elapsed(); }
    void runUntil(qint64 ms) override
    {
        QEventLoop loop;
        QTimer::singleShot(int(qMax<qint64>(0, ms - now())), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }

private:
    RealScheduler m_scheduler;
    QElapsedTimer m_clock;
};

enum class TimeKind { Virtual, Real };

void PrintTo(TimeKind kind, std::ostream* out)
{
    *out << (kind == TimeKind::Virtual ? "simulated time" : "wall-clock time");
}

std::string kindName(const ::testing::TestParamInfo<TimeKind>& info)
{
    return info.param == TimeKind::Virtual ? "VirtualTime" : "RealTime";
}

struct Errors : ErrorReporter {
    QStringList messages;
    void reportError(const QString& message) override { messages.append(message); }
};

struct Tick {
    QString timer;
    qint64 atMs;
};

class SchedulerContract : public ::testing::TestWithParam<TimeKind> {
protected:
    Errors errors;
    EventDispatch dispatch{errors};
    std::unique_ptr<Time> time = GetParam() == TimeKind::Virtual ? std::unique_ptr<Time>(new VirtualTime)
                                                                  : std::unique_ptr<Time>(new RealTime);
    ControlSet controls{QStringLiteral("test")};
    std::vector<Tick> ticks;

    void record(const QString& timer) { ticks.push_back({timer, time->now()}); }

    void expectTicks(const std::vector<Tick>& expected)
    {
        ASSERT_EQ(ticks.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(ticks[i].timer, expected[i].timer) << "tick " << i;
            EXPECT_NEAR(double(ticks[i].atMs), double(expected[i].atMs), double(time->toleranceMs()))
                << "tick " << i << " of " << expected[i].timer.toStdString();
        }
        EXPECT_TRUE(errors.messages.isEmpty());
    }
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Schedulers, SchedulerContract, ::testing::Values(TimeKind::Virtual, TimeKind::Real), kindName);

TEST_P(SchedulerContract, TimersKeepTheirDeadlinesAndRestartOnANewInterval)
{
    TimerControl timer(controls, QStringLiteral("Train01t"), time->scheduler(), dispatch, 40, false);
    timer.onTimer = [&] {
        record(QStringLiteral("T"));
        if (ticks.size() == 3)
            timer.setInterval(100);  // the next tick comes one new interval after this tick's deadline
        if (ticks.size() == 5)
            timer.setEnabled(false);
    };
    time->begin();
    timer.setEnabled(true);
    time->runUntil(450);
    expectTicks({{"T", 40}, {"T", 80}, {"T", 120}, {"T", 220}, {"T", 320}});
}

TEST_P(SchedulerContract, EnablingARunningTimerOrSettingTheSameIntervalChangesNothing)
{
    TimerControl timer(controls, QStringLiteral("Timer1"), time->scheduler(), dispatch, 200, false);
    timer.onTimer = [&] { record(QStringLiteral("T")); };
    time->begin();
    timer.setEnabled(true);
    time->runUntil(120);
    timer.setEnabled(true);
    timer.setInterval(200);
    time->runUntil(490);
    timer.setEnabled(false);
    expectTicks({{"T", 200}, {"T", 400}});
}

TEST_P(SchedulerContract, SimultaneousEventsComeInTheOrderTheyWereArmed)
{
    TimerControl first(controls, QStringLiteral("A"), time->scheduler(), dispatch, 200, false);
    TimerControl second(controls, QStringLiteral("B"), time->scheduler(), dispatch, 100, false);
    first.onTimer = [&] { record(QStringLiteral("A")); };
    second.onTimer = [&] { record(QStringLiteral("B")); };
    time->begin();
    first.setEnabled(true);
    second.setEnabled(true);
    time->runUntil(450);
    first.setEnabled(false);
    second.setEnabled(false);
    expectTicks({{"B", 100}, {"A", 200}, {"B", 200}, {"B", 300}, {"A", 400}, {"B", 400}});
}
