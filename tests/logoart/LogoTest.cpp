// The information window's logo as the program finds it: embedded in the
// core, of the window's size, drawn, and clear where the credit line lies.

#include "tools/logoart/LogoArt.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

TEST(Logo, IsEmbeddedAtItsPlaceInTheWindow)
{
    const QImage logo(QStringLiteral(":/info/logo.png"));
    ASSERT_FALSE(logo.isNull()) << "the logo is not in the core's resources";
    EXPECT_EQ(logo.size(), QSize(200, 54));
    int drawn = 0;
    int blue = 0;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x) {
            const QColor c = QColor::fromRgb(logo.pixel(x, y));
            if (c != Qt::white) {
                ++drawn;
                EXPECT_LT(y, logo.height() - logoart::kClearRows) << "drawn under the credit line at " << x << "," << y;
            }
            blue += c.blue() > 120 && c.red() < 80;
        }
    EXPECT_GT(drawn, 200 * 54 / 10);
    EXPECT_GT(blue, 300) << "the badge";
}
