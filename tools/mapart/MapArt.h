#pragma once
// The route map picture: the whole network as a schematic map of
// kMapPictureWidth x kMapPictureHeight pixels. The marked stations sit where
// the marker table puts them; every other station is placed from its
// coordinates between the marked ones, or shares the circle of the same
// station on another line.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>

#include <map>
#include <utility>

namespace mapart {

// What the picture is drawn from, read from the network tables.
struct NetworkInput {
    // Line colour by ROSEN_J.
    std::map<QString, QColor> lineColours;
    // Latitude and longitude by (ROSEN_J, EKI_J).
    std::map<std::pair<QString, QString>, QPointF> coordinates; // x = lon, y = lat
};

// Reads lines.tsv and stations.tsv of the network folder; false with a
// message when a table is missing or a station has no coordinates.
bool readNetwork(const QString& networkDir, NetworkInput& input, QString& error);

// Draws the picture; needs a QGuiApplication for the type.
QImage drawRouteMap(const NetworkInput& input);

} // namespace mapart
