// Leaving the station shown: directory picks, neighbour moves, the transfer
// move, and the switches of the sound menu.

#include "data/StationDirectory.h"
#include "forms/VoiceForm1.h"
#include "support/ProgramHarness.h"

#include <gtest/gtest.h>

namespace {

class MovesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixture.addStation(stationRow("日比谷線", "中目黒", {{"HOME", "単1"}}));
        fixture.addStation(stationRow("日比谷線", "恵比寿", {{"HOME", "単1"}, {"RINSETU", "広尾"}}));
        fixture.addStation(stationRow("日比谷線", "広尾", {{"HOME", "単1"}}));
        fixture.addStation(stationRow("大江戸線", "広尾", {{"HOME", "単1"}}));
        fixture.write();
    }
    void deliver(const std::function<void()>& handler) { program.host->dispatch().deliver(handler); }

    StationFixture fixture;
    ProgramHarness program{fixture};
};

}  // namespace

TEST_F(MovesTest, NeighbourMovesFollowTheLineAndIgnoreSilverOrEmptyNames)
{
    TMainForm1& m = program.start("日比谷線", "恵比寿", QTime(12, 0, 0));
    deliver([&] { m.Info00_11Click(); });
    EXPECT_EQ(m.currentStation, "広尾");
    EXPECT_EQ(m.currentLine, "日比谷線");
    deliver([&] { m.Info00_11Click(); });  // the last station: nothing to the right
    EXPECT_EQ(m.currentStation, "広尾");
    deliver([&] { m.Info00_10Click(); });
    deliver([&] { m.Info00_10Click(); });
    EXPECT_EQ(m.currentStation, "中目黒");
    // At 中目黒 the left neighbour is another railway's station, in silver.
    EXPECT_EQ(m.Info00_03.caption(), "←祐天寺");
    deliver([&] { m.Info00_10Click(); });
    EXPECT_EQ(m.currentStation, "中目黒");
}

TEST_F(MovesTest, TheTransferMoveTakesLineAndStationOfTheChosenEntry)
{
    TMainForm1& m = program.start("日比谷線", "恵比寿", QTime(12, 0, 0));
    ASSERT_EQ(m.MultiColComboBox1.items().size(), 3);
    m.MultiColComboBox1.setItemIndex(2);  // 大江戸線,広尾,(恵比寿駅隣接)
    deliver([&] { m.MultiColComboBox1Change(); });
    EXPECT_EQ(m.currentLine, "大江戸線");
    EXPECT_EQ(m.currentStation, "広尾");
    EXPECT_EQ(m.MultiColComboBox1.items(), (QStringList{"日比谷線,広尾,(日比谷線ホーム)", "大江戸線,広尾,(大江戸線ホーム)"}));
    EXPECT_EQ(m.MultiColComboBox1.itemIndex(), 1);
}

TEST_F(MovesTest, ADirectoryPickSetsItsKeysAndTheStationNameOpensTheDirectory)
{
    TMainForm1& m = program.start("日比谷線", "恵比寿", QTime(12, 0, 0));
    deliver([&] { m.Info00_15Click(); });
    EXPECT_EQ(program.host->log().ofKind("popup").last().fields["menu"].toString(), "PopupMenu1");
    const DirectoryEntry* entry = findDirectoryEntry("SN_H01");
    ASSERT_TRUE(entry);
    deliver([&] { m.stationPick(*entry); });
    EXPECT_EQ(m.currentStation, "中目黒");
    EXPECT_EQ(m.Info00_01.caption(), "中目黒");
}

TEST_F(MovesTest, TheSoundMenuFlipsItsSwitchesAndChoosesTheLanguage)
{
    TMainForm1& m = program.start("日比谷線", "恵比寿", QTime(12, 0, 0));
    deliver([&] { m.S01Click(); });
    EXPECT_FALSE(m.S01.checked());
    deliver([&] { m.S02Click(); });
    EXPECT_FALSE(m.S02.checked());
    deliver([&] { m.S05Click(); });
    EXPECT_TRUE(m.S05.checked());
    EXPECT_FALSE(m.S04.checked());
    // No voice of that name is installed: the selection stays as it was.
    EXPECT_EQ(m.VoiceForm1->ComboBox1.itemIndex(), -1);
    deliver([&] { m.S04Click(); });
    EXPECT_TRUE(m.S04.checked());
    EXPECT_FALSE(m.S05.checked());
}
