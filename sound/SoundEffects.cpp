// Platform sounds: every sound step swallows its failures, so a missing or
// unplayable file never disturbs the scene.

#include "forms/MainForm1.h"

#include "data/DataForm1.h"

void TMainForm1::playSound(MediaPlayerControl& player, const QString& file)
{
    try {
        player.setFileName(programFolder + file);
        player.open();
        player.play();
    } catch (...) {
        // Optional output: nothing plays, nothing is said.
    }
}

void TMainForm1::playTrainSound(int slot, const QString& suffix)
{
    try {
        playSound(soundPlayer(slot),
                  QStringLiteral("/Sound/") + data().trainQuery(slot).fieldAsString(QStringLiteral("SOUND")) + suffix);
    } catch (...) {
    }
}

void TMainForm1::MediaPlayer1Notify()
{
    mediaPlayerNotify(1);
}

void TMainForm1::MediaPlayer2Notify()
{
    mediaPlayerNotify(2);
}

void TMainForm1::MediaPlayer3Notify()
{
    mediaPlayerNotify(3);
}

void TMainForm1::MediaPlayer4Notify()
{
    mediaPlayerNotify(4);
}

void TMainForm1::mediaPlayerNotify(int slot)
{
    if (S01.checked())
        soundPlayer(slot).close();
}
