#include "scene/FloorBand.h"

#include "forms/SceneConstants.h"

#include <array>

namespace {

constexpr std::array<FloorBand, 10> kBands = {{
    {3, "3F (+12m)", kBlue},
    {2, "2F (+6m)", kBlue},
    {1, "1F (0m)", kBlue},
    {-1, "B1F (-7m)", 4605510},
    {-2, "B2F (-12m)", 3947580},
    {-3, "B3F (-17m)", 3289650},
    {-4, "B4F (-22m)", 2631720},
    {-5, "B5F (-27m)", 1973790},
    {-6, "B6F (-32m)", 1315860},
    {-7, "B7F (-40m)", 657930},
}};

}  // namespace

const FloorBand* findFloorBand(int floor)
{
    for (const FloorBand& band : kBands) {
        if (band.floor == floor)
            return &band;
    }
    return nullptr;
}
