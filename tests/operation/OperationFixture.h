#pragma once
// A small line for the real-time tests: station B in the middle, an island
// platform of ten segments (1500 px), slot 1 towards A, slot 2 towards C,
// one kind of train 600 px long with doors at 100 and 400.

#include "hosts/recording/EventLog.h"
#include "support/ProgramHarness.h"
#include "support/Text.h"

#include <QJsonObject>
#include <gtest/gtest.h>

inline const QStringList kAllSounds = {"t_s.wav", "t_r.wav", "exp.wav", "open1.wav", "open2.wav", "open3.wav",
                                       "open4.wav", "close1.wav", "close2.wav", "close3.wav", "close4.wav"};

inline Row stationB(const Row& extra = {})
{
    Row row{{"EKI_E", "Bee"}, {"ROSEN_E", "Test Line"}, {"HOME", "島1"}, {"STRUCT1", "0111111119"},
            {"NORIBA1", "1"}, {"NORIBA2", "2"},
            {"ZIKOKU1", crlf({"西:西町", "", "10:,西12"})},
            {"ZIKOKU2", crlf({"東:東町", "", "10:,東06,東20"})}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        row.insert(it.key(), it.value());
    return row;
}

class OperationTest : public ::testing::Test {
protected:
    void build(const Row& b = {})
    {
        fixture.addStation(stationRow("L", "A", {{"EKI_E", "Ay"}}));
        fixture.addStation(stationRow("L", "B", stationB(b)));
        fixture.addStation(stationRow("L", "C", {{"EKI_E", "Cee"}}));
        fixture.addTrainWithPictures("L", "t", 600, "100,400", "t");
        fixture.addSounds(kAllSounds);
        fixture.write();
    }

    TMainForm1& start(const QTime& at, const Row& b = {})
    {
        build(b);
        return program.start("L", "B", at);
    }

    // Runs simulated time until the local time of day given.
    void runUntil(const QTime& t)
    {
        const qint64 now = program.host->virtualTime().msecsSinceMidnight();
        program.advance(t.msecsSinceStartOfDay() - now);
    }

    QVector<EventLog::Event> events(const QString& kind) const { return program.host->log().ofKind(kind); }
    QStringList spoken() const
    {
        QStringList texts;
        for (const auto& e : events("speak"))
            texts.append(e.fields["text"].toString());
        return texts;
    }
    QStringList sounds() const
    {
        QStringList files;
        for (const auto& e : events("sound"))
            files.append(e.fields["player"].toString() + ":" + e.fields["file"].toString());
        return files;
    }
    qint64 elapsed() const { return program.host->virtualTime().elapsed(); }

    StationFixture fixture;
    ProgramHarness program{fixture};
};
