// The platform announcement of a track slot, composed from the scene's
// state at the moment of the call and handed to the slot's speech instance.

#include "forms/MainForm1.h"

#include "data/DataForm1.h"
#include "data/ShiftJisText.h"
#include "sound/AnnouncementTexts.h"
#include "forms/VoiceForm1.h"

void TMainForm1::announce(int slot)
{
    if (!VoiceForm1)
        return;
    SpeechInstance& speech = VoiceForm1->DirectSS(slot);
    speech.select(VoiceForm1->ComboBox1.itemIndex() + 1);

    const Query& row = data().Query0;
    const QString board = boardLine(slot, 1).caption();
    AnnouncementValues values;
    values.track = linePanelItem(slot, 3).caption();
    values.destination = sjis::substring(board, 7, sjis::length(board));
    values.station = currentStation;
    values.englishStation = Info00_02.caption();
    values.englishNeighbour = directionFlag[slot - 1] ? Info00_06.caption() : Info00_04.caption();
    values.englishLine = row.fieldAsString(QStringLiteral("ROSEN_E"));
    values.transfers = row.fieldAsString(QStringLiteral("RENRAKU_J"));
    values.englishTransfers = row.fieldAsString(QStringLiteral("RENRAKU_E"));
    values.rapidPassing = slot == 1;

    const AnnouncementKind kind =
        announcementKind(trainTimer(slot).enabled(), departureMark(slot), stopFlag[slot - 1], Clock1.second());
    QString text;
    if (S04.checked() && kind != AnnouncementKind::None)
        text = japaneseAnnouncement(kind, values);
    if (S05.checked() && kind != AnnouncementKind::None)
        text = englishAnnouncement(kind, values);
    speech.speak(text);
}

void TMainForm1::Voice1Click()
{
    announce(1);
}

void TMainForm1::Voice2Click()
{
    announce(2);
}

void TMainForm1::Voice3Click()
{
    announce(3);
}

void TMainForm1::Voice4Click()
{
    announce(4);
}
