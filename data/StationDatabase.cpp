#include "data/StationDatabase.h"

#include "core/Failure.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>

namespace {
QAtomicInt connectionCounter;
}

StationDatabase::StationDatabase(QString filePath)
    : m_filePath(std::move(filePath))
    , m_connectionName(QStringLiteral("quorel-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
}

StationDatabase::~StationDatabase()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

QSqlDatabase StationDatabase::connection()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            return db;
    }
    const QFileInfo file(m_filePath);
    if (!file.isFile())
        throw DatabaseError(QStringLiteral("Cannot open the station database '%1': the file does not exist.")
                                .arg(QDir::toNativeSeparators(m_filePath)));
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
        ? QSqlDatabase::database(m_connectionName, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (!db.isValid())
        throw DatabaseError(QStringLiteral("Cannot open the station database: the SQLite driver is not available."));
    db.setDatabaseName(m_filePath);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        throw DatabaseError(QStringLiteral("Cannot open the station database '%1': %2")
                                .arg(QDir::toNativeSeparators(m_filePath), db.lastError().text()));
    return db;
}
