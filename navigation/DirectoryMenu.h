#pragma once
// The station directory menu (PopupMenu1) as a tree of items, so that the ui
// draws it and the probe could report it from the same structure.

#include "data/StationDirectory.h"

#include <QString>
#include <vector>

struct DirectoryMenuItem {
    enum class Kind { Pick, Separator, SubMenu };
    Kind kind = Kind::Pick;
    QString caption;
    const DirectoryEntry* entry = nullptr;   // the station a pick moves to; nullptr: no move
    std::vector<DirectoryMenuItem> items;    // a sub-menu's items
};

// The route map item, a separator, then one sub-menu per line group (a
// separator before "SN_A"), each with its stations and separators.
const std::vector<DirectoryMenuItem>& directoryMenu();
