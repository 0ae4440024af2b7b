// The Train table and the pictures the build draws for it: every kind of train
// has its picture and eleven door frames, and the door positions lie on the
// doors of the picture.
#include "NetworkDb.h"

#include "data/CommaText.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTextStream>

namespace {

constexpr int kFrameWidth = 18;
constexpr int kFrameHeight = 26;
// The slot 2 door strip lies this far below the train picture's top.
constexpr int kFrameTop = 18;

QImage loadBitmap(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    if (!bytes.startsWith("BM"))
        return {};
    return QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
}

bool hasColour(const QImage& img, QRgb colour)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}

int darkPixels(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qGray(img.pixel(x, y)) < 64;
    return n;
}

TEST(Fleet, EveryLineATrainQueryNamesHasTrains)
{
    const char* lines[] = {"銀座線", "丸ノ内線", "丸ノ内分岐線", "日比谷線", "東西線", "千代田線", "千代田分岐線",
                           "半蔵門線", "有楽町線", "有楽町新線", "南北線", "１３号線", "浅草線", "三田線", "新宿線",
                           "大江戸線", "東急東横線", "JR中央線", "小田急線", "東武東上線"};
    for (const char* line : lines) {
        const auto rows = selectRows("SELECT * FROM Train WHERE(ROSEN_J=?)", {QString::fromUtf8(line)});
        EXPECT_FALSE(rows.empty()) << line;
        for (const Row& r : rows) {
            EXPECT_FALSE(text(r, "TYPE").isEmpty());
            EXPECT_TRUE(text(r, "TYPE").contains("両編成")) << text(r, "TYPE").toStdString();
        }
    }
    // The query of the 南北線/三田線 tracks at 目黒 and 白金台.
    EXPECT_GE(selectRows("SELECT * FROM Train WHERE(ROSEN_J='南北線')OR(ROSEN_J='三田線')").size(), 4u);
}

TEST(Fleet, PicturesAndDoorFramesMatchTheDoorPositions)
{
    const auto rows = selectRows("SELECT * FROM Train");
    ASSERT_FALSE(rows.empty());
    for (const Row& r : rows) {
        const QString image = text(r, "IMAGE");
        SCOPED_TRACE(image.toStdString());
        const QImage picture = loadBitmap(programFolder() + "/Train/" + image + ".dat");
        ASSERT_FALSE(picture.isNull()) << "missing or not a bitmap";
        EXPECT_EQ(picture.height(), 58);
        // About ten pixels a metre: a three-car branch train to a ten-car train.
        EXPECT_GE(picture.width(), 500);
        EXPECT_LE(picture.width(), 2100);
        EXPECT_FALSE(hasColour(picture, qRgb(255, 0, 255))) << "magenta is the platforms' see-through colour";

        std::vector<QImage> frames;
        for (int n = 0; n <= 10; ++n) {
            const QImage f = loadBitmap(QStringLiteral("%1/Train/Door/%2_%3.dat").arg(programFolder(), image).arg(n));
            ASSERT_FALSE(f.isNull()) << "frame " << n;
            EXPECT_EQ(f.size(), QSize(kFrameWidth, kFrameHeight)) << "frame " << n;
            EXPECT_FALSE(hasColour(f, qRgb(255, 255, 255))) << "white is the door strip's see-through colour";
            frames.push_back(f);
        }
        for (int n = 1; n <= 10; ++n)
            EXPECT_GE(darkPixels(frames[n]), darkPixels(frames[n - 1])) << "doors open step by step, frame " << n;
        EXPECT_GT(darkPixels(frames[10]), darkPixels(frames[0]) + 100);

        const QStringList positions = splitCommaText(text(r, "ZAHYO"));
        ASSERT_FALSE(positions.isEmpty());
        int previous = -kFrameWidth;
        for (const QString& p : positions) {
            bool ok = false;
            const int x = p.toInt(&ok);
            ASSERT_TRUE(ok) << p.toStdString();
            EXPECT_GE(x, previous + kFrameWidth) << "doors in order, not overlapping";
            ASSERT_GE(x, 0);
            ASSERT_LE(x + kFrameWidth, picture.width());
            previous = x;
            // The closed frame drawn at the door position shows what the picture shows there.
            EXPECT_EQ(picture.copy(x, kFrameTop, kFrameWidth, kFrameHeight), frames[0]) << "door at " << x;
        }
    }
}

TEST(Fleet, SoundListNamesEverySoundOfTheTable)
{
    QFile f(sourceFolder() + "/data/network/sounds.txt");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&f);
    QSet<QString> listed;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith('#'))
            listed.insert(line);
    }
    QSet<QString> used;
    for (const Row& r : selectRows("SELECT DISTINCT SOUND FROM Train"))
        used.insert(text(r, "SOUND"));
    EXPECT_EQ(listed, used);
}

} // namespace
