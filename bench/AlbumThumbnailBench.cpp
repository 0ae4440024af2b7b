// Thumbnails a folder of 300 camera-sized photos (4000 x 3000 JPEG) in the
// album strip while a 10 ms precise timer runs on the GUI thread, and
// reports the time to make them all and the timer's worst lateness during
// it, beside the same timer with nothing else to do in the same run.
//
//   quorel-bench-album-thumbnails [PHOTOS]      (under an X display or offscreen)
//
// The photos are drawn into a temporary folder (a few drawn, the rest
// copies, so that drawing them does not take longer than the measurement);
// HOME and the XDG folders point into it, so the disk cache starts empty.

#include "album/Album.h"
#include "ui/AlbumStrip.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kTickMs = 10;

QImage photo(int seed)
{
    // Something a JPEG encoder treats like a photo: gradients, shapes, grain.
    QImage image(4000, 3000, QImage::Format_RGB32);
    QLinearGradient sky(0, 0, 0, 3000);
    sky.setColorAt(0, QColor::fromHsv((seed * 47) % 360, 90, 230));
    sky.setColorAt(1, QColor::fromHsv((seed * 47 + 120) % 360, 160, 90));
    QPainter p(&image);
    p.fillRect(image.rect(), sky);
    QRandomGenerator random(seed);
    for (int i = 0; i < 120; ++i) {
        p.setBrush(QColor::fromHsv(random.bounded(360), random.bounded(256), random.bounded(256)));
        p.setPen(Qt::NoPen);
        p.drawRect(random.bounded(4000), random.bounded(3000), 50 + random.bounded(600), 50 + random.bounded(900));
    }
    p.end();
    for (int y = 0; y < 3000; y += 2) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < 4000; x += 3)
            line[x] ^= random.bounded(0x10) * 0x010101;
    }
    return image;
}

struct Lateness {
    std::vector<double> lateMs;
    void clear() { lateMs.clear(); }
    double worst() const { return lateMs.empty() ? 0 : *std::max_element(lateMs.begin(), lateMs.end()); }
    double percentile(double q) const
    {
        if (lateMs.empty())
            return 0;
        std::vector<double> sorted = lateMs;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1, size_t(q * sorted.size()))];
    }
    int over(double ms) const { return int(std::count_if(lateMs.begin(), lateMs.end(), [&](double l) { return l > ms; })); }
    void print(const char* what) const
    {
        std::printf("%-44s %5zu ticks, p99 %.2f ms, worst %.2f ms, %d over 2 ms late\n", what, lateMs.size(),
                    percentile(0.99), worst(), over(2.0));
    }
};

// The 10 ms timer: each tick is due 10 ms after the one before it ran, so a
// stall shows as the lateness of the next tick.
class Ticker {
public:
    Ticker()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(kTickMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            if (m_last >= 0 && m_recording)
                m_lateness.lateMs.push_back(std::max(0.0, (now - m_last) / 1e6 - kTickMs));
            m_last = now;
        });
        m_clock.start();
        m_timer.start();
    }
    void record(bool on)
    {
        m_recording = on;
        if (on)
            m_lateness.clear();
    }
    const Lateness& lateness() const { return m_lateness; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = -1;
    bool m_recording = false;
    Lateness m_lateness;
};

void runFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// Runs the loop until done() holds; returns the milliseconds it took.
template <typename Done>
double runUntil(Done done)
{
    QElapsedTimer t;
    t.start();
    while (!done())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return t.nsecsElapsed() / 1e6;
}

long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

// The machine's own lateness at the same moments: a plain thread without Qt
// sleeping 10 ms at a time beside the GUI thread, measured as the GUI timer is.
class BareSampler {
public:
    BareSampler()
        : m_thread([this] {
            long long last = monotonicNs();
            while (!m_stop) {
                const long long due = last + kTickMs * 1000000LL;
                const timespec at{time_t(due / 1000000000LL), long(due % 1000000000LL)};
                clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr);
                const long long now = monotonicNs();
                if (m_recording) {
                    std::lock_guard lock(m_lock);
                    m_lateness.lateMs.push_back((now - due) / 1e6);
                }
                last = now;
            }
        })
    {
    }
    ~BareSampler()
    {
        m_stop = true;
        m_thread.join();
    }
    void record(bool on)
    {
        std::lock_guard lock(m_lock);
        if (on)
            m_lateness.clear();
        m_recording = on;
    }
    Lateness lateness()
    {
        std::lock_guard lock(m_lock);
        return m_lateness;
    }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_recording{false};
    std::mutex m_lock;
    Lateness m_lateness;
    std::thread m_thread;
};

