// Platforms drawn from the segment codes, the track layout of the layout
// code, and the captions of the timetable views.

#include "forms/MainForm1.h"

#include "core/Host.h"
#include "core/Conversion.h"
#include "data/DataForm1.h"
#include "data/ShiftJisText.h"
#include "data/PlatformLayouts.h"

#include <QPainter>

namespace {

constexpr int kSegmentWidth = 150;
constexpr int kPlatformWidth = kSceneWidth;
constexpr int kPlatformHeight = 69;

}  // namespace

int TMainForm1::segmentPicture(int digit)
{
    switch (digit) {
    case 0:
        return 0;
    case 1: {
        // Plain platform with the furniture varying from visit to visit.
        const int r = m_host.random().next() % 7;
        if (r <= 2)
            return 1;
        if (r <= 4)
            return 2;
        return r == 5 ? 3 : 10;
    }
    case 2:
    case 3:
        return -1;  // the segment keeps what the picture held there
    default:
        return digit;
    }
}

void TMainForm1::drawPlatform(PictureControl& platform, const QString& segments)
{
    QImage& canvas = platform.canvas();
    if (canvas.isNull()) {
        canvas = QImage(kPlatformWidth, kPlatformHeight, QImage::Format_RGB32);
        canvas.fill(Qt::white);
    }
    const int count = sjis::length(segments);
    {
        QPainter painter(&canvas);
        // One pass over the characters: a long code costs its length, not its square.
        sjis::forEachCharacter(segments, [&](QStringView character, int position, int width) {
            // A double-byte character is no digit; the error names it whole.
            const int digit = width == 1 ? strToInt(character.toString()) : strToIntAt(segments, position, 1);
            const int picture = segmentPicture(digit);
            const int x = kSegmentWidth * (position - 1);
            if (picture >= 0 && picture < int(ImageList0.size()) && x < canvas.width())
                painter.drawImage(x, 0, ImageList0[picture]);
        });
    }
    platform.pictureChanged();
    platform.setWidth(kSegmentWidth * count);
}

void TMainForm1::applyLayout()
{
    Query& row = data().Query0;
    const PlatformLayout* layout = findPlatformLayout(row.fieldAsString(QStringLiteral("HOME")));
    if (!layout)
        return;  // an unknown code changes nothing; the platforms stay hidden

    Home01.setVisible(true);
    Home02.setVisible(layout->farPlatform);
    for (int slot = 1; slot <= 4; ++slot) {
        const bool track = layout->tracks[slot - 1];
        rail(slot).setVisible(track);
        trainPicture(slot).setVisible(track);
        linePanel(slot).setVisible(layout->panels[slot - 1]);
        board(slot).setVisible(layout->panels[slot - 1]);
        if (layout->directions[slot - 1] != PlatformLayout::Keep)
            directionFlag[slot - 1] = layout->directions[slot - 1] == PlatformLayout::LeftToRight;
    }

    const QString lineNames = row.fieldAsString(QStringLiteral("ROSEN_J")) + u' ' + row.fieldAsString(QStringLiteral("ROSEN_E"));
    const int lineColor = row.fieldAsInteger(QStringLiteral("COLOR"));
    auto label = [&](int slot, const QString& direction, const QString& trackNumber) {
        if (slot == 0)
            return;
        linePanelItem(slot, 1).setCaption(lineNames);
        linePanelItem(slot, 2).setCaption(direction);
        linePanelItem(slot, 3).setCaption(trackNumber);
        linePanelItem(slot, 4).setOutlineColor(lineColor);
    };
    label(layout->firstTrackPanel, row.fieldAsString(QStringLiteral("HOMEN1")), row.fieldAsString(QStringLiteral("NORIBA1")));
    label(layout->secondTrackPanel, row.fieldAsString(QStringLiteral("HOMEN2")), row.fieldAsString(QStringLiteral("NORIBA2")));
}

void TMainForm1::setTimetableCaptions()
{
    for (int slot = 1; slot <= 4; ++slot) {
        timetableGroup(slot).setCaption(linePanel(slot).visible()
                                            ? QStringLiteral("時刻表(") + linePanelItem(slot, 3).caption() + QStringLiteral("番線)")
                                            : QStringLiteral("-"));
    }
}
