// The route map's markers: what each picks, its hint, and which one of two
// overlapping markers receives a press.
#include "data/MapMarkers.h"
#include "data/StationDirectory.h"
#include "network/NetworkDb.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

std::string groupOf(const char* name)
{
    // "SN_MM03" and "SN_M01" both belong to SN_M.
    return std::string(name, 4);
}

TEST(MapMarkers, CountsPerGroupAndAllInsideThePicture)
{
    const std::map<std::string, int> expected = {
        {"SN_G", 19}, {"SN_M", 27}, {"SN_H", 18}, {"SN_T", 22}, {"SN_C", 18}, {"SN_Z", 10},
        {"SN_Y", 22}, {"SN_N", 17}, {"SN_A", 14}, {"SN_I", 20}, {"SN_S", 16}, {"SN_E", 25}};
    std::map<std::string, int> counted;
    std::set<std::string> names;
    for (const MapMarker& m : mapMarkers()) {
        SCOPED_TRACE(m.name);
        ++counted[groupOf(m.name)];
        EXPECT_TRUE(names.insert(m.name).second) << "named twice";
        EXPECT_GE(m.left, 0);
        EXPECT_GE(m.top, 0);
        EXPECT_LE(m.left + kMapMarkerSize, kMapPictureWidth);
        EXPECT_LE(m.top + kMapMarkerSize, kMapPictureHeight);
    }
    EXPECT_EQ(counted, expected);
    EXPECT_EQ(mapMarkers().size(), 228u);
}

TEST(MapMarkers, EveryMarkerPicksAnEntryWithItsStationRow)
{
    for (const MapMarker& m : mapMarkers()) {
        SCOPED_TRACE(m.name);
        const DirectoryEntry* entry = findDirectoryEntry(m.name);
        ASSERT_NE(entry, nullptr);
        const Row row = stationRow(QString::fromUtf8(entry->line), QString::fromUtf8(entry->station));
        EXPECT_FALSE(row.empty()) << entry->line << " " << entry->station;
    }
}

TEST(MapMarkers, SixtyEntriesHaveNoMarker)
{
    const std::set<std::string> unmarked = {
        "SN_MM06", "SN_M13", "SN_H06", "SN_H08", "SN_H17", "SN_T11", "SN_C04", "SN_C08",
        "SN_CC19", "SN_Z01", "SN_Z06", "SN_Z08", "SN_Z09", "SN_YY06", "SN_YY09", "SN_Y09",
        "SN_Y14", "SN_N07", "SN_N08", "SN_B01", "SN_B02", "SN_B03", "SN_B04", "SN_B05",
        "SN_B06", "SN_B07", "SN_B08", "SN_B09", "SN_A10", "SN_A11", "SN_A13", "SN_A14",
        "SN_A18", "SN_A20", "SN_I01", "SN_I02", "SN_I03", "SN_I04", "SN_I08", "SN_I09",
        "SN_I10", "SN_S02", "SN_S04", "SN_S05", "SN_S06", "SN_S13", "SN_E07", "SN_E08",
        "SN_E11", "SN_E13", "SN_E14", "SN_E15", "SN_E16", "SN_E20", "SN_E22", "SN_E23",
        "SN_E24", "SN_E27", "SN_E30", "SN_EE28"};
    ASSERT_EQ(unmarked.size(), 60u);
    for (const DirectoryEntry* entry : directoryEntries())
        EXPECT_EQ(findMapMarker(entry->name) == nullptr, unmarked.count(entry->name) == 1) << entry->name;
}

TEST(MapMarkers, HintsAreCaptionsExceptSixPlainNames)
{
    const std::map<std::string, std::string> own = {
        {"SN_MM03", "方南町 - Honancho"},
        {"SN_MM04", "中野富士見町 - Nakano-fujimicho"},
        {"SN_MM05", "中野新橋 - Nakano-shimbashi"},
        {"SN_C20", "北綾瀬 - Kita-ayase"},
        {"SN_S01", "新宿 - Shinjuku"},
        {"SN_E28", "都庁前 - Tochomae"},
    };
    for (const MapMarker& m : mapMarkers()) {
        SCOPED_TRACE(m.name);
        const auto it = own.find(m.name);
        if (it != own.end())
            EXPECT_EQ(std::string(mapMarkerHint(m)), it->second);
        else
            EXPECT_EQ(std::string(mapMarkerHint(m)), findDirectoryEntry(m.name)->caption);
    }
    // The plain hint of SN_S01 still picks the station keyed "新線新宿".
    EXPECT_STREQ(findDirectoryEntry("SN_S01")->station, "新線新宿");
}

struct Rect {
    int left, top, right, bottom; // right and bottom exclusive
};

Rect areaOf(const MapMarker& m)
{
    return {m.left, m.top, m.left + kMapMarkerSize, m.top + kMapMarkerSize};
}

