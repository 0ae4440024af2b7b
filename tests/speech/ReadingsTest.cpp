#include "hosts/real/Readings.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QFile>

namespace {

TEST(ReadingsTest, NamesAndCorrectionsLongestFirst)
{
    Readings r;
    r.add(QStringLiteral("渋谷"), QStringLiteral("シブヤ"));
    r.add(QStringLiteral("新宿"), QStringLiteral("シンジュク"));
    r.add(QStringLiteral("新宿三丁目"), QStringLiteral("シンジュクサンチョーメ"));
    const struct {
        const char* text;
        const char* spoken;
    } cases[] = {
        {"渋谷行き", "シブヤユキ"},
        {"まもなく、3番線に。渋谷行き、電車が、到着します。", "まもなく、3番線に。シブヤユキ、電車が、到着します。"},
        {"新宿三丁目行き", "シンジュクサンチョーメユキ"},
        {"新宿行き", "シンジュクユキ"},
        {"3番線に到着する電車は、とうえき止まりです。", "3番線に到着する電車は、トウエキドマリです。"},
        {"中央林間行き", "中央林間ユキ"},
        {"", ""},
        {"Shibuya", "Shibuya"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(r.apply(QString::fromUtf8(c.text)), QString::fromUtf8(c.spoken)) << c.text;
}

TEST(ReadingsTest, TheNetworkTableGivesTheStationReadings)
{
    Readings r;
    ASSERT_TRUE(r.load(QStringLiteral(QUOREL_TEST_SOURCE_DIR "/data/network/readings.tsv")));
    EXPECT_GT(r.size(), 200);
    EXPECT_EQ(r.apply(QStringLiteral("和光市行き")), QStringLiteral("ワコウシユキ"));
    EXPECT_EQ(r.apply(QStringLiteral("九段下")), QStringLiteral("クダンシタ"));
}

TEST(ReadingsTest, AMissingOrOddFileKeepsTheCorrections)
{
    Readings r;
    EXPECT_FALSE(r.load(QStringLiteral("/nonexistent/readings.tsv")));
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("r.tsv")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# comment\n\n\xE6\xB8\x8B\xE8\xB0\xB7\n\t\xE3\x82\xA2\n");  // a name without kana, kana without a name
    f.close();
    EXPECT_TRUE(r.load(f.fileName()));
    EXPECT_EQ(r.apply(QStringLiteral("渋谷行き")), QStringLiteral("渋谷ユキ"));
}

}  // namespace
