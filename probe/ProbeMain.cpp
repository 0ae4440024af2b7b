// quorel-probe: runs the program's core headless in simulated time and
// prints its state as one JSON object.
//
//   quorel-probe --program-folder DIR [--line L] [--station S] --at HH:MM:SS
//                [--advance SECONDS] [--seed N] [--speech-out DIR]

#include "core/IniFile.h"
#include "forms/Program.h"
#include "probe/JsonWriter.h"
#include "probe/StateReport.h"
#include "hosts/recording/RecordingHost.h"
#include "core/Failure.h"
#include "hosts/real/RealSpeechEngine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTime>

#include <cstdio>

namespace {

int usage(const QString& message)
{
    std::fprintf(stderr, "quorel-probe: %s\n", qPrintable(message));
    return 2;
}

// The speech output: every Speak of the run rendered by the real engine
// with the voice its instance had selected, written as DIR/NNN.wav.
class SpeechOut {
public:
    SpeechOut(RecordingHost& host, const QString& programFolder, const QString& folder)
        : m_host(host), m_engine(SpeechSetup::forProgramFolder(programFolder)), m_folder(folder)
    {
        for (const RealSpeechEngine::Voice& v : m_engine.voices())
            host.speechEngine().voices.push_back({v.productName, v.gender, v.languageId});
        host.speechEngine().onSpeak = [this](const QString& text, int voice) {
            m_spoken.push_back({int(m_host.log().events().size()) - 1, text, voice});
        };
    }

    // Renders one after another, so that the files come in event order.
    void write()
    {
        QDir().mkpath(m_folder);
        int number = 0;
        for (const Spoken& s : m_spoken) {
            QString rendered;
            QEventLoop loop;
            m_engine.renderText(s.text, s.voice, [&](const QString& path) {
                rendered = path;
                loop.quit();
            });
            loop.exec();
            const QString target = QDir(m_folder).filePath(QStringLiteral("%1.wav").arg(++number, 3, 10, QLatin1Char('0')));
            QFile::remove(target);
            if (!rendered.isEmpty() && QFile::copy(rendered, target))
                m_host.log().addField(s.eventIndex, QStringLiteral("wav"), target);
            else
                m_host.log().addField(s.eventIndex, QStringLiteral("wav"), QString());
        }
    }

private:
    struct Spoken {
        int eventIndex;
        QString text;
        int voice;
    };
    RecordingHost& m_host;
    RealSpeechEngine m_engine;
    QString m_folder;
    QVector<Spoken> m_spoken;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorel"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs the simulator's core in simulated time and prints its state."));
    parser.addHelpOption();
    const QCommandLineOption folderOption(QStringLiteral("program-folder"), QStringLiteral("Program folder."), QStringLiteral("DIR"));
    const QCommandLineOption lineOption(QStringLiteral("line"), QStringLiteral("Current line (overrides NOW_ROSEN)."), QStringLiteral("L"));
    const QCommandLineOption stationOption(QStringLiteral("station"), QStringLiteral("Current station (overrides NOW_EKI)."), QStringLiteral("S"));
    const QCommandLineOption atOption(QStringLiteral("at"), QStringLiteral("Local time when the window is shown."), QStringLiteral("HH:MM:SS"));
    const QCommandLineOption advanceOption(QStringLiteral("advance"), QStringLiteral("Seconds to run afterwards."), QStringLiteral("SECONDS"), QStringLiteral("0"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the pseudo-random generator."), QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption speechOutOption(QStringLiteral("speech-out"),
                                             QStringLiteral("Speak through the real engine and write each announcement to DIR/NNN.wav."),
                                             QStringLiteral("DIR"));
    parser.addOptions({folderOption, lineOption, stationOption, atOption, advanceOption, seedOption, speechOutOption});
    parser.process(app);

    if (!parser.isSet(folderOption))
        return usage(QStringLiteral("--program-folder is required"));
    if (!parser.isSet(atOption))
        return usage(QStringLiteral("--at is required"));
    const QTime at = QTime::fromString(parser.value(atOption), QStringLiteral("HH:mm:ss"));
    if (!at.isValid())
        return usage(QStringLiteral("--at wants HH:MM:SS"));
    bool ok = false;
    const double advance = parser.value(advanceOption).toDouble(&ok);
    // A year of simulated time is more than any run needs; nan, inf and the
    // like would not move the clock at all.
    constexpr double kLongestAdvance = 366.0 * 86400.0;
    if (!ok || !(advance >= 0 && advance <= kLongestAdvance))
        return usage(QStringLiteral("--advance wants a number of seconds from 0 to 31622400"));
    const quint32 seed = parser.value(seedOption).toUInt(&ok);
    if (!ok)
        return usage(QStringLiteral("--seed wants a whole number"));
    const QString folder = QDir(parser.value(folderOption)).absolutePath();

    RecordingHost host(at.msecsSinceStartOfDay(), seed);
    host.programFolder = folder;
    std::unique_ptr<SpeechOut> speechOut;
    if (parser.isSet(speechOutOption))
        speechOut = std::make_unique<SpeechOut>(host, folder, QDir(parser.value(speechOutOption)).absolutePath());

    std::unique_ptr<Program> program;
    try {
        program = std::make_unique<Program>(host, folder);
    } catch (const Failure& failure) {
        // The program would show the error box and end here.
        host.log().add(QStringLiteral("error"), {{QStringLiteral("message"), failure.message()}});
        const QByteArray out = stateReport(nullptr, host.log()).toUtf8();
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
        std::fputc('\n', stdout);
        return 0;
    }

    // The probe never writes the settings file; a private copy carries the
    // line and station given on the command line.
    QTemporaryDir scratch;
    if (parser.isSet(lineOption) || parser.isSet(stationOption)) {
        const SettingsLocation original = program->MainForm1->settings;
        const QString copy = scratch.filePath(QStringLiteral("I_Quorel.ini"));
        QFile::copy(original.readPath, copy);
        QFile(copy).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        {
            IniFile ini(SettingsLocation::at(copy));
            if (parser.isSet(lineOption))
                ini.writeString(QStringLiteral("SET"), QStringLiteral("NOW_ROSEN"), parser.value(lineOption));
            if (parser.isSet(stationOption))
                ini.writeString(QStringLiteral("SET"), QStringLiteral("NOW_EKI"), parser.value(stationOption));
        }
        program->MainForm1->settings = SettingsLocation::at(copy);
    }

    program->show();
    host.virtualTime().advance(qint64(advance * 1000));
    if (speechOut)
        speechOut->write();

    const QByteArray out = stateReport(program.get(), host.log()).toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fputc('\n', stdout);
    return 0;
}
