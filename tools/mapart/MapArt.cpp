#include "tools/mapart/MapArt.h"

#include "data/MapMarkers.h"
#include "data/StationDirectory.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace mapart {

namespace {

const QColor kWater(0xB4, 0xDC, 0xF5);
const QColor kInk(0x30, 0x30, 0x30);
constexpr double kLineWidth = 4.0;
constexpr double kCircleOuter = 4.6; // dark outline
constexpr double kCircleInner = 3.2; // white fill
const QString kUnderConstruction = QStringLiteral("１３号線");

QString utf8(const char* s)
{
    return QString::fromUtf8(s);
}

// ------------------------------------------------------------------ input

std::vector<QStringList> readTable(const QString& path, QString& error)
{
    std::vector<QStringList> rows;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return rows;
    }
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        rows.push_back(line.split(QLatin1Char('\t')));
    }
    return rows;
}

} // namespace

bool readNetwork(const QString& networkDir, NetworkInput& input, QString& error)
{
    for (const QStringList& r : readTable(networkDir + QStringLiteral("/lines.tsv"), error)) {
        if (r.size() < 3)
            continue;
        // The toolkit's colour numbers keep red in the low byte.
        const unsigned v = r[2].toUInt();
        input.lineColours[r[0]] = QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    }
    if (!error.isEmpty())
        return false;
    // The map link of each row carries its coordinates.
    static const QRegularExpression link(QStringLiteral("mlat=([0-9.]+)&mlon=([0-9.]+)"));
    for (const QStringList& r : readTable(networkDir + QStringLiteral("/stations.tsv"), error)) {
        if (r.size() < 6)
            continue;
        const auto m = link.match(r[5]);
        if (m.hasMatch())
            input.coordinates[{r[0], r[1]}] = QPointF(m.captured(2).toDouble(), m.captured(1).toDouble());
    }
    if (!error.isEmpty())
        return false;
    for (const DirectoryEntry* e : directoryEntries()) {
        if (!input.coordinates.count({utf8(e->line), utf8(e->station)})) {
            error = QStringLiteral("no coordinates for %1 %2").arg(utf8(e->line), utf8(e->station));
            return false;
        }
        if (!input.lineColours.count(utf8(e->line))) {
            error = QStringLiteral("no colour for %1").arg(utf8(e->line));
            return false;
        }
    }
    return true;
}

namespace {

// ------------------------------------------------------------------ layout

// One station circle of the picture.
struct Place {
    QPointF pos;
    QString name;
};

// One line of the directory as a chain of places.
struct Route {
    QString line;
    QColor colour;
    std::vector<int> places;
};

// The name a station circle is labelled with: the construction line's keys
// carry a leading ideographic space, and three keys name a station that the
// map shows under its other name.
QString shownName(const QString& station)
{
    QString s = station;
    while (s.startsWith(QChar(0x3000)))
        s.remove(0, 1);
    if (s == QStringLiteral("新線池袋"))
        return QStringLiteral("池袋");
    if (s == QStringLiteral("新線新宿"))
        return QStringLiteral("新宿");
    if (s == QStringLiteral("新宿七丁目"))
        return QStringLiteral("東新宿");
    return s;
}

// Picture position of a coordinate, fitted to the nearest marked stations:
// the schematic stretches the centre, so one fit for the whole map would not do.
class LocalFit {
public:
    void addAnchor(QPointF lonLat, QPointF pixel)
    {
        anchors_.push_back({toKm(lonLat), pixel});
    }

    QPointF place(QPointF lonLat) const
    {
        const QPointF p = toKm(lonLat);
        std::vector<std::pair<double, const Anchor*>> near;
        for (const Anchor& a : anchors_)
            near.push_back({std::hypot(a.km.x() - p.x(), a.km.y() - p.y()), &a});
        std::sort(near.begin(), near.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        near.resize(std::min<std::size_t>(near.size(), 8));
        // Weighted least squares of x and y on (lon, lat, 1).
        double m[3][3] = {};
        double bx[3] = {}, by[3] = {};
        for (const auto& [d, a] : near) {
            const double w = 1.0 / (0.05 + d * d);
            const double v[3] = {a->km.x() - p.x(), a->km.y() - p.y(), 1.0};
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j)
                    m[i][j] += w * v[i] * v[j];
                bx[i] += w * v[i] * a->pixel.x();
                by[i] += w * v[i] * a->pixel.y();
            }
        }
        // The constant term is the position at p itself.
        return QPointF(solve(m, bx)[2], solve(m, by)[2]);
    }

private:
    struct Anchor {
        QPointF km;
        QPointF pixel;
    };

