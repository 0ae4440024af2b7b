// The station directory table: groups, counts, and the keys that differ from
// the captions.
#include "data/StationDirectory.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct GroupCase {
    const char* name;
    const char* caption;
    int entries;
    const char* firstItem;
    const char* lastItem;
};

TEST(StationDirectory, GroupsInMenuOrder)
{
    const GroupCase cases[] = {
        {"SN_G", "Quorel 銀座線 - Ginza Line", 19, "SN_G01", "SN_G19"},
        {"SN_M", "Quorel 丸ノ内線 - Marunouchi Line", 29, "SN_MM03", "SN_M25"},
        {"SN_H", "Quorel 日比谷線 - Hibiya Line", 21, "SN_H01", "SN_H21"},
        {"SN_T", "Quorel 東西線 - Tozai Line", 23, "SN_T01", "SN_T23"},
        {"SN_C", "Quorel 千代田線 - Chiyoda Line", 21, "SN_C01", "SN_C20"},
        {"SN_Z", "Quorel 半蔵門線 - Hanzomon Line", 14, "SN_Z01", "SN_Z14"},
        {"SN_Y", "Quorel 有楽町線 - Yurakucho Line", 26, "SN_YY06", "SN_Y24"},
        {"SN_N", "Quorel 南北線 - Namboku Line", 19, "SN_N01", "SN_N19"},
        {"SN_B", "(工事中)Quorel １３号線 - No.13 Line", 9, "SN_B09", "SN_B01"},
        {"SN_A", "都営 浅草線 - Asakusa Line", 20, "SN_A01", "SN_A20"},
        {"SN_I", "都営 三田線 - Mita Line", 27, "SN_I01", "SN_I27"},
        {"SN_S", "都営 新宿線 - Shinjuku Line", 21, "SN_S01", "SN_S21"},
        {"SN_E", "都営 大江戸線 - Oedo Line", 39, "SN_E38", "SN_EE28"},
    };
    const auto groups = stationDirectory();
    ASSERT_EQ(groups.size(), std::size(cases));
    for (size_t i = 0; i < groups.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_STREQ(groups[i].name, cases[i].name);
        EXPECT_STREQ(groups[i].caption, cases[i].caption);
        std::vector<const DirectoryEntry*> entries;
        for (const DirectoryEntry& e : groups[i].items)
            if (!isSeparator(e))
                entries.push_back(&e);
        ASSERT_EQ(static_cast<int>(entries.size()), cases[i].entries);
        EXPECT_STREQ(entries.front()->name, cases[i].firstItem);
        EXPECT_STREQ(entries.back()->name, cases[i].lastItem);
    }
    EXPECT_EQ(directoryEntries().size(), 288u);
}

TEST(StationDirectory, SeparatorsStandBetweenMainLineAndBranch)
{
    struct Case {
        const char* group;
        const char* separator;
        const char* before;
        const char* after;
    } cases[] = {
        {"SN_M", "SN_M00", "SN_MM06", "SN_M01"},
        {"SN_C", "SN_C00", "SN_C19", "SN_CC19"},
        {"SN_Y", "SN_Y00", "SN_YY09", "SN_Y01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        const DirectoryGroup* g = findDirectoryGroup(c.group);
        ASSERT_NE(g, nullptr);
        int separators = 0;
        for (size_t i = 0; i < g->items.size(); ++i) {
            if (!isSeparator(g->items[i]))
                continue;
            ++separators;
            EXPECT_STREQ(g->items[i].name, c.separator);
            EXPECT_STREQ(g->items[i].line, "");
            ASSERT_GT(i, 0u);
            ASSERT_LT(i + 1, g->items.size());
            EXPECT_STREQ(g->items[i - 1].name, c.before);
            EXPECT_STREQ(g->items[i + 1].name, c.after);
        }
        EXPECT_EQ(separators, 1);
    }
}

TEST(StationDirectory, KeysOfTellingEntries)
{
    struct Case {
        const char* item;
        const char* caption;
        const char* line;
        const char* station;
    } cases[] = {
        {"SN_G01", "渋谷 - Shibuya", "銀座線", "渋谷"},
        {"SN_MM03", "(分岐線)方南町 - Honancho", "丸ノ内分岐線", "方南町"},
        {"SN_MM06", "(分岐線)中野坂上 - Nakano-sakaue", "丸ノ内分岐線", "中野坂上"},
        {"SN_M06", "中野坂上 - Nakano-sakaue", "丸ノ内線", "中野坂上"},
        {"SN_CC19", "(分岐線)綾瀬 - Ayase", "千代田分岐線", "綾瀬"},
        {"SN_C20", "(分岐線)北綾瀬 - Kita-ayase", "千代田分岐線", "北綾瀬"},
        {"SN_YY06", "(新線)小竹向原 - Kotake-mukaihara", "有楽町新線", "小竹向原"},
        {"SN_YY09", "(新線)新線池袋 - Ikebukuro", "有楽町新線", "新線池袋"},
        {"SN_B09", "小竹向原 - Kotake-mukaihara", "１３号線", "\u3000小竹向原"},
        {"SN_B01", "渋谷 - Shibuya", "１３号線", "\u3000渋谷"},
        {"SN_S01", "新線新宿 - Shinjuku", "新宿線", "新線新宿"},
        {"SN_E28", "(経由)都庁前 - Tochomae", "大江戸線", "都庁前"},
        {"SN_EE28", "(終着)都庁前 - Tochomae", "大江戸線", "\u3000都庁前"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const DirectoryEntry* e = findDirectoryEntry(c.item);
        ASSERT_NE(e, nullptr);
        EXPECT_STREQ(e->caption, c.caption);
        EXPECT_STREQ(e->line, c.line);
        EXPECT_STREQ(e->station, c.station);
    }
    EXPECT_EQ(findDirectoryEntry("SN_M00"), nullptr) << "separators are no picks";
    EXPECT_EQ(findDirectoryEntry("SN_X01"), nullptr);
}

TEST(StationDirectory, ItemNamesAndKeysAreUnique)
{
    std::set<std::string> names;
    std::set<std::pair<std::string, std::string>> keys;
    std::set<std::string> lines;
    for (const DirectoryEntry* e : directoryEntries()) {
        EXPECT_TRUE(names.insert(e->name).second) << e->name;
        EXPECT_TRUE(keys.insert({e->line, e->station}).second) << e->name;
        lines.insert(e->line);
        // Every key but the ideographic-space ones is the caption's name without its prefix.
        std::string caption = e->caption;
        caption = caption.substr(0, caption.find(" - "));
        if (caption.front() == '(')
            caption = caption.substr(caption.find(')') + 1);
        std::string station = e->station;
        const std::string space = "\u3000";
        if (station.starts_with(space))
            station = station.substr(space.size());
        EXPECT_EQ(caption, station) << e->name;
    }
    EXPECT_EQ(lines.size(), 16u);
    // 大手町 is listed under five groups, each with its own line.
    int otemachi = 0;
    for (const DirectoryEntry* e : directoryEntries())
        otemachi += std::string(e->station) == "大手町";
    EXPECT_EQ(otemachi, 5);
}

} // namespace
