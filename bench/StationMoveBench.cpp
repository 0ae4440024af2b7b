// Times the station move over all directory stations of the built network:
// the core's work alone (simulated time, no window), and the whole move as
// the user waits for it in the real window (its forced repaints and the
// repaint of the new scene included).
//
//   quorel-bench-station-move [PROGRAM_FOLDER]     (under an X display for the window part)

#include "forms/Program.h"
#include "hosts/recording/RecordingHost.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "hosts/real/QtHost.h"
#include "data/StationDirectory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Pick {
    QString line;
    QString station;
};

std::vector<Pick> directoryPicks()
{
    std::vector<Pick> picks;
    for (const DirectoryGroup& group : stationDirectory()) {
        for (const DirectoryEntry& entry : group.items) {
            if (QByteArrayView(entry.caption) != "-")
                picks.push_back({QString::fromUtf8(entry.line), QString::fromUtf8(entry.station)});
        }
    }
    return picks;
}

void report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    const double p90 = ms[ms.size() * 9 / 10];
    std::printf("%-34s stations %zu  median %7.2f ms  p90 %7.2f ms  worst %7.2f ms\n", what, ms.size(), median, p90,
                ms.back());
}

// A program folder of links to the built data, so the settings file written
// at the end stays out of the real one.
QString linkFolder(const QTemporaryDir& dir, const QString& programFolder)
{
    for (const QString& item : {QStringLiteral("network.db"), QStringLiteral("Train"), QStringLiteral("Sound")})
        QFile::link(QDir(programFolder).absoluteFilePath(item), dir.filePath(item));
    return dir.path();
}

template <typename Move>
std::vector<double> timeMoves(TMainForm1& main, const std::vector<Pick>& picks, Move&& move)
{
    std::vector<double> ms;
    for (const Pick& pick : picks) {
        main.currentLine = pick.line;
        main.currentStation = pick.station;
        QElapsedTimer timer;
        timer.start();
        move();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    installFontSubstitutes();
    const QString programFolder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath();
    const std::vector<Pick> picks = directoryPicks();
    QTemporaryDir dir;
    const QString folder = linkFolder(dir, programFolder);

    {
        // The core alone: no window, no repaints.
        RecordingHost host(QTime(8, 14, 30).msecsSinceStartOfDay(), 1);
        Program program(host, folder);
        program.show();
        TMainForm1& main = *program.MainForm1;
        timeMoves(main, picks, [&] { host.dispatch().deliver([&] { main.Button0Click(nullptr); }); });  // warm
        report("core (08:14:30, no window)", timeMoves(main, picks, [&] {
                   host.dispatch().deliver([&] { main.Button0Click(nullptr); });
               }));
        std::printf("  errors met: %lld\n", qlonglong(host.log().ofKind(QStringLiteral("error")).size()));
    }
    {
        // The real window: the forced repaints of the progress bar and the
        // new scene drawn before the user sees it.
        QtHost host;
        Program program(host, folder);
        MainWindow window(program);
        host.setMainWindow(&window);
        window.show();
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents();
        TMainForm1& main = *program.MainForm1;
        report("whole move in the window", timeMoves(main, picks, [&] {
                   host.dispatch().deliver([&] { main.Button0Click(nullptr); });
                   QApplication::processEvents();
               }));
    }
    return 0;
}
