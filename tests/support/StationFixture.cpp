#include "support/StationFixture.h"

#include <QAtomicInt>
#include <QDir>
#include <QImage>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <functional>
#include <stdexcept>

namespace {

QAtomicInt counter;

const QStringList kIntegerColumns = {QStringLiteral("COLOR"), QStringLiteral("FLOOR"), QStringLiteral("CYAKU1"),
                                     QStringLiteral("HATU1"), QStringLiteral("CYAKU2"), QStringLiteral("HATU2")};

void check(bool ok, const QSqlQuery& query)
{
    if (!ok)
        throw std::runtime_error(query.lastError().text().toStdString());
}

}  // namespace

const QStringList& stationColumns()
{
    static const QStringList columns = QStringLiteral(
        "ROSEN_J ROSEN_E EKI_J EKI_E STA_NO COLOR FLOOR ADDRESS URL1 RINSETU HOME STRUCT1 STRUCT2 HOMEN1 HOMEN2 "
        "NORIBA1 NORIBA2 ZIKOKU1 ZIKOKU2 ZIKOKU3 ZIKOKU4 P_ZIKOKU1 P_ZIKOKU2 P_ZIKOKU3 P_ZIKOKU4 END CYAKU1 HATU1 "
        "CYAKU2 HATU2 RENRAKU_J RENRAKU_E").split(u' ');
    return columns;
}

const QStringList& trainColumns()
{
    static const QStringList columns = QStringLiteral("ROSEN_J IMAGE TYPE SOUND ZAHYO").split(u' ');
    return columns;
}

StationFixture::StationFixture() = default;

void StationFixture::addStation(const Row& row)
{
    m_stations.append(row);
}

void StationFixture::addTrain(const Row& row)
{
    m_trains.append(row);
}

void StationFixture::addTrainWithPictures(const QString& line, const QString& image, int width, const QString& doors,
                                          const QString& sound)
{
    addTrain({{"ROSEN_J", line}, {"IMAGE", image}, {"TYPE", image + QStringLiteral(" type")}, {"SOUND", sound},
              {"ZAHYO", doors}});
    QDir(m_dir.path()).mkpath(QStringLiteral("Train/Door"));
    QImage picture(width, 58, QImage::Format_RGB32);
    picture.fill(qRgb(0, 90, 200));
    picture.save(path(QStringLiteral("Train/%1.dat").arg(image)), "BMP");
    for (int n = 0; n <= 10; ++n) {
        QImage frame(18, 26, QImage::Format_RGB32);
        frame.fill(qRgb(n, n, n));
        frame.save(path(QStringLiteral("Train/Door/%1_%2.dat").arg(image).arg(n)), "BMP");
    }
}

void StationFixture::addSounds(const QStringList& names)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Sound"));
    for (const QString& name : names) {
        QFile file(path(QStringLiteral("Sound/") + name));
        file.open(QIODevice::WriteOnly);
    }
}

void StationFixture::withDatabase(const std::function<void(QSqlQuery&)>& work)
{
    const QString name = QStringLiteral("fixture-%1").arg(counter.fetchAndAddRelaxed(1));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path(QStringLiteral("network.db")));
        if (!db.open())
            throw std::runtime_error(db.lastError().text().toStdString());
        QSqlQuery query(db);
        work(query);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void StationFixture::exec(const QString& sql)
{
    withDatabase([&](QSqlQuery& query) { check(query.exec(sql), query); });
}

void StationFixture::write()
{
    QFile::remove(path(QStringLiteral("network.db")));
    withDatabase([&](QSqlQuery& query) {
        auto create = [&](const QString& table, const QStringList& columns) {
            QStringList defs;
            for (const QString& c : columns)
                defs.append(c + (kIntegerColumns.contains(c) ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT")));
            check(query.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(table, defs.join(u','))), query);
        };
        create(QStringLiteral("station"), stationColumns());
        create(QStringLiteral("Train"), trainColumns());
        auto insert = [&](const QString& table, const QStringList& columns, const QVector<Row>& rows) {
            for (const Row& row : rows) {
                QStringList marks;
                for (int i = 0; i < columns.size(); ++i)
                    marks.append(QStringLiteral("?"));
                check(query.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(u','))), query);
                for (const QString& c : columns) {
                    if (row.contains(c))
                        query.addBindValue(row.value(c));
                    else
                        query.addBindValue(kIntegerColumns.contains(c) ? QVariant(0) : QVariant(QString()));
                }
                check(query.exec(), query);
            }
        };
        insert(QStringLiteral("station"), stationColumns(), m_stations);
        insert(QStringLiteral("Train"), trainColumns(), m_trains);
    });
}

void StationFixture::writeSettings(const QStringList& lines)
{
    QFile file(path(QStringLiteral("I_Quorel.ini")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write the settings file");
    file.write(lines.join(u'\n').toUtf8() + '\n');
}

QString StationFixture::readSettings() const
{
    QFile file(path(QStringLiteral("I_Quorel.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

Row stationRow(const QString& line, const QString& station, const Row& extra)
{
    Row row{{QStringLiteral("ROSEN_J"), line}, {QStringLiteral("EKI_J"), station}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        row.insert(it.key(), it.value());
    return row;
}