QByteArray loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readLine() : QByteArray("?\n");
}

void machineBaseline()
{
    auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        return t.tv_sec * 1000000000LL + t.tv_nsec;
    };
    Lateness l;
    long long due = now();
    for (int i = 0; i < 500; ++i) {
        due += kTickMs * 1000000LL;
        const timespec at{time_t(due / 1000000000LL), long(due % 1000000000LL)};
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr);
        l.lateMs.push_back((now() - due) / 1e6);
    }
    l.print("machine (sleep to deadlines, no Qt):");
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toLocal8Bit());
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorel-bench"));
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 300;

    const QString folder = home.path() + "/Picture/銀座線/渋谷";
    QDir().mkpath(folder);
    QElapsedTimer made;
    made.start();
    constexpr int kDrawn = 6;
    qint64 bytes = 0;
    for (int i = 0; i < count; ++i) {
        const QString path = folder + QStringLiteral("/IMG_%1.JPG").arg(i, 4, 10, QChar(u'0'));
        if (i < kDrawn)
            photo(i).save(path, "JPEG", 88);
        else
            QFile::copy(folder + QStringLiteral("/IMG_%1.JPG").arg(i % kDrawn, 4, 10, QChar(u'0')), path);
        bytes += QFileInfo(path).size();
    }
    std::printf("%d photos of 4000 x 3000, %.1f MB, made in %.1f s\n", count, bytes / 1e6, made.elapsed() / 1e3);
    std::printf("load average at the start: %s", loadAverage().constData());
    machineBaseline();

    album::AlbumStrip strip;
    strip.resize(386, 110);
    strip.show();
    // A station with one photo first, as the program shows one at start-up:
    // the fonts and the worker are ready before the measurement.
    const QString first = home.path() + "/Picture/銀座線/浅草";
    QDir().mkpath(first);
    QFile::copy(folder + "/IMG_0000.JPG", first + "/IMG_0000.JPG");
    strip.setFiles(first, album::listPictures(first, album::SortOrder::ByName));
    Ticker ticker;
    runUntil([&] { return strip.thumbnails().pending() == 0; });
    runFor(500);

    ticker.record(true);
    runFor(3000);
    const Lateness idle = ticker.lateness();
    idle.print("GUI timer, event loop with nothing else:");

    // Cold: nothing in the disk cache.
    BareSampler bare;
    bare.record(true);
    ticker.record(true);
    const QList<album::AlbumEntry> entries = album::listPictures(folder, album::SortOrder::ByName);
    QElapsedTimer listed;
    listed.start();
    strip.setFiles(folder, entries);
    const double setMs = listed.nsecsElapsed() / 1e6;
    const double coldMs = runUntil([&] { return strip.thumbnails().pending() == 0; }) + setMs;
    const Lateness cold = ticker.lateness();
    std::printf("thumbnails of %lld photos made in %.2f s (%.1f ms each; showing the folder took %.2f ms)\n",
                qlonglong(entries.size()), coldMs / 1e3, coldMs / entries.size(), setMs);
    cold.print("GUI timer while thumbnailing:");
    bare.record(false);
    const Lateness machine = bare.lateness();
    machine.print("bare thread beside it (no Qt), same time:");

    // Warm: a fresh strip (empty memory) over the same folder reads the disk cache.
    album::AlbumStrip again;
    again.resize(386, 110);
    again.show();
    ticker.record(true);
    again.setFiles(folder, entries);
    const double warmMs = runUntil([&] { return again.thumbnails().pending() == 0; });
    std::printf("again from the disk cache: %.2f s\n", warmMs / 1e3);
    ticker.lateness().print("GUI timer while reading the disk cache:");

    // The machine is shared: the idle loop once more, to see how much the
    // load changed while the photos were made.
    ticker.record(true);
    runFor(3000);
    const Lateness after = ticker.lateness();
    after.print("GUI timer, nothing else, afterwards:");
    const double baseline = std::max(idle.worst(), after.worst());
    std::printf("worst lateness while thumbnailing minus the idle loop's worst: %+.2f ms; p99 %+.2f ms\n",
                cold.worst() - baseline, cold.percentile(0.99) - std::max(idle.percentile(0.99), after.percentile(0.99)));
    std::printf("worst lateness while thumbnailing minus the bare thread's at the same time: %+.2f ms; p99 %+.2f ms\n",
                cold.worst() - machine.worst(), cold.percentile(0.99) - machine.percentile(0.99));
    std::printf("load average at the end: %s", loadAverage().constData());
    return 0;
}
