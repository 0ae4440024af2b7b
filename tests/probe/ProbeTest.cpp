// The headless runner: the program's start-up in simulated time, printed
// as JSON, for any folder with a station database.

#include "support/Paths.h"
#include "support/StationFixture.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QJsonObject runProbe(const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess probe;
    probe.start(probePath(), arguments);
    EXPECT_TRUE(probe.waitForFinished(60000));
    if (exitCode)
        *exitCode = probe.exitCode();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(probe.readAllStandardOutput(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

}  // namespace

TEST(Probe, PrintsTheStationRowListsAndControlsAtAGivenTime)
{
    StationFixture fixture;
    fixture.addStation(stationRow("L", "A", {{"ZIKOKU1", "xx:X\r\n\r\n10:,xx06,xx07"}}));
    fixture.addStation(stationRow("L", "B's", {{"ZIKOKU2", "yy:Y\r\n\r\n10:,yy06"}, {"P_ZIKOKU4", "10:,6"},
                                               {"COLOR", 33023}}));
    fixture.write();
    const QJsonObject state = runProbe({"--program-folder", fixture.folder(), "--line", "L", "--station", "B's",
                                        "--at", "10:05:58", "--advance", "3"});
    EXPECT_EQ(state["line"].toString(), "L");
    EXPECT_EQ(state["station"].toString(), "B's");
    const QJsonObject row = state["row"].toObject();
    EXPECT_EQ(row["EKI_J"].toString(), "B's");
    EXPECT_EQ(row["COLOR"].toInt(), 33023);
    EXPECT_EQ(row.keys().size(), stationColumns().size());
    const QJsonObject lists = state["lists"].toObject();
    EXPECT_EQ(lists["Memo2_1"].toArray(), QJsonArray({"10:05-10:06 Y"}));
    EXPECT_EQ(lists["Memo4_3"].toArray(), QJsonArray({"10:06"}));
    EXPECT_EQ(lists["Memo1_1"].toArray(), QJsonArray());
    EXPECT_EQ(lists.keys().size(), 12);
    const QJsonObject controls = state["controls"].toObject();
    EXPECT_EQ(controls["Timer1"].toObject()["interval"].toInt(), 500);
    EXPECT_EQ(controls["Info05_2"].toObject()["caption"].toString(), "10:06");  // the board clocks at second 0
    EXPECT_EQ(controls["Train01t"].toObject()["interval"].toInt(), 10);
    EXPECT_TRUE(controls["S01"].toObject()["checked"].toBool());
    for (const char* member : {"flags", "transfer", "events"})
        EXPECT_TRUE(state.contains(member)) << member;
    // The settings file of the folder is left alone.
    EXPECT_FALSE(QFile::exists(fixture.path("I_Quorel.ini")));
}

TEST(Probe, ReportsAStartUpThatCannotOpenTheDatabase)
{
    QTemporaryDir empty;
    int exitCode = -1;
    const QJsonObject state = runProbe({"--program-folder", empty.path(), "--at", "08:00:00"}, &exitCode);
    EXPECT_EQ(exitCode, 0);
    const QJsonArray events = state["events"].toArray();
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].toObject()["kind"].toString(), "error");
    EXPECT_EQ(events[0].toObject()["at"].toString(), "08:00:00.000");
    EXPECT_TRUE(state["row"].isNull());
}

TEST(Probe, RejectsWrongArguments)
{
    const QStringList wrong[] = {
        {"--program-folder", "."},
        {"--program-folder", ".", "--at", "25:00:00"},
        {"--program-folder", ".", "--at", "08:00:00", "--advance", "nan"},
        {"--program-folder", ".", "--at", "08:00:00", "--advance", "inf"},
        {"--program-folder", ".", "--at", "08:00:00", "--advance", "1e300"},
        {"--program-folder", ".", "--at", "08:00:00", "--advance", "-1"},
        {"--program-folder", ".", "--at", "08:00:00", "--seed", "x"},
    };
    for (const QStringList& arguments : wrong) {
        QProcess probe;
        probe.start(probePath(), arguments);
        ASSERT_TRUE(probe.waitForFinished(60000));
        EXPECT_EQ(probe.exitCode(), 2) << arguments.join(' ').toStdString();
    }
}

