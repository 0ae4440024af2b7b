// The working timetable, passing list and terminal arrival windows derived
// from the stored timetable texts.

#include "core/Failure.h"
#include "data/Timetable.h"

#include <gtest/gtest.h>

namespace {

QString field(std::initializer_list<const char*> lines)
{
    QStringList all;
    for (const char* line : lines)
        all.append(QString::fromUtf8(line));
    return all.join(QStringLiteral("\r\n"));
}

QStringList utf8(std::initializer_list<const char*> lines)
{
    QStringList all;
    for (const char* line : lines)
        all.append(QString::fromUtf8(line));
    return all;
}

QStringList working(const QString& text)
{
    QString lineText;
    return deriveWorkingTimetable(text, lineText);
}

}  // namespace

TEST(WorkingTimetable, BuildsOneLinePerDeparture)
{
    struct Case {
        const char* name;
        QString field;
        QStringList expected;
    } cases[] = {
        {"example hour", field({"浅:浅草,急:急行", "free text", "06:,浅04,急浅30,浅00"}),
         utf8({"06:03-06:04 浅草", "06:29-06:30 急行 浅草", "05:59-06:00 浅草"})},
        {"after midnight", field({"浅:浅草,急:急行", "", "00:,浅00"}), utf8({"23:59-00:00 浅草"})},
        {"minute 01 arrives at 00", field({"浅:浅草", "", "07:,浅01"}), utf8({"07:00-07:01 浅草"})},
        {"hour line without departures", field({"浅:浅草", "", "07:", "08:,浅10"}), utf8({"08:09-08:10 浅草"})},
        {"fewer than three lines", field({"浅:浅草", "06:,浅04"}), {}},
        {"empty field", QString(), {}},
        {"second code in no legend entry", field({"浅:浅草", "", "09:,浅渋15"}), utf8({"09:14-09:15 浅草"})},
        {"same code twice: the later text counts", field({"浅:浅草,浅:浅草行", "", "09:,浅20"}),
         utf8({"09:19-09:20 浅草行"})},
        {"two-letter ASCII codes", field({"AB:Asakusa", "", "10:,AB05"}), utf8({"10:04-10:05 Asakusa"})},
        {"hours keep the field's order", field({"渋:渋谷", "", "23:,渋50", "00:,渋10", "01:,渋05"}),
         utf8({"23:49-23:50 渋谷", "00:09-00:10 渋谷", "01:04-01:05 渋谷"})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(working(c.field), c.expected) << c.name;
}

TEST(WorkingTimetable, AnItemWithAnUnknownCodeRepeatsTheLineBuiltLast)
{
    QString lineText = QStringLiteral("from an earlier station");
    EXPECT_EQ(deriveWorkingTimetable(field({"浅:浅草", "", "06:,XX04"}), lineText),
              QStringList{"from an earlier station"});
    EXPECT_EQ(deriveWorkingTimetable(field({"浅:浅草", "", "06:,浅04,XX09"}), lineText),
              utf8({"06:03-06:04 浅草", "06:03-06:04 浅草"}));
    EXPECT_EQ(lineText, QString::fromUtf8("06:03-06:04 浅草"));
}

TEST(WorkingTimetable, AMinuteThatIsNoNumberIsAConversionError)
{
    EXPECT_THROW(working(field({"浅:浅草", "", "06:,浅x4"})), ConversionError);
    EXPECT_THROW(working(field({"浅:浅草", "", "ab:,浅00"})), ConversionError);
    // Only items whose code matched are converted.
    EXPECT_NO_THROW(working(field({"浅:浅草", "", "06:,XXab"})));
}

TEST(PassingList, OneLinePerMinute)
{
    EXPECT_EQ(derivePassingList(field({"07:,5,35", "23:,59"})), (QStringList{"07:05", "07:35", "23:59"}));
    EXPECT_EQ(derivePassingList(field({"08:,07", "09:"})), QStringList{"08:07"});
    EXPECT_EQ(derivePassingList(QString()), QStringList());
    EXPECT_THROW(derivePassingList(field({"07:,5,x"})), ConversionError);
}

TEST(TerminalArrivals, WindowsOfTheTrainsEndingHere)
{
    struct Case {
        const char* name;
        QString field;
        QStringList expected;
    } cases[] = {
        // A train leaving the neighbour at minute 00 arrives at 01, like any other.
        {"example", field({"終:終点", "", "09:,終12,終00"}), {"09:13-09:14", "09:01-09:02"}},
        {"other codes are skipped", field({"終:終点,渋:渋谷", "", "09:,渋05,終30"}), {"09:31-09:32"}},
        {"the code before the minute of a six-byte item", field({"急:急行,終:終点", "", "10:,急終20,終急25"}),
         {"10:21-10:22"}},
        {"legend and free line are not read", field({"終12", "終13", "11:,終14"}), {"11:15-11:16"}},
        // A window running past the hour continues in the next one.
        {"minute 58", field({"", "", "12:,終58"}), {"12:59-13:00"}},
        {"minute 59 before midnight", field({"", "", "23:,終59"}), {"00:00-00:01"}},
        {"minute 00 after midnight", field({"", "", "00:,終00"}), {"00:01-00:02"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scanTerminalArrivals(c.field, QStringLiteral("終")), c.expected) << c.name;
}
