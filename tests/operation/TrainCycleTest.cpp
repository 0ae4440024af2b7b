// Whole train cycles in simulated time: a stopping train on slot 2 from its
// arrival minute until it has left the scene, with the speed profile's
// timings, the halt, the doors, the announcements and the sounds.

#include "OperationFixture.h"

#include <QImage>

namespace {

struct Tick {
    qint64 at;
    int left;
};

}  // namespace

TEST_F(OperationTest, StoppingTrainOnSlot2RunsInHaltsOpensClosesAndLeaves)
{
    TMainForm1& m = start(QTime(10, 4, 58));
    ASSERT_TRUE(program.errors().isEmpty()) << program.errors().join('\n').toStdString();
    EXPECT_TRUE(m.directionFlag[1]);
    const int stopPoint = (1500 - 600) / 2 + 50;

    QVector<Tick> ticks;  // positions of Train02 with their times
    qint64 threshold = -1;
    qint64 haltAt = -1;
    qint64 departureStart = -1;
    qint64 departureEnd = -1;
    QVector<int> doorFrames;  // the frame shown at the first door, tick by tick
    quint64 doorSerial = m.Door02.pictureSerial();
    program.onChange = [&](Control& c) {
        if (&c == &m.Train02) {
            ticks.append({elapsed(), c.left()});
        } else if (&c == &m.Train02t) {
            if (m.Train02t.interval() == 11 && threshold < 0 && m.Train02t.tag() == 0)
                threshold = elapsed();
            if (!m.Train02t.enabled() && m.Train02t.tag() == 0 && haltAt < 0 && threshold >= 0)
                haltAt = elapsed();
            if (m.Train02t.enabled() && m.Train02t.tag() == 1 && departureStart < 0)
                departureStart = elapsed();
            if (!m.Train02t.enabled() && m.Train02t.tag() == 1)
                departureEnd = elapsed();
        } else if (&c == &m.Door02 && m.Door02.cutout() && m.Door02.pictureSerial() != doorSerial) {
            doorSerial = m.Door02.pictureSerial();
            if (m.Door02.left() != -4000)
                doorFrames.append(qRed(m.Door02.picture().pixel(100, 0)));
        }
    };

    runUntil(QTime(10, 5, 0, 1));
    // Arrival minute: the board blinks, the train comes from the left.
    EXPECT_EQ(m.Info06_3.tag(), 1);
    EXPECT_EQ(m.Info06_3.caption(), "10:06 東町");
    EXPECT_TRUE(m.Train02t.enabled());
    EXPECT_EQ(m.Train02.width(), 600);
    EXPECT_EQ(m.Train02.hint(), "t type");
    EXPECT_GE(-m.Train02.left() - 600, 2000);
    EXPECT_LE(-m.Train02.left() - 600, 3998);
    EXPECT_EQ(m.Door02.width(), 600);
    EXPECT_EQ(sounds(), QStringList{"MediaPlayer2:Sound/t_s.wav"});
    EXPECT_EQ(spoken().last(), "まもなく、2番線に。東町行き、電車が、到着します。白線の内側で、お待ちください。");

    runUntil(QTime(10, 5, 49));
    ASSERT_GE(haltAt, 0);
    // From the 1450 threshold to the halt: 725 ticks, 13,585 ms.
    EXPECT_EQ(haltAt - threshold, 13585);
    int ticksAfterThreshold = 0;
    for (const Tick& t : ticks)
        ticksAfterThreshold += t.at > threshold && t.at <= haltAt;
    EXPECT_EQ(ticksAfterThreshold, 725);
    const int offset = m.Train02.left() - stopPoint;
    EXPECT_TRUE(offset == 0 || offset == 1) << offset;
    EXPECT_EQ(spoken().last(), "B。B。足元にご注意ください。");
    EXPECT_TRUE(sounds().contains("MediaPlayer6:Sound/open2.wav"));
    // Doors: frames 1 to 10, then the timer stops with the doors open.
    EXPECT_EQ(doorFrames, (QVector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_FALSE(m.Door02t.enabled());
    EXPECT_EQ(m.Door02.left(), m.Train02.left());
    EXPECT_EQ(qRed(m.Door02.picture().pixel(400 + 17, 25)), 10);
    EXPECT_EQ(m.Door02.picture().pixel(250, 10), qRgb(255, 255, 255));

    runUntil(QTime(10, 5, 50, 1));
    EXPECT_EQ(spoken().last(), "2番線の電車は、東町ゆきです。閉まるドアに、ご注意ください。");
    runUntil(QTime(10, 5, 55, 1));
    EXPECT_EQ(sounds().last(), "MediaPlayer2:Sound/close2.wav");

    doorFrames.clear();
    runUntil(QTime(10, 5, 59));
    // Closing: 9 to 2, frame 2 held for three ticks, 1, then the strip goes.
    EXPECT_EQ(doorFrames, (QVector<int>{9, 8, 7, 6, 5, 4, 3, 2, 2, 2, 1}));
    EXPECT_EQ(m.Door02.left(), -4000);
    EXPECT_FALSE(m.Door02t.enabled());
    EXPECT_EQ(m.Door02.picture().pixel(100, 0), qRgb(255, 255, 255));

    runUntil(QTime(10, 6, 0, 1));
    EXPECT_EQ(m.Info06_3.tag(), 0);
    EXPECT_TRUE(m.Info06_3.visible());
    EXPECT_EQ(m.Info06_3.caption(), "10:20 東町");
    EXPECT_EQ(m.Info06_4.caption(), "");
    EXPECT_GE(m.Train02.tag(), 1);
    EXPECT_LE(m.Train02.tag(), 3);

    runUntil(QTime(10, 6, 40));
    ASSERT_GE(departureStart, 0);
    EXPECT_LE(departureStart - (QTime(10, 6, 0).msecsSinceStartOfDay() - QTime(10, 4, 58).msecsSinceStartOfDay()), 4200);
    EXPECT_EQ(sounds().last(), "MediaPlayer2:Sound/t_r.wav");
    // From the halt to distance 3200: 1,600 ticks, 22,560 ms.
    EXPECT_EQ(departureEnd - departureStart, 22560);
    const int end = m.Train02.left() - stopPoint;
    EXPECT_TRUE(end == 3200 || end == 3201) << end;
    EXPECT_FALSE(m.Train02t.enabled());
}
