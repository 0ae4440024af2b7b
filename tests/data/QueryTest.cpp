// Row semantics of the queries over a real SQLite file.

#include "core/Failure.h"
#include "data/Query.h"
#include "data/StationDatabase.h"
#include "support/StationFixture.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

class QueryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"渋谷", "表参道", "外苑前"})
            fixture.addStation(stationRow("銀座線", QString::fromUtf8(name), {{"COLOR", 1938423}, {"STA_NO", "G01"}}));
        fixture.addStation(stationRow("半蔵門線", "表参道", {{"COLOR", 12156051}}));
        fixture.addStation(stationRow("O'Line", "It's", {{"FLOOR", "-3"}, {"END", "x"}}));
        fixture.write();
    }

    Query lineQuery(const QString& line)
    {
        Query q(QStringLiteral("Query0"), database, QString());
        q.setSql(QStringLiteral("SELECT * FROM Station WHERE(ROSEN_J=?)"), {line});
        q.open();
        return q;
    }

    StationFixture fixture;
    StationDatabase database{fixture.path("network.db")};
};

}  // namespace

TEST_F(QueryTest, WalksTheRowsInStoredOrderWithBeginAndEnd)
{
    Query q = lineQuery("銀座線");
    EXPECT_EQ(q.recordCount(), 3);
    EXPECT_EQ(q.fieldAsString("EKI_J"), "渋谷");
    q.prior();
    EXPECT_TRUE(q.bof());
    EXPECT_EQ(q.fieldAsString("EKI_J"), "渋谷");
    q.next();
    EXPECT_FALSE(q.bof());
    EXPECT_EQ(q.fieldAsString("EKI_J"), "表参道");
    q.next();
    q.next();
    EXPECT_TRUE(q.eof());
    EXPECT_EQ(q.fieldAsString("EKI_J"), "外苑前");
    q.prior();
    EXPECT_FALSE(q.eof());
    EXPECT_EQ(q.fieldAsString("EKI_J"), "表参道");
    q.moveBy(5);
    EXPECT_TRUE(q.eof());
    EXPECT_EQ(q.recNo(), 2);
    q.moveBy(-1);
    EXPECT_EQ(q.recNo(), 1);
    q.first();
    EXPECT_EQ(q.recNo(), 0);
}

TEST_F(QueryTest, LocateFindsTheExactNameOrStaysPut)
{
    Query q = lineQuery("銀座線");
    EXPECT_TRUE(q.locate("EKI_J", "外苑前"));
    EXPECT_EQ(q.recNo(), 2);
    EXPECT_FALSE(q.locate("EKI_J", "外苑"));
    EXPECT_EQ(q.recNo(), 2);
    EXPECT_FALSE(q.locate("EKI_J", "　外苑前"));
    EXPECT_EQ(q.recNo(), 2);
}

TEST_F(QueryTest, ReadsColumnsByNameAsTextOrInteger)
{
    Query q = lineQuery("銀座線");
    EXPECT_EQ(q.fieldAsInteger("COLOR"), 1938423);
    EXPECT_EQ(q.fieldAsString("color"), "1938423");  // names match regardless of case
    EXPECT_EQ(q.fieldAsInteger("CYAKU1"), 0);
    EXPECT_EQ(q.fieldAsString("ADDRESS"), "");
    EXPECT_THROW(q.fieldAsString("NO_SUCH"), DatabaseError);

    Query other = lineQuery("O'Line");
    EXPECT_EQ(other.fieldAsInteger("FLOOR"), -3);
    EXPECT_THROW(other.fieldAsInteger("END"), ConversionError);
}

TEST(QueryNumbers, StoredNumbersBeyondTheIntegerRangeAreErrorsNeverWrapped)
{
    StationFixture fixture;
    fixture.addStation(stationRow("Big", "Numbers", {{"FLOOR", qint64(1) << 31}, {"COLOR", -(qint64(1) << 31)}, {"END", 1e12}}));
    fixture.write();
    StationDatabase database(fixture.path("network.db"));
    Query big(QStringLiteral("Query0"), database, QStringLiteral("SELECT * FROM Station"));
    big.open();
    EXPECT_THROW(big.fieldAsInteger("FLOOR"), ConversionError);
    EXPECT_EQ(big.fieldAsInteger("COLOR"), std::numeric_limits<int>::min());
    EXPECT_THROW(big.fieldAsInteger("END"), ConversionError);
}

TEST_F(QueryTest, ValuesWithQuotesAreBoundNotPasted)
{
    Query q = lineQuery("O'Line");
    EXPECT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.fieldAsString("EKI_J"), "It's");
    // A line name written to break out of the quotes selects nothing.
    Query injected = lineQuery("x') OR ('1'='1");
    EXPECT_EQ(injected.recordCount(), 0);
}

TEST_F(QueryTest, AnEmptyResultReadsAsEmptyValues)
{
    Query q = lineQuery("no such line");
    EXPECT_EQ(q.recordCount(), 0);
    EXPECT_TRUE(q.bof());
    EXPECT_TRUE(q.eof());
    q.prior();
    EXPECT_TRUE(q.bof());
    q.next();
    EXPECT_TRUE(q.eof());
    EXPECT_EQ(q.fieldAsString("EKI_J"), "");
    EXPECT_EQ(q.fieldAsInteger("COLOR"), 0);
    EXPECT_FALSE(q.locate("EKI_J", "渋谷"));
}

TEST_F(QueryTest, TableNamesMatchRegardlessOfCase)
{
    Query q(QStringLiteral("QueryA"), database, QStringLiteral("SELECT * FROM STATION"));
    q.open();
    EXPECT_EQ(q.recordCount(), 5);
}

TEST_F(QueryTest, FailuresAreDatabaseErrors)
{
    Query closed(QStringLiteral("Query1"), database, QStringLiteral("SELECT * FROM Train"));
    EXPECT_THROW(closed.fieldAsString("IMAGE"), DatabaseError);
    Query missing(QStringLiteral("Query1"), database, QStringLiteral("SELECT * FROM Nowhere"));
    EXPECT_THROW(missing.open(), DatabaseError);

    StationDatabase absent(fixture.path("absent.db"));
    Query q(QStringLiteral("QueryA"), absent, QStringLiteral("SELECT * FROM Station"));
    EXPECT_THROW(q.open(), DatabaseError);
    EXPECT_FALSE(QFile::exists(fixture.path("absent.db")));  // never creates a database

    QFile garbage(fixture.path("garbage.db"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("this is not a database at all, only some text that goes on for a while");
    garbage.close();
    StationDatabase broken(fixture.path("garbage.db"));
    Query g(QStringLiteral("QueryA"), broken, QStringLiteral("SELECT * FROM Station"));
    EXPECT_THROW(g.open(), DatabaseError);
}
