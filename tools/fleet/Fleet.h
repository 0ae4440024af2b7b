#pragma once

// The fleet table (data/network/fleet.tsv) and the pictures drawn from it.
// The database builder takes the door positions from here and the picture
// generator the pictures, so the Train table's ZAHYO always matches the doors
// drawn in the picture.

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

namespace fleet {

constexpr int kPixelsPerMetre = 10;
constexpr int kPictureHeight = 58;
constexpr int kFrameWidth = 18;
constexpr int kFrameHeight = 26;
constexpr int kFrameCount = 11;
// The door strip lies 18 px (slot 2) or 19 px (slot 4) below the picture's
// top; the doors of the picture fill rows 19..43 so a frame covers them on both.
constexpr int kFrameTop = 18;
constexpr int kDoorTop = 19;
constexpr int kDoorBottom = 43;
// Columns of the opening inside a door frame.
constexpr int kOpeningLeft = 2;
constexpr int kOpeningRight = 15;

struct Train {
    QString line;
    QString image;
    QString type;
    QString sound;
    int cars = 0;
    double carMetres = 0;
    int doors = 0;
    QColor body;
    QColor band;
    QColor band2; // invalid: none
    QColor front;
};

// Reads fleet.tsv; on a malformed line returns an empty list and sets error.
QList<Train> readFleet(const QString& path, QString* error);

int carWidth(const Train& train);
int pictureWidth(const Train& train);
// Left edges of the door frames relative to the picture's left edge, car by car.
QList<int> doorPositions(const Train& train);
// The ZAHYO text: the door positions as a comma list.
QString doorPositionText(const Train& train);

QImage drawTrain(const Train& train);
// Frame 0 shows the door closed, frame 10 fully open.
QImage drawDoorFrame(const Train& train, int frame);

} // namespace fleet
