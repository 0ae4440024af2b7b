// Runs the real program's event loop with four trains moving at once and
// measures how well the timers keep the speed profile: the run-in from the
// 1450 threshold to the halt (nominal 13,585 ms), the departure from the
// halt to distance 3200 (nominal 22,560 ms), the worst lateness of a timer
// tick, and the CPU used while the trains move. The platform sounds and the
// announcements are on (real media devices, the real speech engine with a
// fresh cache): it also gives the longest time a sound or speech call held
// the GUI thread and the time from Speak to the start of its play, for new
// and for cached texts. --silent runs with both off.
//
//   quorel-bench-train-motion [PROGRAM_FOLDER] [--silent]   (under an X display)
//
// It copies the built database and gives 表参道 on the 銀座線 an arrival on
// all four tracks in the next minute, then waits for the wall clock.

#include "forms/Program.h"
#include "forms/VoiceForm1.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "hosts/real/QtHost.h"
#include "hosts/real/RealSpeechEngine.h"
#include "core/MediaDevice.h"
#include "core/SpeechEngine.h"

#include <QHash>
#include <QSet>

#include <QApplication>
#include <QEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTime>
#include <QTimer>
#include <array>
#include <cstdio>
#include <algorithm>
#include <ctime>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct SlotTimes {
    qint64 threshold = -1;
    qint64 halt = -1;
    qint64 departure = -1;
    qint64 end = -1;
};

class Watch : public ControlListener {
public:
    Watch(TMainForm1& main, QElapsedTimer& clock) : m_main(main), m_clock(clock) {}
    std::array<SlotTimes, 4> times;
    std::function<void()> onFirstDispatch;
    std::function<void()> onAllDone;

    void controlChanged(Control& control) override
    {
        for (int slot = 1; slot <= 4; ++slot) {
            TimerControl& timer = m_main.trainTimer(slot);
            if (&control != &timer)
                continue;
            SlotTimes& t = times[slot - 1];
            const qint64 now = m_clock.nsecsElapsed();
            if (timer.enabled() && timer.tag() == 0 && !m_started) {
                m_started = true;
                if (onFirstDispatch)
                    onFirstDispatch();
            }
            if (timer.tag() == 0 && timer.interval() == 11 && t.threshold < 0)
                t.threshold = now;
            if (timer.tag() == 0 && !timer.enabled() && t.threshold >= 0 && t.halt < 0)
                t.halt = now;
            if (timer.tag() == 1 && timer.enabled() && t.departure < 0)
                t.departure = now;
            if (timer.tag() == 1 && !timer.enabled() && t.departure >= 0 && t.end < 0) {
                t.end = now;
                bool all = true;
                for (const SlotTimes& s : times)
                    all = all && s.end >= 0;
                if (all && onAllDone)
                    onAllDone();
            }
        }
    }
    void repaintNow(Control&) override {}

private:
    TMainForm1& m_main;
    QElapsedTimer& m_clock;
    bool m_started = false;
};

// The machine's own timing: a plain loop sleeping to absolute deadlines
// 10 ms apart, without Qt, as the baseline for the timer lateness.
void machineBaseline()
{
    auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        return t.tv_sec * 1000000000LL + t.tv_nsec;
    };
    long long due = now();
    int over = 0;
    double worst = 0;
    const int ticks = 1000;
    for (int i = 0; i < ticks; ++i) {
        due += 10000000LL;
        const timespec at{time_t(due / 1000000000LL), long(due % 1000000000LL)};
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr);
        const double late = (now() - due) / 1e6;
        over += late > 2;
        worst = std::max(worst, late);
    }
    std::printf("machine baseline (sleep to deadlines, no Qt): %d ticks, %d over 2 ms late, worst %.3f ms\n", ticks,
                over, worst);
}

