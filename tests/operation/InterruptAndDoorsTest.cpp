// Trains placed at once by a station move in the middle of their arrival
// minute, and the door animation's edge cases.

#include "OperationFixture.h"

#include "data/DataForm1.h"

TEST_F(OperationTest, AMoveInTheArrivalMinuteShowsTheTrainStandingWithDoorsOpen)
{
    TMainForm1& m = start(QTime(10, 5, 30), {{"ZIKOKU1", "西:西町\r\n\r\n10:,西06"}});
    ASSERT_TRUE(program.errors().isEmpty()) << program.errors().join('\n').toStdString();
    const int stopPoint = (1500 - 600) / 2 + 50;
    for (int slot : {1, 2}) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(m.trainPicture(slot).left(), stopPoint);
        EXPECT_FALSE(m.trainTimer(slot).enabled());
        EXPECT_EQ(m.departureMark(slot), 1);
        EXPECT_EQ(m.trainTimer(slot).interval(), 10);
    }
    // Slot 2 has doors: drawn open at once, no animation running.
    EXPECT_EQ(m.Door02.left(), m.Train02.left());
    EXPECT_EQ(qRed(m.Door02.picture().pixel(100, 0)), 10);
    EXPECT_EQ(qRed(m.Door02.picture().pixel(417, 25)), 10);
    EXPECT_FALSE(m.Door02t.enabled());
    EXPECT_TRUE(sounds().isEmpty());  // placed, not run in: no sound
    EXPECT_EQ(spoken().size(), 2);
    EXPECT_EQ(spoken()[0], "B。B。足元にご注意ください。");

    runUntil(QTime(10, 5, 50, 1));
    EXPECT_EQ(spoken().mid(2), (QStringList{"1番線の電車は、西町ゆきです。閉まるドアに、ご注意ください。",
                                            "2番線の電車は、東町ゆきです。閉まるドアに、ご注意ください。"}));
    runUntil(QTime(10, 5, 58));
    EXPECT_EQ(m.Door02t.tag(), 1);  // closing at 57

    runUntil(QTime(10, 6, 0, 1));
    EXPECT_EQ(m.Info05_3.caption(), "");
    EXPECT_EQ(m.departureMark(1), 0);
    runUntil(QTime(10, 6, 7, 1));
    // Both left within 7 s, starting at the 10 ms the move left in the timers.
    for (int slot : {1, 2}) {
        EXPECT_EQ(m.trainTimer(slot).tag(), 1);
        EXPECT_NE(m.trainPicture(slot).left(), stopPoint);
    }
}

TEST_F(OperationTest, ATrainDepartingInTheCurrentMinuteIsConsideredGone)
{
    TMainForm1& m = start(QTime(10, 6, 30));
    EXPECT_EQ(m.Train02.left(), -4000);
    EXPECT_EQ(m.departureMark(2), 0);
    EXPECT_TRUE(spoken().isEmpty());
}

TEST_F(OperationTest, TwoLinesWithTheSameArrivalPlaceTheTrainTwice)
{
    build({{"ZIKOKU2", "東:東町,西:西町\r\n\r\n10:,東06,西06"}});
    fixture.addTrainWithPictures("L", "u", 800, "50", "u");
    fixture.write();
    TMainForm1& m = program.start("L", "B", QTime(10, 5, 30), 3);
    EXPECT_EQ(spoken().size(), 2);
    EXPECT_GT(m.Train02.width(), 0);
}

TEST_F(OperationTest, AnEmptyTrainQueryEndsThePlacementWithAnError)
{
    fixture.addStation(stationRow("L", "B", stationB()));
    fixture.write();
    program.start("L", "B", QTime(10, 5, 30));
    ASSERT_EQ(program.errors().size(), 1);
    EXPECT_TRUE(program.errors()[0].contains("Train/.dat")) << program.errors()[0].toStdString();
}

TEST_F(OperationTest, AClosingRequestedWhileOpeningJumpsToFrameNine)
{
    TMainForm1& m = start(QTime(10, 4, 58));
    runUntil(QTime(10, 5, 30));
    ASSERT_FALSE(m.Train02t.enabled());
    // Open again, and ask for the closing after three opening ticks.
    program.host->dispatch().deliver([&] { m.Door02tTimer(); });
    m.doorStepOf(2) = 0;
    m.Door02t.setTag(0);
    m.Door02t.setEnabled(true);
    program.advance(450);
    EXPECT_EQ(qRed(m.Door02.picture().pixel(100, 0)), 3);
    m.doorStepOf(2) = 0;
    m.Door02t.setTag(1);
    program.advance(150);
    EXPECT_EQ(qRed(m.Door02.picture().pixel(100, 0)), 9);
}

TEST_F(OperationTest, WithoutDoorPositionsTheDoorTimerNeverStops)
{
    build();
    fixture.exec("UPDATE Train SET ZAHYO=''");
    TMainForm1& m = program.start("L", "B", QTime(10, 4, 58));
    runUntil(QTime(10, 5, 40));
    EXPECT_TRUE(m.Door02t.enabled());
    EXPECT_GT(m.doorStepOf(2), 12);
    EXPECT_EQ(m.Door02.picture().pixel(100, 0), qRgb(255, 255, 255));
    runUntil(QTime(10, 6, 0, 1));
    EXPECT_EQ(m.Door02.left(), -4000);  // still removed at the departure minute
}

TEST_F(OperationTest, ATrainHaltingAfterSecond57KeepsItsDoorsOpenUntilItLeaves)
{
    TMainForm1& m = start(QTime(10, 4, 58));
    runUntil(QTime(10, 5, 0, 1));
    // Hold the train back so that it halts only after second 57.
    m.Train02.setLeft(m.Train02.left() - 7000);
    QTime haltedAt;
    program.onChange = [&](Control& c) {
        if (&c == &m.Train02t && !m.Train02t.enabled() && haltedAt.isNull())
            haltedAt = QTime::fromMSecsSinceStartOfDay(int(program.host->virtualTime().msecsSinceMidnight()));
    };
    runUntil(QTime(10, 5, 59, 900));
    ASSERT_FALSE(haltedAt.isNull());
    EXPECT_GT(haltedAt, QTime(10, 5, 57));
    EXPECT_EQ(m.Door02.left(), m.Train02.left());
    EXPECT_EQ(m.Door02t.tag(), 0);  // opening, never closed
    EXPECT_GT(qRed(m.Door02.picture().pixel(100, 0)), 0);
    runUntil(QTime(10, 6, 0, 1));
    EXPECT_EQ(m.Door02.left(), -4000);  // removed without a closing animation
    EXPECT_EQ(m.Door02t.tag(), 0);
}
