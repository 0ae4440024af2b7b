#pragma once
// The platform layout codes of the station table: which platforms, tracks,
// line panels and boards a station shows and which way its trains run.

#include <QString>
#include <array>

struct PlatformLayout {
    enum Direction : signed char { Keep = -1, RightToLeft = 0, LeftToRight = 1 };

    const char* code;
    bool farPlatform;                  // Home02 shown
    std::array<bool, 4> tracks;        // rails and trains of slots 1..4 shown
    std::array<Direction, 4> directions;
    std::array<bool, 4> panels;        // line panels and departure boards shown
    int firstTrackPanel;               // slot whose panel gets HOMEN1/NORIBA1, 0 for none
    int secondTrackPanel;              // slot whose panel gets HOMEN2/NORIBA2, 0 for none
};

// The layout of a code, or nullptr for a code that is none of them.
const PlatformLayout* findPlatformLayout(const QString& code);
const std::array<PlatformLayout, 9>& platformLayouts();
