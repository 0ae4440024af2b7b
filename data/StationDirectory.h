#pragma once

#include <span>
#include <string_view>

// One pick of the station directory. `line` and `station` are the ROSEN_J and
// EKI_J keys of a station row (UTF-8, byte for byte as stored, leading
// ideographic spaces included). A separator inside a group has the caption "-"
// and empty keys.
struct DirectoryEntry {
    const char* name;    // menu item and map marker name, e.g. "SN_G01"
    const char* caption; // e.g. "渋谷 - Shibuya", "(分岐線)方南町 - Honancho"
    const char* line;    // e.g. "銀座線"
    const char* station; // e.g. "渋谷", "　都庁前"
};

// One line group of the directory, a sub-menu.
struct DirectoryGroup {
    const char* name;    // e.g. "SN_G"
    const char* caption; // e.g. "Quorel 銀座線 - Ginza Line"
    std::span<const DirectoryEntry> items; // entries and separators in menu order
};

// The thirteen line groups in menu order; the menu's separator "SN_02" stands
// between "SN_B" and "SN_A".
std::span<const DirectoryGroup> stationDirectory();

// True for a separator item inside a group.
bool isSeparator(const DirectoryEntry& entry);

// All 288 station entries in menu order, separators left out.
std::span<const DirectoryEntry* const> directoryEntries();

// The entry with the item name (e.g. "SN_EE28"), or nullptr.
const DirectoryEntry* findDirectoryEntry(std::string_view itemName);

// The group with the name (e.g. "SN_Y"), or nullptr.
const DirectoryGroup* findDirectoryGroup(std::string_view groupName);
