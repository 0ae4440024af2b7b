#pragma once
// A query over the station database with the row semantics the program's
// handlers rely on: rows in stored order, a current row, first / previous /
// next with begin and end indication, move by a count, record count, locate
// by one column, and columns read by name as text or as whole numbers.
//
// Values always go into the SQL as bound parameters, never pasted between
// quotes, so a name with a quote in it (or a hand-edited settings file) can
// neither break the statement nor change it.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class StationDatabase;

class Query {
public:
    Query(QString name, StationDatabase& database, QString sql);

    const QString& name() const { return m_name; }

    // The statement text with one '?' per parameter. Changing it closes the query.
    void setSql(QString sql, QVariantList parameters = {});
    const QString& sql() const { return m_sql; }
    const QVariantList& parameters() const { return m_parameters; }

    void open();   // raises DatabaseError; afterwards the first row is current
    void close();
    bool active() const { return m_active; }

    void first();
    void next();    // at the last row: no move, eof() becomes true
    void prior();   // at the first row: no move, bof() becomes true
    void moveBy(int distance);  // stops at either end
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }

    int recordCount() const;
    int recNo() const { return m_row; }  // 0-based; -1 when there are no rows

    // Moves to the first row whose field equals value exactly; leaves the
    // position unchanged when no row matches.
    bool locate(const QString& field, const QString& value);

    QString fieldAsString(const QString& field) const;
    int fieldAsInteger(const QString& field) const;  // raises ConversionError on non-numbers
    QVariant fieldValue(const QString& field) const;

    const QStringList& fieldNames() const { return m_fieldNames; }
    bool isEmpty() const { return m_rows.isEmpty(); }

private:
    int fieldIndex(const QString& field) const;  // raises DatabaseError when unknown
    void requireActive() const;

    QString m_name;
    StationDatabase& m_database;
    QString m_sql;
    QVariantList m_parameters;
    bool m_active = false;
    QStringList m_fieldNames;
    QHash<QString, int> m_fieldIndex;  // keyed by upper-case name: columns match regardless of case
    QVector<QVector<QVariant>> m_rows;
    int m_row = -1;
    bool m_bof = true;
    bool m_eof = true;
};
