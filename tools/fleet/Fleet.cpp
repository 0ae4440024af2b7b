// Reads the fleet table and draws train pictures and door frames pixel by
// pixel, so the output is the same on every machine and needs no font or
// windowing platform.
#include "tools/fleet/Fleet.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace fleet {

namespace {

// Pure white is the door strip's transparent colour: door frames never use it.
const QColor kNearWhite(0xFE, 0xFE, 0xFE);
const QColor kGap(0x40, 0x40, 0x40);
const QColor kRoof(0x9A, 0x9A, 0x9A);
const QColor kGlass(0x2E, 0x3C, 0x48);
const QColor kGlassEdge(0x5A, 0x66, 0x70);
const QColor kInterior(0x22, 0x24, 0x2A);
const QColor kInteriorSeat(0x3C, 0x44, 0x66);
const QColor kDoorEdge(0x3A, 0x3A, 0x3A);
const QColor kUnderfloor(0x2C, 0x2C, 0x2C);
const QColor kWheel(0x1A, 0x1A, 0x1A);
const QColor kHeadlight(0xFF, 0xF4, 0xC0);
const QColor kTaillight(0xE0, 0x20, 0x20);

constexpr int kRoofTop = 8;
constexpr int kBodyTop = 12;
constexpr int kBodyBottom = 50;
constexpr int kWindowTop = 21;
constexpr int kWindowBottom = 31;
constexpr int kBandTop = 34;
constexpr int kBandBottom = 38;
constexpr int kBand2Top = 14;
constexpr int kBand2Bottom = 16;

void fill(QImage& img, int x0, int y0, int x1, int y1, const QColor& c)
{
    const QRgb rgb = c.rgb();
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, img.width() - 1);
    y1 = std::min(y1, img.height() - 1);
    for (int y = y0; y <= y1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = x0; x <= x1; ++x)
            line[x] = rgb;
    }
}

void disc(QImage& img, int cx, int cy, int r, const QColor& c)
{
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x)
            if (x * x + y * y <= r * r && img.valid(cx + x, cy + y))
                img.setPixel(cx + x, cy + y, c.rgb());
}

QColor shade(const QColor& c, int percent)
{
    return QColor(std::clamp(c.red() * percent / 100, 0, 254), std::clamp(c.green() * percent / 100, 0, 254),
                  std::clamp(c.blue() * percent / 100, 0, 254));
}

QColor parseColour(const QString& text, bool* ok)
{
    if (text == QLatin1String("-"))
        return {};
    QColor c = QColor::fromString(text);
    *ok = *ok && c.isValid();
    return c;
}

// Draws one door (frame coordinates, the frame's top-left at ox, oy) opened by
// `frame` tenths: two leaves slide apart and show the dark interior.
void drawDoor(QImage& img, int ox, int oy, const Train& train, int frame)
{
    const QColor leaf = shade(train.body, 92);
    const int top = oy + 1;
    const int bottom = oy + kFrameHeight - 1;
    const int left = ox + kOpeningLeft;
    const int right = ox + kOpeningRight;
    fill(img, left - 1, top - 1, right + 1, bottom, kDoorEdge);
    fill(img, left, top, right, bottom, kInterior);
    fill(img, left, top + 14, right, top + 19, kInteriorSeat);
    const int half = (right - left + 1) / 2; // 7 px a leaf
    const int open = (frame * half + 5) / 10;
    auto drawLeaf = [&](int x0, int x1, bool windowAtRight) {
        if (x1 < x0)
            return;
        fill(img, x0, top, x1, bottom, leaf);
        // The leaf's window moves with the leaf; clip it to the visible part.
        const int wx0 = windowAtRight ? x1 - 5 : x0 + 1;
        const int wx1 = windowAtRight ? x1 - 1 : x0 + 5;
        fill(img, std::max(wx0, x0), top + 3, std::min(wx1, x1), top + 11, kGlass);
    };
    drawLeaf(left, left + half - 1 - open, true);
    drawLeaf(left + half + open, right, false);
    if (open == 0)
        fill(img, left + half - 1, top, left + half - 1, bottom, shade(leaf, 60));
}

QList<double> doorFractions(int doors)
{
    QList<double> f;
    for (int i = 0; i < doors; ++i)
        f.append((i + 0.5) / doors);
    return f;
}

} // namespace

QList<Train> readFleet(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot open %1").arg(path);
        return {};
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    QList<Train> trains;
    int lineNo = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList c = line.split(u'\t');
        bool ok = c.size() == 11;
        Train t;
        if (ok) {
            t.line = c[0];
            t.image = c[1];
            t.type = c[2];
            t.sound = c[3];
            t.cars = c[4].toInt(&ok);
            bool ok2 = false, ok3 = false;
            t.carMetres = c[5].toDouble(&ok2);
            t.doors = c[6].toInt(&ok3);
            ok = ok && ok2 && ok3 && t.cars > 0 && t.carMetres >= 10 && t.doors > 0;
            t.body = parseColour(c[7], &ok);
            t.band = parseColour(c[8], &ok);
            t.band2 = parseColour(c[9], &ok);
            t.front = parseColour(c[10], &ok);
            ok = ok && t.body.isValid() && t.band.isValid() && t.front.isValid() && !t.image.isEmpty();
        }
        if (!ok) {
            *error = QStringLiteral("%1:%2: malformed fleet line").arg(path).arg(lineNo);
            return {};
        }
        trains.append(t);
    }
    return trains;
}

