#include "tools/netdb/PlatformFit.h"

#include "data/PlatformLayouts.h"
#include "data/StationRules.h"

#include <array>

namespace platformfit {

int neededSegments(int trainWidth)
{
    // One segment of margin, half of it at each end of the halted train.
    return (trainWidth + kSegmentWidth + kSegmentWidth - 1) / kSegmentWidth;
}

QList<Platform> platformsOf(const QString& line, const QString& station, const QString& home,
                            const QList<fleet::Train>& fleet)
{
    const PlatformLayout* layout = findPlatformLayout(home);
    if (!layout)
        return {};
    // Every train query names the station's line until a special configuration re-points it.
    std::array<QStringList, 4> slotLines;
    slotLines.fill({line});
    for (const SpecialRule& rule : specialRules()) {
        if (!rule.applies(station, line))
            continue;
        for (const SpecialRule::TrainQuery& query : rule.trainQueries) {
            slotLines[query.slot - 1] = QByteArrayView(query.line) == "both"
                                            ? QStringList{QStringLiteral("南北線"), QStringLiteral("三田線")}
                                            : QStringList{QString::fromUtf8(query.line)};
        }
    }
    QList<Platform> platforms;
    for (int number = 1; number <= (layout->farPlatform ? 2 : 1); ++number) {
        Platform p;
        p.number = number;
        // Slots 1 and 2 stop at the near platform, 3 and 4 at the far one.
        for (int slot = 2 * number - 1; slot <= 2 * number; ++slot) {
            if (!layout->tracks[slot - 1])
                continue;
            for (const QString& l : slotLines[slot - 1]) {
                if (!p.lines.contains(l))
                    p.lines.append(l);
            }
        }
        for (const fleet::Train& t : fleet) {
            if (p.lines.contains(t.line) && fleet::pictureWidth(t) > p.longest) {
                p.longest = fleet::pictureWidth(t);
                p.longestType = t.type;
            }
        }
        if (!p.lines.isEmpty())
            platforms.append(p);
    }
    return platforms;
}

QStringList faults(const QString& line, const QString& station, const QString& home, const QString& struct1,
                   const QString& struct2, const QList<fleet::Train>& fleet)
{
    QStringList found;
    for (const Platform& p : platformsOf(line, station, home, fleet)) {
        const QString& code = p.number == 1 ? struct1 : struct2;
        const int needed = neededSegments(p.longest);
        if (code.size() != needed) {
            found.append(QStringLiteral("STRUCT%1 %2 has %3 segments; its longest train, %4 (%5 px), needs %6")
                             .arg(p.number)
                             .arg(code)
                             .arg(code.size())
                             .arg(p.longestType)
                             .arg(p.longest)
                             .arg(needed));
        }
    }
    // The scene strip is the near platform's width + 100; the far platform
    // starts 10 px further right, so it must not be longer.
    if (findPlatformLayout(home) && findPlatformLayout(home)->farPlatform && struct2.size() > struct1.size())
        found.append(QStringLiteral("STRUCT2 is longer than STRUCT1: the scene strip would cut it"));
    return found;
}

} // namespace platformfit
