#include "data/Timetable.h"

#include "data/CommaText.h"
#include "core/Conversion.h"
#include "data/ShiftJisText.h"

namespace {

// Legend entry "浅:浅草": code in positions 1-2, text from position 4 on.
QString legendCode(const QString& entry)
{
    return sjis::substring(entry, 1, 2);
}

QString legendText(const QString& entry)
{
    return sjis::substring(entry, 4, sjis::length(entry));
}

QString minuteOf(const QString& item)
{
    return sjis::substring(item, sjis::length(item) - 1, 2);
}

int hourOf(const QString& hourPrefix)
{
    return strToIntAt(hourPrefix, 1, 2);
}

int minuteValue(const QString& item)
{
    return strToIntAt(item, sjis::length(item) - 1, 2);
}

// "HH:MM" of minute m of hour h, carried into the neighbouring hour of a
// 24-hour day when m lies outside 0..59.
QString clockTime(int h, int m)
{
    const int total = ((h * 60 + m) % 1440 + 1440) % 1440;
    return timeText(total / 60, total % 60);
}

// Calls f(hour prefix, item) for every departure item of the hour lines of a
// timetable field (line 2 on; the legend and the free line are not read).
template <typename F>
void forEachDeparture(const QStringList& lines, F&& f)
{
    for (qsizetype l = 2; l < lines.size(); ++l) {
        const QStringList items = splitCommaText(lines[l]);
        for (qsizetype i = 1; i < items.size(); ++i)
            f(items[0], items[i]);
    }
}

}  // namespace

QStringList deriveWorkingTimetable(const QString& field, QString& lineText)
{
    QStringList result;
    const QStringList lines = splitLines(field);
    if (lines.isEmpty())
        return result;
    const QStringList legend = splitCommaText(lines[0]);

    forEachDeparture(lines, [&](const QString& hour, const QString& item) {
        const QString code = sjis::substring(item, 1, 2);
        for (const QString& entry : legend) {
            if (code != legendCode(entry))
                continue;
            const QString minute = minuteOf(item);
            if (minute != u"00") {
                const int mm = minuteValue(item);
                lineText = hour + format2(mm - 1) + u'-' + hour + format2(mm);
            } else if (hour != u"00:") {
                lineText = format2(hourOf(hour) - 1) + QStringLiteral(":59-") + hour + QStringLiteral("00");
            } else {
                lineText = QStringLiteral("23:59-00:00");
            }
            lineText += u' ' + legendText(entry);
            if (sjis::length(item) == 6) {
                const QString secondCode = sjis::substring(item, 3, 2);
                for (const QString& second : legend) {
                    if (legendCode(second) == secondCode)
                        lineText += u' ' + legendText(second);
                }
            }
        }
        result.append(lineText);
    });
    return result;
}

QStringList derivePassingList(const QString& field)
{
    QStringList result;
    for (const QString& line : splitLines(field)) {
        const QStringList items = splitCommaText(line);
        for (qsizetype i = 1; i < items.size(); ++i)
            result.append(items[0] + format2(strToInt(items[i])));
    }
    return result;
}

QStringList scanTerminalArrivals(const QString& field, const QString& terminalCode)
{
    QStringList result;
    forEachDeparture(splitLines(field), [&](const QString& hour, const QString& item) {
        if (sjis::substring(item, sjis::length(item) - 3, 2) != terminalCode)
            return;
        // The train arrives the minute after it left the neighbour and
        // leaves the minute after that; past the hour the window runs on
        // into the next one.
        const int mm = minuteValue(item);
        if (mm + 2 < 60)
            result.append(hour + format2(mm + 1) + u'-' + hour + format2(mm + 2));
        else
            result.append(clockTime(hourOf(hour), mm + 1) + u'-' + clockTime(hourOf(hour), mm + 2));
    });
    return result;
}
