// The special station configurations applied by the station move: rule
// conditions matched byte for byte, and what the rules set.

#include "data/DataForm1.h"
#include "data/StationRules.h"
#include "support/ProgramHarness.h"

#include <gtest/gtest.h>

namespace {

// A station on one line with plain four-track data, so that every item a
// rule may change has a known value before the rule runs.
TMainForm1& moveTo(StationFixture& fixture, ProgramHarness& program, const QString& line, const QString& station)
{
    fixture.addStation(stationRow(line, "前の駅", {{"EKI_E", "Mae"}}));
    fixture.addStation(stationRow(line, station,
                                  {{"ROSEN_E", "Line"}, {"EKI_E", "Here"}, {"COLOR", 99}, {"HOME", "島2"},
                                   {"STRUCT1", "09"}, {"STRUCT2", "09"}}));
    fixture.addStation(stationRow(line, "次の駅", {{"EKI_E", "Tsugi"}}));
    fixture.write();
    return program.start(line, station, QTime(12, 0, 0));
}

}  // namespace

TEST(SpecialStations, TheTableHoldsThirtyFourRulesInOrder)
{
    const auto& rules = specialRules();
    ASSERT_EQ(rules.size(), 34u);
    for (size_t i = 0; i < rules.size(); ++i)
        EXPECT_EQ(rules[i].number, int(i) + 1);
}

TEST(SpecialStations, ConditionsMatchStationAndLineExactly)
{
    struct Case {
        const char* station;
        const char* line;
        std::vector<int> rules;
    } cases[] = {
        {"表参道", "銀座線", {1}},
        {"表参道", "半蔵門線", {1}},
        {"表参道", "千代田線", {}},
        {"渋谷", "半蔵門線", {14}},
        {"渋谷", "銀座線", {32}},
        {"　渋谷", "１３号線", {29}},
        {"渋谷", "１３号線", {}},
        {"　渋谷", "半蔵門線", {}},
        {"小竹向原", "有楽町新線", {13}},
        {"　小竹向原", "１３号線", {28}},
        {"　小竹向原", "有楽町線", {}},
        {"都庁前", "大江戸線", {27}},
        {"　都庁前", "大江戸線", {27}},
        {"押上", "半蔵門線", {15}},
        {"押上", "浅草線", {21}},
        {"新羽", "横浜市営地下鉄", {30, 31}},
        {"あざみ野", "横浜市営地下鉄", {31}},
        {"目黒", "三田線", {16}},
        {"綾瀬", "千代田分岐線", {11}},
    };
    for (const Case& c : cases) {
        std::vector<int> matched;
        for (const SpecialRule& rule : specialRules()) {
            if (rule.applies(QString::fromUtf8(c.station), QString::fromUtf8(c.line)))
                matched.push_back(rule.number);
        }
        EXPECT_EQ(matched, c.rules) << c.station << " " << c.line;
    }
}

TEST(SpecialStations, SharedStationGetsBothLinesTrainsRailsAndPanels)
{
    StationFixture fixture;
    fixture.addTrain({{"ROSEN_J", "銀座線"}, {"IMAGE", "g"}});
    fixture.addTrain({{"ROSEN_J", "半蔵門線"}, {"IMAGE", "z1"}});
    fixture.addTrain({{"ROSEN_J", "半蔵門線"}, {"IMAGE", "z2"}});
    ProgramHarness program(fixture);
    TMainForm1& m = moveTo(fixture, program, "銀座線", "表参道");
    ASSERT_TRUE(program.errors().isEmpty());
    TDataForm1& d = program.data();
    EXPECT_EQ(d.Query1.recordCount(), 2);
    EXPECT_EQ(d.Query1.fieldAsString("IMAGE"), "z1");
    EXPECT_EQ(d.Query2.fieldAsString("IMAGE"), "g");
    EXPECT_EQ(d.Query3.fieldAsString("IMAGE"), "g");
    EXPECT_EQ(d.Query4.recordCount(), 2);
    EXPECT_EQ(m.Rail01.outlineColor(), 12156051);
    EXPECT_EQ(m.Rail02.outlineColor(), 1938423);
    EXPECT_EQ(m.Info01_01.caption(), "半蔵門線 Hanzomon Line");
    EXPECT_EQ(m.Info01_02.caption(), "渋谷 中央林間方面");
    EXPECT_EQ(m.Info04_03.caption(), "6");
    EXPECT_EQ(m.Info03_04.outlineColor(), 1938423);
    EXPECT_EQ(m.timetableGroup(1).caption(), "時刻表(3番線)");
    EXPECT_EQ(m.timetableGroup(4).caption(), "時刻表(6番線)");
    // Neighbours are the station move's, in black.
    EXPECT_EQ(m.Info00_03.caption(), "←前の駅");
    EXPECT_EQ(m.Info00_03.fontColor(), 0);
}

