// Draws the platform segment pictures pixel by pixel, without antialiasing,
// so that no drawn pixel is blended with the magenta of the open air and the
// output is the same on every machine. The light falls from the upper left:
// left faces are lit, right faces and the floor right of a thing are shaded.
#include "tools/platformart/SegmentArt.h"

#include <algorithm>
#include <array>

namespace platformart {

namespace {

constexpr int kLastX = kSegmentWidth - 1;

// Platform floor and face.
const QColor kFarLip(0xD4, 0xD0, 0xC6);
const QColor kFarTactile(0xC2, 0xA0, 0x2E);
const QColor kFloor(0xA8, 0xA5, 0x9D);
const QColor kFloorFleck(0x98, 0x95, 0x8D);
const QColor kTactile(0xE6, 0xB6, 0x1A);
const QColor kTactileBump(0xF6, 0xD6, 0x5C);
const QColor kTactileDip(0xC0, 0x92, 0x10);
const QColor kLip(0xF2, 0xF0, 0xEA);
const QColor kUnderLip(0x8C, 0x88, 0x7A);
const QColor kFace(0xE6, 0xDF, 0xC6);
const QColor kFaceLow(0xD4, 0xCD, 0xB2);
const QColor kFaceJoint(0xC4, 0xBC, 0xA0);
const QColor kRecess(0x33, 0x31, 0x2E);
const QColor kRecessTop(0x26, 0x24, 0x22);
const QColor kRecessPost(0x56, 0x53, 0x4D);

// Pillars.
const QColor kPillar(0xC8, 0xCA, 0xCC);
const QColor kPillarLit(0xE4, 0xE5, 0xE6);
const QColor kPillarHalfLit(0xD6, 0xD8, 0xD9);
const QColor kPillarShade(0xA8, 0xAB, 0xAE);
const QColor kPillarDark(0x8A, 0x8E, 0x92);
const QColor kPillarSeam(0xB6, 0xB9, 0xBC);
const QColor kSteel(0x9E, 0xA3, 0xA8);
const QColor kSteelLit(0xC6, 0xCA, 0xCE);
const QColor kSteelDark(0x78, 0x7D, 0x82);
const QColor kPlate(0xF4, 0xF4, 0xF2);
const QColor kPlateEdge(0x7E, 0x82, 0x86);
const QColor kPlateStripe(0x2C, 0x6E, 0xB5);
const QColor kPlateMark(0x5A, 0x5E, 0x62);

// Railings: end fences, handrails, posts.
const QColor kRail(0xDA, 0xDD, 0xE0);
const QColor kRailUnder(0x8A, 0x8F, 0x94);
const QColor kPost(0x70, 0x76, 0x7C);
const QColor kPostLit(0x9C, 0xA2, 0xA8);
const QColor kBar(0x7C, 0x82, 0x88);
const QColor kSign(0xF0, 0xF0, 0xEE);
const QColor kSignRed(0xCC, 0x26, 0x26);

// Seats.
const QColor kSeat(0x2F, 0x62, 0xB0);
const QColor kSeatLit(0x50, 0x85, 0xD2);
const QColor kSeatShade(0x22, 0x48, 0x86);
const QColor kSeatPan(0x3C, 0x74, 0xC6);
const QColor kSeatPanLow(0x24, 0x50, 0x8E);
const QColor kFrame(0x55, 0x59, 0x5E);
const QColor kLeg(0x6A, 0x6E, 0x73);

// Vending machines.
struct Machine {
    QColor body, lit, shade;
};
const Machine kRedMachine{QColor(0xC4, 0x2A, 0x30), QColor(0xDE, 0x4C, 0x50), QColor(0x8E, 0x1A, 0x20)};
const Machine kWhiteMachine{QColor(0xE4, 0xE6, 0xE8), QColor(0xF6, 0xF6, 0xF6), QColor(0xB0, 0xB4, 0xB8)};
const Machine kBlueMachine{QColor(0x25, 0x56, 0xA8), QColor(0x40, 0x76, 0xCC), QColor(0x18, 0x3B, 0x78)};
const QColor kMachineCap(0x3A, 0x3C, 0x40);
const QColor kWindowFrame(0x1E, 0x20, 0x24);
const QColor kWindowLight(0xFF, 0xF4, 0xCC);
const QColor kShelf(0xA0, 0x96, 0x84);
const QColor kButtonLight(0x48, 0xD0, 0x48);
const QColor kPort(0x10, 0x10, 0x10);
const QColor kPortFlap(0x50, 0x52, 0x56);
const std::array<QColor, 9> kDrinks{
    QColor(0xD0, 0x30, 0x30), QColor(0x2A, 0x60, 0xC0), QColor(0xF0, 0xA0, 0x20),
    QColor(0x30, 0xA0, 0x50), QColor(0x6A, 0x40, 0x98), QColor(0xE8, 0xE8, 0xE8),
    QColor(0x70, 0x34, 0x20), QColor(0x20, 0xA0, 0xC0), QColor(0xC0, 0xC0, 0x20),
};

// Stairs and the ceiling opening above them.
const QColor kStairWall(0xE0, 0xDA, 0xCA);
const QColor kStairWallJoint(0xCA, 0xC3, 0xB0);
const QColor kStringer(0xA4, 0xA0, 0x96);
const QColor kTread(0xF0, 0xEC, 0xE2);
const QColor kNosing(0xD8, 0xA8, 0x1C);
const QColor kRiserLit(0xC8, 0xC4, 0xBA);
const QColor kRiserShade(0x8A, 0x86, 0x7C);
const QColor kBeam(0xB8, 0xBA, 0xBB);
const QColor kBeamLow(0x7C, 0x7F, 0x82);
const QColor kExitSign(0xF0, 0xC0, 0x20);
const QColor kExitMark(0x22, 0x22, 0x22);
const QColor kPosterFrame(0x3A, 0x3C, 0x40);
const QColor kPosterSky(0x7C, 0xB6, 0xE0);
const QColor kPosterLand(0x5A, 0xA0, 0x50);
const QColor kPosterSun(0xF4, 0xE0, 0x60);
const QColor kPosterBand(0xF6, 0xF6, 0xF2);

// Stairwell parapet.
const QColor kCoping(0xBA, 0xBD, 0xC0);
const QColor kCopingLow(0x8E, 0x92, 0x96);
const QColor kTile(0xDA, 0xD5, 0xC6);
const QColor kTileJoint(0xBE, 0xB8, 0xA6);
const QColor kSkirting(0x6E, 0x6A, 0x62);

// The closed box: a kiosk with its shutter down.
const QColor kBoxRoof(0x5E, 0x64, 0x68);
const QColor kBoxRoofLit(0x7C, 0x82, 0x88);
const QColor kBoxRoofLow(0x44, 0x48, 0x4C);
const QColor kBoxBand(0x1F, 0x5E, 0x46);
const QColor kBoxBandStripe(0x44, 0x8E, 0x6C);
const QColor kBoxSide(0xD8, 0xD2, 0xC0);
const QColor kBoxSideShade(0xA6, 0xA0, 0x8C);
const QColor kShutter(0xC4, 0xC6, 0xC2);
const QColor kShutterRib(0xAC, 0xAE, 0xAA);
const QColor kBoxBase(0x4E, 0x4A, 0x44);

QColor scaled(const QColor& c, int percent)
{
    auto f = [percent](int v) { return std::clamp(v * percent / 100, 0, 255); };
    return QColor(f(c.red()), f(c.green()), f(c.blue()));
}

class Canvas {
public:
    Canvas()
        : m_img(kSegmentWidth, kSegmentHeight, QImage::Format_RGB32)
    {
        m_img.fill(kOpen);
    }

