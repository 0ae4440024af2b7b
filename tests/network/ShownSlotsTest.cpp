// Every directory station of the real network, loaded by the station move
// and at noon: each track the scene shows has trains to show.

#include "support/Paths.h"
#include "data/StationDirectory.h"
#include "support/ProgramHarness.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// A fixture folder that reads the built database and pictures.
void linkProgramFolder(StationFixture& fixture)
{
    for (const QString& item : {QStringLiteral("network.db"), QStringLiteral("Train")})
        QFile::link(QDir(programFolder()).filePath(item), fixture.path(item));
}

}  // namespace

TEST(ShownSlots, EveryShownTrackOfEveryDirectoryStationHasTrains)
{
    StationFixture fixture;
    linkProgramFolder(fixture);
    ProgramHarness program(fixture);
    TMainForm1& m = program.start(QStringLiteral("銀座線"), QStringLiteral("渋谷"), QTime(12, 0, 30));
    int stations = 0;
    for (const DirectoryGroup& group : stationDirectory()) {
        for (const DirectoryEntry& entry : group.items) {
            if (QByteArrayView(entry.caption) == "-")
                continue;
            ++stations;
            const QString line = QString::fromUtf8(entry.line);
            const QString station = QString::fromUtf8(entry.station);
            program.moveTo(line, station);
            SCOPED_TRACE((line + u' ' + station).toStdString());
            ASSERT_TRUE(program.errors().isEmpty()) << program.errors().join('\n').toStdString();
            EXPECT_EQ(m.Info00_01.caption(), station.trimmed() == u"都庁前" ? QStringLiteral("都庁前") : station);
            for (int slot = 1; slot <= 4; ++slot) {
                if (!m.trainPicture(slot).visible() || !m.rail(slot).visible())
                    continue;
                const TDataForm1::SlotLists& lists = program.data().lists(slot);
                // A passing track ("通過ホーム") only sees trains run through.
                const bool passingTrack = m.linePanelItem(slot, 2).caption() == u"通過ホーム";
                EXPECT_FALSE((passingTrack ? lists.passing : lists.working + lists.terminal).isEmpty())
                    << "slot " << slot;
                if (!passingTrack && m.departureMark(slot) == 0 && lists.terminal.isEmpty() && m.board(slot).visible())
                    EXPECT_FALSE(m.boardLine(slot, 1).caption().isEmpty()) << "board of slot " << slot;
            }
        }
    }
    EXPECT_EQ(stations, 288);
}

TEST(ShownSlots, TheProbeShowsTheWorkingTimetablesOfAStation)
{
    QProcess probe;
    probe.start(probePath(), {"--program-folder", programFolder(), "--line", "東西線", "--station", "中野", "--at",
                              "08:14:00"});
    ASSERT_TRUE(probe.waitForFinished(60000));
    const QJsonObject state = QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
    const QJsonObject lists = state["lists"].toObject();
    for (const char* memo : {"Memo1_1", "Memo2_1", "Memo3_1", "Memo4_1"})
        EXPECT_GT(lists[memo].toArray().size(), 50) << memo;
    EXPECT_EQ(state["controls"].toObject()["Info00_03"].toObject()["caption"].toString(), "←高円寺");
}
