// The ways to leave the station shown: a pick in the station directory, the
// neighbour names on the name plate, the transfer list. Each ends in the
// station move.

#include "forms/MainForm1.h"

#include "data/CommaText.h"
#include "data/StationDirectory.h"

void TMainForm1::stationPick(const DirectoryEntry& entry)
{
    currentLine = QString::fromUtf8(entry.line);
    currentStation = QString::fromUtf8(entry.station);
    Button0Click(nullptr);
}

void TMainForm1::Info00_10Click()
{
    // Only a black, filled neighbour is a move target: silver names another railway's station.
    if (Info00_03.fontColor() != 0 || Info00_03.caption().isEmpty())
        return;
    currentStation = Info00_03.caption().mid(1);  // without the arrow
    Button0Click(&Info00_10);
}

void TMainForm1::Info00_11Click()
{
    if (Info00_05.fontColor() != 0 || Info00_05.caption().isEmpty())
        return;
    currentStation = Info00_05.caption().chopped(1);
    Button0Click(&Info00_11);
}

void TMainForm1::Info00_15Click()
{
    m_host.dialogs().popUpMenu(PopupMenu1.name());
}

void TMainForm1::MultiColComboBox1Change()
{
    const int index = MultiColComboBox1.itemIndex();
    if (index < 0)
        return;
    const QStringList columns = splitCommaText(MultiColComboBox1.items().at(index));
    currentLine = columns.value(0);
    currentStation = columns.value(1);
    Button0Click(&MultiColComboBox1);
}
