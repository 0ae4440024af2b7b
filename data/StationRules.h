#pragma once
// The stations whose scene the station row cannot describe on its own: lines
// sharing a station, branch junctions, through service onto other railways,
// four-track stations. Each rule names stations and lines and what it
// overrides; the station move applies every rule whose condition holds, in
// table order.

#include <QString>
#include <vector>

struct SpecialRule {
    // Items whose visibility a rule sets.
    enum class Item { Rail03, Info03, Info05, Info06, Info07 };

    struct TrainQuery {
        int slot;
        const char* line;  // ROSEN_J, or "both" for the 南北線 and 三田線 trains together
    };
    struct RailColor {
        int slot;
        int color;
    };
    struct Neighbour {
        const char* japanese = nullptr;  // caption with its arrow
        const char* latin = nullptr;
    };
    struct Panel {
        int slot;
        const char* lineNames;    // nullptr keeps the item
        const char* direction;
        const char* trackNumber;
        int ring;                 // -1 keeps the ring
    };
    struct Visibility {
        Item item;
        bool shown;
    };
    struct Direction {
        int slot;
        bool leftToRight;
    };

    int number;
    std::vector<const char*> stations;  // empty: any station
    std::vector<const char*> lines;
    std::vector<TrainQuery> trainQueries;
    std::vector<RailColor> rails;
    const char* plate;  // caption of the station name, nullptr keeps it
    Neighbour left;
    Neighbour right;
    std::vector<Panel> panels;
    std::vector<Visibility> visibility;
    std::vector<Direction> directions;

    // Byte-for-byte comparison, leading ideographic spaces included.
    bool applies(const QString& station, const QString& line) const;
};

const std::vector<SpecialRule>& specialRules();

// Colours of the conventions the rules follow.
inline constexpr int kOtherRailwayRing = 16777215;  // white ring: a line of another railway
inline constexpr int kOtherRailwayRail = 0;         // black rail: a track of another railway
inline constexpr int kOtherRailwayNeighbour = 12632256;  // silver: a station of another railway