// Times the window's repaints (the update requests of the top-level window).
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;
    double worstPaintMs = 0;
    double totalPaintMs = 0;
    qint64 paints = 0;
    bool notify(QObject* receiver, QEvent* event) override
    {
        if (event->type() != QEvent::UpdateRequest)
            return QApplication::notify(receiver, event);
        QElapsedTimer t;
        t.start();
        const bool result = QApplication::notify(receiver, event);
        const double ms = t.nsecsElapsed() / 1e6;
        worstPaintMs = qMax(worstPaintMs, ms);
        totalPaintMs += ms;
        ++paints;
        return result;
    }
};

// How long the sound and speech calls hold the GUI thread.
struct CallTimes {
    double worstMs = 0;
    QString worstCall;
    qint64 calls = 0;
    qint64 overFiveMs = 0;
    template <typename F>
    void time(const QString& call, F&& f)
    {
        QElapsedTimer t;
        t.start();
        struct Record {
            CallTimes& times;
            QElapsedTimer& t;
            const QString& call;
            ~Record()
            {
                const double ms = t.nsecsElapsed() / 1e6;
                ++times.calls;
                times.overFiveMs += ms > 5;
                if (ms > times.worstMs) {
                    times.worstMs = ms;
                    times.worstCall = call;
                }
            }
        } record{*this, t, call};
        f();
    }
};

class TimedMediaDevice : public MediaDevice {
public:
    TimedMediaDevice(std::unique_ptr<MediaDevice> inner, CallTimes& times) : m_inner(std::move(inner)), m_times(times)
    {
        m_inner->onEnded = [this] {
            if (onEnded)
                onEnded();
        };
    }
    void open(const QString& filePath) override { m_times.time("open", [&] { m_inner->open(filePath); }); }
    void play() override { m_times.time("play", [&] { m_inner->play(); }); }
    void stop() override { m_times.time("stop", [&] { m_inner->stop(); }); }
    void close() override { m_times.time("close", [&] { m_inner->close(); }); }
    bool isOpen() const override { return m_inner->isOpen(); }

private:
    std::unique_ptr<MediaDevice> m_inner;
    CallTimes& m_times;
};

// Speak to the start of the play, per instance in order.
struct SpeechTimes {
    QHash<QString, QVector<std::pair<qint64, bool>>> waiting;  // instance -> (speak time, cached)
    QSet<QString> played;
    QVector<double> newMs, cachedMs;
};

class TimedSpeechInstance : public SpeechInstance {
public:
    TimedSpeechInstance(std::unique_ptr<SpeechInstance> inner, QString name, CallTimes& times, SpeechTimes& speech,
                        QElapsedTimer& clock)
        : m_inner(std::move(inner)), m_name(std::move(name)), m_times(times), m_speech(speech), m_clock(clock)
    {
    }
    int voiceCount() override { return m_inner->voiceCount(); }
    QString productName(int voice) override { return m_inner->productName(voice); }
    int gender(int voice) override { return m_inner->gender(voice); }
    int languageId(int voice) override { return m_inner->languageId(voice); }
    void select(int voice) override { m_times.time("select", [&] { m_inner->select(voice); }); }
    void speak(const QString& text) override
    {
        m_speech.waiting[m_name].push_back({m_clock.nsecsElapsed(), m_speech.played.contains(text)});
        m_times.time("speak", [&] { m_inner->speak(text); });
    }

private:
    std::unique_ptr<SpeechInstance> m_inner;
    QString m_name;
    CallTimes& m_times;
    SpeechTimes& m_speech;
    QElapsedTimer& m_clock;
};

// The program's host with the sound and speech calls timed.
class TimingHost : public Host, private MediaFactory, private SpeechEngine {
public:
    TimingHost(QtHost& inner, MediaFactory& media, SpeechEngine& speech, QElapsedTimer& clock)
        : m_inner(inner), m_media(media), m_speech(speech), m_clock(clock)
    {
    }
    Scheduler& scheduler() override { return m_inner.scheduler(); }
    EventDispatch& dispatch() override { return m_inner.dispatch(); }
    RandomSource& random() override { return m_inner.random(); }
    Dialogs& dialogs() override { return m_inner.dialogs(); }
    Shell& shell() override { return m_inner.shell(); }
    SpeechEngine& speech() override { return *this; }
    MediaFactory& media() override { return *this; }

