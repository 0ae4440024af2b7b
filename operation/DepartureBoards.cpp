// The departure boards as the station move fills them: the next two
// departures after the current minute.

#include "forms/MainForm1.h"

#include "data/DataForm1.h"
#include "data/ShiftJisText.h"

void TMainForm1::fillDepartureBoard(int slot)
{
    Control& first = boardLine(slot, 1);
    Control& second = boardLine(slot, 2);
    first.setTag(0);
    first.setVisible(true);
    first.setCaption(QString());
    second.setCaption(QString());

    const QString now = timeText(Clock1.hour(), Clock1.minute());
    const bool smallHours = Clock1.hour() == 0 || Clock1.hour() == 1;
    const QStringList& working = data().lists(slot).working;
    for (qsizetype k = 0; k < working.size(); ++k) {
        const QString& line = working[k];
        // A train leaving in the current minute is no longer shown.
        if (!(now < sjis::substring(line, 7, 5)))
            continue;
        // At night only the trains of the small hours count, not the first
        // trains of the morning further down the list.
        if (smallHours && !line.startsWith(u"00") && !line.startsWith(u"01"))
            continue;
        first.setCaption(sjis::substring(line, 7, sjis::length(line)));
        if (k + 1 < working.size())
            second.setCaption(sjis::substring(working[k + 1], 7, sjis::length(working[k + 1])));
        return;
    }
}
