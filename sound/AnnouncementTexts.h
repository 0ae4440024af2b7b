#pragma once
// The fragments of the platform announcements and how each kind of
// announcement is composed from them.

#include <QString>

struct AnnouncementValues {
    QString track;             // T: the slot's track number
    QString destination;       // D: the legend text(s) of the first board line
    QString station;           // S: the current station as stored
    QString englishStation;    // E: the English name on the name plate
    QString englishNeighbour;  // N: the next station in the direction of travel
    QString englishLine;       // L: ROSEN_E
    QString transfers;         // RJ
    QString englishTransfers;  // RE
    bool rapidPassing = false;  // slot 1 announces a rapid train
};

enum class AnnouncementKind { None, Approach, Terminating, Passing, Arrival, Departure };

// Which kind fits the moment.
AnnouncementKind announcementKind(bool trainMoving, int departureMark, bool stopsHere, int clockSecond);

QString japaneseAnnouncement(AnnouncementKind kind, const AnnouncementValues& v);
QString englishAnnouncement(AnnouncementKind kind, const AnnouncementValues& v);
