// Passing trains, terminating trains and the departure countdown, with the
// edge cases of the timetable scan.

#include "OperationFixture.h"

#include "data/DataForm1.h"

TEST_F(OperationTest, PassingTrainRunsThroughAtThreePixelsATick)
{
    TMainForm1& m = start(QTime(10, 7, 58), {{"P_ZIKOKU1", "10:,8"}});
    const int stopPoint = (1500 - 600) / 2 + 50;
    runUntil(QTime(10, 8, 0, 1));
    EXPECT_FALSE(m.stopFlag[0]);
    EXPECT_EQ(sounds().last(), "MediaPlayer1:Sound/exp.wav");
    EXPECT_EQ(spoken().last(), "まもなく、1番線を、快速電車が通過します。白線の内側に、お下がりください。");
    // Slot 1 runs right to left: it enters 2000 to 5998 px beyond the right edge.
    const int beyond = m.Train01.left() - m.Panel03.width();
    EXPECT_GE(beyond, 2000);
    EXPECT_LE(beyond, 5998);
    EXPECT_EQ(m.Info05_3.tag(), 0);

    const int before = m.Train01.left();
    program.advance(100);
    EXPECT_EQ(before - m.Train01.left(), 30);  // ten ticks of 10 ms
    runUntil(QTime(10, 8, 59));
    EXPECT_FALSE(m.Train01t.enabled());
    const int offset = m.Train01.left() - stopPoint;
    EXPECT_LE(offset, -3200);
    EXPECT_GT(offset, -3203);
    // No halt: no door sound, no arrival announcement.
    EXPECT_FALSE(sounds().contains("MediaPlayer5:Sound/open1.wav"));
    runUntil(QTime(10, 9, 0, 1));
    EXPECT_TRUE(m.stopFlag[0]);
}

TEST_F(OperationTest, APassingTrainStillRunningAtTheNextMinuteStopsAtThePlatform)
{
    TMainForm1& m = start(QTime(10, 7, 58), {{"P_ZIKOKU1", "10:,8"}});
    runUntil(QTime(10, 8, 0, 1));
    m.Train01.setLeft(m.Train01.left() + 17000);  // far away: 57 s of running still to go
    runUntil(QTime(10, 9, 30));
    EXPECT_FALSE(m.Train01t.enabled());
    const int offset = m.Train01.left() - ((1500 - 600) / 2 + 50);
    EXPECT_TRUE(offset == 0 || offset == 1) << offset;
    EXPECT_TRUE(sounds().contains("MediaPlayer5:Sound/open1.wav"));
}

TEST_F(OperationTest, TerminatingTrainArrivesWithoutMarkAndLeavesAtTheWindowsEnd)
{
    // Trains from A's slot 2 with code 終 end at B on slot 1.
    fixture.addStation(stationRow("L", "A", {{"ZIKOKU2", "終:B行\r\n\r\n10:,終03"}}));
    fixture.addStation(stationRow("L", "B", stationB({{"END", "終"}, {"CYAKU1", 2}, {"HATU1", 1}, {"ZIKOKU1", ""},
                                                      {"RENRAKU_J", "X線"}, {"RENRAKU_E", "the X Line"}})));
    fixture.addTrainWithPictures("L", "t", 600, "100,400", "t");
    fixture.addSounds(kAllSounds);
    fixture.write();
    TMainForm1& m = program.start("L", "B", QTime(10, 3, 58));
    EXPECT_EQ(program.data().lists(1).terminal, QStringList{"10:04-10:05"});

    runUntil(QTime(10, 4, 0, 1));
    EXPECT_TRUE(m.Train01t.enabled());
    EXPECT_EQ(m.Info05_3.tag(), 0);  // no blinking
    EXPECT_EQ(spoken().last(), "まもなく、1番線に到着する電車は、とうえき止まりです。ご乗車になれませんので、ご注意ください。");
    runUntil(QTime(10, 4, 49));
    EXPECT_FALSE(m.Train01t.enabled());
    EXPECT_EQ(spoken().last(), "B。B。X線は、お乗換です。");
    const int spokenBefore = spoken().size();
    const int soundsBefore = sounds().size();
    runUntil(QTime(10, 4, 56));
    EXPECT_EQ(spoken().size(), spokenBefore);  // no departure announcement at 50
    EXPECT_EQ(sounds().size(), soundsBefore);  // no closing chime at 55
    runUntil(QTime(10, 5, 10));
    EXPECT_TRUE(m.Train01t.enabled());  // left within 7 s at the window's end
    EXPECT_EQ(m.Train01t.tag(), 1);
}

TEST_F(OperationTest, ACountdownThatEndsDuringTheRunInLeavesTheTrainRunningIn)
{
    TMainForm1& m = start(QTime(10, 4, 58));
    runUntil(QTime(10, 5, 3));
    ASSERT_TRUE(m.Train02t.enabled());
    m.Train02.setTag(1);
    runUntil(QTime(10, 5, 6));
    // Only a standing train departs: the countdown is spent, the run-in goes on.
    EXPECT_EQ(m.Train02.tag(), 0);
    EXPECT_EQ(m.Train02t.tag(), 0);
    runUntil(QTime(10, 5, 59));
    EXPECT_TRUE(sounds().contains("MediaPlayer6:Sound/open2.wav"));
    const int offset = m.Train02.left() - ((1500 - 600) / 2 + 50);
    EXPECT_TRUE(offset == 0 || offset == 1) << offset;
    EXPECT_FALSE(sounds().contains("MediaPlayer2:Sound/t_r.wav"));
}

