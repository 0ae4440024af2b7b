// Train motion: a train moves a fixed step per tick of its timer and slows
// down or speeds up by the timer's interval, changed at fixed distances from
// the stop point.

#include "forms/MainForm1.h"

#include "data/DataForm1.h"

#include <array>
#include <utility>

namespace {

// Distance from the stop point in pixels, new interval in ms; 0 halts.
constexpr std::array<std::pair<int, int>, 25> kRunIn = {{
    {1450, 11}, {1250, 12}, {1050, 13}, {900, 14}, {750, 15}, {650, 16}, {560, 17}, {480, 18}, {410, 19},
    {350, 20},  {300, 21},  {250, 22},  {210, 23}, {170, 24}, {140, 25}, {110, 26}, {90, 28},  {70, 30},
    {60, 34},   {50, 38},   {40, 50},   {30, 70},  {20, 120}, {10, 200}, {0, 0},
}};

// Distance in pixels, new interval in ms; 3200 ends the run.
constexpr std::array<std::pair<int, int>, 26> kDeparture = {{
    {0, 240},   {10, 140},  {20, 80},   {30, 60},   {40, 42},   {50, 34},   {60, 30},   {80, 28},  {100, 26},
    {120, 25},  {150, 24},  {180, 23},  {210, 22},  {250, 21},  {300, 20},  {350, 19},  {410, 18}, {470, 17},
    {540, 16},  {620, 15},  {720, 14},  {870, 13},  {1070, 12}, {1270, 11}, {1470, 10}, {3200, 0},
}};

constexpr int kRunInStep = 2;
constexpr int kPassingStep = 3;
constexpr int kDepartureEnd = 3200;

// A distance is met at two neighbouring offsets, so a train of either parity
// meets it exactly once: on the left of the stop point at -k or -k + 1, on
// its right at k or k + 1.
bool meets(int offset, int k, bool leftOfStopPoint)
{
    return leftOfStopPoint ? (offset == -k || offset == -k + 1) : (offset == k || offset == k + 1);
}

}  // namespace

int TMainForm1::stopPoint(int slot)
{
    const PictureControl& platform = slot <= 2 ? Home01 : Home02;
    return (platform.width() - trainPicture(slot).width()) / 2 + 50;
}

void TMainForm1::Train01tTimer()
{
    trainTick(1);
}

void TMainForm1::Train02tTimer()
{
    trainTick(2);
}

void TMainForm1::Train03tTimer()
{
    trainTick(3);
}

void TMainForm1::Train04tTimer()
{
    trainTick(4);
}

void TMainForm1::trainTick(int slot)
{
    PictureControl& train = trainPicture(slot);
    TimerControl& timer = trainTimer(slot);
    const bool rightward = directionFlag[slot - 1];

    if (!stopFlag[slot - 1]) {
        train.setLeft(train.left() + (rightward ? kPassingStep : -kPassingStep));
        timer.setInterval(10);
        const int offset = train.left() - stopPoint(slot);
        if ((rightward && offset >= kDepartureEnd) || (!rightward && offset <= -kDepartureEnd))
            timer.setEnabled(false);
        return;
    }
    if (timer.tag() == 0) {
        train.setLeft(train.left() + (rightward ? kRunInStep : -kRunInStep));
        const int offset = train.left() - stopPoint(slot);
        for (const auto& [k, interval] : kRunIn) {
            if (meets(offset, k, rightward)) {
                if (k == 0)
                    halt(slot);
                else
                    timer.setInterval(interval);
                break;
            }
        }
        return;
    }
    if (timer.tag() == 1) {
        train.setLeft(train.left() + (rightward ? kRunInStep : -kRunInStep));
        const int offset = train.left() - stopPoint(slot);
        for (const auto& [k, interval] : kDeparture) {
            if (meets(offset, k, !rightward)) {
                if (k == kDepartureEnd)
                    timer.setEnabled(false);
                else
                    timer.setInterval(interval);
                break;
            }
        }
    }
}

void TMainForm1::halt(int slot)
{
    trainTimer(slot).setEnabled(false);
    if (S02.checked())
        announce(slot);
    if (S01.checked()) {
        try {
            if (soundPlayer(slot).isOpen())
                soundPlayer(slot).stop();
        } catch (...) {
            // The run-in sound could not be cut: the door sound plays anyway.
        }
        playSound(doorSoundPlayer(slot), QStringLiteral("/Sound/open%1.wav").arg(slot));
    }
    if (doorStrip(slot))
        startOpening(slot);
}

void TMainForm1::Train00tTimer()
{
    for (int slot = 1; slot <= 4; ++slot) {
        PictureControl& train = trainPicture(slot);
        if (train.tag() <= 0)
            continue;
        train.setTag(train.tag() - 1);
        if (train.tag() > 0)
            continue;
        // Only a standing train departs; a countdown that ends while the
        // slot's train still runs in is spent, and that train halts.
        if (trainTimer(slot).enabled())
            continue;
        if (S01.checked())
            playTrainSound(slot, QStringLiteral("_r.wav"));
        trainTimer(slot).setTag(1);
        trainTimer(slot).setEnabled(true);
    }
}