    static QPointF toKm(QPointF lonLat)
    {
        return QPointF(lonLat.x() * 111.32 * std::cos(35.7 * M_PI / 180.0), -lonLat.y() * 110.57);
    }

    static std::array<double, 3> solve(const double m[3][3], const double b[3])
    {
        auto det = [](const double a[3][3]) {
            return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1])
                 - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0])
                 + a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
        };
        const double d = det(m);
        std::array<double, 3> x{};
        for (int k = 0; k < 3; ++k) {
            double t[3][3];
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    t[i][j] = j == k ? b[i] : m[i][j];
            x[k] = det(t) / d;
        }
        return x;
    }

    std::vector<Anchor> anchors_;
};

struct Layout {
    std::vector<Place> places;
    std::vector<Route> routes;
};

Layout layOut(const NetworkInput& input)
{
    Layout layout;
    std::map<const DirectoryEntry*, int> placeOf;
    LocalFit fit;
    auto coord = [&](const DirectoryEntry* e) {
        return input.coordinates.at({utf8(e->line), utf8(e->station)});
    };

    for (const MapMarker& m : mapMarkers()) {
        const DirectoryEntry* e = findDirectoryEntry(m.name);
        placeOf[e] = int(layout.places.size());
        layout.places.push_back({QPointF(m.centreX(), m.centreY()), shownName(utf8(e->station))});
        fit.addAnchor(coord(e), layout.places.back().pos);
    }
    // An unmarked station takes the nearest circle of its name, or a circle
    // of its own where its coordinates fall among the marked ones.
    for (const DirectoryEntry* e : directoryEntries()) {
        if (placeOf.count(e))
            continue;
        const QPointF guess = fit.place(coord(e));
        const QString name = shownName(utf8(e->station));
        int best = -1;
        double bestDistance = 0;
        for (int i = 0; i < int(layout.places.size()); ++i) {
            if (layout.places[i].name != name)
                continue;
            const QPointF d = layout.places[i].pos - guess;
            const double dist = std::hypot(d.x(), d.y());
            if (best < 0 || dist < bestDistance) {
                best = i;
                bestDistance = dist;
            }
        }
        if (best < 0) {
            best = int(layout.places.size());
            layout.places.push_back({guess, name});
        }
        placeOf[e] = best;
    }
    // The directory lists every line's stations in order along it; the 大江戸線
    // group ends with 都庁前 again, which closes its loop.
    for (const DirectoryEntry* e : directoryEntries()) {
        const QString line = utf8(e->line);
        if (layout.routes.empty() || layout.routes.back().line != line)
            layout.routes.push_back({line, input.lineColours.at(line), {}});
        layout.routes.back().places.push_back(placeOf[e]);
    }
    return layout;
}

// ------------------------------------------------------------------ drawing

QPainterPath smoothPath(const std::vector<QPointF>& pts)
{
    // Catmull-Rom through the points.
    QPainterPath path(pts.front());
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
        const QPointF p0 = pts[i == 0 ? 0 : i - 1];
        const QPointF p1 = pts[i];
        const QPointF p2 = pts[i + 1];
        const QPointF p3 = pts[std::min(i + 2, pts.size() - 1)];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    return path;
}

