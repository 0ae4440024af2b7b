// The station move: the one operation that loads a station into the main
// window.

#include "app/MainForm1.h"

#include "data/DataForm1.h"

void TMainForm1::Button0Click(Control* sender)
{
    TDataForm1& d = data();

    for (int slot = 1; slot <= 4; ++slot) {
        trainTimer(slot).setTag(0);
        trainTimer(slot).setEnabled(false);
        trainTimer(slot).setInterval(10);
        trainPicture(slot).setLeft(-4000);
    }
    for (int slot = 1; slot <= 4; ++slot) {
        trainPicture(slot).setTag(0);
        stopFlag[slot - 1] = true;
    }

    d.Query0.close();
    d.Query0.setSql(QStringLiteral("SELECT * FROM Station WHERE(ROSEN_J=?)"), {currentLine});
    d.Query0.open();
    d.Query0.locate(QStringLiteral("EKI_J"), currentStation);

    for (int slot = 1; slot <= 4; ++slot)
        d.deriveWorkingTimetable(slot, lineText);
    for (int slot = 1; slot <= 4; ++slot)
        d.derivePassingList(slot);
    d.deriveTerminalArrivalLists();

    for (int slot = 1; slot <= 4; ++slot) {
        Query& trains = d.trainQuery(slot);
        trains.close();
        trains.setSql(QStringLiteral("SELECT * FROM Train WHERE(ROSEN_J=?)"), {currentLine});
        trains.open();
    }
    Button1Click(sender);
    Button2Click(sender);
}

void TMainForm1::Button1Click(Control*)
{
}

void TMainForm1::Button2Click(Control*)
{
}
