// The timetable fields of the built database, read through the program's own
// derivations, against departures looked up in the public timetable data
// (weekday, 2026-03-14 revision; 銀座線 2025-11-01).
#include "NetworkDb.h"

#include "data/CommaText.h"
#include "data/ShiftJisText.h"
#include "data/Timetable.h"

#include <QRegularExpression>
#include <QSet>

namespace {

const char* const kSlots[] = {"1", "2", "3", "4"};

QString field(const Row& r, const char* prefix, int slot)
{
    return text(r, (std::string(prefix) + kSlots[slot - 1]).c_str());
}

// Departure items of a timetable field: every item after the hour prefix of lines 2 on.
int departureItems(const QString& zikoku)
{
    const QStringList lines = splitLines(zikoku);
    int n = 0;
    for (qsizetype i = 2; i < lines.size(); ++i)
        n += std::max<qsizetype>(0, splitCommaText(lines[i]).size() - 1);
    return n;
}

int minutesOfDay(const QString& hhmm)
{
    int h = hhmm.left(2).toInt();
    if (h < 4)
        h += 24; // the hours after midnight end the service day
    return h * 60 + hhmm.mid(3, 2).toInt();
}

TEST(TimetableData, EveryFieldDerivesOneLinePerDeparture)
{
    int departures = 0, passes = 0;
    for (const Row& r : selectRows("SELECT * FROM station")) {
        const std::string where = (text(r, "ROSEN_J") + " " + text(r, "EKI_J")).toStdString();
        for (int slot = 1; slot <= 4; ++slot) {
            SCOPED_TRACE(where + " slot " + kSlots[slot - 1]);
            const QString zikoku = field(r, "ZIKOKU", slot);
            QString lineText;
            QStringList working;
            ASSERT_NO_THROW(working = deriveWorkingTimetable(zikoku, lineText));
            EXPECT_EQ(working.size(), departureItems(zikoku));
            departures += working.size();
            if (!zikoku.isEmpty()) {
                EXPECT_TRUE(zikoku.contains("\r\n")) << "fields end their lines in CR LF";
                EXPECT_FALSE(zikoku.contains(QRegularExpression("[^\r]\n")));
            }

            // Every code of an item stands in the legend: no line repeats the one before.
            const QStringList lines = splitLines(zikoku);
            QSet<QString> codes;
            if (!lines.isEmpty())
                for (const QString& entry : splitCommaText(lines[0]))
                    codes.insert(sjis::substring(entry, 1, 2));
            EXPECT_EQ(codes.size(), lines.isEmpty() ? 0 : splitCommaText(lines[0]).size()) << "codes are unique";
            for (qsizetype i = 2; i < lines.size(); ++i) {
                const QStringList items = splitCommaText(lines[i]);
                EXPECT_EQ(sjis::length(items[0]), 3);
                for (qsizetype k = 1; k < items.size(); ++k) {
                    const int len = sjis::length(items[k]);
                    ASSERT_TRUE(len == 4 || len == 6) << items[k].toStdString();
                    EXPECT_TRUE(codes.contains(sjis::substring(items[k], 1, 2))) << items[k].toStdString();
                    if (len == 6)
                        EXPECT_TRUE(codes.contains(sjis::substring(items[k], 3, 2))) << items[k].toStdString();
                }
            }
            // Hour by hour through the service day.
            for (qsizetype i = 1; i < working.size(); ++i)
                EXPECT_LE(minutesOfDay(working[i - 1].mid(6, 5)), minutesOfDay(working[i].mid(6, 5)))
                    << working[i].toStdString();

            const QString pzikoku = field(r, "P_ZIKOKU", slot);
            QStringList passing;
            ASSERT_NO_THROW(passing = derivePassingList(pzikoku));
            int items = 0;
            for (const QString& line : splitLines(pzikoku))
                items += splitCommaText(line).size() - 1;
            EXPECT_EQ(passing.size(), items);
            passes += passing.size();
        }
    }
    // The weekday timetable of the whole network.
    EXPECT_GT(departures, 100000);
    EXPECT_GT(passes, 1000);
}

TEST(TimetableData, TerminalCodesFindTheirTrainsAtTheNeighbour)
{
    std::map<QString, std::vector<Row>> lines;
    for (const Row& r : selectRows("SELECT * FROM station ORDER BY ROWID"))
        lines[text(r, "ROSEN_J")].push_back(r);
    for (const auto& [line, rows] : lines) {
        for (size_t i = 0; i < rows.size(); ++i) {
            const Row& r = rows[i];
            if (text(r, "END").isEmpty())
                continue;
            SCOPED_TRACE((line + " " + text(r, "EKI_J")).toStdString());
            if (const int c1 = r.at("CYAKU1").toInt(); c1 != 0 && i > 0)
                EXPECT_FALSE(scanTerminalArrivals(field(rows[i - 1], "ZIKOKU", c1), text(r, "END")).isEmpty());
            if (const int c2 = r.at("CYAKU2").toInt(); c2 != 0 && i + 1 < rows.size())
                EXPECT_FALSE(scanTerminalArrivals(field(rows[i + 1], "ZIKOKU", c2), text(r, "END")).isEmpty());
        }
    }
}

struct DepartureCase {
    const char* line;
    const char* station;
    int slot;
    int count;
    const char* first;
    const char* last;
    std::vector<const char*> rush; // consecutive working timetable lines
};

// Departures as listed in the public data's stop times (departure minute,
// destination, kind of train), written in the working timetable's form.
TEST(TimetableData, DeparturesMatchThePublicTimetable)
{
    const DepartureCase cases[] = {
        // 渋谷 銀座線 towards 浅草, on the departure track (slot 3).
        {"銀座線", "渋谷", 3, 325, "05:00-05:01 浅草", "00:01-00:02 上野",
         {"08:11-08:12 浅草", "08:13-08:14 浅草", "08:15-08:16 上野", "08:18-08:19 浅草"}},
        // 表参道: slot 4 carries the 半蔵門線 towards 押上 on both lines' rows.
        {"半蔵門線", "表参道", 4, 289, "05:16-05:17 急行 久喜", "00:13-00:14 清澄白河",
         {"07:59-08:00 押上", "08:01-08:02 準急 久喜", "08:03-08:04 清澄白河"}},
        {"銀座線", "表参道", 4, 289, "05:16-05:17 急行 久喜", "00:13-00:14 清澄白河",
         {"08:15-08:16 準急 南栗橋", "08:17-08:18 急行 東武動物公園"}},
        {"銀座線", "表参道", 2, 327, "05:31-05:32 渋谷", "00:25-00:26 渋谷", {}},
        // 門前仲町 東西線 towards 西船橋 (slot 2 of an island platform).
        {"東西線", "門前仲町", 2, 286, "05:25-05:26 東葉勝田台", "00:18-00:19 妙典",
         {"08:01-08:02 妙典", "08:04-08:05 快速 東葉勝田台", "08:07-08:08 西船橋", "08:11-08:12 妙典"}},
        // 都庁前: slot 1 only the trains leaving towards 西新宿五丁目 and 光が丘.
        {"大江戸線", "都庁前", 1, 212, "05:02-05:03 光が丘", "00:35-00:36 光が丘",
         {"08:00-08:01 光が丘", "08:03-08:04 光が丘", "08:06-08:07 光が丘"}},
        {"大江戸線", "\u3000都庁前", 1, 212, "05:02-05:03 光が丘", "00:35-00:36 光が丘", {}},
        // 三田 浅草線 northbound: the first train out is an airport express.
        {"浅草線", "三田", 2, 252, "05:01-05:02 アクセス特急 成田空港", "00:03-00:04 京成高砂", {}},
    };
    for (const DepartureCase& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " " + c.station + " slot " + kSlots[c.slot - 1]);
        const Row r = stationRow(QString::fromUtf8(c.line), QString::fromUtf8(c.station));
        ASSERT_FALSE(r.empty());
        QString lineText;
        const QStringList working = deriveWorkingTimetable(field(r, "ZIKOKU", c.slot), lineText);
        ASSERT_EQ(working.size(), c.count);
        EXPECT_EQ(working.front(), QString::fromUtf8(c.first));
        if (c.last)
            EXPECT_EQ(working.back(), QString::fromUtf8(c.last));
        if (!c.rush.empty()) {
            const qsizetype at = working.indexOf(QString::fromUtf8(c.rush.front()));
            ASSERT_GE(at, 0) << c.rush.front();
            for (size_t k = 0; k < c.rush.size(); ++k)
                EXPECT_EQ(working.value(at + k), QString::fromUtf8(c.rush[k]));
        }
    }
}

