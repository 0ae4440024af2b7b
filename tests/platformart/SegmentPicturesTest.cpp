// The platform segment pictures as the program finds them: embedded in the
// core and reached through :/segments/ without any init call, cut out where
// trains behind the platform must show through, solid where the slab is.

#include <QColor>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 69;
constexpr int kCount = 11;
const QRgb kOpen = qRgb(0xFF, 0x00, 0xFF);

// The near platform lies at row 28 of the scene and the door strip of the
// track behind it ends at row 77: the train floor meets the platform floor
// at row 50 of the picture, and from there down the slab hides the track.
constexpr int kSlabTop = 50;
// The platform's edge and side face: nothing stands there, so these rows
// must be the same in every picture for any two to join.
constexpr int kFaceTop = 56;

bool isOpen(const QImage& img, int x, int y)
{
    return (img.pixel(x, y) & 0xFFFFFF) == (kOpen & 0xFFFFFF);
}

bool solidColumn(const QImage& img, int x, int y0, int y1)
{
    for (int y = y0; y <= y1; ++y)
        if (isOpen(img, x, y))
            return false;
    return true;
}

const std::array<QImage, kCount>& pictures()
{
    static const std::array<QImage, kCount> loaded = [] {
        std::array<QImage, kCount> a;
        for (int n = 0; n < kCount; ++n)
            a[n] = QImage(QStringLiteral(":/segments/segment_%1.png").arg(n));
        return a;
    }();
    return loaded;
}

} // namespace

TEST(SegmentPictures, AreEmbeddedAsElevenDistinctOpaquePictures)
{
    const auto& pics = pictures();
    for (int n = 0; n < kCount; ++n) {
        ASSERT_FALSE(pics[n].isNull()) << "segment_" << n << " is not in the core's resources";
        EXPECT_EQ(pics[n].size(), QSize(kWidth, kHeight)) << n;
        EXPECT_FALSE(pics[n].hasAlphaChannel()) << n;
        for (int m = 0; m < n; ++m)
            EXPECT_NE(pics[n], pics[m]) << n << " and " << m << " are the same picture";
    }
    EXPECT_TRUE(QImage(QStringLiteral(":/segments/segment_11.png")).isNull());
}

TEST(SegmentPictures, OnlyTheAirAboveTheSlabIsCutOut)
{
    const auto& pics = pictures();
    for (int n = 0; n < kCount; ++n) {
        const QImage& img = pics[n];
        ASSERT_FALSE(img.isNull()) << n;
        int open = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                if (isOpen(img, x, y)) {
                    ++open;
                    EXPECT_LT(y, kSlabTop) << "hole in the slab of " << n << " at " << x << "," << y;
                    continue;
                }
                // A colour blended with the magenta would show as a purple fringe.
                const QColor c = QColor::fromRgb(img.pixel(x, y));
                EXPECT_FALSE(c.red() > 150 && c.blue() > 150 && c.green() < 110)
                    << "purple pixel in " << n << " at " << x << "," << y << ": " << qPrintable(c.name());
            }
        // Enough air that a train behind the platform is seen, stairs included.
        EXPECT_GT(open, kWidth * kSlabTop / 3) << n;
    }
}

TEST(SegmentPictures, EdgeAndSideFaceJoinInAnyOrder)
{
    const auto& pics = pictures();
    const QImage& reference = pics[1];
    ASSERT_FALSE(reference.isNull());
    for (int n = 0; n < kCount; ++n) {
        ASSERT_FALSE(pics[n].isNull()) << n;
        EXPECT_EQ(pics[n].copy(0, kFaceTop, kWidth, kHeight - kFaceTop),
                  reference.copy(0, kFaceTop, kWidth, kHeight - kFaceTop))
            << "the platform face of " << n << " differs";
    }
}

TEST(SegmentPictures, EveryPictureHasAPillarUpToTheCeiling)
{
    const auto& pics = pictures();
    for (int n = 0; n < kCount; ++n) {
        ASSERT_FALSE(pics[n].isNull()) << n;
        int run = 0, widest = 0;
        for (int x = 0; x < kWidth; ++x) {
            run = solidColumn(pics[n], x, 0, kSlabTop) ? run + 1 : 0;
            widest = std::max(widest, run);
        }
        EXPECT_GE(widest, 8) << "no pillar from the ceiling to the floor in " << n;
    }
}

TEST(SegmentPictures, EndFencesStandAtTheOuterEdges)
{
    // An end fence is low: solid above the floor, open air above it.
    struct Case {
        int picture;
        int column;
    } cases[] = {{0, 0}, {0, 1}, {9, kWidth - 1}, {9, kWidth - 2}};
    const auto& pics = pictures();
    for (const Case& c : cases) {
        const QImage& img = pics[c.picture];
        ASSERT_FALSE(img.isNull()) << c.picture;
        EXPECT_TRUE(solidColumn(img, c.column, 36, kSlabTop)) << c.picture << " column " << c.column;
        EXPECT_TRUE(isOpen(img, c.column, 10)) << c.picture << " column " << c.column;
    }
    // The other end of a platform end is open: the fence is not mirrored.
    EXPECT_TRUE(isOpen(pics[0], kWidth - 1, 40));
}
