// The route map: the way to it from the main window, and a press on one of
// its markers, which picks the marker's directory entry.

#include "forms/MainForm1.h"
#include "forms/MapForm1.h"

#include "data/StationDirectory.h"

void TMainForm1::SN_00Click()
{
    m_forms.MapForm1->Show();
}

void TMapForm1::markerMouseDown(const Control& marker)
{
    TMainForm1& main = *m_forms.MainForm1;
    // The main window comes up and is drawn before the move starts; the map
    // stays open behind it.
    if (presenter) {
        presenter->bringToFront(main.controls.windowName());
        presenter->repaintNow(main.controls.windowName());
    }
    if (const DirectoryEntry* entry = findDirectoryEntry(marker.name().toStdString()))
        main.stationPick(*entry);
}