TEST(SpecialStations, ThroughServiceStationNamesTheOtherRailway)
{
    StationFixture fixture;
    fixture.addTrain({{"ROSEN_J", "JR中央線"}, {"IMAGE", "jr"}});
    ProgramHarness program(fixture);
    TMainForm1& m = moveTo(fixture, program, "東西線", "中野");
    ASSERT_TRUE(program.errors().isEmpty());
    EXPECT_EQ(program.data().Query4.fieldAsString("IMAGE"), "jr");
    EXPECT_EQ(program.data().Query1.recordCount(), 0);
    EXPECT_EQ(m.Rail04.outlineColor(), 0);
    EXPECT_EQ(m.Rail01.outlineColor(), 99);
    EXPECT_EQ(m.Info00_03.caption(), "←高円寺");
    EXPECT_EQ(m.Info00_04.caption(), "Koenji");
    EXPECT_EQ(m.Info00_03.fontColor(), 12632256);
    EXPECT_EQ(m.Info00_04.fontColor(), 12632256);
    // The other side keeps the station move's neighbour, a move target.
    EXPECT_EQ(m.Info00_05.caption(), "次の駅→");
    EXPECT_EQ(m.Info00_05.fontColor(), 0);
    EXPECT_FALSE(m.directionFlag[3]);
    EXPECT_EQ(m.Info04_01.caption(), "JR中央線(快速) JR-Chuo Line(Rapid)");
    EXPECT_EQ(m.Info04_04.outlineColor(), 16777215);
}

TEST(SpecialStations, NanbokuAndMitaTrainsShareTheTracksAtMeguro)
{
    StationFixture fixture;
    fixture.addTrain({{"ROSEN_J", "南北線"}, {"IMAGE", "n"}});
    fixture.addTrain({{"ROSEN_J", "三田線"}, {"IMAGE", "i"}});
    fixture.addTrain({{"ROSEN_J", "東急目黒線"}, {"IMAGE", "t"}});
    ProgramHarness program(fixture);
    TMainForm1& m = moveTo(fixture, program, "三田線", "目黒");
    EXPECT_EQ(program.data().Query1.recordCount(), 2);
    EXPECT_EQ(program.data().Query2.recordCount(), 2);
    EXPECT_EQ(program.data().Query3.recordCount(), 1);
    EXPECT_EQ(m.Info01_01.caption(), "東急目黒線 Tokyu-Meguro Line");
    EXPECT_EQ(m.Info02_01.caption(), "南北線 Namboku Line | 三田線 Mita Line");
    EXPECT_EQ(m.Info03_01.caption(), "南北線 Namboku Line | 三田線 Mita Line");
    EXPECT_EQ(m.Info02_02.caption(), "");  // only the line names change
}

TEST(SpecialStations, TerminalPlatformOfTheLoopShowsThePlainName)
{
    StationFixture fixture;
    ProgramHarness program(fixture);
    TMainForm1& m = moveTo(fixture, program, "大江戸線", "　都庁前");
    EXPECT_EQ(m.Info00_01.caption(), "都庁前");
    EXPECT_EQ(m.currentStation, "　都庁前");
    EXPECT_FALSE(m.Info06.visible());
    EXPECT_EQ(m.Info02_02.caption(), "降車専用ホーム");
}

TEST(SpecialStations, ShownHiddenAndTrackNumbersZero)
{
    {
        StationFixture fixture;
        ProgramHarness program(fixture);
        TMainForm1& m = moveTo(fixture, program, "１３号線", "　渋谷");
        EXPECT_EQ(m.Rail03.outlineColor(), 0);
        EXPECT_EQ(m.Rail04.outlineColor(), 0);
        EXPECT_EQ(m.Info00_05.caption(), "代官山→");
        for (int slot = 1; slot <= 4; ++slot)
            EXPECT_EQ(m.timetableGroup(slot).caption(), "時刻表(0番線)");
    }
    {
        StationFixture fixture;
        ProgramHarness program(fixture);
        TMainForm1& m = moveTo(fixture, program, "三田線", "高島平");
        EXPECT_FALSE(m.Info07.visible());
        EXPECT_TRUE(m.Info03.visible());
        EXPECT_EQ(m.Info03_02.caption(), "");
    }
    {
        StationFixture fixture;
        ProgramHarness program(fixture);
        TMainForm1& m = moveTo(fixture, program, "横浜市営地下鉄", "新羽");
        for (int slot = 1; slot <= 4; ++slot)
            EXPECT_EQ(m.linePanelItem(slot, 4).outlineColor(), 16777215);
        EXPECT_EQ(m.Info03_02.caption(), "あざみ野方面");
    }
}
