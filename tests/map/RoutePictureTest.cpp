// The route map picture as the program finds it, embedded in the core: its
// size, and a white station circle with a dark outline under every marker.
#include "data/MapMarkers.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

QImage routeMap()
{
    return QImage(QStringLiteral(":/map/route_map.png"));
}

bool grey(QRgb c)
{
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)}) < 30;
}

bool light(QRgb c)
{
    return grey(c) && qGray(c) >= 225;
}

// The outline's ink; where a line runs into the circle its edge takes on a
// little of the line's colour.
bool ink(QRgb c)
{
    return qGray(c) < 110;
}

// Inside a station circle: white there, and in each of eight directions the
// white ends in the dark outline, through nothing but white and the outline's
// soft edge. The circles of one interchange merge into one outlined shape.
bool circleAt(const QImage& img, int cx, int cy)
{
    if (!light(img.pixel(cx, cy)))
        return false;
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4;
        bool outlined = false;
        for (int r = 1; r <= 12 && !outlined; ++r) {
            const int x = cx + int(std::lround(r * std::cos(a)));
            const int y = cy + int(std::lround(r * std::sin(a)));
            if (!img.valid(x, y))
                return false;
            outlined = ink(img.pixel(x, y));
            if (!outlined && !grey(img.pixel(x, y)))
                return false;
        }
        if (!outlined)
            return false;
    }
    return true;
}

TEST(RoutePicture, EmbeddedAtItsSize)
{
    const QImage img = routeMap();
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), kMapPictureWidth);
    EXPECT_EQ(img.height(), kMapPictureHeight);
}

TEST(RoutePicture, EveryMarkerCentreIsInAStationCircle)
{
    const QImage img = routeMap();
    ASSERT_FALSE(img.isNull());
    for (const MapMarker& m : mapMarkers())
        EXPECT_TRUE(circleAt(img, m.centreX(), m.centreY())) << m.name << " at " << m.centreX() << ","
                                                             << m.centreY();
}

TEST(RoutePicture, TheCircleCheckRejectsBlankGroundAndLines)
{
    const QImage img = routeMap();
    ASSERT_FALSE(img.isNull());
    // The white ground in the north-east, and off-centre from a marker where
    // its outline or the ground lies.
    EXPECT_FALSE(circleAt(img, 1250, 120));
    const MapMarker* t23 = findMapMarker("SN_T23");
    ASSERT_NE(t23, nullptr);
    EXPECT_FALSE(circleAt(img, t23->centreX() + 9, t23->centreY() + 9));
}

} // namespace
