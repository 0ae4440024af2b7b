// The station move on a small line: name plate, neighbours, floor band,
// address, rails, trains and doors reset, the loading panel and its
// progress bar, platforms and the timetable views.

#include "data/DataForm1.h"
#include "support/ProgramHarness.h"

#include <gtest/gtest.h>

namespace {

class StationMoveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixture.addStation(stationRow("試験線", "渋谷", {{"EKI_E", "Shibuya"}, {"STA_NO", "G01"}, {"COLOR", 1938423},
                                                         {"FLOOR", 3}, {"HOME", "島1"}, {"STRUCT1", "0119"}}));
        fixture.addStation(stationRow("試験線", "表参道",
                                      {{"EKI_E", "Omote-sando"}, {"STA_NO", "G02"}, {"COLOR", 1938423}, {"FLOOR", -2},
                                       {"ADDRESS", "東京都港区北青山3丁目"}, {"HOME", "島1"}, {"STRUCT1", "0111119"},
                                       {"ZIKOKU1", "渋:渋谷\r\n\r\n08:,渋10,渋20"}, {"ZIKOKU3", "third"}}));
        fixture.addStation(stationRow("試験線", "外苑前", {{"EKI_E", "Gaiemmae"}, {"STA_NO", "M25"}, {"FLOOR", 9},
                                                           {"HOME", "単1"}, {"STRUCT1", "0x9"}}));
        fixture.write();
    }

    StationFixture fixture;
    ProgramHarness program{fixture};
};

}  // namespace

TEST_F(StationMoveTest, FillsTheNamePlateNeighboursAndBands)
{
    TMainForm1& m = program.start("試験線", "表参道", QTime(8, 5, 30));
    EXPECT_TRUE(program.errors().isEmpty()) << program.errors().join('\n').toStdString();
    EXPECT_EQ(m.Info00_01.caption(), "表参道");
    EXPECT_EQ(m.Info00_02.caption(), "Omote-sando");
    EXPECT_EQ(m.Info00_07.color(), 1938423);
    EXPECT_EQ(m.Info00_12.outlineColor(), 1938423);
    EXPECT_EQ(m.Info00_13.caption(), "G 02");
    EXPECT_EQ(m.Info00_03.caption(), "←渋谷");
    EXPECT_EQ(m.Info00_04.caption(), "Shibuya");
    EXPECT_EQ(m.Info00_05.caption(), "外苑前→");
    EXPECT_EQ(m.Info00_06.caption(), "Gaiemmae");
    EXPECT_EQ(m.Info00_05.fontColor(), 0);
    EXPECT_EQ(m.GradBox1.caption(), "B2F (-12m)");
    EXPECT_EQ(m.GradBox1.color(), 3947580);
    EXPECT_EQ(m.SpeedButton1.caption(), "address:東京都港区北青山3丁目");
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_EQ(m.rail(slot).outlineColor(), 1938423);
    // Query0 stays on the station row and the timetable views show it.
    EXPECT_EQ(program.data().Query0.fieldAsString("EKI_J"), "表参道");
    EXPECT_EQ(m.DBMemo3.caption(), "third");
}

TEST_F(StationMoveTest, LineEndsLeaveTheMissingNeighbourEmptyAndUnrecoloured)
{
    TMainForm1& m = program.start("試験線", "渋谷", QTime(8, 0, 0));
    EXPECT_EQ(m.Info00_03.caption(), "");
    EXPECT_EQ(m.Info00_04.caption(), "");
    EXPECT_EQ(m.Info00_05.caption(), "表参道→");
    EXPECT_EQ(m.GradBox1.caption(), "3F (+12m)");
    EXPECT_EQ(m.GradBox1.color(), 16711680);

    m.Info00_05.setFontColor(12632256);
    program.moveTo("試験線", "外苑前");  // the last station; FLOOR 9 has no band
    EXPECT_EQ(m.Info00_05.caption(), "");
    EXPECT_EQ(m.Info00_06.caption(), "");
    EXPECT_EQ(m.Info00_05.fontColor(), 12632256);
    EXPECT_EQ(m.Info00_03.caption(), "←表参道");
    EXPECT_EQ(m.Info00_13.caption(), "M 25");
    EXPECT_EQ(m.GradBox1.caption(), "3F (+12m)");  // unchanged
}

