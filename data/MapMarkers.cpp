// The route map's markers, kept as data beside the directory. Levels order
// the 26 overlapping pairs; no other markers overlap.
#include "data/MapMarkers.h"

#include "data/StationDirectory.h"

#include <algorithm>

namespace {

constexpr MapMarker kMarkers[] = {
    // SN_G
    {"SN_G01", 357, 592, nullptr, 0},
    {"SN_G02", 394, 572, nullptr, 1},
    {"SN_G03", 410, 550, nullptr, 0},
    {"SN_G04", 436, 536, nullptr, 1},
    {"SN_G05", 484, 515, nullptr, 0},
    {"SN_G06", 508, 537, nullptr, 2},
    {"SN_G07", 528, 541, nullptr, 0},
    {"SN_G08", 559, 551, nullptr, 0},
    {"SN_G09", 581, 540, nullptr, 0},
    {"SN_G10", 602, 512, nullptr, 0},
    {"SN_G11", 610, 491, nullptr, 0},
    {"SN_G12", 612, 479, nullptr, 0},
    {"SN_G13", 601, 450, nullptr, 0},
    {"SN_G14", 601, 406, nullptr, 0},
    {"SN_G15", 605, 386, nullptr, 1},
    {"SN_G16", 614, 360, nullptr, 0},
    {"SN_G17", 634, 360, nullptr, 0},
    {"SN_G18", 660, 367, nullptr, 0},
    {"SN_G19", 692, 367, nullptr, 0},
    // SN_M
    {"SN_M01", 56, 400, nullptr, 0},
    {"SN_M02", 103, 418, nullptr, 0},
    {"SN_M03", 132, 426, nullptr, 0},
    {"SN_M04", 162, 428, nullptr, 0},
    {"SN_M05", 220, 429, nullptr, 0},
    {"SN_M06", 280, 429, nullptr, 0},
    {"SN_M07", 337, 446, nullptr, 0},
    {"SN_M08", 346, 449, nullptr, 1},
    {"SN_M09", 366, 458, nullptr, 0},
    {"SN_M10", 391, 467, nullptr, 0},
    {"SN_M11", 424, 469, nullptr, 0},
    {"SN_M12", 455, 483, nullptr, 0},
    {"SN_M14", 510, 524, nullptr, 0},
    {"SN_M15", 532, 522, nullptr, 0},
    {"SN_M16", 570, 532, nullptr, 0},
    {"SN_M17", 582, 489, nullptr, 0},
    {"SN_M18", 583, 471, nullptr, 0},
    {"SN_M19", 589, 439, nullptr, 0},
    {"SN_M20", 573, 405, nullptr, 0},
    {"SN_M21", 557, 383, nullptr, 0},
    {"SN_M22", 534, 376, nullptr, 0},
    {"SN_M23", 477, 340, nullptr, 0},
    {"SN_M24", 446, 295, nullptr, 0},
    {"SN_M25", 385, 275, nullptr, 0},
    {"SN_MM03", 182, 493, "方南町 - Honancho", 0},
    {"SN_MM04", 219, 467, "中野富士見町 - Nakano-fujimicho", 0},
    {"SN_MM05", 247, 455, "中野新橋 - Nakano-shimbashi", 0},
    // SN_H
    {"SN_H01", 345, 658, nullptr, 0},
    {"SN_H02", 378, 647, nullptr, 0},
    {"SN_H03", 430, 626, nullptr, 0},
    {"SN_H04", 466, 582, nullptr, 0},
    {"SN_H05", 502, 586, nullptr, 0},
    {"SN_H07", 558, 525, nullptr, 0},
    {"SN_H09", 587, 545, nullptr, 1},
    {"SN_H10", 607, 555, nullptr, 0},
    {"SN_H11", 625, 525, nullptr, 0},
    {"SN_H12", 633, 505, nullptr, 0},
    {"SN_H13", 641, 471, nullptr, 0},
    {"SN_H14", 629, 459, nullptr, 0},
    {"SN_H15", 619, 417, nullptr, 0},
    {"SN_H16", 621, 399, nullptr, 0},
    {"SN_H18", 650, 314, nullptr, 0},
    {"SN_H19", 665, 289, nullptr, 0},
    {"SN_H20", 699, 271, nullptr, 0},
    {"SN_H21", 726, 201, nullptr, 0},
    // SN_T
    {"SN_T01", 226, 386, nullptr, 0},
    {"SN_T02", 300, 368, nullptr, 0},
    {"SN_T03", 365, 358, nullptr, 0},
    {"SN_T04", 419, 388, nullptr, 0},
    {"SN_T05", 459, 398, nullptr, 0},
    {"SN_T06", 512, 410, nullptr, 0},
    {"SN_T07", 533, 433, nullptr, 0},
    {"SN_T08", 554, 457, nullptr, 0},
    {"SN_T09", 575, 474, nullptr, 1},
    {"SN_T10", 618, 494, nullptr, 1},
    {"SN_T12", 684, 533, nullptr, 0},
    {"SN_T13", 744, 544, nullptr, 0},
    {"SN_T14", 802, 544, nullptr, 0},
    {"SN_T15", 837, 554, nullptr, 0},
    {"SN_T16", 920, 564, nullptr, 0},
    {"SN_T17", 965, 568, nullptr, 0},
    {"SN_T18", 1025, 564, nullptr, 0},
    {"SN_T19", 1067, 535, nullptr, 0},
    {"SN_T20", 1115, 489, nullptr, 0},
    {"SN_T21", 1158, 443, nullptr, 0},
    {"SN_T22", 1222, 391, nullptr, 0},
    {"SN_T23", 1302, 383, nullptr, 0},
    // SN_C
    {"SN_C01", 278, 547, nullptr, 0},
    {"SN_C02", 307, 545, nullptr, 0},
    {"SN_C03", 367, 553, nullptr, 0},
    {"SN_C05", 452, 554, nullptr, 0},
    {"SN_C06", 482, 537, nullptr, 0},
    {"SN_C07", 509, 531, nullptr, 1},
    {"SN_C09", 561, 518, nullptr, 1},
    {"SN_C10", 571, 493, nullptr, 0},
    {"SN_C11", 576, 467, nullptr, 2},
    {"SN_C12", 578, 429, nullptr, 0},
    {"SN_C13", 597, 392, nullptr, 0},
    {"SN_C14", 583, 335, nullptr, 0},
    {"SN_C15", 574, 308, nullptr, 0},
    {"SN_C16", 589, 287, nullptr, 0},
    {"SN_C17", 641, 211, nullptr, 0},
    {"SN_C18", 714, 198, nullptr, 0},
    {"SN_C19", 796, 128, nullptr, 0},
    {"SN_C20", 814, 79, "北綾瀬 - Kita-ayase", 0},
    // SN_Z
    {"SN_Z02", 390, 568, nullptr, 0},
    {"SN_Z03", 432, 532, nullptr, 0},
    {"SN_Z04", 488, 508, nullptr, 1},
    {"SN_Z05", 495, 467, nullptr, 0},
    {"SN_Z07", 551, 431, nullptr, 0},
    {"SN_Z10", 651, 492, nullptr, 0},
    {"SN_Z11", 700, 487, nullptr, 0},
    {"SN_Z12", 769, 461, nullptr, 0},
    {"SN_Z13", 768, 420, nullptr, 0},
    {"SN_Z14", 751, 362, nullptr, 0},
    // SN_Y
    {"SN_Y01", 22, 28, nullptr, 0},
    {"SN_Y02", 83, 71, nullptr, 0},
    {"SN_Y03", 129, 104, nullptr, 0},
    {"SN_Y04", 171, 160, nullptr, 0},
    {"SN_Y05", 213, 184, nullptr, 0},
    {"SN_Y06", 248, 210, nullptr, 0},
    {"SN_Y07", 278, 228, nullptr, 0},
    {"SN_Y08", 329, 257, nullptr, 0},
    {"SN_Y10", 427, 305, nullptr, 0},
    {"SN_Y11", 449, 335, nullptr, 0},
    {"SN_Y12", 466, 369, nullptr, 0},
    {"SN_Y13", 505, 402, nullptr, 1},
    {"SN_Y15", 479, 477, nullptr, 0},
    {"SN_Y16", 498, 505, nullptr, 0},
    {"SN_Y17", 530, 513, nullptr, 1},
    {"SN_Y18", 577, 520, nullptr, 0},
    {"SN_Y19", 587, 524, nullptr, 0},
    {"SN_Y20", 616, 536, nullptr, 0},
    {"SN_Y21", 659, 572, nullptr, 0},
    {"SN_Y22", 687, 604, nullptr, 0},
    {"SN_Y23", 766, 654, nullptr, 0},
    {"SN_Y24", 792, 656, nullptr, 0},
    // SN_N
    {"SN_N01", 410, 703, nullptr, 0},
    {"SN_N02", 448, 683, nullptr, 0},
    {"SN_N03", 478, 659, nullptr, 0},
    {"SN_N04", 481, 604, nullptr, 0},
    {"SN_N05", 489, 572, nullptr, 0},
    {"SN_N06", 500, 532, nullptr, 3},
    {"SN_N09", 470, 450, nullptr, 0},
    {"SN_N10", 500, 404, nullptr, 2},
    {"SN_N11", 529, 376, nullptr, 2},
    {"SN_N12", 553, 331, nullptr, 0},
    {"SN_N13", 539, 302, nullptr, 0},
    {"SN_N14", 513, 252, nullptr, 0},
    {"SN_N15", 504, 217, nullptr, 0},
    {"SN_N16", 484, 190, nullptr, 0},
    {"SN_N17", 476, 146, nullptr, 0},
    {"SN_N18", 454, 69, nullptr, 0},
    {"SN_N19", 418, 43, nullptr, 0},
    // SN_A
    {"SN_A01", 371, 916, nullptr, 0},
    {"SN_A02", 396, 866, nullptr, 0},
    {"SN_A03", 401, 830, nullptr, 0},
    {"SN_A04", 412, 789, nullptr, 0},
    {"SN_A05", 437, 731, nullptr, 0},
    {"SN_A06", 458, 713, nullptr, 0},
    {"SN_A07", 493, 675, nullptr, 0},
    {"SN_A08", 523, 644, nullptr, 0},
    {"SN_A09", 543, 598, nullptr, 0},
    {"SN_A12", 607, 516, nullptr, 1},
    {"SN_A15", 652, 442, nullptr, 0},
    {"SN_A16", 659, 419, nullptr, 0},
    {"SN_A17", 681, 387, nullptr, 0},
    {"SN_A19", 727, 369, nullptr, 0},
    // SN_I
    {"SN_I05", 529, 610, nullptr, 0},
    {"SN_I06", 532, 583, nullptr, 0},
    {"SN_I07", 549, 543, nullptr, 0},
    {"SN_I11", 543, 403, nullptr, 0},
    {"SN_I12", 536, 375, nullptr, 1},
    {"SN_I13", 532, 319, nullptr, 0},
    {"SN_I14", 508, 292, nullptr, 0},
    {"SN_I15", 478, 258, nullptr, 0},
    {"SN_I16", 449, 225, nullptr, 0},
    {"SN_I17", 410, 196, nullptr, 0},
    {"SN_I18", 379, 189, nullptr, 0},
    {"SN_I19", 364, 160, nullptr, 0},
    {"SN_I20", 354, 121, nullptr, 0},
    {"SN_I21", 325, 83, nullptr, 0},
    {"SN_I22", 288, 75, nullptr, 0},
    {"SN_I23", 265, 50, nullptr, 0},
    {"SN_I24", 248, 34, nullptr, 0},
    {"SN_I25", 212, 27, nullptr, 0},
    {"SN_I26", 181, 22, nullptr, 0},
    {"SN_I27", 148, 6, nullptr, 0},
    // SN_S
    {"SN_S01", 348, 463, "新宿 - Shinjuku", 0},
    {"SN_S03", 432, 449, nullptr, 0},
    {"SN_S07", 577, 437, nullptr, 1},
    {"SN_S08", 609, 434, nullptr, 0},
    {"SN_S09", 643, 447, nullptr, 1},
    {"SN_S10", 655, 459, nullptr, 0},
    {"SN_S11", 700, 465, nullptr, 0},
    {"SN_S12", 737, 463, nullptr, 0},
    {"SN_S14", 804, 459, nullptr, 0},
    {"SN_S15", 839, 457, nullptr, 0},
    {"SN_S16", 887, 456, nullptr, 0},
    {"SN_S17", 944, 479, nullptr, 0},
    {"SN_S18", 1018, 466, nullptr, 0},
    {"SN_S19", 1061, 432, nullptr, 0},
    {"SN_S20", 1080, 386, nullptr, 0},
    {"SN_S21", 1169, 300, nullptr, 0},
    // SN_E
    {"SN_E01", 338, 431, nullptr, 0},
    {"SN_E02", 357, 415, nullptr, 0},
    {"SN_E03", 404, 415, nullptr, 0},
    {"SN_E04", 444, 413, nullptr, 0},
    {"SN_E05", 474, 404, nullptr, 0},
    {"SN_E06", 511, 392, nullptr, 0},
    {"SN_E09", 606, 379, nullptr, 0},
    {"SN_E10", 643, 380, nullptr, 0},
    {"SN_E12", 698, 419, nullptr, 0},
    {"SN_E17", 631, 597, nullptr, 0},
    {"SN_E18", 591, 585, nullptr, 0},
    {"SN_E19", 570, 581, nullptr, 0},
    {"SN_E21", 504, 610, nullptr, 0},
    {"SN_E25", 395, 499, nullptr, 0},
    {"SN_E26", 351, 492, nullptr, 0},
    {"SN_E28", 334, 455, "都庁前 - Tochomae", 1},
    {"SN_E29", 292, 455, nullptr, 0},
    {"SN_E31", 288, 388, nullptr, 0},
    {"SN_E32", 298, 352, nullptr, 0},
    {"SN_E33", 290, 313, nullptr, 0},
    {"SN_E34", 241, 270, nullptr, 0},
    {"SN_E35", 172, 251, nullptr, 0},
    {"SN_E36", 164, 218, nullptr, 0},
    {"SN_E37", 135, 190, nullptr, 0},
    {"SN_E38", 80, 154, nullptr, 0},
};

} // namespace

std::span<const MapMarker> mapMarkers()
{
    return kMarkers;
}

std::span<const MapMarker* const> mapMarkersBottomToTop()
{
    // Stable, so markers of one level keep the table's order.
    static const std::vector<const MapMarker*> order = [] {
        std::vector<const MapMarker*> all;
        for (const MapMarker& m : kMarkers)
            all.push_back(&m);
        std::stable_sort(all.begin(), all.end(),
                         [](const MapMarker* a, const MapMarker* b) { return a->level < b->level; });
        return all;
    }();
    return order;
}

const MapMarker* findMapMarker(std::string_view name)
{
    for (const MapMarker& m : kMarkers)
        if (name == m.name)
            return &m;
    return nullptr;
}

const char* mapMarkerHint(const MapMarker& marker)
{
    if (marker.hint)
        return marker.hint;
    const DirectoryEntry* entry = findDirectoryEntry(marker.name);
    return entry ? entry->caption : "";
}

const MapMarker* mapMarkerAt(int x, int y)
{
    const auto order = mapMarkersBottomToTop();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if ((*it)->contains(x, y))
            return *it;
    return nullptr;
}