int carWidth(const Train& train)
{
    return static_cast<int>(std::lround(train.carMetres * kPixelsPerMetre));
}

int pictureWidth(const Train& train)
{
    return carWidth(train) * train.cars;
}

QList<int> doorPositions(const Train& train)
{
    const int w = carWidth(train);
    QList<int> xs;
    for (int car = 0; car < train.cars; ++car)
        for (double f : doorFractions(train.doors))
            xs.append(car * w + static_cast<int>(std::lround(f * w)) - kFrameWidth / 2);
    return xs;
}

QString doorPositionText(const Train& train)
{
    QStringList parts;
    for (int x : doorPositions(train))
        parts.append(QString::number(x));
    return parts.join(u',');
}

QImage drawTrain(const Train& train)
{
    const int w = carWidth(train);
    QImage img(pictureWidth(train), kPictureHeight, QImage::Format_RGB32);
    img.fill(kGap);
    const QList<int> doors = doorPositions(train);
    const int perCar = train.doors;
    for (int car = 0; car < train.cars; ++car) {
        const int x0 = car * w;
        const int x1 = x0 + w - 3; // two columns of gangway between cars
        const bool leftCab = car == 0;
        const bool rightCab = car == train.cars - 1;
        // Roof with rounded corners, then the body.
        fill(img, x0 + 2, kRoofTop, x1 - 2, kBodyTop - 1, kRoof);
        fill(img, x0, kBodyTop, x1, kBodyBottom, train.body);
        if (!rightCab)
            fill(img, x1 + 1, kBodyTop + 4, x1 + 2, kBodyBottom - 6, shade(kGap, 60));
        if (train.band2.isValid())
            fill(img, x0, kBand2Top, x1, kBand2Bottom, train.band2);
        // Windows between the doors, with the band below them.
        QList<int> carDoors = doors.mid(car * perCar, perCar);
        QList<int> edges{x0 + (leftCab ? 14 : 4)};
        for (int d : carDoors) {
            edges.append(d - 3);
            edges.append(d + kFrameWidth + 2);
        }
        edges.append(x1 - (rightCab ? 14 : 4));
        for (int i = 0; i + 1 < edges.size(); i += 2) {
            const int a = edges[i], b = edges[i + 1];
            if (b - a < 6)
                continue;
            const int panes = std::max(1, (b - a) / 34);
            const int paneWidth = (b - a + 1) / panes;
            for (int p = 0; p < panes; ++p) {
                const int px0 = a + p * paneWidth;
                const int px1 = (p == panes - 1 ? b : px0 + paneWidth - 3);
                fill(img, px0, kWindowTop, px1, kWindowBottom, kGlassEdge);
                fill(img, px0 + 1, kWindowTop + 1, px1 - 1, kWindowBottom - 1, kGlass);
            }
        }
        // The band stops at the door frames: a frame drawn over a door must match
        // the picture around it, and frames carry no band.
        int bandStart = x0;
        for (int d : carDoors) {
            fill(img, bandStart, kBandTop, d - 1, kBandBottom, train.band);
            bandStart = d + kFrameWidth;
        }
        fill(img, bandStart, kBandTop, x1, kBandBottom, train.band);
        for (int d : carDoors)
            drawDoor(img, d, kFrameTop, train, 0);
        // Underfloor equipment and two bogies.
        fill(img, x0 + 30, kBodyBottom + 1, x1 - 30, kBodyBottom + 3, kUnderfloor);
        for (int bogie : {x0 + w / 7, x1 - w / 7}) {
            fill(img, bogie - 12, kBodyBottom + 1, bogie + 12, kBodyBottom + 4, kUnderfloor);
            disc(img, bogie - 7, kPictureHeight - 4, 3, kWheel);
            disc(img, bogie + 7, kPictureHeight - 4, 3, kWheel);
        }
        // Cab ends: a raked face with the driver's window and the lamps.
        auto cab = [&](int edge, int dir) {
            for (int i = 0; i < 6; ++i) {
                const int x = edge + dir * i;
                fill(img, x, kBodyTop, x, kBodyTop + 5 - i, kGap);
                fill(img, x, kRoofTop, x, kBodyTop - 1, kGap);
            }
            const int a = dir > 0 ? edge : edge - 9;
            fill(img, a, kBodyTop + 6, a + 9, kBodyBottom, train.front);
            fill(img, a + (dir > 0 ? 3 : 1), kWindowTop - 2, a + (dir > 0 ? 8 : 6), kWindowBottom, kGlass);
            fill(img, a + (dir > 0 ? 2 : 5), kBandTop + 4, a + (dir > 0 ? 4 : 7), kBandTop + 6,
                 dir > 0 ? kHeadlight : kTaillight);
        };
        if (leftCab)
            cab(x0, 1);
        if (rightCab)
            cab(x1, -1);
    }
    return img;
}

QImage drawDoorFrame(const Train& train, int frame)
{
    QImage img(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    QColor body = train.body.rgb() == QColor(Qt::white).rgb() ? kNearWhite : train.body;
    img.fill(body);
    drawDoor(img, 0, 0, train, std::clamp(frame, 0, kFrameCount - 1));
    return img;
}

} // namespace fleet