    CallTimes calls;
    SpeechTimes speechTimes;

private:
    std::unique_ptr<MediaDevice> createMediaDevice(const QString& playerName) override
    {
        return std::make_unique<TimedMediaDevice>(m_media.createMediaDevice(playerName), calls);
    }
    std::unique_ptr<SpeechInstance> createInstance(const QString& name) override
    {
        return std::make_unique<TimedSpeechInstance>(m_speech.createInstance(name), name, calls, speechTimes, m_clock);
    }
    QtHost& m_inner;
    MediaFactory& m_media;
    SpeechEngine& m_speech;
    QElapsedTimer& m_clock;
};

void printSpread(const char* what, QVector<double> v)
{
    if (v.isEmpty()) {
        std::printf("Speak to first sound, %s texts: none\n", what);
        return;
    }
    std::sort(v.begin(), v.end());
    double sum = 0;
    for (double x : v)
        sum += x;
    std::printf("Speak to first sound, %s texts: %lld, median %.1f ms, mean %.1f ms, worst %.1f ms\n", what,
                qlonglong(v.size()), v[v.size() / 2], sum / v.size(), v.last());
}

}  // namespace

int main(int argc, char** argv)
{
    TimedApplication app(argc, argv);
    installFontSubstitutes();
    machineBaseline();
    QString source = QCoreApplication::applicationDirPath();
    bool silent = false;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--silent")
            silent = true;
        else
            source = QString::fromLocal8Bit(argv[i]);
    }

    QTemporaryDir dir;
    QFile::copy(QDir(source).filePath("network.db"), dir.filePath("network.db"));
    QFile::setPermissions(dir.filePath("network.db"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::link(QDir(source).absoluteFilePath("Train"), dir.filePath("Train"));
    QFile::link(QDir(source).absoluteFilePath("Sound"), dir.filePath("Sound"));

    // Arrivals in the next minute that leaves time to start, departures a minute later.
    QTime arrival = QTime::currentTime().addSecs(60);
    if (arrival.second() > 45)
        arrival = arrival.addSecs(60);
    const QTime departure = arrival.addSecs(60);
    auto hourLine = [](const QTime& t) {
        return QStringLiteral("%1:,渋%2").arg(t.hour(), 2, 10, QChar('0')).arg(t.minute(), 2, 10, QChar('0'));
    };
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(dir.filePath("network.db"));
        db.open();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE station SET ZIKOKU1=?, ZIKOKU2=?, ZIKOKU3=?, ZIKOKU4=?, P_ZIKOKU1='', "
                                 "P_ZIKOKU2='', P_ZIKOKU3='', P_ZIKOKU4='', END='' WHERE ROSEN_J='銀座線' AND EKI_J='表参道'"));
        const QString field = QStringLiteral("渋:渋谷\r\n\r\n") + hourLine(departure);
        for (int i = 0; i < 4; ++i)
            q.addBindValue(field);
        q.exec();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    QFile ini(dir.filePath("I_Quorel.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write(silent ? "[SET]\nNOW_ROSEN=銀座線\nNOW_EKI=表参道\nS01=0\nS02=0\n"
                     : "[SET]\nNOW_ROSEN=銀座線\nNOW_EKI=表参道\nS01=1\nS02=1\nLANGUAGE_J=1\nLANGUAGE_E=0\n");
    ini.close();

    QElapsedTimer clock;
    clock.start();
    QtHost host;
    // The speech engine with the program folder's voice and a cache of its own,
    // so that the first Speak of each text renders it.
    SpeechSetup setup = SpeechSetup::forProgramFolder(source);
    setup.cacheFolder = dir.filePath("speech-cache");
    RealSpeechEngine speech(setup);
    TimingHost timing(host, host.media(), speech, clock);
    speech.onPlay = [&](const QString& instance, const QString& text, const QString&) {
        auto& queue = timing.speechTimes.waiting[instance];
        if (queue.isEmpty())
            return;
        const auto [at, cached] = queue.takeFirst();
        (cached ? timing.speechTimes.cachedMs : timing.speechTimes.newMs).push_back((clock.nsecsElapsed() - at) / 1e6);
        timing.speechTimes.played.insert(text);
    };
    Program program(timing, dir.path());
    MainWindow window(program);
    host.setMainWindow(&window);
    window.show();

    Watch watch(*program.MainForm1, clock);
    double cpuStart = 0;
    qint64 wallStart = 0;
    watch.onFirstDispatch = [&] {
        host.realScheduler().resetLateness();
        app.worstPaintMs = app.totalPaintMs = 0;
        app.paints = 0;
        cpuStart = cpuSeconds();
        wallStart = clock.nsecsElapsed();
    };
    double cpuUsed = 0;
    qint64 wallUsed = 1;
    watch.onAllDone = [&] {
        cpuUsed = cpuSeconds() - cpuStart;
        wallUsed = clock.nsecsElapsed() - wallStart;
        QTimer::singleShot(0, &app, &QApplication::quit);
    };
    program.MainForm1->controls.setObserver(&watch);
    std::printf("four trains arrive at %s; waiting for the clock...\n", qPrintable(arrival.toString("HH:mm")));
    std::fflush(stdout);
    QTimer::singleShot(4 * 60 * 1000, &app, &QApplication::quit);
    QApplication::exec();
    program.MainForm1->controls.setObserver(nullptr);
    const auto late = host.realScheduler().lateness();

    // The texts spoken during the cycle once more, now from the cache.
    if (!silent && program.MainForm1->VoiceForm1) {
        const QStringList texts(timing.speechTimes.played.begin(), timing.speechTimes.played.end());
        for (int i = 0; i < texts.size() && i < 4; ++i)
            program.MainForm1->VoiceForm1->DirectSS(i + 1).speak(texts[i]);
        QTimer::singleShot(3000, &app, &QApplication::quit);
        QApplication::exec();
    }

    bool complete = true;
    for (int slot = 1; slot <= 4; ++slot) {
        const SlotTimes& t = watch.times[slot - 1];
        if (t.halt < 0 || t.end < 0) {
            std::printf("slot %d: did not complete its cycle\n", slot);
            complete = false;
            continue;
        }
        const double runIn = (t.halt - t.threshold) / 1e6;
        const double leaving = (t.end - t.departure) / 1e6;
        std::printf("slot %d: run-in %8.1f ms (%+.2f %%)   departure %8.1f ms (%+.2f %%)\n", slot, runIn,
                    100 * (runIn - 13585) / 13585, leaving, 100 * (leaving - 22560) / 22560);
    }
    std::printf("timer ticks %lld, mean lateness %.3f ms, worst lateness %.3f ms (%s), ticks over 2 ms late: %lld\n",
                qlonglong(late.ticks), late.ticks ? late.totalMs / late.ticks : 0.0, late.worstMs,
                qPrintable(late.worstTimer), qlonglong(late.overTwoMs));
    if (qEnvironmentVariableIsSet("QUOREL_BENCH_LATE")) {
        for (const auto& l : late.late)
            std::printf("late %lld %s %.2f\n", qlonglong(l.atMs), qPrintable(l.timer), l.lateMs);
    }
    std::printf("window repaints %lld, mean %.3f ms, worst %.3f ms\n", qlonglong(app.paints),
                app.paints ? app.totalPaintMs / app.paints : 0.0, app.worstPaintMs);
    if (!silent) {
        std::printf("sound and speech calls on the GUI thread: %lld, worst %.3f ms (%s), over 5 ms: %lld\n",
                    qlonglong(timing.calls.calls), timing.calls.worstMs, qPrintable(timing.calls.worstCall),
                    qlonglong(timing.calls.overFiveMs));
        printSpread("new", timing.speechTimes.newMs);
        printSpread("cached", timing.speechTimes.cachedMs);
        std::printf("renderings %d\n", speech.renderCount());
    }
    std::printf("CPU while the trains moved: %.2f %% of one core (%.1f s CPU over %.1f s)\n",
                100 * cpuUsed / (wallUsed / 1e9), cpuUsed, wallUsed / 1e9);
    return complete ? 0 : 1;
}
