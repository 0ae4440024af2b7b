// The directory menu's structure, as the ui draws it.

#include "navigation/DirectoryMenu.h"

#include <gtest/gtest.h>

using Kind = DirectoryMenuItem::Kind;

TEST(DirectoryMenu, RouteMapThenTheLineGroupsWithASeparatorBeforeTheOtherRailways)
{
    const std::vector<DirectoryMenuItem>& menu = directoryMenu();
    ASSERT_GE(menu.size(), 3u);
    EXPECT_EQ(menu[0].kind, Kind::Pick);
    EXPECT_EQ(menu[0].caption, QStringLiteral("[路線図] から選択する"));
    EXPECT_EQ(menu[0].entry, nullptr);
    EXPECT_EQ(menu[1].kind, Kind::Separator);

    const auto groups = stationDirectory();
    size_t group = 0;
    for (size_t i = 2; i < menu.size(); ++i) {
        if (menu[i].kind == Kind::Separator) {
            ASSERT_LT(group, groups.size());
            EXPECT_STREQ(groups[group].name, "SN_A") << "the only separator stands before SN_A";
            continue;
        }
        ASSERT_EQ(menu[i].kind, Kind::SubMenu);
        ASSERT_LT(group, groups.size());
        EXPECT_EQ(menu[i].caption, QString::fromUtf8(groups[group].caption));
        ++group;
    }
    EXPECT_EQ(group, groups.size());
}

TEST(DirectoryMenu, EveryStationIsOnePickInMenuOrder)
{
    std::vector<const DirectoryEntry*> picks;
    for (const DirectoryMenuItem& item : directoryMenu()) {
        for (const DirectoryMenuItem& child : item.items) {
            EXPECT_NE(child.kind, Kind::SubMenu);
            if (child.kind == Kind::Pick) {
                ASSERT_NE(child.entry, nullptr);
                EXPECT_EQ(child.caption, QString::fromUtf8(child.entry->caption));
                picks.push_back(child.entry);
            }
        }
    }
    const auto entries = directoryEntries();
    ASSERT_EQ(picks.size(), entries.size());
    for (size_t i = 0; i < picks.size(); ++i)
        EXPECT_EQ(picks[i], entries[i]) << i;
}