void drawWater(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kWater);
    // Tokyo Bay, its shore kept clear of the stations on the landfill.
    const std::vector<QPointF> shore = {
        {548, 940}, {560, 780}, {566, 700}, {584, 648}, {612, 632}, {652, 640}, {704, 652},
        {748, 690}, {830, 700}, {882, 652}, {950, 640}, {1000, 646}, {1062, 618},
        {1150, 566}, {1250, 526}, {1330, 508}};
    QPainterPath bay = smoothPath(shore);
    bay.lineTo(1330, 940);
    bay.closeSubpath();
    p.drawPath(bay);

    auto river = [&](std::vector<QPointF> pts, double width) {
        QPen pen(kWater, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(smoothPath(pts));
        p.setPen(Qt::NoPen);
    };
    // 荒川: from the top edge above 赤羽岩淵, between 北千住 and 綾瀬, east of
    // the 押上 and 住吉 area, between 東大島 and 船堀, 南砂町 and 西葛西.
    river({{300, -10}, {380, 14}, {440, 26}, {530, 34}, {610, 70}, {690, 120}, {766, 168},
           {820, 240}, {866, 350}, {906, 430}, {918, 472}, {904, 525}, {884, 570}, {880, 660}},
          11);
    // 隅田川: from 岩淵 between 志茂 and 王子神谷, north of 町屋, between 南千住
    // and 北千住, then south past 浅草, 両国 and 月島 into the bay.
    river({{440, 34}, {452, 100}, {500, 122}, {560, 150}, {628, 186}, {688, 206}, {714, 240},
           {716, 300}, {714, 350}, {712, 380}, {698, 404}, {686, 440}, {683, 468}, {680, 496},
           {666, 524}, {648, 556}, {622, 594}, {614, 640}},
          7);
    // 江戸川: between 篠崎 and 本八幡, then as 旧江戸川 between 葛西 and 浦安.
    river({{1112, -10}, {1124, 160}, {1132, 336}, {1098, 430}, {1040, 500}, {1000, 560},
           {992, 650}},
          8);
}

// The parallel offset of each route on a stretch shared with other routes.
std::map<std::pair<int, int>, std::vector<int>> sharedStretches(const Layout& layout)
{
    std::map<std::pair<int, int>, std::vector<int>> users;
    for (int r = 0; r < int(layout.routes.size()); ++r) {
        const auto& pl = layout.routes[r].places;
        for (std::size_t i = 0; i + 1 < pl.size(); ++i) {
            if (pl[i] == pl[i + 1])
                continue;
            auto& list = users[{std::min(pl[i], pl[i + 1]), std::max(pl[i], pl[i + 1])}];
            if (std::find(list.begin(), list.end(), r) == list.end())
                list.push_back(r);
        }
    }
    return users;
}

