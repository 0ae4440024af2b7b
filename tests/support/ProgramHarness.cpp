#include "support/ProgramHarness.h"

#include "hosts/recording/EventLog.h"

ProgramHarness::~ProgramHarness()
{
    if (program)
        program->MainForm1->controls.setListener(nullptr);
}

TMainForm1& ProgramHarness::start(const QString& line, const QString& station, const QTime& at, quint32 seed)
{
    m_fixture.writeSettings({"[SET]", "NOW_ROSEN=" + line, "NOW_EKI=" + station});
    host = std::make_unique<RecordingHost>(at.msecsSinceStartOfDay(), seed);
    host->programFolder = m_fixture.folder();
    program = std::make_unique<Program>(*host, m_fixture.folder());
    program->MainForm1->controls.setListener(this);
    program->show();
    return main();
}

void ProgramHarness::moveTo(const QString& line, const QString& station)
{
    main().currentLine = line;
    main().currentStation = station;
    host->dispatch().deliver([this] { main().Button0Click(nullptr); });
}

QStringList ProgramHarness::errors() const
{
    QStringList messages;
    for (const EventLog::Event& event : host->log().ofKind(QStringLiteral("error")))
        messages.append(event.fields.value(QStringLiteral("message")).toString());
    return messages;
}

QString ProgramHarness::time() const
{
    return EventLog::timeOfDay(host->virtualTime().msecsSinceMidnight());
}