bool overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Each pair: the lower marker, then the one above it.
const std::pair<const char*, const char*> kStacking[] = {
    {"SN_G05", "SN_Z04"}, {"SN_G09", "SN_H09"}, {"SN_G10", "SN_A12"}, {"SN_G11", "SN_T10"},
    {"SN_M07", "SN_M08"}, {"SN_M07", "SN_E28"}, {"SN_M14", "SN_C07"}, {"SN_M15", "SN_Y17"},
    {"SN_M18", "SN_T09"}, {"SN_M18", "SN_C11"}, {"SN_M22", "SN_I12"}, {"SN_M22", "SN_N11"},
    {"SN_H07", "SN_C09"}, {"SN_T06", "SN_Y13"}, {"SN_T09", "SN_C11"}, {"SN_C07", "SN_G06"},
    {"SN_C07", "SN_N06"}, {"SN_G06", "SN_N06"}, {"SN_C12", "SN_S07"}, {"SN_C13", "SN_G15"},
    {"SN_Y13", "SN_N10"}, {"SN_Z02", "SN_G02"}, {"SN_Z03", "SN_G04"}, {"SN_A15", "SN_S09"},
    {"SN_I12", "SN_N11"}, {"SN_E09", "SN_G15"},
};

TEST(MapMarkers, ThePressInASharedAreaGoesToTheUpperMarker)
{
    for (const auto& [lowerName, upperName] : kStacking) {
        SCOPED_TRACE(std::string(lowerName) + " under " + upperName);
        const MapMarker* lower = findMapMarker(lowerName);
        const MapMarker* upper = findMapMarker(upperName);
        ASSERT_TRUE(lower && upper);
        const Rect a = areaOf(*lower), b = areaOf(*upper);
        ASSERT_TRUE(overlap(a, b));
        // Every point of the shared area, and nothing else answers there
        // unless it lies above the upper one too.
        for (int y = std::max(a.top, b.top); y < std::min(a.bottom, b.bottom); ++y)
            for (int x = std::max(a.left, b.left); x < std::min(a.right, b.right); ++x) {
                const MapMarker* hit = mapMarkerAt(x, y);
                ASSERT_NE(hit, nullptr);
                EXPECT_NE(hit, lower) << x << "," << y;
                EXPECT_GE(hit->level, upper->level);
            }
    }
}

TEST(MapMarkers, TameikeSannoSharedAreaMovesToTheNambokuLine)
{
    const MapMarker* ginza = findMapMarker("SN_G06");
    const MapMarker* namboku = findMapMarker("SN_N06");
    ASSERT_TRUE(ginza && namboku);
    // G06 at 508,537 and N06 at 500,532 share x 508..509, y 537..541.
    for (const auto& [x, y] : {std::pair{508, 537}, std::pair{509, 541}}) {
        const MapMarker* hit = mapMarkerAt(x, y);
        ASSERT_NE(hit, nullptr);
        EXPECT_STREQ(hit->name, "SN_N06");
        EXPECT_STREQ(findDirectoryEntry(hit->name)->line, "南北線");
    }
    // Outside the shared area each keeps its own.
    EXPECT_STREQ(mapMarkerAt(517, 546)->name, "SN_G06");
    EXPECT_STREQ(mapMarkerAt(500, 532)->name, "SN_N06");
}

TEST(MapMarkers, OnlyTheListedPairsOverlap)
{
    std::set<std::pair<std::string, std::string>> listed;
    for (const auto& [a, b] : kStacking) {
        listed.insert({a, b});
        listed.insert({b, a});
    }
    const auto all = mapMarkers();
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            if (overlap(areaOf(all[i]), areaOf(all[j])))
                EXPECT_TRUE(listed.count({all[i].name, all[j].name})) << all[i].name << " " << all[j].name;
}

TEST(MapMarkers, HitTestEdges)
{
    const MapMarker* m = findMapMarker("SN_T23"); // 1302,383, alone at the east end
    ASSERT_NE(m, nullptr);
    const struct {
        int x, y;
        bool hits;
    } cases[] = {
        {1302, 383, true}, {1311, 392, true}, {1301, 383, false},
        {1312, 383, false}, {1302, 393, false}, {1307, 388, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(mapMarkerAt(c.x, c.y), c.hits ? m : nullptr);
    }
    EXPECT_EQ(mapMarkerAt(-1, -1), nullptr);
    EXPECT_EQ(mapMarkerAt(0, 0), nullptr);
}

TEST(MapMarkers, BottomToTopKeepsEveryPairInOrder)
{
    const auto order = mapMarkersBottomToTop();
    ASSERT_EQ(order.size(), mapMarkers().size());
    std::map<std::string, std::size_t> at;
    for (std::size_t i = 0; i < order.size(); ++i)
        at[order[i]->name] = i;
    for (const auto& [lower, upper] : kStacking)
        EXPECT_LT(at.at(lower), at.at(upper)) << lower << " under " << upper;
}

} // namespace
