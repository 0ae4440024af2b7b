// Builds the program's station database (tables station and Train) from the
// source tables of data/network/. The rows of each line go in in the
// directory's order: the program reads them back without ORDER BY and takes
// the row before and after the station row as its neighbours.
#include "data/StationDirectory.h"
#include "tools/fleet/Fleet.h"
#include "tools/netdb/PlatformFit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <cstdio>
#include <stdexcept>

namespace {

using Key = QPair<QString, QString>; // ROSEN_J, EKI_J
using Record = QHash<QString, QString>;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString& message)
{
    throw Failure(message.toStdString());
}

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("cannot open %1").arg(path));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    QStringList lines;
    while (!in.atEnd())
        lines.append(in.readLine());
    return lines;
}

// A tab-separated table whose column names stand on its "#NAME\t..." line.
QList<Record> readTable(const QString& path, const QString& firstColumn)
{
    QStringList header;
    QList<Record> rows;
    for (const QString& line : readLines(path)) {
        if (line.startsWith(u'#' + firstColumn + u'\t')) {
            header = line.mid(1).split(u'\t');
            continue;
        }
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u'\t');
        if (header.isEmpty() || cells.size() != header.size())
            fail(QStringLiteral("%1: malformed line: %2").arg(path, line));
        Record r;
        for (int i = 0; i < header.size(); ++i)
            r.insert(header[i], cells[i]);
        rows.append(r);
    }
    return rows;
}

QHash<Key, Record> byKey(const QList<Record>& rows, const QString& path)
{
    QHash<Key, Record> map;
    for (const Record& r : rows) {
        const Key key(r.value("ROSEN_J"), r.value("EKI_J"));
        if (map.contains(key))
            fail(QStringLiteral("%1: %2 %3 twice").arg(path, key.first, key.second));
        map.insert(key, r);
    }
    return map;
}

// Timetable file: "[EKI_J]" opens a row, "NAME=value" sets a value, "NAME:"
// opens a multi-line field that runs to the line ".". Fields keep CR LF.
QHash<QString, Record> readTimetables(const QString& path)
{
    QHash<QString, Record> rows;
    const QStringList lines = readLines(path);
    QString station;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            station = line.mid(1, line.size() - 2);
            if (rows.contains(station))
                fail(QStringLiteral("%1: station %2 twice").arg(path, station));
            rows.insert(station, {});
            continue;
        }
        if (station.isEmpty())
            fail(QStringLiteral("%1:%2: value outside a station").arg(path).arg(i + 1));
        if (line.endsWith(u':') && !line.contains(u'=')) {
            QStringList body;
            qsizetype j = i + 1;
            for (; j < lines.size() && lines[j] != QLatin1String("."); ++j)
                body.append(lines[j]);
            if (j == lines.size())
                fail(QStringLiteral("%1:%2: field without its closing line").arg(path).arg(i + 1));
            rows[station].insert(line.chopped(1), body.join(QLatin1String("\r\n")));
            i = j;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            fail(QStringLiteral("%1:%2: unreadable line").arg(path).arg(i + 1));
        rows[station].insert(line.left(eq), line.mid(eq + 1));
    }
    return rows;
}

const QStringList kStationColumns = {
    "ROSEN_J", "ROSEN_E", "EKI_J", "EKI_E", "STA_NO", "COLOR", "FLOOR", "ADDRESS", "URL1", "RINSETU", "HOME",
    "STRUCT1", "STRUCT2", "HOMEN1", "HOMEN2", "NORIBA1", "NORIBA2", "ZIKOKU1", "ZIKOKU2", "ZIKOKU3", "ZIKOKU4",
    "P_ZIKOKU1", "P_ZIKOKU2", "P_ZIKOKU3", "P_ZIKOKU4", "END", "CYAKU1", "HATU1", "CYAKU2", "HATU2",
    "RENRAKU_J", "RENRAKU_E"};
const QStringList kIntegerColumns = {"COLOR", "FLOOR", "CYAKU1", "HATU1", "CYAKU2", "HATU2"};
const QStringList kTrainColumns = {"ROSEN_J", "IMAGE", "TYPE", "SOUND", "ZAHYO"};

QString createTable(const QString& name, const QStringList& columns)
{
    QStringList defs;
    for (const QString& c : columns)
        defs.append(QStringLiteral("\"%1\" %2").arg(c, kIntegerColumns.contains(c) ? "INTEGER" : "TEXT"));
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(name, defs.join(QLatin1String(", ")));
}

QString insertInto(const QString& name, const QStringList& columns)
{
    QStringList marks(columns.size(), QStringLiteral("?"));
    return QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(name, marks.join(u','));
}

void exec(QSqlQuery& q)
{
    if (!q.exec())
        fail(q.lastError().text());
}

QVariant intValue(const Record& r, const QString& column, const QString& where)
{
    bool ok = false;
    const int v = r.value(column).toInt(&ok);
    if (!ok)
        fail(QStringLiteral("%1: %2 is not a whole number: '%3'").arg(where, column, r.value(column)));
    return v;
}

struct Counts {
    int stations = 0;
    int trains = 0;
};

