#pragma once
// Small real station databases for tests: a temporary program folder with a
// network.db holding the tables station and Train, filled row by row.

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <functional>

// The columns of the station table, in order.
const QStringList& stationColumns();
const QStringList& trainColumns();

using Row = QMap<QString, QVariant>;

class StationFixture {
public:
    StationFixture();

    // Adds rows in stored order; missing columns are empty (integers 0).
    void addStation(const Row& row);
    void addTrain(const Row& row);
    // A train row of the line with its picture (width x 58) and its eleven
    // door frames (18 x 26) written under Train/; door frame n is filled
    // with the grey level n so tests can tell the frames apart.
    void addTrainWithPictures(const QString& line, const QString& image, int width, const QString& doors,
                              const QString& sound = QStringLiteral("snd"));
    // Empty wave files under Sound/ so that plays succeed.
    void addSounds(const QStringList& names);
    // Writes network.db into the folder (again, from scratch).
    void write();
    // Writes I_Quorel.ini with [SET] and the given lines.
    void writeSettings(const QStringList& lines);
    QString readSettings() const;

    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Runs SQL on a writable connection to the fixture's database.
    void exec(const QString& sql);

private:
    // Runs work on a writable connection to the fixture's database.
    void withDatabase(const std::function<void(class QSqlQuery&)>& work);

    QTemporaryDir m_dir;
    QVector<Row> m_stations;
    QVector<Row> m_trains;
};

// A line of four stations A..D of line "L" with simple timetables.
Row stationRow(const QString& line, const QString& station, const Row& extra = {});