TEST(TimetableData, SharedStationsShowTheSameTracksOnEveryLine)
{
    const std::pair<const char*, const char*> pairs[][2] = {
        {{"銀座線", "表参道"}, {"半蔵門線", "表参道"}},
        {{"銀座線", "赤坂見附"}, {"丸ノ内線", "赤坂見附"}},
        {{"南北線", "白金高輪"}, {"三田線", "白金高輪"}},
        {{"大江戸線", "都庁前"}, {"大江戸線", "\u3000都庁前"}},
        {{"有楽町線", "小竹向原"}, {"１３号線", "\u3000小竹向原"}},
        {{"有楽町線", "小竹向原"}, {"有楽町新線", "小竹向原"}},
    };
    for (const auto& p : pairs) {
        SCOPED_TRACE(std::string(p[0].first) + " / " + p[1].first + " " + p[0].second);
        const Row a = stationRow(QString::fromUtf8(p[0].first), QString::fromUtf8(p[0].second));
        const Row b = stationRow(QString::fromUtf8(p[1].first), QString::fromUtf8(p[1].second));
        ASSERT_FALSE(a.empty());
        ASSERT_FALSE(b.empty());
        EXPECT_EQ(text(a, "HOME"), "島2");
        for (int slot = 1; slot <= 4; ++slot) {
            EXPECT_EQ(field(a, "ZIKOKU", slot), field(b, "ZIKOKU", slot)) << slot;
            EXPECT_EQ(field(a, "P_ZIKOKU", slot), field(b, "P_ZIKOKU", slot)) << slot;
        }
    }
}