TEST(Probe, ReportsTheRouteMapsMarkersAndWindow)
{
    StationFixture fixture;
    fixture.addStation(stationRow("L", "A"));
    fixture.write();
    const QJsonObject state = runProbe({"--program-folder", fixture.folder(), "--line", "L", "--station", "A",
                                        "--at", "10:00:00"});
    const QJsonObject controls = state["controls"].toObject();
    const QJsonObject g01 = controls["MapForm1.SN_G01"].toObject();
    EXPECT_EQ(g01["left"].toInt(), 357);
    EXPECT_EQ(g01["top"].toInt(), 592);
    EXPECT_EQ(g01["width"].toInt(), 10);
    EXPECT_EQ(g01["height"].toInt(), 10);
    EXPECT_EQ(g01["hint"].toString(), "渋谷 - Shibuya");
    EXPECT_TRUE(g01["visible"].toBool());
    EXPECT_EQ(controls["MapForm1.SN_MM03"].toObject()["hint"].toString(), "方南町 - Honancho");
    int markers = 0;
    for (const QString& key : controls.keys())
        markers += key.startsWith("MapForm1.SN_");
    EXPECT_EQ(markers, 228);
    const QJsonObject map = state["windows"].toObject()["MapForm1"].toObject();
    EXPECT_EQ(map["caption"].toString(), "◆ DUVIV OVEVER MAP");
    EXPECT_TRUE(map["visible"].toBool());
    EXPECT_TRUE(map["centred"].toBool());
    EXPECT_EQ(map["width"].toInt(), 800);
    EXPECT_EQ(map["height"].toInt(), 602);
    EXPECT_EQ(map["scrollLeft"].toInt(), 183);
    EXPECT_EQ(map["scrollTop"].toInt(), 229);
}

TEST(Probe, ReportsTheAlbumShownAndTheInformationWindow)
{
    StationFixture fixture;
    fixture.addStation(stationRow("L", "A"));
    fixture.write();
    const QString album = fixture.folder() + "/Picture/L/A";
    QDir().mkpath(album);
    for (const char* name : {"b.png", "a.JPG", "notes.txt"}) {
        QFile f(album + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QJsonObject state =
        runProbe({"--program-folder", fixture.folder(), "--line", "L", "--station", "A", "--at", "10:00:00"});
    const QJsonObject shown = state["album"].toObject();
    EXPECT_EQ(shown["folder"].toString(), album);
    EXPECT_EQ(shown["files"].toArray(), QJsonArray({"a.JPG", "b.png"}));
    EXPECT_EQ(shown["order"].toString(), "name");
    const QJsonObject controls = state["controls"].toObject();
    EXPECT_EQ(controls["InfoForm1.SpeedButton2"].toObject()["caption"].toString(), "CLOSE (&X)");
    EXPECT_TRUE(controls["InfoForm1.Label3"].toObject()["caption"].toString().startsWith("mail : "));
    EXPECT_TRUE(controls["InfoForm1.Label2"].toObject()["caption"].toString().startsWith("url : "));
    EXPECT_EQ(controls["IkThumb1"].toObject()["width"].toInt(), 386);
}

// --speech-out: every speak event of the run rendered by the real engine
// into DIR/NNN.wav, in event order, each event naming its file.
TEST(Probe, WritesEachAnnouncementAsAWaveFile)
{
    StationFixture fixture;
    fixture.addStation(stationRow("L", "A", {{"EKI_E", "Ay"}}));
    fixture.addStation(stationRow("L", "B", {{"EKI_E", "Bee"}, {"ROSEN_E", "Test Line"}, {"HOME", "島1"},
                                             {"STRUCT1", "0111111119"}, {"NORIBA1", "1"}, {"NORIBA2", "2"},
                                             {"ZIKOKU2", "東:東町\r\n\r\n10:,東06"}}));
    fixture.addStation(stationRow("L", "C", {{"EKI_E", "Cee"}}));
    fixture.addTrainWithPictures("L", "t", 600, "100,400", "t");
    fixture.write();
    fixture.writeSettings({"[SET]", "NOW_ROSEN=L", "NOW_EKI=B", "S02=1", "LANGUAGE_J=1", "LANGUAGE_E=0"});
    // The built program's Japanese voice.
    QFile::link(programFolder() + "/Voice", fixture.path("Voice"));
    QTemporaryDir out, cache;
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CACHE_HOME", cache.path());
    probe.setProcessEnvironment(env);
    probe.start(probePath(), {"--program-folder", fixture.folder(), "--at", "10:04:55", "--advance", "100",
                              "--speech-out", out.path()});
    ASSERT_TRUE(probe.waitForFinished(120000));
    const QJsonObject state = QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
    QStringList wavs;
    for (const QJsonValue& e : state["events"].toArray()) {
        const QJsonObject event = e.toObject();
        if (event["kind"].toString() == "speak")
            wavs << event["wav"].toString();
    }
    ASSERT_GE(wavs.size(), 2);
    if (QFile::exists(fixture.path("Voice/nitech_jp_atr503_m001.htsvoice")))
        EXPECT_FALSE(wavs.first().isEmpty());
    for (int i = 0; i < wavs.size(); ++i) {
        const QString expected = QDir(out.path()).filePath(QString("%1.wav").arg(i + 1, 3, 10, QChar('0')));
        if (wavs[i].isEmpty()) {
            // No installed voice speaks it: no file.
            EXPECT_FALSE(QFile::exists(expected));
            continue;
        }
        EXPECT_EQ(wavs[i], expected);
        QFile wav(expected);
        ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
        EXPECT_TRUE(wav.read(4) == "RIFF");
        EXPECT_GT(wav.size(), 10000);
    }
}