void drawRoutes(QPainter& p, const Layout& layout, QImage& obstacles)
{
    const auto users = sharedStretches(layout);
    QPainter mask(&obstacles);
    mask.setRenderHint(QPainter::Antialiasing, false);
    mask.setPen(QPen(QColor(14, 14, 14), kLineWidth + 1, Qt::SolidLine, Qt::RoundCap));
    // The line under construction last, so the running lines stay whole.
    std::vector<int> order;
    for (int r = 0; r < int(layout.routes.size()); ++r)
        if (layout.routes[r].line != kUnderConstruction)
            order.push_back(r);
    for (int r = 0; r < int(layout.routes.size()); ++r)
        if (layout.routes[r].line == kUnderConstruction)
            order.push_back(r);
    for (int r : order) {
        const Route& route = layout.routes[r];
        const bool building = route.line == kUnderConstruction;
        for (std::size_t i = 0; i + 1 < route.places.size(); ++i) {
            const int a = route.places[i], b = route.places[i + 1];
            if (a == b)
                continue;
            QPointF pa = layout.places[a].pos, pb = layout.places[b].pos;
            const auto& list = users.at({std::min(a, b), std::max(a, b)});
            if (list.size() > 1) {
                const int k = int(std::find(list.begin(), list.end(), r) - list.begin());
                const QPointF d = pb - pa;
                const double len = std::hypot(d.x(), d.y());
                // Offset by the stretch's own direction so both routes agree.
                const QPointF dir = a < b ? d / len : -d / len;
                const QPointF normal(-dir.y(), dir.x());
                const double shift = (k - (list.size() - 1) / 2.0) * (kLineWidth + 0.5);
                pa += normal * shift;
                pb += normal * shift;
            }
            if (building) {
                // Drawn as an outline with a dashed core: not yet running.
                p.setPen(QPen(route.colour, kLineWidth, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(pa, pb);
                p.setPen(QPen(Qt::white, kLineWidth - 2, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(pa, pb);
                QPen dash(route.colour, 2, Qt::CustomDashLine, Qt::FlatCap);
                dash.setDashPattern({2, 2});
                p.setPen(dash);
                p.drawLine(pa, pb);
            } else {
                p.setPen(QPen(route.colour, kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawLine(pa, pb);
            }
            mask.drawLine(pa, pb);
        }
    }
}

// Same-named circles close together are one station of several lines:
// joined by a bar so that they read as one interchange.
std::vector<std::vector<int>> interchanges(const Layout& layout)
{
    std::vector<std::vector<int>> groups;
    std::vector<bool> taken(layout.places.size(), false);
    for (int i = 0; i < int(layout.places.size()); ++i) {
        if (taken[i])
            continue;
        std::vector<int> g{i};
        taken[i] = true;
        for (std::size_t k = 0; k < g.size(); ++k)
            for (int j = 0; j < int(layout.places.size()); ++j) {
                if (taken[j] || layout.places[j].name != layout.places[i].name)
                    continue;
                const QPointF d = layout.places[j].pos - layout.places[g[k]].pos;
                if (std::hypot(d.x(), d.y()) < 40) {
                    g.push_back(j);
                    taken[j] = true;
                }
            }
        groups.push_back(g);
    }
    return groups;
}

void drawCircles(QPainter& p, const Layout& layout, const std::vector<std::vector<int>>& groups)
{
    p.setBrush(Qt::NoBrush);
    for (const auto& g : groups)
        for (std::size_t k = 1; k < g.size(); ++k) {
            p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(layout.places[g[0]].pos, layout.places[g[k]].pos);
        }
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (const Place& pl : layout.places)
        p.drawEllipse(pl.pos, kCircleOuter, kCircleOuter);
    p.setBrush(Qt::white);
    for (const Place& pl : layout.places)
        p.drawEllipse(pl.pos, kCircleInner, kCircleInner);
}

// ------------------------------------------------------------------ labels

// Places texts where they cover the least of the lines, circles and other
// texts: first one by one, then each again with all the others in place.
class LabelPlacer {
public:
    explicit LabelPlacer(const QImage& obstacles)
        : width_(obstacles.width()), height_(obstacles.height()),
          base_(std::size_t(width_) * height_), labels_(base_.size(), 0)
    {
        for (int y = 0; y < height_; ++y) {
            const uchar* row = obstacles.constScanLine(y);
            for (int x = 0; x < width_; ++x)
                // A circle (drawn full white in the mask) hidden by type is worse
                // than a line crossed.
                base_[std::size_t(y) * width_ + x] = row[x] == 255 ? 1200 : row[x];
        }
    }

    // Candidate rectangles of one text, the preferred first, each with a
    // cost of its own beside what it covers.
    void add(std::vector<QRect> candidates, std::vector<long> penalties = {})
    {
        penalties.resize(candidates.size(), 0);
        requests_.push_back({std::move(candidates), std::move(penalties), -1});
    }

    std::vector<QRect> place()
    {
        for (Request& r : requests_)
            put(r, best(r));
        for (int pass = 0; pass < 4; ++pass)
            for (Request& r : requests_) {
                take(r);
                put(r, best(r));
            }
        std::vector<QRect> out;
        for (const Request& r : requests_)
            out.push_back(r.candidates[r.chosen]);
        return out;
    }

private:
    struct Request {
        std::vector<QRect> candidates;
        std::vector<long> penalties;
        int chosen;
    };

    int best(const Request& r) const
    {
        int best = 0;
        long bestCost = -1;
        for (int i = 0; i < int(r.candidates.size()); ++i) {
            const long c = cost(r.candidates[i]) + long(i) * 30 + r.penalties[i];
            if (bestCost < 0 || c < bestCost) {
                bestCost = c;
                best = i;
            }
        }
        return best;
    }

    long cost(const QRect& r) const
    {
        const QRect inside = r.intersected(QRect(0, 0, width_, height_));
        long c = long(r.width() * r.height() - inside.width() * inside.height()) * 5000;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const std::size_t i = std::size_t(y) * width_ + x;
                c += base_[i] + labels_[i] * 1500;
            }
        return c;
    }

    void mark(const QRect& r, int delta)
    {
        const QRect inside = r.adjusted(-1, 0, 1, 0).intersected(QRect(0, 0, width_, height_));
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                labels_[std::size_t(y) * width_ + x] += delta;
    }

    void put(Request& r, int i)
    {
        r.chosen = i;
        mark(r.candidates[i], 1);
    }

    void take(Request& r)
    {
        mark(r.candidates[r.chosen], -1);
    }

    int width_;
    int height_;
    std::vector<int> base_;
    std::vector<int> labels_;
    std::vector<Request> requests_;
};

std::vector<QRect> around(const QRectF& box, QSize text, bool wide)
{
    std::vector<QRect> out;
    const int w = text.width(), h = text.height();
    const double cx = box.center().x(), cy = box.center().y();
    for (int gap : wide ? std::vector<int>{1, 4, 8, 13, 19} : std::vector<int>{2, 6}) {
        const double l = box.left() - gap - w, r = box.right() + gap;
        const double t = box.top() - gap - h, b = box.bottom() + gap;
        const QPointF tl[] = {
            {r, cy - h / 2.0}, {l, cy - h / 2.0}, {cx - w / 2.0, t}, {cx - w / 2.0, b},
            {r, t + 3}, {r, b - 3}, {l, t + 3}, {l, b - 3},
            {r - 4, t}, {r - 4, b}, {l + 4, t}, {l + 4, b},
        };
        for (const QPointF& q : tl)
            out.emplace_back(QPoint(int(std::lround(q.x())), int(std::lround(q.y()))), QSize(w, h));
    }
    return out;
}

QFont mapFont(int pixelSize, bool bold)
{
    QFont f;
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"Noto Sans CJK JP", "IPAGothic", "IPAPGothic"})
        if (families.contains(QString::fromLatin1(name))) {
            f.setFamily(QString::fromLatin1(name));
            break;
        }
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

struct Label {
    QString text;
    QRect rect;
    QColor colour;
    QFont font;
};

void drawLabel(QPainter& p, const Label& label)
{
    p.setFont(label.font);
    // Japanese type stands 0.88 of its size above the baseline.
    const QPointF base(label.rect.left() + 1, label.rect.top() + std::round(label.font.pixelSize() * 0.88));
    QPainterPath path;
    path.addText(base, label.font, label.text);
    // A thin white halo keeps the type legible where it has to touch a line.
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(label.colour);
    p.drawText(base, label.text);
}

// The line names: at both ends of each line (the 大江戸線 at 光が丘 only, its
// other end being its loop), in the line's colour.
std::vector<std::pair<QString, std::pair<int, int>>> lineEnds(const Layout& layout)
{
    std::vector<std::pair<QString, std::pair<int, int>>> ends; // text, (end, neighbour)
    for (const Route& r : layout.routes) {
        if (r.line.contains(QStringLiteral("分岐")) || r.line == QStringLiteral("有楽町新線"))
            continue;
        QString text = r.line;
        if (r.line == kUnderConstruction)
            text = QStringLiteral("１３号線(工事中)");
        const auto& pl = r.places;
        ends.push_back({text, {pl.front(), pl[1]}});
        if (r.line != QStringLiteral("大江戸線"))
            ends.push_back({text, {pl.back(), pl[pl.size() - 2]}});
    }
    return ends;
}

} // namespace

QImage drawRouteMap(const NetworkInput& input)
{
    const Layout layout = layOut(input);
    QImage img(kMapPictureWidth, kMapPictureHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QImage obstacles(img.size(), QImage::Format_Grayscale8);
    obstacles.fill(0);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawWater(p);
    drawRoutes(p, layout, obstacles);
    const auto groups = interchanges(layout);
    {
        QPainter mp(&obstacles);
        for (const Place& pl : layout.places)
            mp.fillRect(QRectF(pl.pos - QPointF(6, 6), QSizeF(12, 12)), QColor(255, 255, 255));
    }

    LabelPlacer placer(obstacles);
    std::vector<Label> labels;
    const QFont lineFont = mapFont(12, true);
    const QFontMetrics lineMetrics(lineFont);
    for (const auto& [text, ends] : lineEnds(layout)) {
        const QPointF end = layout.places[ends.first].pos;
        const QPointF from = layout.places[ends.second].pos;
        QPointF dir = end - from;
        dir /= std::max(1.0, std::hypot(dir.x(), dir.y()));
        const QSize size(lineMetrics.horizontalAdvance(text) + 2, lineFont.pixelSize() + 2);
        std::vector<QRect> c;
        // Beyond the end along the line first, then around the end.
        for (int dist : {22, 30, 40}) {
            const QPointF at = end + dir * dist;
            c.emplace_back(QPoint(int(at.x() - size.width() / 2.0), int(at.y() - size.height() / 2.0)), size);
        }
        for (const QRect& r : around(QRectF(end - QPointF(14, 14), QSizeF(28, 28)), size, true))
            c.push_back(r);
        QColor colour;
        for (const Route& r : layout.routes)
            if (text.startsWith(r.line))
                colour = r.colour;
        placer.add(c);
        labels.push_back({text, {}, colour, lineFont});
    }

    // Station names, the most crowded first so that they get the best spots.
    // The centre is dense: smaller type there.
    const QFont nameFont = mapFont(10, false);
    const QFont denseFont = mapFont(9, false);
    std::vector<std::pair<int, int>> crowding; // (neighbours, group)
    for (int g = 0; g < int(groups.size()); ++g) {
        int n = 0;
        const QPointF c = layout.places[groups[g][0]].pos;
        for (const Place& pl : layout.places)
            if (std::hypot(pl.pos.x() - c.x(), pl.pos.y() - c.y()) < 36)
                ++n;
        crowding.push_back({-n, g});
    }
    std::sort(crowding.begin(), crowding.end());
    for (const auto& [n, g] : crowding) {
        QRectF box;
        for (int i : groups[g]) {
            const QRectF r(layout.places[i].pos - QPointF(kCircleOuter, kCircleOuter),
                           QSizeF(2 * kCircleOuter, 2 * kCircleOuter));
            box = box.isNull() ? r : box.united(r);
        }
        const QString text = layout.places[groups[g][0]].name;
        const bool dense = -n > 5;
        const QFont& font = dense ? denseFont : nameFont;
        const QSize size(QFontMetrics(font).horizontalAdvance(text) + 1, font.pixelSize() + 1);
        // A name nearer to another station's circle than to its own would
        // be read as that station's.
        const std::vector<QRect> spots = around(box, size, dense);
        std::vector<long> penalties;
        for (const QRect& r : spots) {
            auto distance = [&](QPointF q) {
                const double dx = std::max({r.left() - q.x(), 0.0, q.x() - r.right()});
                const double dy = std::max({r.top() - q.y(), 0.0, q.y() - r.bottom()});
                return std::hypot(dx, dy);
            };
            double own = 1e9, other = 1e9;
            for (int i = 0; i < int(layout.places.size()); ++i) {
                const bool mine = std::find(groups[g].begin(), groups[g].end(), i) != groups[g].end();
                double& d = mine ? own : other;
                d = std::min(d, distance(layout.places[i].pos));
            }
            penalties.push_back(other + 1 < own ? 4000 + long(own - other) * 400 : 0);
        }
        placer.add(spots, penalties);
        labels.push_back({text, {}, kInk, font});
    }
    const std::vector<QRect> spots = placer.place();
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i].rect = spots[i];
    for (const Label& l : labels)
        drawLabel(p, l);
    // The circles last: no type or line ever hides a station.
    drawCircles(p, layout, groups);
    p.end();
    return img;
}

} // namespace mapart
