// Draws the platform segment pictures into a folder as segment_<n>.png,
// n from 0 to 10; the build embeds them into the core as :/segments/.
#include "tools/platformart/SegmentArt.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 3 || std::strcmp(argv[1], "--out") != 0) {
        std::fprintf(stderr, "usage: quorel-platformart --out DIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "quorel-platformart: cannot create %s\n", argv[2]);
        return 1;
    }
    for (int n = 0; n < platformart::kSegmentCount; ++n) {
        const QString path = QStringLiteral("%1/segment_%2.png").arg(outDir).arg(n);
        if (!platformart::drawSegment(n).save(path, "PNG")) {
            std::fprintf(stderr, "quorel-platformart: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
