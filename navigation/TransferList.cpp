// The transfer list filled by the station move: every line serving the
// current station, then every line of the stations recorded as adjacent.

#include "forms/MainForm1.h"

#include "data/CommaText.h"
#include "data/DataForm1.h"

void TMainForm1::fillSameStationTransfers()
{
    Query& lookup = data().QueryA;
    MultiColComboBox1.clearItems();
    int selected = 0;
    int counter = 0;
    lookup.close();
    lookup.setSql(QStringLiteral("SELECT * FROM Station WHERE(EKI_J=?)"), {currentStation});
    lookup.open();
    for (; !lookup.eof(); lookup.next()) {
        const QString line = lookup.fieldAsString(QStringLiteral("ROSEN_J"));
        MultiColComboBox1.addItem(line + u',' + lookup.fieldAsString(QStringLiteral("EKI_J")) + QStringLiteral(",(") + line
                                  + QStringLiteral("ホーム)"));
        if (line == currentLine)
            selected = counter;
        ++counter;
    }
    // Selected from the program: no transfer move follows.
    MultiColComboBox1.setItemIndex(selected);
    lookup.close();
}

void TMainForm1::fillAdjacentStationTransfers(const QString& adjacent)
{
    Query& lookup = data().QueryA;
    for (const QString& key : splitCommaText(adjacent)) {
        lookup.setSql(QStringLiteral("SELECT * FROM Station WHERE(EKI_J=?)"), {key});
        lookup.open();
        for (; !lookup.eof(); lookup.next()) {
            MultiColComboBox1.addItem(lookup.fieldAsString(QStringLiteral("ROSEN_J")) + u','
                                      + lookup.fieldAsString(QStringLiteral("EKI_J")) + QStringLiteral(",(") + currentStation
                                      + QStringLiteral("駅隣接)"));
        }
        lookup.close();
    }
}
