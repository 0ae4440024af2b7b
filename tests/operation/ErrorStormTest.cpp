// A failure that would repeat at every tick shows one box that counts the
// repeats, and leaves nothing running that fails again.

#include "OperationFixture.h"

#include "core/EventDispatch.h"
#include "core/Failure.h"

namespace {

class ErrorStormTest : public OperationTest {};

}  // namespace

TEST_F(ErrorStormTest, ABrokenFirstMoveGivesOneBoxAndTheDoorTimersNoStorm)
{
    // The minute that is no number ends the first station move before the
    // train queries open; every later door step would read a closed query.
    TMainForm1& m = start(QTime(10, 4, 50), {{"ZIKOKU2", crlf({"東:東町", "", "10:,東x6"})}});
    runUntil(QTime(10, 8, 0));

    const auto errors = events("error");
    ASSERT_EQ(errors.size(), 3);
    EXPECT_EQ(errors[0].fields["message"].toString(), "'x6' is not a valid integer value");
    EXPECT_EQ(errors[0].fields["count"].toInt(), 1);
    // Each door timer fails once a minute, at second 57 of 10:04 .. 10:07,
    // and stops each time: one box each, counting the four.
    EXPECT_EQ(errors[1].fields["message"].toString(), "Query2: Cannot perform this operation on a closed dataset");
    EXPECT_EQ(errors[2].fields["message"].toString(), "Query4: Cannot perform this operation on a closed dataset");
    EXPECT_EQ(errors[1].fields["count"].toInt(), 4);
    EXPECT_EQ(errors[2].fields["count"].toInt(), 4);
    EXPECT_FALSE(m.Door02t.enabled());
    EXPECT_FALSE(m.Door04t.enabled());
}

TEST_F(ErrorStormTest, ARunOfFailuresEndsWhenTheSourceSucceeds)
{
    struct Reporter : ErrorReporter {
        QStringList shown;
        QList<int> counts;
        void reportError(const QString& message) override { shown.append(message); counts.append(1); }
        void errorRepeated(const QString& message, int count) override
        {
            ASSERT_EQ(shown.last(), message);
            counts.last() = count;
        }
    } reporter;
    EventDispatch dispatch(reporter);
    auto fail = [](const char* message) { return [message] { throw ConversionError(QString::fromUtf8(message)); }; };
    const auto ok = [] {};

    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dispatch.deliver(fail("a"), "Timer"), EventDispatch::Outcome::Failed);
    dispatch.deliver(fail("b"), "Timer");      // another failure starts a run of its own
    dispatch.deliver(fail("b"), "Other");      // so does another source
    dispatch.deliver(ok, "Timer");
    dispatch.deliver(fail("b"), "Timer");      // after a success the box comes again
    dispatch.deliver(fail("c"));               // user input: every failure is shown
    dispatch.deliver(fail("c"));
    EXPECT_EQ(reporter.shown, QStringList({"a", "b", "b", "b", "c", "c"}));
    EXPECT_EQ(reporter.counts, QList<int>({5, 1, 1, 1, 1, 1}));
}
