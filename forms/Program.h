#pragma once
// The program's windows created in start-up order: the main window, the data
// holder (which opens the station database), the route map and the
// information window. The same sequence runs in the real program and in the
// probe; only the host differs.

#include "forms/MainForm1.h"
#include "data/DataForm1.h"
#include "forms/InfoForm1.h"
#include "forms/MapForm1.h"

#include <memory>

class Program {
public:
    // Raises Failure when the station database cannot be opened: the start-up
    // ends there and the program with it.
    Program(Host& host, const QString& programFolder);
    ~Program();

    static QString databasePath(const QString& programFolder);

    Forms forms;
    std::unique_ptr<TMainForm1> MainForm1;
    std::unique_ptr<TDataForm1> DataForm1;
    std::unique_ptr<TMapForm1> MapForm1;
    std::unique_ptr<TInfoForm1> InfoForm1;

    // The main window is shown for the first time.
    void show();
    // The user closes the main window.
    void close();

private:
    Host& m_host;
};
