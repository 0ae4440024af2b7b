// Simulated time: clock ticks on whole seconds, failing handlers, midnight.
// The timers' contract, common to both schedulers, is in SchedulerContractTest.

#include "core/ClockControl.h"
#include "core/EventDispatch.h"
#include "core/TimerControl.h"
#include "hosts/recording/VirtualScheduler.h"
#include "core/Failure.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Errors : ErrorReporter {
    QStringList messages;
    void reportError(const QString& message) override { messages.append(message); }
};

class SchedulerTest : public ::testing::Test {
protected:
    Errors errors;
    EventDispatch dispatch{errors};
    VirtualScheduler scheduler{(8 * 3600 + 14 * 60 + 55) * 1000 + 500};  // 08:14:55.500
    ControlSet controls{QStringLiteral("test")};
    QStringList trace;

    QString now() const { return QString::number(scheduler.elapsed()); }
};

}  // namespace

TEST_F(SchedulerTest, ClockTicksOnWholeSecondsWithTheDecodedTime)
{
    ClockControl clock(controls, QStringLiteral("Clock1"), scheduler, dispatch);
    EXPECT_EQ(clock.hour(), 8);
    EXPECT_EQ(clock.minute(), 14);
    EXPECT_EQ(clock.second(), 55);
    clock.onClockTime = [&](int h, int m, int s) { trace.append(QStringLiteral("%1@%2:%3:%4").arg(now()).arg(h).arg(m).arg(s)); };
    scheduler.advance(5000);
    EXPECT_EQ(trace, (QStringList{"500@8:14:56", "1500@8:14:57", "2500@8:14:58", "3500@8:14:59", "4500@8:15:0"}));
    clock.setAutomaticUpdate(false);
    scheduler.advance(3000);
    EXPECT_EQ(trace.size(), 5);
}

TEST_F(SchedulerTest, AFailingHandlerIsReportedAndTheNextTickRuns)
{
    TimerControl timer(controls, QStringLiteral("Train00t"), scheduler, dispatch, 1400, true);
    int ticks = 0;
    timer.onTimer = [&] {
        if (++ticks == 1)
            throw PictureError(QStringLiteral("missing picture"));
    };
    scheduler.advance(2800);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(errors.messages, QStringList{"missing picture"});
}

TEST_F(SchedulerTest, ADayWrapsAtMidnight)
{
    VirtualScheduler late((23 * 3600 + 59 * 60 + 59) * 1000);
    ClockControl clock(controls, QStringLiteral("Clock1"), late, dispatch);
    clock.onClockTime = [&](int h, int m, int s) { trace.append(QStringLiteral("%1:%2:%3").arg(h).arg(m).arg(s)); };
    late.advance(2000);
    EXPECT_EQ(trace, (QStringList{"0:0:0", "0:0:1"}));
}
