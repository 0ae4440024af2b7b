#include "data/Query.h"

#include "core/Conversion.h"
#include "core/Failure.h"
#include "data/StationDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>
#include <limits>

Query::Query(QString name, StationDatabase& database, QString sql)
    : m_name(std::move(name))
    , m_database(database)
    , m_sql(std::move(sql))
{
}

void Query::setSql(QString sql, QVariantList parameters)
{
    close();
    m_sql = std::move(sql);
    m_parameters = std::move(parameters);
}

void Query::open()
{
    if (m_active)
        return;
    QSqlDatabase db;
    try {
        db = m_database.connection();
    } catch (const DatabaseError& error) {
        throw DatabaseError(m_name + QStringLiteral(": ") + error.message());
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(m_sql))
        throw DatabaseError(QStringLiteral("%1: %2").arg(m_name, query.lastError().text()));
    for (const QVariant& value : std::as_const(m_parameters))
        query.addBindValue(value);
    if (!query.exec())
        throw DatabaseError(QStringLiteral("%1: %2").arg(m_name, query.lastError().text()));

    const QSqlRecord record = query.record();
    m_fieldNames.clear();
    m_fieldIndex.clear();
    for (int i = 0; i < record.count(); ++i) {
        m_fieldNames.append(record.fieldName(i));
        m_fieldIndex.insert(record.fieldName(i).toUpper(), i);
    }
    m_rows.clear();
    while (query.next()) {
        QVector<QVariant> row(record.count());
        for (int i = 0; i < record.count(); ++i)
            row[i] = query.value(i);
        m_rows.append(std::move(row));
    }
    if (query.lastError().isValid())
        throw DatabaseError(QStringLiteral("%1: %2").arg(m_name, query.lastError().text()));
    m_active = true;
    first();
}

void Query::close()
{
    m_active = false;
    m_rows.clear();
    m_fieldNames.clear();
    m_fieldIndex.clear();
    m_row = -1;
    m_bof = true;
    m_eof = true;
}

void Query::requireActive() const
{
    if (!m_active)
        throw DatabaseError(m_name + QStringLiteral(": Cannot perform this operation on a closed dataset"));
}

void Query::first()
{
    requireActive();
    m_row = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
}

void Query::next()
{
    moveBy(1);
}

void Query::prior()
{
    moveBy(-1);
}

void Query::moveBy(int distance)
{
    requireActive();
    m_bof = false;
    m_eof = false;
    if (m_rows.isEmpty()) {
        m_bof = m_eof = true;
        return;
    }
    const qint64 target = qint64(m_row) + distance;
    if (target < 0) {
        m_row = 0;
        m_bof = true;
    } else if (target >= m_rows.size()) {
        m_row = int(m_rows.size()) - 1;
        m_eof = true;
    } else {
        m_row = int(target);
    }
}

int Query::recordCount() const
{
    requireActive();
    return int(m_rows.size());
}

bool Query::locate(const QString& field, const QString& value)
{
    requireActive();
    const int column = fieldIndex(field);
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i][column].toString() == value) {
            m_row = i;
            m_bof = m_eof = false;
            return true;
        }
    }
    return false;
}

int Query::fieldIndex(const QString& field) const
{
    const auto it = m_fieldIndex.constFind(field.toUpper());
    if (it == m_fieldIndex.constEnd())
        throw DatabaseError(QStringLiteral("%1: Field '%2' not found").arg(m_name, field));
    return it.value();
}

QVariant Query::fieldValue(const QString& field) const
{
    requireActive();
    const int column = fieldIndex(field);
    if (m_row < 0)
        return {};
    return m_rows[m_row][column];
}

QString Query::fieldAsString(const QString& field) const
{
    const QVariant value = fieldValue(field);
    return value.isNull() ? QString() : value.toString();
}

int Query::fieldAsInteger(const QString& field) const
{
    const QVariant value = fieldValue(field);
    if (value.isNull())
        return 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double: {
        // A stored number beyond the integer range is an error, never a wrapped value.
        const double number = value.toDouble();
        if (!(number >= std::numeric_limits<int>::min() - 0.5 && number < std::numeric_limits<int>::max() + 0.5))
            throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(value.toString()));
        if (value.typeId() == QMetaType::Double)
            return int(std::lround(number));
        return int(value.toLongLong());
    }
    default:
        return strToInt(value.toString());
    }
}
