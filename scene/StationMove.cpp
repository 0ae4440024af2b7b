// The station move: the one operation that loads a station into the main
// window. It stops what runs in the scene, reads the station row and its
// neighbours, sets every text and colour, derives the per-slot lists, fills
// the boards, builds platforms and layout, then hands over to the special
// configurations and the interrupt processing. The scene is hidden behind
// the loading panel meanwhile; only the progress bar is repainted.

#include "forms/MainForm1.h"

#include "data/DataForm1.h"
#include "core/Failure.h"
#include "data/ShiftJisText.h"
#include "scene/FloorBand.h"
#include "forms/VoiceForm1.h"

#include <QDir>

void TMainForm1::stepProgress()
{
    ProgressBar1.stepIt();
    controls.repaintNow(ProgressBar1);
}

void TMainForm1::Button0Click(Control* sender)
{
    TDataForm1& d = data();
    Query& row = d.Query0;

    // Sounds and voices.
    if (S01.checked()) {
        for (int slot = 1; slot <= 4; ++slot) {
            try {
                soundPlayer(slot).stop();
            } catch (...) {
                // A player with nothing open cannot stop: nothing to do.
            }
        }
    }
    if (S02.checked() && VoiceForm1)
        VoiceForm1->selectOnAll();

    // The loading panel comes up.
    ProgressBar1.setPosition(0);
    ScrollBox1.setTop(-200);
    controls.repaintNow(Panel00);
    stepProgress();

    // Trains off the scene and still.
    for (int slot = 1; slot <= 4; ++slot) {
        trainTimer(slot).setTag(0);
        trainTimer(slot).setEnabled(false);
        trainTimer(slot).setInterval(10);
        trainPicture(slot).setLeft(kOffScene);
    }
    for (int slot = 1; slot <= 4; ++slot) {
        trainPicture(slot).setTag(0);
        stopFlag[slot - 1] = true;
    }
    stepProgress();

    // Doors off the scene, their strips cleared.
    resetDoors();
    stepProgress();

    // The station row.
    row.close();
    row.setSql(QStringLiteral("SELECT * FROM Station WHERE(ROSEN_J=?)"), {currentLine});
    row.open();
    row.locate(QStringLiteral("EKI_J"), currentStation);
    refreshTimetableViews();
    stepProgress();

    // Name plate.
    Info00_01.setCaption(row.fieldAsString(QStringLiteral("EKI_J")));
    Info00_02.setCaption(row.fieldAsString(QStringLiteral("EKI_E")));
    const int lineColor = row.fieldAsInteger(QStringLiteral("COLOR"));
    Info00_07.setColor(lineColor);
    Info00_12.setOutlineColor(lineColor);
    const QString number = row.fieldAsString(QStringLiteral("STA_NO"));
    Info00_13.setCaption(sjis::substring(number, 1, 1) + u' ' + sjis::substring(number, 2, 2));

    // Neighbours.
    row.prior();
    if (row.bof()) {
        Info00_03.setCaption(QString());
        Info00_04.setCaption(QString());
    } else {
        Info00_03.setFontColor(kBlack);
        Info00_03.setCaption(QStringLiteral("←") + row.fieldAsString(QStringLiteral("EKI_J")));
        Info00_04.setFontColor(kBlack);
        Info00_04.setCaption(row.fieldAsString(QStringLiteral("EKI_E")));
        row.next();
    }
    row.next();
    if (row.eof()) {
        Info00_05.setCaption(QString());
        Info00_06.setCaption(QString());
    } else {
        Info00_05.setFontColor(kBlack);
        Info00_05.setCaption(row.fieldAsString(QStringLiteral("EKI_J")) + QStringLiteral("→"));
        Info00_06.setFontColor(kBlack);
        Info00_06.setCaption(row.fieldAsString(QStringLiteral("EKI_E")));
        row.prior();
    }
    stepProgress();

    // Floor band, address line, rails.
    if (const FloorBand* band = findFloorBand(row.fieldAsInteger(QStringLiteral("FLOOR")))) {
        GradBox1.setCaption(QString::fromUtf8(band->caption));
        GradBox1.setColor(band->topColor);
    }
    SpeedButton1.setCaption(QStringLiteral("address:") + row.fieldAsString(QStringLiteral("ADDRESS")));
    for (int slot = 1; slot <= 4; ++slot)
        rail(slot).setOutlineColor(lineColor);
    stepProgress();

    // Transfer list.
    fillSameStationTransfers();
    stepProgress();
    fillAdjacentStationTransfers(row.fieldAsString(QStringLiteral("RINSETU")));
    stepProgress();

    // Working timetables and boards.
    for (int slot = 1; slot <= 4; ++slot) {
        d.deriveWorkingTimetable(slot, lineText);
        fillDepartureBoard(slot);
    }
    stepProgress();

    for (int slot = 1; slot <= 4; ++slot)
        d.derivePassingList(slot);
    stepProgress();

    d.deriveTerminalArrivalLists();
    stepProgress();

    for (int slot = 1; slot <= 4; ++slot) {
        Query& trains = d.trainQuery(slot);
        trains.close();
        trains.setSql(QStringLiteral("SELECT * FROM Train WHERE(ROSEN_J=?)"), {currentLine});
        trains.open();
    }
    stepProgress();

    // Platforms and layout.
    Home01.setVisible(false);
    Home02.setVisible(false);
    drawPlatform(Home01, row.fieldAsString(QStringLiteral("STRUCT1")));
    drawPlatform(Home02, row.fieldAsString(QStringLiteral("STRUCT2")));
    Panel03.setWidth(Home01.width() + 100);
    stepProgress();

    applyLayout();
    stepProgress();

    Button1Click(sender);

    setTimetableCaptions();
    stepProgress();

    Button2Click(sender);
    stepProgress();

    ScrollBox1.setTop(24);

    showAlbum();
}

void TMainForm1::refreshTimetableViews()
{
    Query& row = data().Query0;
    MemoControl* views[4] = {&DBMemo1, &DBMemo2, &DBMemo3, &DBMemo4};
    for (MemoControl* view : views)
        view->setCaption(row.fieldAsString(view->field));
}

