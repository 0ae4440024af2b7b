// The station table as the build writes it: schema, one row per directory
// pick in line order, and the hand-kept and imported facts of each row.
#include "NetworkDb.h"

#include "data/CommaText.h"
#include "data/ShiftJisText.h"
#include "data/StationDirectory.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>

namespace {

QStringList columnsOf(const QString& table, QStringList* types)
{
    QStringList names;
    for (const Row& r : selectRows(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
        names.append(r.at("name").toString());
        types->append(r.at("type").toString());
    }
    return names;
}

TEST(StationTable, ColumnsInOrderWithTheirTypes)
{
    QStringList types;
    const QStringList columns = columnsOf("station", &types);
    const QStringList expected = {
        "ROSEN_J", "ROSEN_E", "EKI_J", "EKI_E", "STA_NO", "COLOR", "FLOOR", "ADDRESS", "URL1", "RINSETU", "HOME",
        "STRUCT1", "STRUCT2", "HOMEN1", "HOMEN2", "NORIBA1", "NORIBA2", "ZIKOKU1", "ZIKOKU2", "ZIKOKU3", "ZIKOKU4",
        "P_ZIKOKU1", "P_ZIKOKU2", "P_ZIKOKU3", "P_ZIKOKU4", "END", "CYAKU1", "HATU1", "CYAKU2", "HATU2",
        "RENRAKU_J", "RENRAKU_E"};
    ASSERT_EQ(columns, expected);
    const QSet<QString> integers = {"COLOR", "FLOOR", "CYAKU1", "HATU1", "CYAKU2", "HATU2"};
    for (int i = 0; i < columns.size(); ++i)
        EXPECT_EQ(types[i], integers.contains(columns[i]) ? "INTEGER" : "TEXT") << columns[i].toStdString();

    QStringList trainTypes;
    EXPECT_EQ(columnsOf("Train", &trainTypes), (QStringList{"ROSEN_J", "IMAGE", "TYPE", "SOUND", "ZAHYO"}));
    EXPECT_EQ(trainTypes, QStringList(5, "TEXT"));
}

TEST(StationTable, EveryDirectoryPickFindsItsRowInLineOrder)
{
    // The program's own query: one line's rows in stored order, no ORDER BY.
    std::map<QString, std::vector<Row>> lines;
    for (const DirectoryEntry* e : directoryEntries()) {
        const QString line = QString::fromUtf8(e->line);
        if (!lines.count(line))
            lines[line] = selectRows(QStringLiteral("SELECT * FROM Station WHERE(ROSEN_J='%1')").arg(line));
    }
    std::map<QString, size_t> position;
    for (const DirectoryEntry* e : directoryEntries()) {
        SCOPED_TRACE(e->name);
        const QString line = QString::fromUtf8(e->line);
        const auto& rows = lines[line];
        const size_t i = position[line]++;
        ASSERT_LT(i, rows.size());
        // Byte for byte, ideographic spaces included.
        EXPECT_EQ(text(rows[i], "EKI_J").toUtf8(), QByteArray(e->station));
        EXPECT_EQ(text(rows[i], "EKI_E"), QString::fromUtf8(e->caption).section(" - ", 1));
        EXPECT_EQ(selectRows("SELECT * FROM Station WHERE(EKI_J=?) AND (ROSEN_J=?)",
                             {QString::fromUtf8(e->station), line}).size(), 1u);
    }
    for (const auto& [line, rows] : lines)
        EXPECT_EQ(rows.size(), position[line]) << line.toStdString() << ": rows beyond the directory";
    EXPECT_EQ(selectRows("SELECT ROWID FROM station").size(), 288u);
}

TEST(StationTable, NeighboursOfTellingRows)
{
    struct Case {
        const char* line;
        const char* first;
        const char* last;
        const char* station;
        const char* previous;
        const char* next;
    } cases[] = {
        {"大江戸線", "光が丘", "\u3000都庁前", "都庁前", "西新宿五丁目", "新宿"},
        {"大江戸線", "光が丘", "\u3000都庁前", "\u3000都庁前", "新宿西口", ""},
        {"１３号線", "\u3000小竹向原", "\u3000渋谷", "\u3000新宿七丁目", "\u3000西早稲田", "\u3000新宿三丁目"},
        {"丸ノ内分岐線", "方南町", "中野坂上", "中野新橋", "中野富士見町", "中野坂上"},
        {"千代田分岐線", "綾瀬", "北綾瀬", "綾瀬", "", "北綾瀬"},
        {"有楽町新線", "小竹向原", "新線池袋", "新線池袋", "小竹向原", ""},
        {"丸ノ内線", "荻窪", "池袋", "中野坂上", "新中野", "西新宿"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " " + c.station);
        const auto rows = selectRows(QStringLiteral("SELECT * FROM Station WHERE(ROSEN_J='%1')").arg(c.line));
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(text(rows.front(), "EKI_J"), QString::fromUtf8(c.first));
        EXPECT_EQ(text(rows.back(), "EKI_J"), QString::fromUtf8(c.last));
        size_t i = 0;
        while (i < rows.size() && text(rows[i], "EKI_J") != QString::fromUtf8(c.station))
            ++i;
        ASSERT_LT(i, rows.size());
        EXPECT_EQ(i > 0 ? text(rows[i - 1], "EKI_J") : QString(), QString::fromUtf8(c.previous));
        EXPECT_EQ(i + 1 < rows.size() ? text(rows[i + 1], "EKI_J") : QString(), QString::fromUtf8(c.next));
    }
}

TEST(StationTable, LineNamesAndColours)
{
    struct Case {
        const char* line;
        const char* english;
        int colour;
        char letter;
    } cases[] = {
        {"銀座線", "Ginza Line", 1938423, 'G'},          {"丸ノ内線", "Marunouchi Line", 2366701, 'M'},
        {"丸ノ内分岐線", "Marunouchi Line", 2366701, 'M'}, {"日比谷線", "Hibiya Line", 11444874, 'H'},
        {"東西線", "Tozai Line", 14529024, 'T'},          {"千代田線", "Chiyoda Line", 5285376, 'C'},
        {"千代田分岐線", "Chiyoda Line", 5285376, 'C'},   {"半蔵門線", "Hanzomon Line", 12156051, 'Z'},
        {"有楽町線", "Yurakucho Line", 5684690, 'Y'},     {"有楽町新線", "Yurakucho Line", 5684690, 'Y'},
        {"南北線", "Namboku Line", 11384064, 'N'},        {"１３号線", "No.13 Line", 16512, 'B'},
        {"浅草線", "Asakusa Line", 10574831, 'A'},        {"三田線", "Mita Line", 13008896, 'I'},
        {"新宿線", "Shinjuku Line", 5285376, 'S'},        {"大江戸線", "Oedo Line", 8527541, 'E'},
    };
    const QRegularExpression number(QStringLiteral("^[A-Z][0-9]{2}$"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto rows = selectRows("SELECT * FROM station WHERE ROSEN_J=?", {QString::fromUtf8(c.line)});
        ASSERT_FALSE(rows.empty());
        for (const Row& r : rows) {
            EXPECT_EQ(text(r, "ROSEN_E"), c.english);
            EXPECT_EQ(r.at("COLOR").toInt(), c.colour);
            EXPECT_TRUE(number.match(text(r, "STA_NO")).hasMatch()) << text(r, "STA_NO").toStdString();
            EXPECT_EQ(text(r, "STA_NO").at(0), QChar(c.letter));
        }
    }
}

TEST(StationTable, LayoutsFitTheSceneAndTheTrains)
{
    const QSet<QString> codes = {"両", "島1", "島2", "島3", "島4", "片1", "片2", "片3", "単1"};
    const QSet<int> floors = {1, 2, 3, -1, -2, -3, -4, -5, -6, -7};
    // A platform starts with its left end and ends with its right end; 2 and 3
    // would keep what an earlier station drew there.
    const QRegularExpression platform(QStringLiteral("^0[014-8]*9$"));
    std::map<QString, int> longestTrain;
    for (const Row& t : selectRows("SELECT * FROM Train")) {
        const QImage img(programFolder() + "/Train/" + text(t, "IMAGE") + ".dat", "BMP");
        int& w = longestTrain[text(t, "ROSEN_J")];
        w = std::max(w, img.width());
    }
    for (const Row& r : selectRows("SELECT * FROM station")) {
        SCOPED_TRACE((text(r, "ROSEN_J") + " " + text(r, "EKI_J")).toStdString());
        const QString home = text(r, "HOME");
        EXPECT_TRUE(codes.contains(home)) << home.toStdString();
        EXPECT_TRUE(floors.contains(r.at("FLOOR").toInt()));
        const QString near = text(r, "STRUCT1"), far = text(r, "STRUCT2");
        EXPECT_TRUE(platform.match(near).hasMatch()) << near.toStdString();
        // The scene is 4000 pixels wide and the near platform starts at 50.
        EXPECT_LE(50 + 150 * near.size(), 4000);
        EXPECT_GE(150 * near.size(), longestTrain[text(r, "ROSEN_J")]) << "the line's longest train overhangs";
        if (home == "島1" || home == "単1") {
            EXPECT_TRUE(far.isEmpty());
        } else {
            EXPECT_TRUE(platform.match(far).hasMatch()) << far.toStdString();
            EXPECT_LE(60 + 150 * far.size(), 4000);
        }
        if (home == "両" || home == "島1" || home.startsWith("片")) {
            EXPECT_FALSE(text(r, "HOMEN1").isEmpty());
            EXPECT_FALSE(text(r, "HOMEN2").isEmpty());
            EXPECT_FALSE(text(r, "NORIBA1").isEmpty());
            EXPECT_FALSE(text(r, "NORIBA2").isEmpty());
        }
        EXPECT_FALSE(text(r, "ADDRESS").isEmpty());
        EXPECT_TRUE(text(r, "URL1").startsWith("https://www.openstreetmap.org/?mlat=3")) << text(r, "URL1").toStdString();
    }
}

TEST(StationTable, TransfersNameExistingStationsAndLines)
{
    QSet<QString> stations;
    for (const Row& r : selectRows("SELECT EKI_J FROM station"))
        stations.insert(text(r, "EKI_J"));
    for (const Row& r : selectRows("SELECT * FROM station")) {
        SCOPED_TRACE((text(r, "ROSEN_J") + " " + text(r, "EKI_J")).toStdString());
        for (const QString& key : splitCommaText(text(r, "RINSETU"))) {
            EXPECT_TRUE(stations.contains(key)) << key.toStdString();
            EXPECT_NE(key, text(r, "EKI_J"));
        }
        // The English text is spoken only where the Japanese one is.
        EXPECT_EQ(text(r, "RENRAKU_J").isEmpty(), text(r, "RENRAKU_E").isEmpty());
        EXPECT_FALSE(text(r, "RENRAKU_J").split(u'、').contains(text(r, "ROSEN_J"))) << "a line is no transfer to itself";
    }
    struct Case {
        const char* line;
        const char* station;
        const char* rinsetu;
        const char* japanese;
        const char* english;
    } cases[] = {
        {"銀座線", "表参道", "", "千代田線、半蔵門線", "the Chiyoda Line and the Hanzomon Line"},
        {"銀座線", "外苑前", "", "", ""},
        // The station is one with 永田町 underground, and so is its announcement.
        {"銀座線", "赤坂見附", "永田町", "丸ノ内線、有楽町線、半蔵門線、南北線",
         "the Marunouchi Line, the Yurakucho Line, the Hanzomon Line and the Namboku Line"},
        {"日比谷線", "日比谷", "有楽町", "JR線、千代田線、有楽町線、三田線",
         "the JR Lines, the Chiyoda Line, the Yurakucho Line and the Mita Line"},
        {"有楽町新線", "新線池袋", "池袋", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " " + c.station);
        const Row r = stationRow(QString::fromUtf8(c.line), QString::fromUtf8(c.station));
        ASSERT_FALSE(r.empty());
        EXPECT_EQ(text(r, "RINSETU"), QString::fromUtf8(c.rinsetu));
        if (c.japanese) {
            EXPECT_EQ(text(r, "RENRAKU_J"), QString::fromUtf8(c.japanese));
            EXPECT_EQ(text(r, "RENRAKU_E"), QString::fromUtf8(c.english));
        }
    }
}

TEST(StationTable, TerminalCodesPointAtExistingNeighbours)
{
    std::map<QString, std::vector<Row>> lines;
    for (const Row& r : selectRows("SELECT * FROM station ORDER BY ROWID"))
        lines[text(r, "ROSEN_J")].push_back(r);
    int terminals = 0;
    for (const auto& [line, rows] : lines) {
        for (size_t i = 0; i < rows.size(); ++i) {
            const Row& r = rows[i];
            SCOPED_TRACE((line + " " + text(r, "EKI_J")).toStdString());
            const QString end = text(r, "END");
            const int c1 = r.at("CYAKU1").toInt(), h1 = r.at("HATU1").toInt();
            const int c2 = r.at("CYAKU2").toInt(), h2 = r.at("HATU2").toInt();
            if (end.isEmpty()) {
                EXPECT_EQ(c1 | h1 | c2 | h2, 0);
                continue;
            }
            ++terminals;
            EXPECT_EQ(sjis::length(end), 2) << "a code is two bytes";
            EXPECT_TRUE(c1 != 0 || c2 != 0);
            if (i == 0)
                EXPECT_EQ(c1, 0) << "no previous row to scan";
            if (i + 1 == rows.size())
                EXPECT_EQ(c2, 0) << "no next row to scan";
            for (auto [cyaku, hatu] : {std::pair{c1, h1}, std::pair{c2, h2}}) {
                EXPECT_TRUE(cyaku >= 0 && cyaku <= 4);
                if (cyaku != 0)
                    EXPECT_TRUE(hatu >= 1 && hatu <= 4);
            }
        }
    }
    // Every line has at least its two ends, most some short turns as well.
    EXPECT_GE(terminals, 40);
}

} // namespace
