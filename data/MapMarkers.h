#pragma once
// The markers of the route map: invisible 10 x 10 areas over the map picture,
// one per marked station, each picking the directory entry with its name.

#include <span>
#include <string_view>
#include <vector>

// The map picture's size in pixels.
constexpr int kMapPictureWidth = 1330;
constexpr int kMapPictureHeight = 940;

// A marker is a square of this side; its centre, and the station circle on
// the picture, lies half a side right and down from its top-left corner.
constexpr int kMapMarkerSize = 10;

struct MapMarker {
    const char* name; // the directory entry it picks, e.g. "SN_G01"
    int left;         // top-left corner in picture coordinates
    int top;
    const char* hint; // its own hint (UTF-8), or nullptr for the entry's caption
    int level;        // where markers overlap, the higher level lies above

    int centreX() const { return left + kMapMarkerSize / 2; }
    int centreY() const { return top + kMapMarkerSize / 2; }
    bool contains(int x, int y) const
    {
        return x >= left && x < left + kMapMarkerSize && y >= top && y < top + kMapMarkerSize;
    }
};

// The 228 markers, grouped by line group in directory order, by item number
// within a group.
std::span<const MapMarker> mapMarkers();

// The markers from the lowest to the uppermost: the order in which a window
// creates them so that each one lies above those before it.
std::span<const MapMarker* const> mapMarkersBottomToTop();

// The marker with the item name, or nullptr.
const MapMarker* findMapMarker(std::string_view name);

// The hint shown over a marker: its own, or its directory entry's caption.
const char* mapMarkerHint(const MapMarker& marker);

// The marker that receives a mouse press at a picture point: the uppermost of
// those containing it, or nullptr.
const MapMarker* mapMarkerAt(int x, int y);
