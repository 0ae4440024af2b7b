// The departure boards as a station move fills them: the next two
// departures after the current minute, the night rule after midnight.

#include "data/DataForm1.h"
#include "support/ProgramHarness.h"

#include <gtest/gtest.h>

namespace {

struct BoardCase {
    const char* name;
    QTime at;
    const char* timetable;  // hour lines after the legend 終:X and a free line
    const char* first;
    const char* second;
};

void PrintTo(const BoardCase& c, std::ostream* os)
{
    *os << c.name;
}

class BoardFillTest : public ::testing::TestWithParam<BoardCase> {};

}  // namespace

TEST_P(BoardFillTest, ShowsTheNextTwoDepartures)
{
    const BoardCase& c = GetParam();
    StationFixture fixture;
    fixture.addStation(stationRow("L", "S", {{"ZIKOKU2", QString::fromUtf8("終:X\r\n\r\n") + QString::fromUtf8(c.timetable)},
                                             {"HOME", "島1"}}));
    fixture.addTrainWithPictures("L", "t", 600, "100,400");
    fixture.write();
    ProgramHarness program(fixture);
    TMainForm1& m = program.start("L", "S", c.at);
    ASSERT_TRUE(program.errors().isEmpty());
    EXPECT_EQ(m.Info06_3.caption(), QString::fromUtf8(c.first)) << c.name;
    EXPECT_EQ(m.Info06_4.caption(), QString::fromUtf8(c.second)) << c.name;
    EXPECT_TRUE(m.Info06_3.visible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoardFillTest,
    ::testing::Values(
        BoardCase{"before midnight", QTime(23, 58, 10), "23:,終50,終59\r\n00:,終04,終30", "23:59 X", "00:04 X"},
        BoardCase{"after midnight the morning is skipped", QTime(0, 30, 0), "05:,終10,終20\r\n00:,終20,終41\r\n01:,終05",
                  "00:41 X", "01:05 X"},
        BoardCase{"after the last train of the night", QTime(0, 30, 0), "05:,終10,終20\r\n00:,終20", "", ""},
        BoardCase{"a train leaving in the current minute is gone", QTime(8, 15, 0), "08:,終15,終19,終25", "08:19 X",
                  "08:25 X"},
        BoardCase{"the last departure has no second line", QTime(22, 0, 0), "22:,終10", "22:10 X", ""},
        BoardCase{"at one o'clock only the small hours count", QTime(1, 0, 0), "05:,終01\r\n01:,終02", "01:02 X", ""},
        BoardCase{"nothing left in the evening", QTime(23, 30, 0), "06:,終00\r\n23:,終10", "", ""}),
    [](const ::testing::TestParamInfo<BoardCase>& info) { return "case" + std::to_string(info.index); });
