#pragma once
// Platform lengths against the trains that halt on them: a platform is as
// long as the longest train its shown tracks can draw, plus one segment, so a
// train halted centred on it stands wholly on it at either platform's left
// edge. The database builder refuses a layout row that breaks this.

#include "tools/fleet/Fleet.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace platformfit {

constexpr int kSegmentWidth = 150;

// Segments of a platform whose longest train is trainWidth pixels.
int neededSegments(int trainWidth);

struct Platform {
    int number = 0;        // 1 near (STRUCT1), 2 far (STRUCT2)
    QStringList lines;     // ROSEN_J of the train queries of its shown tracks
    int longest = 0;       // picture width of the longest of their trains
    QString longestType;
};

// The platforms a station row shows and the trains that can halt on them, as
// the station move and the special configurations set them up.
QList<Platform> platformsOf(const QString& line, const QString& station, const QString& home,
                            const QList<fleet::Train>& fleet);

// What is wrong with the row's segment codes, one text per platform; empty when they fit.
QStringList faults(const QString& line, const QString& station, const QString& home, const QString& struct1,
                   const QString& struct2, const QList<fleet::Train>& fleet);

} // namespace platformfit
