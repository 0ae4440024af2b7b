#include "forms/Program.h"

#include "core/Host.h"

#include <QDir>

Program::Program(Host& host, const QString& programFolder)
    : m_host(host)
{
    MainForm1 = std::make_unique<TMainForm1>(host, forms, programFolder);
    forms.MainForm1 = MainForm1.get();
    DataForm1 = std::make_unique<TDataForm1>(databasePath(programFolder));
    forms.DataForm1 = DataForm1.get();
    MapForm1 = std::make_unique<TMapForm1>(forms);
    forms.MapForm1 = MapForm1.get();
    InfoForm1 = std::make_unique<TInfoForm1>(host);
    forms.InfoForm1 = InfoForm1.get();
}

Program::~Program()
{
    // The main window owns timers that reach into the data holder: it goes first.
    MainForm1.reset();
}

QString Program::databasePath(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("network.db"));
}

void Program::show()
{
    m_host.dispatch().deliver([this] { MainForm1->FormShow(); });
}

void Program::close()
{
    m_host.dispatch().deliver([this] { MainForm1->FormClose(); });
}
