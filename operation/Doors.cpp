// Door animation of the trains on slots 2 and 4: door frames drawn at the
// train's door positions on a strip over the train, one frame per tick.

#include "forms/MainForm1.h"

#include "data/CommaText.h"
#include "core/Conversion.h"
#include "data/DataForm1.h"

#include <QPainter>

namespace {

constexpr int kNothing = -1;
constexpr int kDisable = -2;  // marks the last step of a phase

// Frame drawn at each door step: opening shows frames 1..10, closing 9..2,
// holds frame 2 for three ticks, then 1 and 0.
int openingFrame(int step)
{
    return step <= 9 ? step + 1 : kNothing;
}

int closingFrame(int step)
{
    if (step <= 7)
        return 9 - step;
    if (step == 10)
        return 1;
    if (step == 11)
        return 0;
    return kNothing;
}

}  // namespace

void TMainForm1::Door02tTimer()
{
    doorTick(2);
}

void TMainForm1::Door04tTimer()
{
    doorTick(4);
}

void TMainForm1::resetDoors()
{
    Door02t.setEnabled(false);
    Door02.setLeft(kOffScene);
    Door04t.setEnabled(false);
    Door04.setLeft(kOffScene);
    for (PictureControl* strip : {&Door02, &Door04})
        clearDoorStrip(*strip);
}

void TMainForm1::clearDoorStrip(PictureControl& strip)
{
    strip.setCutout(false);
    QImage& canvas = strip.canvas();
    if (canvas.isNull() || canvas.width() < kStripWidth || canvas.height() < kStripHeight) {
        canvas = QImage(qMax(kStripWidth, canvas.width()), qMax(kStripHeight, canvas.height()), QImage::Format_RGB32);
        canvas.fill(Qt::white);
    } else {
        for (int y = 0; y < kStripHeight; ++y) {
            auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
            std::fill(line, line + kStripWidth, kStripBlank);
        }
    }
    strip.pictureChanged();
    strip.setCutout(true);
}

void TMainForm1::loadDoorFrames(int slot)
{
    const QString image = data().trainQuery(slot).fieldAsString(QStringLiteral("IMAGE"));
    std::array<QImage, 11>& frames = doorFrames(slot);
    for (int n = 0; n <= 10; ++n) {
        frames[n] = PictureControl::readBitmap(programFolder + QStringLiteral("/Train/Door/") + image + u'_'
                                               + QString::number(n) + QStringLiteral(".dat"));
    }
    PictureControl& strip = *doorStrip(slot);
    const int width = trainPicture(slot).width();
    strip.setWidth(width);
    // The strip's picture takes the train's width; what it gains is white,
    // so it shows nothing.
    QImage resized(qMax(1, width), kStripHeight, QImage::Format_RGB32);
    resized.fill(Qt::white);
    {
        QPainter painter(&resized);
        painter.drawImage(0, 0, strip.picture());
    }
    strip.setPicture(resized);
}

QVector<int> TMainForm1::doorPositions(int slot)
{
    QVector<int> positions;
    for (const QString& item : splitCommaText(data().trainQuery(slot).fieldAsString(QStringLiteral("ZAHYO"))))
        positions.append(strToInt(item));
    return positions;
}

void TMainForm1::drawDoorFrame(int slot, int frame, int x)
{
    QPainter painter(&doorStrip(slot)->canvas());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, 0, doorFrames(slot)[frame]);
}

void TMainForm1::startOpening(int slot)
{
    doorStrip(slot)->setLeft(trainPicture(slot).left());
    doorStepOf(slot) = 0;
    doorTimer(slot).setTag(0);
    doorTimer(slot).setEnabled(true);
}

void TMainForm1::startClosing(int slot)
{
    doorStepOf(slot) = 0;
    doorTimer(slot).setTag(1);
    doorTimer(slot).setEnabled(true);
}

void TMainForm1::drawOpen(int slot)
{
    PictureControl& strip = *doorStrip(slot);
    strip.setLeft(trainPicture(slot).left());
    const QVector<int> positions = doorPositions(slot);
    strip.setCutout(false);
    for (int x : positions)
        drawDoorFrame(slot, 10, x);
    strip.pictureChanged();
    strip.setCutout(true);
}

void TMainForm1::doorTick(int slot)
{
    const QVector<int> positions = doorPositions(slot);
    PictureControl& strip = *doorStrip(slot);
    TimerControl& timer = doorTimer(slot);
    const int step = doorStepOf(slot);
    const bool closing = timer.tag() == 1;
    const int frame = closing ? closingFrame(step) : openingFrame(step);
    const bool last = closing ? step == 11 : step == 9;

    strip.setCutout(false);
    // One painter for all doors of the tick; the last closing step wipes the
    // whole strip once, whatever the doors drew before.
    if (!positions.isEmpty() && frame != kNothing && (timer.tag() == 0 || timer.tag() == 1)) {
        {
            QPainter painter(&strip.canvas());
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            const QImage& picture = doorFrames(slot)[frame];
            for (int x : positions) {
                // A door beyond the strip draws nothing: skip it rather than clip it.
                if (x + picture.width() > 0 && x < strip.canvas().width())
                    painter.drawImage(x, 0, picture);
            }
        }
        if (last) {
            timer.setEnabled(false);
            if (closing) {
                strip.setLeft(kOffScene);
                QPainter painter(&strip.canvas());
                painter.fillRect(0, 0, kStripWidth, kStripHeight, Qt::white);
            }
        }
    }
    strip.pictureChanged();
    strip.setCutout(true);
    ++doorStepOf(slot);
}
