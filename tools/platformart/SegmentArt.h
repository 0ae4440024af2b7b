#pragma once
// The platform segment pictures: side views of 150 x 69 pixels that the
// scene copies side by side into a platform strip. Magenta marks the open
// air between the things standing on the platform; the scene cuts it out so
// that the backdrop and the trains behind the platform show through.

#include <QColor>
#include <QImage>

namespace platformart {

constexpr int kSegmentWidth = 150;
constexpr int kSegmentHeight = 69;
constexpr int kSegmentCount = 11;

// The transparent colour of the platform strips; no drawn pixel uses it.
const QColor kOpen(0xFF, 0x00, 0xFF);

// Rows of the slab, the same in every picture so that segments join: the
// platform floor seen from the near track from kFloorTop down to the edge,
// then the side face down to the bottom of the picture.
constexpr int kFloorTop = 49;
constexpr int kFoot = 52;       // lowest row of everything standing on the floor
constexpr int kEdgeRow = 56;    // the white lip of the platform edge
constexpr int kPillarWidth = 10;

// Picture n (0..10) as an opaque RGB32 image.
QImage drawSegment(int n);

} // namespace platformart
