#pragma once
// Named numbers of the scene that several files share.

#include <QRgb>

// Width of the scene: tracks, platforms and floor bands run across all of it.
inline constexpr int kSceneWidth = 4000;

// Left position of a train or door strip that is out of sight.
inline constexpr int kOffScene = -4000;

// The door strip over the train of slots 2 and 4: its picture's size, and the
// colour that stands for "nothing drawn here" (the strip's transparent colour).
inline constexpr int kStripWidth = 3000;
inline constexpr int kStripHeight = 26;
inline constexpr QRgb kStripBlank = 0xffffffff;  // qRgb(255, 255, 255)

// Control colours, in the stored form: 0x00BBGGRR.
inline constexpr int kBlack = 0;
inline constexpr int kWhite = 16777215;
inline constexpr int kRed = 255;
inline constexpr int kYellow = 65535;
inline constexpr int kBlue = 16711680;
inline constexpr int kGrey = 8421504;