    QImage image() const { return m_img; }

    void px(int x, int y, const QColor& c)
    {
        if (x >= 0 && x < kSegmentWidth && y >= 0 && y < kSegmentHeight)
            m_img.setPixel(x, y, c.rgb());
    }

    // Inclusive corners, in any order.
    void fill(int x0, int y0, int x1, int y1, const QColor& c)
    {
        if (x0 > x1)
            std::swap(x0, x1);
        if (y0 > y1)
            std::swap(y0, y1);
        for (int y = std::max(y0, 0); y <= std::min(y1, kSegmentHeight - 1); ++y)
            for (int x = std::max(x0, 0); x <= std::min(x1, kLastX); ++x)
                m_img.setPixel(x, y, c.rgb());
    }

    // Scales the drawn pixels of a rectangle: light and shadow on the floor.
    void tint(int x0, int y0, int x1, int y1, int percent)
    {
        for (int y = std::max(y0, 0); y <= std::min(y1, kSegmentHeight - 1); ++y)
            for (int x = std::max(x0, 0); x <= std::min(x1, kLastX); ++x) {
                const QColor c = QColor::fromRgb(m_img.pixel(x, y));
                if (c != kOpen)
                    m_img.setPixel(x, y, scaled(c, percent).rgb());
            }
    }

private:
    QImage m_img;
};

// The floor seen from the near track, its edge and the side face. Every
// pattern repeats with a period dividing the segment width.
void drawSlab(Canvas& c)
{
    for (int x = 0; x < kSegmentWidth; ++x) {
        c.px(x, kFloorTop, kFarLip);
        c.px(x, kFloorTop + 1, kFarTactile);
        for (int y = kFloorTop + 2; y <= kFoot + 1; ++y)
            c.px(x, y, (x + 3 * y) % 10 == 0 ? kFloorFleck : kFloor);
        c.px(x, kEdgeRow - 2, x % 3 == 1 ? kTactileBump : kTactile);
        c.px(x, kEdgeRow - 1, x % 3 == 1 ? kTactileDip : kTactile);
        c.px(x, kEdgeRow, kLip);
        c.px(x, kEdgeRow + 1, kUnderLip);
        const bool joint = x % 30 == 29;
        for (int y = kEdgeRow + 2; y <= kEdgeRow + 6; ++y)
            c.px(x, y, joint ? kFaceJoint : kFace);
        c.px(x, kEdgeRow + 7, joint ? kFaceJoint : kFaceLow);
        c.px(x, kEdgeRow + 8, kRecessTop);
        for (int y = kEdgeRow + 9; y < kSegmentHeight; ++y)
            c.px(x, y, (x % 30 >= 12 && x % 30 <= 14) ? kRecessPost : kRecess);
    }
}

// Shadow of a thing standing on the floor, cast to its right.
void castShadow(Canvas& c, int x1, int width)
{
    c.tint(x1 + 1, kFloorTop + 1, x1 + width, kFoot + 1, 82);
}

// A pillar from the floor up to the ceiling, x0 its leftmost column.
void drawPillar(Canvas& c, int x0)
{
    const int x1 = x0 + kPillarWidth - 1;
    castShadow(c, x1, 4);
    for (int y = 0; y <= kFoot; ++y) {
        const bool seam = y % 12 == 11;
        c.px(x0, y, kPillarLit);
        c.px(x0 + 1, y, kPillarHalfLit);
        for (int x = x0 + 2; x <= x1 - 2; ++x)
            c.px(x, y, seam ? kPillarSeam : kPillar);
        c.px(x1 - 1, y, kPillarShade);
        c.px(x1, y, kPillarDark);
    }
    // Name plate.
    c.fill(x0 + 1, 16, x1 - 1, 25, kPlateEdge);
    c.fill(x0 + 2, 17, x1 - 2, 24, kPlate);
    c.fill(x0 + 2, 18, x1 - 2, 19, kPlateStripe);
    c.fill(x0 + 3, 21, x1 - 3, 21, kPlateMark);
    c.fill(x0 + 4, 23, x1 - 4, 23, kPlateMark);
    // Steel kick plate at the foot.
    c.fill(x0, kFoot - 5, x1, kFoot, kSteel);
    c.fill(x0, kFoot - 5, x1, kFoot - 5, kSteelLit);
    c.fill(x0, kFoot - 4, x0, kFoot, kSteelLit);
    c.fill(x1, kFoot - 4, x1, kFoot, kSteelDark);
}

// The fence closing the end of the platform, 14 columns wide. The post
// stands at the picture's edge: the left one for a left end.
void drawEndFence(Canvas& c, bool atLeft)
{
    constexpr int width = 14;
    const int x0 = atLeft ? 0 : kSegmentWidth - width;
    const int x1 = x0 + width - 1;
    constexpr int top = 32;
    castShadow(c, x1, 2);
    for (int x = x0 + 2; x <= x1 - 2; ++x)
        if ((x - x0) % 3 == 0)
            c.fill(x, top + 2, x, kFoot, kBar);
    c.fill(x0, top, x1, top, kRail);
    c.fill(x0, top + 1, x1, top + 1, kRailUnder);
    c.fill(x0, 43, x1, 43, kRailUnder);
    c.fill(x0, kFoot - 2, x1, kFoot - 2, kRailUnder);
    for (int post : {x0, x1 - 1}) {
        c.fill(post, top, post + 1, kFoot, kPost);
        c.fill(post, top, post, kFoot, kPostLit);
    }
    // Keep-out sign.
    c.fill(x0 + 2, 35, x1 - 2, 40, kSign);
    c.fill(x0 + 3, 37, x1 - 3, 37, kSignRed);
    c.fill(x0 + 4, 39, x1 - 4, 39, kPlateMark);
}

// A row of moulded seats on one beam, each 7 wide with a gap of one.
void drawSeats(Canvas& c, int x0, int count)
{
    const int x1 = x0 + 8 * count - 2;
    c.tint(x0, kFloorTop + 1, x1, kFoot, 88);
    castShadow(c, x1, 3);
    c.fill(x0, 48, x1, 48, kFrame);
    for (int legX : {x0 + 1, (x0 + x1) / 2, x1 - 2})
        c.fill(legX, 49, legX + 1, kFoot, kLeg);
    c.fill(x0, kFoot, x1, kFoot, kFrame);
    for (int i = 0; i < count; ++i) {
        const int sx = x0 + 8 * i;
        c.fill(sx + 1, 40, sx + 5, 40, kSeatLit);
        c.fill(sx, 41, sx + 6, 45, kSeat);
        c.fill(sx, 41, sx, 45, kSeatLit);
        c.fill(sx + 6, 41, sx + 6, 45, kSeatShade);
        c.fill(sx, 46, sx + 6, 46, kSeatPan);
        c.fill(sx, 47, sx + 6, 47, kSeatPanLow);
    }
}

// A vending machine, 14 wide, its lit window full of drinks.
void drawVendingMachine(Canvas& c, int x0, const Machine& m, int drinkOffset)
{
    const int x1 = x0 + 13;
    constexpr int top = 30;
    c.fill(x0, top, x1, top, kMachineCap);
    c.fill(x0, top + 1, x1, kFoot - 2, m.body);
    c.fill(x0, top + 1, x0, kFoot - 2, m.lit);
    c.fill(x1, top + 1, x1, kFoot - 2, m.shade);
    c.fill(x0, kFoot - 1, x1, kFoot, kMachineCap);
    // Window: three shelves of three drinks with their buttons.
    c.fill(x0 + 2, top + 2, x1 - 2, top + 12, kWindowFrame);
    c.fill(x0 + 3, top + 3, x1 - 3, top + 11, kWindowLight);
    for (int shelf = 0; shelf < 3; ++shelf) {
        const int sy = top + 3 + 3 * shelf;
        for (int k = 0; k < 3; ++k) {
            const QColor& drink = kDrinks[(drinkOffset + 3 * shelf + k) % kDrinks.size()];
            const int dx = x0 + 3 + 3 * k;
            c.fill(dx, sy, dx + 1, sy + 1, drink);
            c.px(dx, sy + 2, kButtonLight);
            c.px(dx + 1, sy + 2, kShelf);
        }
        c.px(x1 - 3, sy + 2, kShelf);
    }
    // Coin and note slots, a lit label, the take-out port.
    c.fill(x0 + 2, top + 14, x0 + 7, top + 15, m.lit);
    c.fill(x1 - 4, top + 14, x1 - 2, top + 16, kWindowFrame);
    c.px(x1 - 3, top + 15, kButtonLight);
    c.fill(x0 + 2, kFoot - 5, x1 - 2, kFoot - 2, kWindowFrame);
    c.fill(x0 + 3, kFoot - 4, x1 - 3, kFoot - 3, kPort);
    c.fill(x0 + 3, kFoot - 4, x1 - 3, kFoot - 4, kPortFlap);
    // The window lights the floor in front.
    c.tint(x0, kFoot + 1, x1, kEdgeRow - 1, 112);
}

void drawVendingPair(Canvas& c, int x0, const Machine& left, const Machine& right)
{
    castShadow(c, x0 + 28, 3);
    drawVendingMachine(c, x0, left, 0);
    drawVendingMachine(c, x0 + 15, right, 4);
}

// A staircase from the floor up through an opening in the ceiling. Rising
// to the right its foot is at the left; rising to the left the picture is
// mirrored, except for the light, which always comes from the left.
void drawStaircase(Canvas& c, bool risingRight)
{
    auto mx = [risingRight](int x) { return risingRight ? x : kLastX - x; };
    auto fillM = [&](int x0, int y0, int x1, int y1, const QColor& col) { c.fill(mx(x0), y0, mx(x1), y1, col); };
    constexpr int foot = 28;   // first riser, counted from the foot side
    constexpr int run = 6;
    constexpr int rise = 3;
    constexpr int beamBottom = 6;
    auto stepTop = [&](int u) { return kFoot - rise * ((u - foot) / run + 1) + 1; };

    // The side wall under the flight, its stringer and the steps' profile.
    for (int u = foot; u <= kLastX; ++u) {
        const int top = std::max(stepTop(u), 0);
        for (int y = top; y <= kFoot; ++y) {
            const bool joint = (y % 8 == 7) || ((u + (y / 8) * 5) % 10 == 0);
            c.px(mx(u), y, joint ? kStairWallJoint : kStairWall);
        }
        const int slope = kFoot - 1 - (u - foot) / 2;
        for (int y = std::max(slope, top); y <= slope + 4 && y <= kFoot; ++y)
            c.px(mx(u), y, kStringer);
        const bool riser = (u - foot) % run == 0;
        if (riser) {
            for (int y = top; y < top + rise && y <= kFoot; ++y)
                c.px(mx(u), y, risingRight ? kRiserLit : kRiserShade);
        }
        c.px(mx(u), top, (u - foot) % run == run - 1 || riser ? kNosing : kTread);
    }
    c.fill(mx(foot), kFoot - 1, mx(kLastX), kFoot, kSkirting);
    // A poster on the wall under the flight.
    fillM(96, 24, 115, 43, kPosterFrame);
    fillM(97, 25, 114, 35, kPosterSky);
    fillM(97, 36, 114, 39, kPosterLand);
    fillM(99, 27, 101, 29, kPosterSun);
    fillM(97, 40, 114, 42, kPosterBand);
    fillM(99, 41, 108, 41, kPlateMark);
    if (!risingRight)
        castShadow(c, mx(foot), 3);  // rising to the right, the flight fills the picture to its edge

    // Handrail parallel to the nosings, on posts, curling down at the foot.
    const int railStart = foot - 2;
    auto railY = [&](int u) { return kFoot - 11 - (u - foot) / 2; };
    for (int u = railStart; u <= kLastX; ++u) {
        const int y = railY(u);
        if (y <= beamBottom)
            break;
        c.px(mx(u), y, kRail);
        c.px(mx(u), y + 1, kRailUnder);
        if ((u - foot) % 18 == 2)
            for (int py = y + 2; py < stepTop(u); ++py)
                c.px(mx(u), py, kPost);
    }
    fillM(railStart - 1, railY(railStart) + 1, railStart - 1, railY(railStart) + 4, kRailUnder);
    c.px(mx(railStart - 1), railY(railStart), kRail);

    // The edge of the ceiling opening, with the yellow exit sign on it.
    constexpr int beamFrom = 92;
    fillM(beamFrom, 0, kLastX, beamBottom - 1, kBeam);
    fillM(beamFrom, beamBottom, kLastX, beamBottom, kBeamLow);
    c.fill(mx(beamFrom), 0, mx(beamFrom), beamBottom, risingRight ? kPillarLit : kBeamLow);
    const int signX = risingRight ? 108 : kLastX - 108 - 19;
    c.fill(signX, 1, signX + 19, 4, kExitSign);
    // An arrow pointing up the stairs and two marks beside it.
    const int tip = risingRight ? signX + 6 : signX + 13;
    const int back = risingRight ? -1 : 1;
    c.px(tip, 2, kExitMark);
    c.px(tip + back, 2, kExitMark);
    c.px(tip, 3, kExitMark);
    c.px(tip + 2 * back, 3, kExitMark);
    const int marks = risingRight ? signX + 9 : signX + 3;
    c.fill(marks, 2, marks + 7, 2, kExitMark);
    c.fill(marks, 3, marks + 4, 3, kExitMark);
}

// The parapet round a stairwell in the floor, from x0 to x1, with a
// handrail on top. An open end gets an end post with the rail curled down.
void drawParapet(Canvas& c, int x0, int x1, bool endLeft, bool endRight)
{
    constexpr int top = 40;
    for (int x = x0; x <= x1; ++x) {
        c.px(x, top, kCoping);
        c.px(x, top + 1, kCopingLow);
        for (int y = top + 2; y < kFoot; ++y)
            c.px(x, y, (x % 15 == 14 || y == top + 7) ? kTileJoint : kTile);
        c.px(x, kFoot, kSkirting);
        c.px(x, 37, kRail);
        c.px(x, 38, kRailUnder);
        if (x % 30 == 10)
            c.px(x, 39, kRailUnder);
    }
    castShadow(c, x1, endRight ? 3 : 0);
    auto endPost = [&](int px0, int outward) {
        c.fill(px0, top - 1, px0 + 2, kFoot, kSteel);
        c.fill(px0, top - 1, px0, kFoot, kSteelLit);
        c.fill(px0 + 2, top - 1, px0 + 2, kFoot, kSteelDark);
        // The rail runs on past the post and turns down in a loop.
        const int near = outward < 0 ? px0 - 1 : px0 + 3;
        const int tipX = outward < 0 ? px0 - 2 : px0 + 4;
        c.px(near, 37, kRail);
        c.px(near, 38, kRailUnder);
        c.px(tipX, 37, kRail);
        c.fill(tipX, 38, tipX, 42, kRailUnder);
        c.px(near, 42, kRailUnder);
    };
    if (endLeft)
        endPost(x0, -1);
    if (endRight)
        endPost(x1 - 2, +1);
}

// A large closed box standing on the floor: a kiosk with its shutter down.
void drawClosedBox(Canvas& c, int x0, int x1)
{
    castShadow(c, x1, 5);
    c.fill(x0 - 1, 24, x1 + 1, 24, kBoxRoofLit);
    c.fill(x0 - 1, 25, x1 + 1, 25, kBoxRoof);
    c.fill(x0 - 1, 26, x1 + 1, 26, kBoxRoofLow);
    c.fill(x0, 27, x1, 31, kBoxBand);
    c.fill(x0, 29, x1, 29, kBoxBandStripe);
    c.fill(x0, 32, x0 + 2, kFoot - 2, kBoxSide);
    c.fill(x0, 32, x0, kFoot - 2, kPillarLit);
    c.fill(x1 - 2, 32, x1, kFoot - 2, kBoxSideShade);
    for (int y = 32; y <= kFoot - 2; ++y)
        c.fill(x0 + 3, y, x1 - 3, y, y % 2 == 0 ? kShutter : kShutterRib);
    c.fill(x0 + 3, 32, x1 - 3, 32, kBoxRoofLow);
    const int mid = (x0 + x1) / 2;
    c.fill(mid - 3, kFoot - 4, mid + 3, kFoot - 3, kPost);
    c.fill(x0, kFoot - 1, x1, kFoot, kBoxBase);
}

} // namespace

QImage drawSegment(int n)
{
    Canvas c;
    drawSlab(c);
    switch (n) {
    case 0:
        drawEndFence(c, true);
        drawPillar(c, 70);
        break;
    case 1:
        drawPillar(c, 0);
        break;
    case 2:
        drawPillar(c, 0);
        drawSeats(c, 51, 6);
        break;
    case 3:
        drawPillar(c, 0);
        drawVendingPair(c, 24, kRedMachine, kWhiteMachine);
        drawSeats(c, 72, 5);
        break;
    case 4:
        drawStaircase(c, true);
        drawPillar(c, 0);
        break;
    case 5:
        drawStaircase(c, false);
        drawPillar(c, 0);
        break;
    case 6:
        drawPillar(c, 0);
        drawParapet(c, 40, kLastX, true, false);
        break;
    case 7:
        drawPillar(c, 0);
        drawParapet(c, 0, 109, false, true);
        break;
    case 8:
        drawPillar(c, 0);
        drawClosedBox(c, 32, 117);
        break;
    case 9:
        drawPillar(c, 0);
        drawEndFence(c, false);
        break;
    case 10:
        drawPillar(c, 0);
        drawVendingPair(c, 60, kBlueMachine, kRedMachine);
        break;
    default:
        return QImage();
    }
    return c.image();
}

} // namespace platformart
