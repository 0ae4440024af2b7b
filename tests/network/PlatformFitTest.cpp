// Every directory station of the real network: a train of any kind that a
// shown track can draw stands wholly on its platform when halted, and the
// scene strip reaches past both platforms.

#include "support/Paths.h"
#include "core/PictureControl.h"
#include "data/StationDirectory.h"
#include "support/ProgramHarness.h"

#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

void linkProgramFolder(StationFixture& fixture)
{
    for (const QString& item : {QStringLiteral("network.db"), QStringLiteral("Train")})
        QFile::link(QDir(programFolder()).filePath(item), fixture.path(item));
}

// A copy of the network's source tables with one layout row's segment codes replaced.
bool copyNetworkData(const QString& to, const QString& line, const QString& station, const QString& struct1,
                     const QString& struct2)
{
    const QDir from(sourceFolder() + QStringLiteral("/data/network"));
    QDirIterator it(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + u'/' + from.relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target))
            return false;
    }
    QFile layouts(to + QStringLiteral("/layouts.tsv"));
    if (!layouts.open(QIODevice::ReadOnly))
        return false;
    QStringList lines = QString::fromUtf8(layouts.readAll()).split(u'\n');
    layouts.close();
    bool found = false;
    for (QString& l : lines) {
        QStringList cells = l.split(u'\t');
        if (cells.size() > 6 && cells[0] == line && cells[1] == station) {
            cells[5] = struct1;
            cells[6] = struct2;
            l = cells.join(u'\t');
            found = true;
        }
    }
    return found && layouts.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && layouts.write(lines.join(u'\n').toUtf8()) > 0;
}

}  // namespace

TEST(PlatformFit, TheDatabaseBuilderRefusesPlatformsThatDoNotFollowTheirTrains)
{
    struct Case {
        const char* line;
        const char* station;
        const char* struct1;
        const char* struct2;
        const char* message;  // empty: the row is accepted
    };
    const Case cases[] = {
        // 10-car trains of the 半蔵門線 share both platforms: 2000 px + one segment.
        {"銀座線", "表参道", "0141119", "014511411511119",
         "銀座線 表参道: STRUCT1 0141119 has 7 segments; its longest train, 18000系 10両編成 (2000 px), needs 15"},
        {"銀座線", "表参道", "015111141145119", "015111141145119", ""},
        // Longer than the train and its margin is wrong too.
        {"銀座線", "渋谷", "011118119", "01511119", "銀座線 渋谷: STRUCT1 011118119 has 9 segments"},
        // 単1: the far platform is not shown, so its code does not count.
        {"千代田分岐線", "綾瀬", "016711115111119", "0119", ""},
        // 両 shows the far platform: it must be checked and fit the strip.
        {"銀座線", "外苑前", "01671119", "011811119", "銀座線 外苑前: STRUCT2 is longer than STRUCT1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.station) + ' ' + c.struct1 + ' ' + c.struct2);
        QTemporaryDir dir;
        ASSERT_TRUE(copyNetworkData(dir.path(), QString::fromUtf8(c.line), QString::fromUtf8(c.station),
                                    QString::fromUtf8(c.struct1), QString::fromUtf8(c.struct2)));
        QProcess netdb;
        netdb.start(QStringLiteral(QUOREL_TEST_NETDB), {"--data", dir.path(), "--out", dir.filePath("network.db")});
        ASSERT_TRUE(netdb.waitForFinished(60000));
        const QString errors = QString::fromUtf8(netdb.readAllStandardError());
        if (*c.message) {
            EXPECT_EQ(netdb.exitCode(), 1);
            EXPECT_TRUE(errors.contains(QString::fromUtf8(c.message))) << errors.toStdString();
            const QStringList named = errors.trimmed().split(u'\n').mid(1);
            EXPECT_FALSE(named.isEmpty());
            for (const QString& l : named)
                EXPECT_TRUE(l.contains(QString::fromUtf8(c.station))) << "only the changed row is named: " << l.toStdString();
            EXPECT_FALSE(QFile::exists(dir.filePath("network.db")));
        } else {
            EXPECT_EQ(netdb.exitCode(), 0) << errors.toStdString();
        }
    }
}

TEST(PlatformFit, EveryTrainThatCanHaltOnASlotStandsOnItsPlatform)
{
    StationFixture fixture;
    linkProgramFolder(fixture);
    ProgramHarness program(fixture);
    TMainForm1& m = program.start(QStringLiteral("銀座線"), QStringLiteral("渋谷"), QTime(12, 0, 30));
    QHash<QString, int> widths;  // picture width of each IMAGE
    int checked = 0;
    int smallestMargin = 1 << 30;
    for (const DirectoryEntry* entry : directoryEntries()) {
        const QString line = QString::fromUtf8(entry->line);
        const QString station = QString::fromUtf8(entry->station);
        program.moveTo(line, station);
        SCOPED_TRACE((line + u' ' + station).toStdString());
        ASSERT_TRUE(program.errors().isEmpty()) << program.errors().join('\n').toStdString();
        for (int slot = 1; slot <= 4; ++slot) {
            PictureControl& train = m.trainPicture(slot);
            if (!train.visible())
                continue;
            const PictureControl& platform = slot <= 2 ? m.Home01 : m.Home02;
            ASSERT_TRUE(platform.visible()) << "slot " << slot;
            const int platformRight = platform.left() + platform.width();
            EXPECT_GE(m.Panel03.width(), platformRight) << "the scene strip ends inside platform " << (slot <= 2 ? 1 : 2);
            Query& trains = program.data().trainQuery(slot);
            ASSERT_GT(trains.recordCount(), 0) << "slot " << slot;
            const int shownWidth = train.width();
            for (trains.first(); !trains.eof(); trains.next()) {
                const QString image = trains.fieldAsString(QStringLiteral("IMAGE"));
                if (!widths.contains(image)) {
                    widths.insert(image, PictureControl::readBitmap(programFolder() + QStringLiteral("/Train/")
                                                                    + image + QStringLiteral(".dat"))
                                             .width());
                }
                const int w = widths.value(image);
                ASSERT_GT(w, 0) << image.toStdString();
                // The stop point of this train; a run-in halts on it or one pixel to its right.
                train.setWidth(w);
                const int left = m.stopPoint(slot);
                const int right = left + 1 + w;
                EXPECT_GE(left, platform.left())
                    << "slot " << slot << ": " << trains.fieldAsString(QStringLiteral("TYPE")).toStdString() << " ("
                    << w << " px) stands " << platform.left() - left << " px off the platform's left end";
                EXPECT_LE(right, platformRight)
                    << "slot " << slot << ": " << trains.fieldAsString(QStringLiteral("TYPE")).toStdString() << " ("
                    << w << " px) stands " << right - platformRight << " px off the platform's right end";
                smallestMargin = std::min({smallestMargin, left - platform.left(), platformRight - right});
                ++checked;
            }
            train.setWidth(shownWidth);
        }
    }
    RecordProperty("smallest_margin_px", smallestMargin);
    RecordProperty("trains_checked", checked);
    EXPECT_GT(checked, 288);
}
