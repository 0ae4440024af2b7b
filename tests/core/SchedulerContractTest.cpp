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

#include <vector>

namespace {

struct VirtualTime {
    static constexpr qint64 kToleranceMs = 0;
    VirtualScheduler scheduler{(8 * 3600 + 14 * 60 + 55) * 1000 + 500};
    qint64 start = 0;

    void begin() { start = scheduler.elapsed(); }
    qint64 now() const { return scheduler.elapsed() - start; }
    void runUntil(qint64 ms) { scheduler.runUntil(start + ms); }
};

struct RealTime {
    // Wide enough for a loaded machine, narrow against the steps the tests tell apart (80 ms and more).
    static constexpr qint64 kToleranceMs = 30;
    RealScheduler scheduler;
    QElapsedTimer clock;

    void begin() { clock.start(); }
    qint64 now() const { return clock.elapsed(); }
    void runUntil(qint64 ms)
    {
        QEventLoop loop;
        QTimer::singleShot(int(qMax<qint64>(0, ms - now())), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

struct Errors : ErrorReporter {
    QStringList messages;
    void reportError(const QString& message) override { messages.append(message); }
};

struct Tick {
    QString timer;
    qint64 atMs;
};

template <typename Time>
class SchedulerContract : public ::testing::Test {
protected:
    Errors errors;
    EventDispatch dispatch{errors};
    Time time;
    ControlSet controls{QStringLiteral("test")};
    std::vector<Tick> ticks;

    void record(const QString& timer) { ticks.push_back({timer, time.now()}); }

    void expectTicks(const std::vector<Tick>& expected)
    {
        ASSERT_EQ(ticks.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(ticks[i].timer, expected[i].timer) << "tick " << i;
            EXPECT_NEAR(double(ticks[i].atMs), double(expected[i].atMs), double(Time::kToleranceMs))
                << "tick " << i << " of " << expected[i].timer.toStdString();
        }
        EXPECT_TRUE(errors.messages.isEmpty());
    }
};

struct TimeNames {
    template <typename T>
    static std::string GetName(int)
    {
        return std::is_same_v<T, VirtualTime> ? "VirtualTime" : "RealTime";
    }
};

using Times = ::testing::Types<VirtualTime, RealTime>;
TYPED_TEST_SUITE(SchedulerContract, Times, TimeNames);

}  // namespace

TYPED_TEST(SchedulerContract, TimersKeepTheirDeadlinesAndRestartOnANewInterval)
{
    TimerControl timer(this->controls, QStringLiteral("Train01t"), this->time.scheduler, this->dispatch, 40, false);
    timer.onTimer = [&] {
        this->record(QStringLiteral("T"));
        if (this->ticks.size() == 3)
            timer.setInterval(100);  // the next tick comes one new interval after this tick's deadline
        if (this->ticks.size() == 5)
            timer.setEnabled(false);
    };
    this->time.begin();
    timer.setEnabled(true);
    this->time.runUntil(450);
    this->expectTicks({{"T", 40}, {"T", 80}, {"T", 120}, {"T", 220}, {"T", 320}});
}

TYPED_TEST(SchedulerContract, EnablingARunningTimerOrSettingTheSameIntervalChangesNothing)
{
    TimerControl timer(this->controls, QStringLiteral("Timer1"), this->time.scheduler, this->dispatch, 200, false);
    timer.onTimer = [&] { this->record(QStringLiteral("T")); };
    this->time.begin();
    timer.setEnabled(true);
    this->time.runUntil(120);
    timer.setEnabled(true);
    timer.setInterval(200);
    this->time.runUntil(490);
    timer.setEnabled(false);
    this->expectTicks({{"T", 200}, {"T", 400}});
}

TYPED_TEST(SchedulerContract, SimultaneousEventsComeInTheOrderTheyWereArmed)
{
    TimerControl first(this->controls, QStringLiteral("A"), this->time.scheduler, this->dispatch, 200, false);
    TimerControl second(this->controls, QStringLiteral("B"), this->time.scheduler, this->dispatch, 100, false);
    first.onTimer = [&] { this->record(QStringLiteral("A")); };
    second.onTimer = [&] { this->record(QStringLiteral("B")); };
    this->time.begin();
    first.setEnabled(true);
    second.setEnabled(true);
    this->time.runUntil(450);
    first.setEnabled(false);
    second.setEnabled(false);
    this->expectTicks({{"B", 100}, {"A", 200}, {"B", 200}, {"B", 300}, {"A", 400}, {"B", 400}});
}
