// Draws the information window's logo into a file; the build embeds it into
// the core as :/info/logo.png.
#include "tools/logoart/LogoArt.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 3 || std::strcmp(argv[1], "--out") != 0) {
        std::fprintf(stderr, "usage: quorel-logoart --out FILE.png\n");
        return 2;
    }
    // Fonts need an application; the build has no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(QFileInfo(out).absolutePath()) || !logoart::drawLogo().save(out, "PNG")) {
        std::fprintf(stderr, "quorel-logoart: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
