#pragma once
// The station database: one SQLite file holding the tables `station` and
// `Train`. The program only reads it, so it is opened read-only and a missing
// file is an error, never a new empty database.

#include <QSqlDatabase>
#include <QString>

class StationDatabase {
public:
    explicit StationDatabase(QString filePath);
    ~StationDatabase();
    StationDatabase(const StationDatabase&) = delete;
    StationDatabase& operator=(const StationDatabase&) = delete;

    const QString& filePath() const { return m_filePath; }

    // The open connection; opens it on first use. Raises DatabaseError.
    QSqlDatabase connection();

private:
    QString m_filePath;
    QString m_connectionName;
};
