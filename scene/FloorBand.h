#pragma once
// The floor band of the scene's backdrop: the platform level as a caption,
// and the deeper the floor, the darker the top of the backdrop.

#include <QString>

struct FloorBand {
    int floor;
    const char* caption;
    int topColor;
};

// The band of a FLOOR value, or nullptr for a value that has none.
const FloorBand* findFloorBand(int floor);
