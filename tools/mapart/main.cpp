// Draws the route map picture from the network tables into one PNG file;
// the build embeds it into the core as :/map/route_map.png.
#include "tools/mapart/MapArt.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 5 || std::strcmp(argv[1], "--data") != 0 || std::strcmp(argv[3], "--out") != 0) {
        std::fprintf(stderr, "usage: quorel-mapart --data NETWORK_DIR --out FILE.png\n");
        return 2;
    }
    // The type needs the font machinery, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    mapart::NetworkInput input;
    QString error;
    if (!mapart::readNetwork(QString::fromLocal8Bit(argv[2]), input, error)) {
        std::fprintf(stderr, "quorel-mapart: %s\n", qPrintable(error));
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[4]);
    QDir().mkpath(QFileInfo(out).absolutePath());
    if (!mapart::drawRouteMap(input).save(out, "PNG")) {
        std::fprintf(stderr, "quorel-mapart: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
