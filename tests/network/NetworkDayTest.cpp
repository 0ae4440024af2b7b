// A whole service day at every station row of the built network, in
// simulated time: on every track each stopping train sent in (its run-in
// sound) halts (its door-open sound) and leaves again (its departure sound),
// so no train took the place of another. One program per line moves from
// row to row, so the test costs the days themselves and little else.

#include "support/Paths.h"
#include "support/ProgramHarness.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include <array>
#include <iostream>

namespace {

QStringList stationsOf(const QString& line)
{
    const QString name = QStringLiteral("network-day");
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(programFolder() + QStringLiteral("/network.db"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    QStringList stations;
    if (!db.open())
        return stations;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT EKI_J FROM station WHERE ROSEN_J=?"));
    q.addBindValue(line);
    q.exec();
    while (q.next())
        stations.append(q.value(0).toString());
    return stations;
}

struct Track {
    int sentIn = 0;  // stopping and terminating trains sent in
    int halted = 0;
    int departed = 0;
};

class NetworkDay : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(NetworkDay, EveryStoppingTrainSentInHaltsOnEveryTrack)
{
    const QString line = QString::fromUtf8(GetParam());
    const QStringList stations = stationsOf(line);
    ASSERT_FALSE(stations.isEmpty());

    // The real program folder, read only: the harness keeps its settings in a copy.
    StationFixture fixture;
    for (const QString& item : {QStringLiteral("network.db"), QStringLiteral("Train")})
        ASSERT_TRUE(QFile::link(QDir(programFolder()).filePath(item), fixture.path(item)));
    ProgramHarness program(fixture);
    // The night gap: every day runs from 01:30 to 01:30, first train to last.
    TMainForm1& m = program.start(line, stations.front(), QTime(1, 30, 0));
    ASSERT_TRUE(program.errors().isEmpty()) << program.errors().join('\n').toStdString();
    // The announcements do not move trains; the sounds are what is counted.
    m.S02.setChecked(false);

    int sentIn = 0;
    int halted = 0;
    int departed = 0;
    double worst = 100.0;
    QString worstTrack;
    for (const QString& station : stations) {
        if (station != stations.front())
            program.moveTo(line, station);
        const qsizetype from = program.host->log().events().size();
        program.advance(qint64(24) * 3600 * 1000);

        std::array<Track, 4> tracks;
        const QVector<EventLog::Event>& log = program.host->log().events();
        for (qsizetype i = from; i < log.size(); ++i) {
            const EventLog::Event& e = log[i];
            if (e.kind != QLatin1String("sound"))
                continue;
            const int player = e.fields[QStringLiteral("player")].toString().mid(11).toInt();
            const QString file = e.fields[QStringLiteral("file")].toString();
            if (player >= 1 && player <= 4 && file.endsWith(QLatin1String("_s.wav")))
                ++tracks[player - 1].sentIn;
            else if (player >= 1 && player <= 4 && file.endsWith(QLatin1String("_r.wav")))
                ++tracks[player - 1].departed;
            else if (player >= 5 && player <= 8 && file == QStringLiteral("Sound/open%1.wav").arg(player - 4))
                ++tracks[player - 5].halted;
        }
        for (int slot = 1; slot <= 4; ++slot) {
            const Track& t = tracks[slot - 1];
            EXPECT_EQ(t.halted, t.sentIn) << station.toStdString() << " slot " << slot;
            EXPECT_EQ(t.departed, t.sentIn) << station.toStdString() << " slot " << slot;
            sentIn += t.sentIn;
            halted += t.halted;
            departed += t.departed;
            if (t.sentIn > 0 && 100.0 * t.halted / t.sentIn < worst) {
                worst = 100.0 * t.halted / t.sentIn;
                worstTrack = QStringLiteral("%1 slot %2 (%3 of %4)").arg(station).arg(slot).arg(t.halted).arg(t.sentIn);
            }
        }
        EXPECT_TRUE(program.errors().isEmpty()) << station.toStdString() << ": "
                                                << program.errors().join('\n').toStdString();
    }
    EXPECT_GT(sentIn, 0);
    std::cout << line.toStdString() << ": " << stations.size() << " rows, " << sentIn << " stopping trains sent in, "
              << halted << " halted (" << (sentIn ? 100.0 * halted / sentIn : 0.0) << " %), " << departed
              << " left again; lowest track "
              << (worstTrack.isEmpty() ? "all 100 %" : (QString::number(worst, 'f', 2) + " % " + worstTrack).toStdString())
              << std::endl;
}

// One test per line, so the days of the network run side by side.
INSTANTIATE_TEST_SUITE_P(Lines, NetworkDay,
                         ::testing::Values("銀座線", "丸ノ内線", "丸ノ内分岐線", "日比谷線", "東西線", "千代田線",
                                           "千代田分岐線", "半蔵門線", "有楽町線", "有楽町新線", "南北線", "１３号線",
                                           "浅草線", "三田線", "新宿線", "大江戸線"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return "Line" + std::to_string(info.index);
                         });
