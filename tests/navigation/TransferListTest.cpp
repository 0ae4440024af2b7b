// The transfer list built by the station move.

#include "support/ProgramHarness.h"

#include <gtest/gtest.h>

TEST(TransferList, SameStationThenAdjacentStationEntries)
{
    StationFixture fixture;
    fixture.addStation(stationRow("銀座線", "赤坂見附", {{"RINSETU", "永田町,ない駅"}}));
    fixture.addStation(stationRow("丸ノ内線", "赤坂見附"));
    fixture.addStation(stationRow("半蔵門線", "永田町"));
    fixture.addStation(stationRow("有楽町線", "永田町"));
    fixture.write();
    ProgramHarness program(fixture);
    TMainForm1& m = program.start("丸ノ内線", "赤坂見附", QTime(9, 0, 0));
    EXPECT_EQ(m.MultiColComboBox1.items(),
              (QStringList{"銀座線,赤坂見附,(銀座線ホーム)", "丸ノ内線,赤坂見附,(丸ノ内線ホーム)"}));
    EXPECT_EQ(m.MultiColComboBox1.itemIndex(), 1);

    program.moveTo("銀座線", "赤坂見附");
    EXPECT_EQ(m.MultiColComboBox1.items(),
              (QStringList{"銀座線,赤坂見附,(銀座線ホーム)", "丸ノ内線,赤坂見附,(丸ノ内線ホーム)",
                           "半蔵門線,永田町,(赤坂見附駅隣接)", "有楽町線,永田町,(赤坂見附駅隣接)"}));
    EXPECT_EQ(m.MultiColComboBox1.itemIndex(), 0);
}

TEST(TransferList, AKeyWithALeadingIdeographicSpaceMatchesOnlyItself)
{
    StationFixture fixture;
    fixture.addStation(stationRow("１３号線", "　渋谷"));
    fixture.addStation(stationRow("銀座線", "渋谷"));
    fixture.write();
    ProgramHarness program(fixture);
    TMainForm1& m = program.start("１３号線", "　渋谷", QTime(9, 0, 0));
    EXPECT_EQ(m.MultiColComboBox1.items(), QStringList{"１３号線,　渋谷,(１３号線ホーム)"});
    EXPECT_EQ(m.MultiColComboBox1.itemIndex(), 0);
}
