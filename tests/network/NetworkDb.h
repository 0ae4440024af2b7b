#pragma once
// Read access to the station database the build wrote into the program folder.

#include "support/Paths.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <gtest/gtest.h>

#include <map>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline QString networkDbPath()
{
    return programFolder() + QStringLiteral("/network.db");
}

inline QSqlDatabase networkDb()
{
    const QString name = QStringLiteral("network-tests");
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(networkDbPath());
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        ADD_FAILURE() << "cannot open " << networkDbPath().toStdString() << ": "
                      << db.lastError().text().toStdString();
    return db;
}

using Row = std::map<QString, QVariant>;

// The rows a query returns, in the order returned, as the program sees them.
inline std::vector<Row> selectRows(const QString& sql, const QVariantList& values = {})
{
    QSqlQuery q(networkDb());
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    std::vector<Row> rows;
    if (!q.exec()) {
        ADD_FAILURE() << sql.toStdString() << ": " << q.lastError().text().toStdString();
        return rows;
    }
    while (q.next()) {
        Row r;
        const QSqlRecord rec = q.record();
        for (int i = 0; i < rec.count(); ++i)
            r[rec.fieldName(i)] = q.value(i);
        rows.push_back(r);
    }
    return rows;
}

// The station row of one line and station, or an empty row.
inline Row stationRow(const QString& line, const QString& station)
{
    const auto rows = selectRows(QStringLiteral("SELECT * FROM station WHERE ROSEN_J=? AND EKI_J=?"),
                                 {line, station});
    return rows.size() == 1 ? rows.front() : Row{};
}

inline QString text(const Row& r, const char* column)
{
    const auto it = r.find(QString::fromLatin1(column));
    return it == r.end() ? QString() : it->second.toString();
}
