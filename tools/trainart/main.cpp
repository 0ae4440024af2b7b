// Draws the train pictures and door frames of the fleet into the program
// folder: Train/<IMAGE>.dat and Train/Door/<IMAGE>_<n>.dat, Windows bitmaps.
#include "tools/fleet/Fleet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: quorel-trainart --fleet FLEET.tsv --out TRAIN_DIR [--stamp FILE]\n");
    return 2;
}

bool save(const QImage& img, const QString& path)
{
    // The program loads these as bitmaps whatever the extension says.
    if (img.save(path, "BMP"))
        return true;
    std::fprintf(stderr, "quorel-trainart: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString fleetPath, outDir, stamp;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--fleet"))
            fleetPath = args[i + 1];
        else if (args[i] == QLatin1String("--out"))
            outDir = args[i + 1];
        else if (args[i] == QLatin1String("--stamp"))
            stamp = args[i + 1];
        else
            return usage();
    }
    if (fleetPath.isEmpty() || outDir.isEmpty())
        return usage();
    QString error;
    const QList<fleet::Train> trains = fleet::readFleet(fleetPath, &error);
    if (trains.isEmpty()) {
        std::fprintf(stderr, "quorel-trainart: %s\n", qPrintable(error.isEmpty() ? "empty fleet" : error));
        return 1;
    }
    if (!QDir().mkpath(outDir + QLatin1String("/Door"))) {
        std::fprintf(stderr, "quorel-trainart: cannot create %s/Door\n", qPrintable(outDir));
        return 1;
    }
    // A picture shared by two lines is drawn once; both rows must describe it alike.
    QHash<QString, QString> drawn;
    for (const fleet::Train& t : trains) {
        const QString geometry = QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                                     .arg(t.cars)
                                     .arg(t.carMetres)
                                     .arg(t.doors)
                                     .arg(t.body.name(), t.band.name(), t.band2.isValid() ? t.band2.name() : "-",
                                          t.front.name());
        if (drawn.contains(t.image)) {
            if (drawn[t.image] != geometry) {
                std::fprintf(stderr, "quorel-trainart: picture %s is described in two ways\n",
                             qPrintable(t.image));
                return 1;
            }
            continue;
        }
        drawn.insert(t.image, geometry);
        if (!save(fleet::drawTrain(t), outDir + u'/' + t.image + QLatin1String(".dat")))
            return 1;
        for (int n = 0; n < fleet::kFrameCount; ++n)
            if (!save(fleet::drawDoorFrame(t, n),
                      QStringLiteral("%1/Door/%2_%3.dat").arg(outDir, t.image).arg(n)))
                return 1;
    }
    if (!stamp.isEmpty()) {
        QFile f(stamp);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 1;
        f.write(QByteArray::number(drawn.size()) + " pictures\n");
    }
    std::printf("quorel-trainart: %lld pictures with %d door frames each in %s\n",
                static_cast<long long>(drawn.size()), fleet::kFrameCount, qPrintable(outDir));
    return 0;
}