TEST(TimetableData, TerminalsReceiveTheirTrains)
{
    struct Case {
        const char* line;
        const char* station;
        int cyaku1, hatu1, cyaku2, hatu2;
    } cases[] = {
        // The 銀座線 ends at 渋谷 on the alighting track; 表参道's slot 2 carries its trains.
        {"銀座線", "渋谷", 0, 0, 2, 2},
        {"銀座線", "浅草", 3, 2, 0, 0},
        // The loop of the 大江戸線 ends at the terminal platform, coming from 新宿西口.
        {"大江戸線", "\u3000都庁前", 2, 2, 0, 0},
        {"大江戸線", "光が丘", 0, 0, 1, 1},
        {"日比谷線", "中目黒", 0, 0, 2, 2},
        {"丸ノ内分岐線", "方南町", 0, 0, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " " + c.station);
        const Row r = stationRow(QString::fromUtf8(c.line), QString::fromUtf8(c.station));
        ASSERT_FALSE(r.empty());
        EXPECT_FALSE(text(r, "END").isEmpty());
        EXPECT_EQ(r.at("CYAKU1").toInt(), c.cyaku1);
        EXPECT_EQ(r.at("HATU1").toInt(), c.hatu1);
        EXPECT_EQ(r.at("CYAKU2").toInt(), c.cyaku2);
        EXPECT_EQ(r.at("HATU2").toInt(), c.hatu2);
    }
}

TEST(TimetableData, RapidTrainsPassTheStationsTheySkip)
{
    // 快速 A507KR leaves 東陽町 06:35 and calls next at 浦安 06:43; 南砂町 lies
    // 17 % of the way, so it passes at 06:36, on the track towards 西船橋.
    const Row r = stationRow("東西線", "南砂町");
    ASSERT_FALSE(r.empty());
    const QStringList passing = derivePassingList(field(r, "P_ZIKOKU", 2));
    ASSERT_FALSE(passing.isEmpty());
    EXPECT_EQ(passing.front(), "06:36");
    // A station where every train stops has nothing to pass.
    const Row stop = stationRow("東西線", "浦安");
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_TRUE(field(stop, "P_ZIKOKU", slot).isEmpty()) << slot;
}

} // namespace
