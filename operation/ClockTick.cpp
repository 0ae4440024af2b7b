// The clock tick: the scheduler of the scene. Seconds 50, 55 and 57 prepare
// standing trains for departure; second 0 advances the boards, scans the
// timetables and sends trains in.

#include "forms/MainForm1.h"

#include "data/DataForm1.h"
#include "data/ShiftJisText.h"

void TMainForm1::Clock1ClockTime(int hour, int minute, int second)
{
    switch (second) {
    case 50:
        for (int slot = 1; slot <= 4; ++slot) {
            if (!trainTimer(slot).enabled() && departureMark(slot) == 1 && S02.checked())
                announce(slot);
        }
        break;
    case 55:
        for (int slot = 1; slot <= 4; ++slot) {
            if (!trainTimer(slot).enabled() && departureMark(slot) == 1 && S01.checked())
                playSound(soundPlayer(slot), QStringLiteral("/Sound/close%1.wav").arg(slot));
        }
        break;
    case 57:
        // Doors still shown open at the standing train close.
        if (Door02.left() == Train02.left())
            startClosing(2);
        if (Door04.left() == Train04.left())
            startClosing(4);
        break;
    case 0:
        minuteProcessing(hour, minute);
        break;
    default:
        break;
    }
}

void TMainForm1::minuteProcessing(int hour, int minute)
{
    const QString now = timeText(hour, minute);
    Info05_2.setCaption(now);
    Info06_2.setCaption(Info05_2.caption());
    Info07_2.setCaption(Info05_2.caption());
    Info08_2.setCaption(Info05_2.caption());
    stopFlag = {true, true, true, true};

    TDataForm1& d = data();
    const bool terminalStation = !d.Query0.fieldAsString(QStringLiteral("END")).isEmpty();
    for (int slot = 1; slot <= 4; ++slot) {
        bool arrivalDue = false;
        bool departureDue = false;
        const TDataForm1::SlotLists& lists = d.lists(slot);
        Control& first = boardLine(slot, 1);
        Control& second = boardLine(slot, 2);

        // Every matching line is applied, in order.
        const QStringList& working = lists.working;
        for (qsizetype k = 0; k < working.size(); ++k) {
            if (sjis::substring(working[k], 1, 5) == now) {
                arrivalDue = true;
                first.setTag(1);
            }
            if (sjis::substring(working[k], 7, 5) == now) {
                departureDue = true;
                first.setTag(0);
                first.setVisible(true);
                auto boardText = [&](qsizetype index) {
                    return index < working.size() ? sjis::substring(working[index], 7, sjis::length(working[index]))
                                                  : QString();
                };
                first.setCaption(boardText(k + 1));
                second.setCaption(boardText(k + 2));
            }
        }
        for (const QString& line : lists.passing) {
            if (sjis::substring(line, 1, 5) == now)
                stopFlag[slot - 1] = false;
        }
        if (terminalStation) {
            for (const QString& line : lists.terminal) {
                if (sjis::substring(line, 1, 5) == now)
                    arrivalDue = true;
                if (sjis::substring(line, 7, 5) == now)
                    departureDue = true;
            }
        }

        if (arrivalDue)
            dispatchTrain(slot, false);
        if (departureDue) {
            const int r = m_host.random().next();
            trainPicture(slot).setTag(slot % 2 == 1 ? r % 5 + 1 : r % 3 + 1);
            if (PictureControl* strip = doorStrip(slot))
                strip->setLeft(kOffScene);
        }
        if (!stopFlag[slot - 1])
            dispatchTrain(slot, true);
    }
}

void TMainForm1::selectTrain(int slot)
{
    Query& trains = data().trainQuery(slot);
    trains.first();
    const int count = trains.recordCount();
    if (count > 0)
        trains.moveBy(m_host.random().next() % count);
}

void TMainForm1::loadTrainPicture(int slot)
{
    Query& trains = data().trainQuery(slot);
    PictureControl& train = trainPicture(slot);
    const QImage picture =
        PictureControl::readBitmap(programFolder + QStringLiteral("/Train/") + trains.fieldAsString(QStringLiteral("IMAGE"))
                                   + QStringLiteral(".dat"));
    train.setPicture(picture);
    train.setHint(trains.fieldAsString(QStringLiteral("TYPE")));
    train.setVisible(false);
    train.setWidth(picture.width());
    train.setVisible(true);
}

void TMainForm1::dispatchTrain(int slot, bool passing)
{
    selectTrain(slot);
    if (S01.checked()) {
        if (passing)
            playSound(soundPlayer(slot), QStringLiteral("/Sound/exp.wav"));
        else
            playTrainSound(slot, QStringLiteral("_s.wav"));
    }
    loadTrainPicture(slot);
    PictureControl& train = trainPicture(slot);
    if (!passing && doorStrip(slot))
        loadDoorFrames(slot);

    // The nearer end starts 2000 px or more beyond the edge of the scene on
    // the side the train comes from.
    const int r = m_host.random().next();
    const int spread = passing ? 2 * (r % 2000) : 2 * (r % 1000);
    if (directionFlag[slot - 1])
        train.setLeft(-train.width() - 2000 - spread);
    else
        train.setLeft(Panel03.width() + 2000 + spread);

    // A run-in starts at the first interval of its profile, not at whatever
    // the slot's previous train left: a train that replaced a standing one
    // would otherwise crawl in at 200 ms a step.
    if (!passing)
        trainTimer(slot).setInterval(10);
    trainTimer(slot).setTag(0);
    trainTimer(slot).setEnabled(true);
    if (S02.checked())
        announce(slot);
}

void TMainForm1::Timer1Timer()
{
    for (int slot = 1; slot <= 4; ++slot) {
        Control& first = boardLine(slot, 1);
        if (first.tag() == 1)
            first.setVisible(!first.visible());
    }
}