TEST_F(OperationTest, TrainsOverlappingOnOneSlotEachHalt)
{
    // The second train arrives in the minute the first departs, the third in
    // the minute the second departs; three more follow at four minutes.
    TMainForm1& m = start(QTime(10, 4, 58), {{"ZIKOKU2", "東:東町\r\n\r\n10:,東06,東07,東08,東12,東16,東20"}});
    const int stopPoint = (1500 - 600) / 2 + 50;
    QStringList halts;
    int departures = 0;
    bool wasEnabled = false;
    program.onChange = [&](Control& c) {
        if (&c != &m.Train02t)
            return;
        if (wasEnabled && !m.Train02t.enabled()) {
            if (m.Train02t.tag() == 0) {
                const int offset = m.Train02.left() - stopPoint;
                halts.append(program.time().left(5) + (offset == 0 || offset == 1 ? "" : " off the rest band"));
            } else {
                ++departures;
            }
        }
        wasEnabled = m.Train02t.enabled();
    };
    runUntil(QTime(10, 25, 0));
    EXPECT_TRUE(program.errors().isEmpty()) << program.errors().join('\n').toStdString();
    EXPECT_EQ(halts.join(" ").toStdString(), "10:05 10:06 10:07 10:11 10:15 10:19");
    // The standing first and second trains are replaced; the others run out
    // to the end.
    EXPECT_EQ(departures, 4);
    EXPECT_FALSE(m.Train02t.enabled());
}

TEST_F(OperationTest, ASkippedSecondZeroSkipsTheWholeMinute)
{
    TMainForm1& m = start(QTime(10, 4, 30));
    program.host->dispatch().deliver([&] { m.Clock1ClockTime(10, 4, 59); });
    program.host->dispatch().deliver([&] { m.Clock1ClockTime(10, 5, 1); });
    EXPECT_EQ(m.Info05_2.caption(), "10:04");
    EXPECT_FALSE(m.Train02t.enabled());
    EXPECT_EQ(m.Info06_3.tag(), 0);
}

TEST_F(OperationTest, EveryMatchingLineOfTheScanIsApplied)
{
    // Two departures in minute 10:06 and an arrival after them in the list.
    TMainForm1& m = start(QTime(10, 5, 58), {{"ZIKOKU2", "東:東町,西:西町\r\n\r\n10:,東06,西06,東30\r\n09:,東06"}});
    runUntil(QTime(10, 6, 0, 1));
    EXPECT_EQ(m.Info06_3.caption(), "10:30 東町");  // after the last line departing now
    EXPECT_EQ(m.Info06_4.caption(), "09:06 東町");
    EXPECT_EQ(m.Info06_3.tag(), 0);

    // An arrival match in a later line than a departure match leaves the mark set.
    OperationTest::TearDown();
}

TEST_F(OperationTest, DepartureCountdownsLastOneToFiveOrOneToThreeTicks)
{
    TMainForm1& m = start(QTime(10, 0, 0));
    QSet<int> odd;
    QSet<int> even;
    for (int minute = 1; minute < 60; ++minute) {
        program.host->dispatch().deliver([&] {
            m.data().lists(1).working = {QStringLiteral("10:00-10:%1 x").arg(minute, 2, 10, QChar('0'))};
            m.data().lists(2).working = m.data().lists(1).working;
            m.Clock1ClockTime(10, minute, 0);
        });
        odd.insert(m.Train01.tag());
        even.insert(m.Train02.tag());
        m.Train01.setTag(0);
        m.Train02.setTag(0);
    }
    EXPECT_EQ(odd, (QSet<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(even, (QSet<int>{1, 2, 3}));
}

TEST_F(OperationTest, AMissingPictureEndsTheTickWithAnErrorAndTheNextTickRuns)
{
    TMainForm1& m = start(QTime(10, 4, 58), {{"ZIKOKU1", "西:西町\r\n\r\n10:,西06"}});
    QFile::remove(fixture.path("Train/t.dat"));
    runUntil(QTime(10, 5, 0, 1));
    ASSERT_EQ(program.errors().size(), 1);
    EXPECT_TRUE(program.errors()[0].contains("t.dat"));
    EXPECT_FALSE(m.Train01t.enabled());
    // The tick ended at slot 1: slot 2 was not processed.
    EXPECT_EQ(m.Info06_3.tag(), 0);
    EXPECT_EQ(m.Info05_3.tag(), 1);
    runUntil(QTime(10, 5, 1, 1));
    EXPECT_EQ(m.Info05_2.caption(), "10:05");
    EXPECT_TRUE(m.Timer1.enabled());
}

TEST_F(OperationTest, TheFirstBoardLineBlinksWhileItsTrainIsDue)
{
    TMainForm1& m = start(QTime(10, 4, 59));
    QVector<bool> seen;
    program.onChange = [&](Control& c) {
        if (&c == &m.Info06_3)
            seen.append(c.visible());
    };
    runUntil(QTime(10, 5, 2, 100));
    EXPECT_GE(seen.count(false), 2);
    EXPECT_GE(seen.count(true), 2);
    runUntil(QTime(10, 6, 0, 1));
    EXPECT_TRUE(m.Info06_3.visible());
    seen.clear();
    runUntil(QTime(10, 6, 3));
    EXPECT_TRUE(seen.isEmpty() || !seen.contains(false));
}
