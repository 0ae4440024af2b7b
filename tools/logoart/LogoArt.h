#pragma once
// The maker's logo of the information window: 200 x 54 pixels on the
// window's white panel, a round badge with a train seen from the front on
// its rails beside the name "Quorel Network" over a stretch of track.

#include <QImage>

namespace logoart {

constexpr int kLogoWidth = 200;
constexpr int kLogoHeight = 54;
// The credit line (at y 52 of the window, the logo at y 4) lies over the
// logo's last rows: nothing is drawn there.
constexpr int kClearRows = 6;

// Needs a QGuiApplication (for the fonts).
QImage drawLogo();

}  // namespace logoart