TEST_F(StationMoveTest, ResetsTrainsAndDoorsAndShowsTheLoadingPanelWithSixteenSteps)
{
    TMainForm1& m = program.start("試験線", "表参道", QTime(8, 5, 30));
    for (int slot = 1; slot <= 4; ++slot) {
        m.trainTimer(slot).setEnabled(true);
        m.trainTimer(slot).setInterval(200);
        m.trainTimer(slot).setTag(1);
        m.trainPicture(slot).setLeft(300);
        m.trainPicture(slot).setTag(3);
        m.stopFlag[slot - 1] = false;
    }
    m.Door02.setLeft(300);
    m.Door02t.setEnabled(true);
    m.Door02.canvas().fill(Qt::black);
    program.repainted.clear();
    program.moveTo("試験線", "表参道");

    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_FALSE(m.trainTimer(slot).enabled());
        EXPECT_EQ(m.trainTimer(slot).interval(), 10);
        EXPECT_EQ(m.trainTimer(slot).tag(), 0);
        EXPECT_EQ(m.trainPicture(slot).left(), -4000);
        EXPECT_EQ(m.trainPicture(slot).tag(), 0);
        EXPECT_TRUE(m.stopFlag[slot - 1]);
    }
    EXPECT_EQ(m.Door02.left(), -4000);
    EXPECT_FALSE(m.Door02t.enabled());
    EXPECT_EQ(m.Door02.picture().pixel(10, 10), qRgb(255, 255, 255));
    EXPECT_EQ(m.Door02.picture().pixel(2999, 25), qRgb(255, 255, 255));
    EXPECT_TRUE(m.Door02.cutout());

    EXPECT_EQ(program.repainted.first(), "Panel00");
    EXPECT_EQ(program.repainted.count("ProgressBar1"), 16);
    EXPECT_EQ(m.ProgressBar1.position(), m.ProgressBar1.maximum);
    EXPECT_EQ(m.ScrollBox1.top(), 24);
    EXPECT_TRUE(m.Timer1.enabled());
    EXPECT_TRUE(m.Train00t.enabled());
}

TEST_F(StationMoveTest, DrawsPlatformsFromTheSegmentCodes)
{
    TMainForm1& m = program.start("試験線", "表参道", QTime(8, 0, 0));
    EXPECT_EQ(m.Home01.width(), 1050);
    EXPECT_EQ(m.Panel03.width(), 1150);
    EXPECT_EQ(m.Home02.width(), 0);  // empty STRUCT2
    EXPECT_EQ(m.Home01.picture().size(), QSize(4000, 69));
    EXPECT_TRUE(m.Home01.visible());
}

TEST_F(StationMoveTest, ASegmentCodeThatIsNoDigitEndsTheMoveWithTheLoadingPanelUp)
{
    TMainForm1& m = program.start("試験線", "外苑前", QTime(8, 0, 0));
    EXPECT_EQ(program.errors(), QStringList{"'x' is not a valid integer value"});
    EXPECT_EQ(m.ScrollBox1.top(), -200);
    EXPECT_LT(m.ProgressBar1.position(), m.ProgressBar1.maximum);
    // The next move starts again from the beginning.
    program.moveTo("試験線", "渋谷");
    EXPECT_EQ(m.ScrollBox1.top(), 24);
    EXPECT_EQ(m.Info00_01.caption(), "渋谷");
}

TEST_F(StationMoveTest, ALineWithoutRowsGivesAnEmptyScene)
{
    TMainForm1& m = program.start("試験線", "表参道", QTime(8, 0, 0));
    program.moveTo("無い線", "どこか");
    EXPECT_TRUE(program.errors().isEmpty());
    EXPECT_EQ(m.Info00_01.caption(), "");
    EXPECT_EQ(m.Info00_07.color(), 0);
    EXPECT_EQ(m.Info00_03.caption(), "");
    EXPECT_EQ(m.Info00_05.caption(), "");
    EXPECT_EQ(m.Home01.width(), 0);
    EXPECT_FALSE(m.Home01.visible());  // no layout: the platforms stay hidden
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_TRUE(program.data().lists(slot).working.isEmpty());
        EXPECT_EQ(m.boardLine(slot, 1).caption(), "");
    }
}
