#pragma once
// The data holder: the station database, its queries and the twelve
// per-slot lists derived by each station move. Never shown.

#include "data/Query.h"
#include "data/StationDatabase.h"

#include <QStringList>
#include <array>

class TDataForm1 {
public:
    // Opens QueryA ("SELECT * FROM Station"), so the station table must be
    // reachable: raises DatabaseError otherwise.
    explicit TDataForm1(const QString& databasePath);

    StationDatabase database;
    Query Query0;  // rows of the current line, positioned on the station row
    Query QueryA;  // lookups by station name
    Query Query1;  // train queries of track slots 1..4
    Query Query2;
    Query Query3;
    Query Query4;

    Query& trainQuery(int slot);

    // MemoN_1: working timetable, MemoN_2: terminal arrival list, MemoN_3:
    // passing list of track slot N.
    struct SlotLists {
        QStringList working;
        QStringList terminal;
        QStringList passing;
    };
    std::array<SlotLists, 4> memos;
    SlotLists& lists(int slot) { return memos.at(slot - 1); }
    static QString memoName(int slot, int list);

    // The working timetable of a slot from the station row's ZIKOKU field;
    // lineText is the station move's line under construction.
    void deriveWorkingTimetable(int slot, QString& lineText);
    // The passing list of a slot from the station row's P_ZIKOKU field.
    void derivePassingList(int slot);
    // The terminal arrival lists from the neighbours' timetables (END,
    // CYAKU1/HATU1, CYAKU2/HATU2 of the station row). Query0 ends on the
    // station row again.
    void deriveTerminalArrivalLists();
};
