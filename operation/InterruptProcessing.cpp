// Interrupt processing: when a station is (re)loaded in the middle of a
// minute, the trains due to arrive in that minute stand at their platform
// at once, doors open, as if they had run in.

#include "forms/MainForm1.h"

#include "data/DataForm1.h"
#include "data/ShiftJisText.h"

void TMainForm1::Button2Click(Control*)
{
    const QString now = timeText(Clock1.hour(), Clock1.minute());
    for (int slot = 1; slot <= 4; ++slot) {
        const QStringList working = data().lists(slot).working;
        for (const QString& line : working) {
            if (sjis::substring(line, 1, 5) != now)
                continue;
            trainTimer(slot).setEnabled(false);
            boardLine(slot, 1).setTag(1);
            // Unlike a dispatch, the selection moves on from the current row.
            Query& trains = data().trainQuery(slot);
            const int count = trains.recordCount();
            if (count > 0)
                trains.moveBy(m_host.random().next() % count);
            loadTrainPicture(slot);
            trainPicture(slot).setLeft(stopPoint(slot));
            if (doorStrip(slot)) {
                loadDoorFrames(slot);
                drawOpen(slot);
            }
            if (S02.checked())
                announce(slot);
        }
    }
}
