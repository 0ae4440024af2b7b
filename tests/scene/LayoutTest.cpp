// The nine platform layout codes through the station move: platforms,
// tracks, panels, boards, direction flags and the panel texts.

#include "data/PlatformLayouts.h"
#include "support/ProgramHarness.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    const char* code;
    bool farPlatform;
    const char* tracks;      // slots shown, e.g. "23"
    const char* directions;  // per slot: F false, T true, - kept from before (T)
    const char* panels;
    int firstPanel;
    int secondPanel;
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << c.code;
}

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

bool listed(const char* which, int slot)
{
    return std::strchr(which, '0' + slot) != nullptr;
}

}  // namespace

TEST_P(LayoutTest, ShowsItsTracksPanelsAndDirections)
{
    const LayoutCase& c = GetParam();
    StationFixture fixture;
    fixture.addStation(stationRow("L", "S", {{"HOME", QString::fromUtf8(c.code)}, {"ROSEN_E", "Line"}, {"COLOR", 255},
                                             {"HOMEN1", "一方面"}, {"HOMEN2", "二方面"}, {"NORIBA1", "3"}, {"NORIBA2", "4"},
                                             {"STRUCT1", "09"}, {"STRUCT2", "09"}}));
    fixture.write();
    ProgramHarness program(fixture);
    TMainForm1& m = program.start("L", "S", QTime(12, 0, 0));
    // Flags that a layout does not name keep what they were: start from all true.
    m.directionFlag = {true, true, true, true};
    program.moveTo("L", "S");
    ASSERT_TRUE(program.errors().isEmpty());

    EXPECT_TRUE(m.Home01.visible());
    EXPECT_EQ(m.Home02.visible(), c.farPlatform);
    for (int slot = 1; slot <= 4; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(m.rail(slot).visible(), listed(c.tracks, slot));
        EXPECT_EQ(m.trainPicture(slot).visible(), listed(c.tracks, slot));
        EXPECT_EQ(m.linePanel(slot).visible(), listed(c.panels, slot));
        EXPECT_EQ(m.board(slot).visible(), listed(c.panels, slot));
        EXPECT_EQ(m.directionFlag[slot - 1], c.directions[slot - 1] != 'F');
        const bool first = slot == c.firstPanel;
        const bool second = slot == c.secondPanel;
        EXPECT_EQ(m.linePanelItem(slot, 1).caption(), first || second ? "L Line" : "");
        EXPECT_EQ(m.linePanelItem(slot, 2).caption(), first ? "一方面" : second ? "二方面" : "");
        EXPECT_EQ(m.linePanelItem(slot, 3).caption(), first ? "3" : second ? "4" : "");
        EXPECT_EQ(m.linePanelItem(slot, 4).outlineColor(), first || second ? 255 : 0);
        EXPECT_EQ(m.timetableGroup(slot).caption(),
                  !listed(c.panels, slot) ? QStringLiteral("-")
                                          : QStringLiteral("時刻表(%1番線)").arg(m.linePanelItem(slot, 3).caption()));
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, LayoutTest,
                         ::testing::Values(LayoutCase{"両", true, "23", "-FT-", "23", 2, 3},
                                           LayoutCase{"島1", false, "12", "FT--", "12", 1, 2},
                                           LayoutCase{"島2", true, "1234", "FFTT", "1234", 0, 0},
                                           LayoutCase{"島3", true, "134", "FFFT", "134", 0, 0},
                                           LayoutCase{"島4", true, "124", "FFFT", "124", 0, 0},
                                           LayoutCase{"片1", true, "13", "F-T-", "13", 1, 3},
                                           LayoutCase{"片2", true, "24", "-F-T", "24", 2, 4},
                                           LayoutCase{"片3", true, "14", "F--T", "14", 1, 4},
                                           LayoutCase{"単1", false, "1", "F---", "1", 1, 0}),
                         [](const ::testing::TestParamInfo<LayoutCase>& info) {
                             return "code" + std::to_string(info.index);
                         });

TEST(Layout, AnUnknownCodeChangesNothingAndThePlatformsStayHidden)
{
    StationFixture fixture;
    fixture.addStation(stationRow("L", "A", {{"HOME", "単1"}, {"STRUCT1", "09"}}));
    fixture.addStation(stationRow("L", "B", {{"HOME", "島9"}, {"STRUCT1", "09"}}));
    fixture.write();
    ProgramHarness program(fixture);
    TMainForm1& m = program.start("L", "A", QTime(12, 0, 0));
    program.moveTo("L", "B");
    EXPECT_FALSE(m.Home01.visible());
    EXPECT_FALSE(m.Home02.visible());
    EXPECT_FALSE(m.Rail02.visible());  // as 単1 left it
    EXPECT_TRUE(m.Rail01.visible());
    EXPECT_EQ(m.timetableGroup(1).caption(), "時刻表(番線)");
    EXPECT_EQ(m.timetableGroup(2).caption(), "-");
}

TEST(Layout, SegmentCodesTwoAndThreeKeepWhatThePictureHeld)
{
    StationFixture fixture;
    fixture.addStation(stationRow("L", "A", {{"HOME", "単1"}, {"STRUCT1", "0444"}}));
    fixture.addStation(stationRow("L", "B", {{"HOME", "単1"}, {"STRUCT1", "2239"}}));
    fixture.write();
    ProgramHarness program(fixture);
    TMainForm1& m = program.start("L", "B", QTime(12, 0, 0));
    // First station since start: the kept segments are white.
    EXPECT_EQ(m.Home01.picture().pixel(75, 30), qRgb(255, 255, 255));
    program.moveTo("L", "A");
    program.moveTo("L", "B");
    const QImage& picture = m.Home01.picture();
    const QImage& stairs = m.ImageList0[4];
    ASSERT_FALSE(stairs.isNull());
    EXPECT_EQ(picture.copy(0, 0, 150, 69), m.ImageList0[0]);   // drawn by A, kept by B's "2"
    EXPECT_EQ(picture.copy(150, 0, 150, 69), stairs);          // kept by B's "2"
    EXPECT_EQ(picture.copy(300, 0, 150, 69), stairs);          // kept by B's "3"
    EXPECT_EQ(picture.copy(450, 0, 150, 69), m.ImageList0[9]);
    EXPECT_EQ(m.Home01.width(), 600);
}

TEST(Layout, DigitOneChoosesAmongThePlainSegments)
{
    StationFixture fixture;
    fixture.addStation(stationRow("L", "A", {{"HOME", "単1"}, {"STRUCT1", "0111111111111111111111119"}}));
    fixture.write();
    ProgramHarness program(fixture);
    TMainForm1& m = program.start("L", "A", QTime(12, 0, 0));
    ASSERT_FALSE(m.ImageList0[1].isNull());
    QSet<int> seen;
    for (int i = 1; i < 24; ++i) {
        const QImage segment = m.Home01.picture().copy(150 * i, 0, 150, 69);
        int match = -1;
        for (int picture : {1, 2, 3, 10}) {
            if (segment == m.ImageList0[picture])
                match = picture;
        }
        EXPECT_NE(match, -1) << "segment " << i;
        seen.insert(match);
    }
    EXPECT_GE(seen.size(), 2);
}
