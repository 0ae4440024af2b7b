#include "data/PlatformLayouts.h"

namespace {

constexpr bool X = true;
constexpr bool o = false;
constexpr auto K = PlatformLayout::Keep;
constexpr auto L = PlatformLayout::RightToLeft;  // false: towards the previous station
constexpr auto R = PlatformLayout::LeftToRight;  // true: towards the next station

// code, far platform, tracks 1-4, directions 1-4, panels 1-4, first and second track panel
constexpr std::array<PlatformLayout, 9> kLayouts = {{
    {"両", X, {o, X, X, o}, {K, L, R, K}, {o, X, X, o}, 2, 3},
    {"島1", o, {X, X, o, o}, {L, R, K, K}, {X, X, o, o}, 1, 2},
    {"島2", X, {X, X, X, X}, {L, L, R, R}, {X, X, X, X}, 0, 0},
    {"島3", X, {X, o, X, X}, {L, L, L, R}, {X, o, X, X}, 0, 0},
    {"島4", X, {X, X, o, X}, {L, L, L, R}, {X, X, o, X}, 0, 0},
    {"片1", X, {X, o, X, o}, {L, K, R, K}, {X, o, X, o}, 1, 3},
    {"片2", X, {o, X, o, X}, {K, L, K, R}, {o, X, o, X}, 2, 4},
    {"片3", X, {X, o, o, X}, {L, K, K, R}, {X, o, o, X}, 1, 4},
    {"単1", o, {X, o, o, o}, {L, K, K, K}, {X, o, o, o}, 1, 0},
}};

}  // namespace

const std::array<PlatformLayout, 9>& platformLayouts()
{
    return kLayouts;
}

const PlatformLayout* findPlatformLayout(const QString& code)
{
    for (const PlatformLayout& layout : kLayouts) {
        if (code == QString::fromUtf8(layout.code))
            return &layout;
    }
    return nullptr;
}
