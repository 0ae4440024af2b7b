// A whole service day at a busy station of the real network, in simulated
// time: every train of the working timetable runs in, halts and leaves, and
// nothing is left running or standing when the night is over.

#include "data/DataForm1.h"
#include "data/ShiftJisText.h"
#include "support/Paths.h"
#include "support/ProgramHarness.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct SlotRecord {
    QStringList halts;       // minutes in which a stopping train halted
    int departures = 0;      // departures that ran out to the end
};

void runDay(const QString& line, const QString& station)
{
    // The real program folder, read only: the harness keeps its settings in a copy.
    StationFixture fixture;
    for (const QString& item : {QStringLiteral("network.db"), QStringLiteral("Train")})
        ASSERT_TRUE(QFile::link(QDir(programFolder()).filePath(item), fixture.path(item)));
    ProgramHarness program(fixture);
    TMainForm1& m = program.start(line, station, QTime(4, 30, 0));
    ASSERT_TRUE(program.errors().isEmpty());

    std::array<SlotRecord, 4> records;
    std::array<bool, 4> wasEnabled{};
    program.onChange = [&](Control& c) {
        for (int slot = 1; slot <= 4; ++slot) {
            TimerControl& timer = m.trainTimer(slot);
            if (&c != &timer)
                continue;
            if (wasEnabled[slot - 1] && !timer.enabled()) {
                if (timer.tag() == 0 && m.stopFlag[slot - 1])
                    records[slot - 1].halts.append(program.time().left(5));
                else if (timer.tag() == 1)
                    ++records[slot - 1].departures;
            }
            wasEnabled[slot - 1] = timer.enabled();
        }
    };
    // From before the first train until the night is over.
    program.advance(qint64(21.5 * 3600 * 1000));
    EXPECT_TRUE(program.errors().isEmpty()) << program.errors().join('\n').toStdString();

    int trains = 0;
    for (int slot = 1; slot <= 4; ++slot) {
        SCOPED_TRACE(slot);
        const TDataForm1::SlotLists& lists = program.data().lists(slot);
        QStringList arrivals;
        for (const QString& entry : lists.working)
            arrivals.append(sjis::substring(entry, 1, 5));
        for (const QString& window : lists.terminal)
            arrivals.append(sjis::substring(window, 1, 5));
        arrivals.sort();
        QStringList halts = records[slot - 1].halts;
        halts.sort();
        // Each train halts in its arrival minute (a halt may slip into the
        // next minute after a long run-in), then leaves.
        ASSERT_EQ(halts.size(), arrivals.size());
        for (qsizetype i = 0; i < arrivals.size(); ++i) {
            const QTime due = QTime::fromString(arrivals[i], "HH:mm");
            const QTime halted = QTime::fromString(halts[i], "HH:mm");
            EXPECT_TRUE(halted == due || halted == due.addSecs(60)) << arrivals[i].toStdString() << " " << halts[i].toStdString();
        }
        EXPECT_EQ(records[slot - 1].departures, arrivals.size());
        trains += int(arrivals.size());
        // Nothing left running or standing.
        EXPECT_FALSE(m.trainTimer(slot).enabled());
        EXPECT_EQ(m.trainPicture(slot).tag(), 0);
        EXPECT_EQ(m.departureMark(slot), 0);
        const int offset = m.trainPicture(slot).left() - m.stopPoint(slot);
        if (!arrivals.isEmpty())
            EXPECT_GE(qAbs(offset), 3199);
    }
    EXPECT_FALSE(m.Door02t.enabled() && m.Door02.left() != -4000);
    EXPECT_GT(trains, 300);
}

}  // namespace

TEST(ServiceDay, OmotesandoOnTheGinzaLine)
{
    runDay(QStringLiteral("銀座線"), QStringLiteral("表参道"));
}

TEST(ServiceDay, ShibuyaWhereGinzaLineTrainsEnd)
{
    runDay(QStringLiteral("銀座線"), QStringLiteral("渋谷"));
}

TEST(ServiceDay, MinamiSunamachiWhereRapidTrainsPassThrough)
{
    runDay(QStringLiteral("東西線"), QStringLiteral("南砂町"));
}