Counts build(const QString& dataDir, const QString& outPath, const QString& day)
{
    QHash<QString, Record> lines;
    for (const Record& r : readTable(dataDir + "/lines.tsv", "ROSEN_J"))
        lines.insert(r.value("ROSEN_J"), r);
    const QHash<Key, Record> facts = byKey(readTable(dataDir + "/stations.tsv", "ROSEN_J"), "stations.tsv");
    const QHash<Key, Record> layouts = byKey(readTable(dataDir + "/layouts.tsv", "ROSEN_J"), "layouts.tsv");
    QHash<QString, QHash<QString, Record>> timetables; // per line
    QString error;
    const QList<fleet::Train> trains = fleet::readFleet(dataDir + "/fleet.tsv", &error);
    if (trains.isEmpty())
        fail(error.isEmpty() ? QStringLiteral("empty fleet") : error);

    const QString tmpPath = outPath + QLatin1String(".tmp");
    QFile::remove(tmpPath);
    Counts counts;
    QStringList platformFaults;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "netdb");
        db.setDatabaseName(tmpPath);
        if (!db.open())
            fail(db.lastError().text());
        QSqlQuery q(db);
        q.prepare(createTable("station", kStationColumns));
        exec(q);
        q.prepare(createTable("Train", kTrainColumns));
        exec(q);
        db.transaction();
        q.prepare(insertInto("station", kStationColumns));
        for (const DirectoryEntry* entry : directoryEntries()) {
            const QString rosen = QString::fromUtf8(entry->line);
            const QString eki = QString::fromUtf8(entry->station);
            const QString where = QStringLiteral("%1 %2 (%3)").arg(rosen, eki, entry->name);
            const Key key(rosen, eki);
            if (!lines.contains(rosen))
                fail(where + ": line missing from lines.tsv");
            if (!facts.contains(key))
                fail(where + ": row missing from stations.tsv");
            if (!layouts.contains(key))
                fail(where + ": row missing from layouts.tsv");
            const Record& line = lines[rosen];
            if (!timetables.contains(rosen))
                timetables.insert(rosen, readTimetables(QStringLiteral("%1/timetables/%2.%3.txt")
                                                            .arg(dataDir, line.value("FILE"), day)));
            const QHash<QString, Record>& times = timetables[rosen];
            if (!times.contains(eki))
                fail(where + ": row missing from the timetables");
            Record row = facts[key];
            row.insert(layouts[key]);
            for (const QString& fault : platformfit::faults(rosen, eki, row.value("HOME"), row.value("STRUCT1"),
                                                             row.value("STRUCT2"), trains))
                platformFaults.append(QStringLiteral("  %1 %2: %3").arg(rosen, eki, fault));
            row.insert(times[eki]);
            row.insert("ROSEN_E", line.value("ROSEN_E"));
            row.insert("COLOR", line.value("COLOR"));
            for (int i = 0; i < kStationColumns.size(); ++i) {
                const QString& c = kStationColumns[i];
                if (kIntegerColumns.contains(c))
                    q.bindValue(i, intValue(row, c, where));
                else if (!row.contains(c))
                    fail(where + QStringLiteral(": no value for %1").arg(c));
                else
                    q.bindValue(i, row.value(c).isNull() ? QStringLiteral("") : row.value(c)); // '' rather than NULL
            }
            exec(q);
            ++counts.stations;
        }
        if (!platformFaults.isEmpty())
            fail(QStringLiteral("layouts.tsv: platforms that do not fit their trains:\n") + platformFaults.join(u'\n'));
        q.prepare(insertInto("Train", kTrainColumns));
        for (const fleet::Train& t : trains) {
            q.bindValue(0, t.line);
            q.bindValue(1, t.image);
            q.bindValue(2, t.type);
            q.bindValue(3, t.sound);
            q.bindValue(4, fleet::doorPositionText(t));
            exec(q);
            ++counts.trains;
        }
        if (!db.commit())
            fail(db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase("netdb");
    QFile::remove(outPath);
    if (!QFile::rename(tmpPath, outPath))
        fail(QStringLiteral("cannot move %1 to %2").arg(tmpPath, outPath));
    return counts;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString dataDir, outPath, day = QStringLiteral("weekday");
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--data"))
            dataDir = args[i + 1];
        else if (args[i] == QLatin1String("--out"))
            outPath = args[i + 1];
        else if (args[i] == QLatin1String("--day"))
            day = args[i + 1];
    }
    if (dataDir.isEmpty() || outPath.isEmpty()) {
        std::fprintf(stderr, "usage: quorel-netdb --data DATA_DIR --out network.db [--day weekday|holiday]\n");
        return 2;
    }
    try {
        QDir().mkpath(QFileInfo(outPath).absolutePath());
        const Counts c = build(dataDir, outPath, day);
        std::printf("quorel-netdb: %d station rows and %d train rows (%s) in %s\n", c.stations, c.trains,
                    qPrintable(day), qPrintable(outPath));
    } catch (const Failure& e) {
        std::fprintf(stderr, "quorel-netdb: %s\n", e.what());
        return 1;
    }
    return 0;
}
