#pragma once
// A program started on a fixture database by the recording host, at a chosen
// time of day, for tests that drive the core's handlers.

#include "forms/Program.h"
#include "hosts/recording/RecordingHost.h"
#include "support/StationFixture.h"

#include <QTime>
#include <functional>
#include <memory>

class ProgramHarness : private ControlListener {
public:
    explicit ProgramHarness(StationFixture& fixture) : m_fixture(fixture) {}
    ~ProgramHarness() override;

    // Starts the program at the time given (the first station move included);
    // line and station go into the settings file first.
    TMainForm1& start(const QString& line, const QString& station, const QTime& at, quint32 seed = 1);
    // A station move at the current simulated time.
    void moveTo(const QString& line, const QString& station);
    // Runs simulated time on.
    void advance(qint64 ms) { host->virtualTime().advance(ms); }

    TMainForm1& main() { return *program->MainForm1; }
    TDataForm1& data() { return *program->DataForm1; }
    QStringList errors() const;
    QString time() const;  // "HH:MM:SS.mmm" of the simulated clock

    std::unique_ptr<RecordingHost> host;
    std::unique_ptr<Program> program;
    QStringList repainted;  // controls repainted at once, in order
    // Called with every change of a control's state, for tests that follow
    // a train or a timer through its run.
    std::function<void(Control&)> onChange;

private:
    void controlChanged(Control& control) override
    {
        if (onChange)
            onChange(control);
    }
    void repaintNow(Control& control) override { repainted.append(control.name()); }
    StationFixture& m_fixture;
};
