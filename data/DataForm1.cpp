#include "data/DataForm1.h"

#include "data/Timetable.h"

TDataForm1::TDataForm1(const QString& databasePath)
    : database(databasePath)
    , Query0(QStringLiteral("Query0"), database, QStringLiteral("SELECT * FROM station"))
    , QueryA(QStringLiteral("QueryA"), database, QStringLiteral("SELECT * FROM Station"))
    , Query1(QStringLiteral("Query1"), database, QStringLiteral("SELECT * FROM Train"))
    , Query2(QStringLiteral("Query2"), database, QStringLiteral("SELECT * FROM Train"))
    , Query3(QStringLiteral("Query3"), database, QStringLiteral("SELECT * FROM Train"))
    , Query4(QStringLiteral("Query4"), database, QStringLiteral("SELECT * FROM Train"))
{
    QueryA.open();
}

Query& TDataForm1::trainQuery(int slot)
{
    switch (slot) {
    case 1:
        return Query1;
    case 2:
        return Query2;
    case 3:
        return Query3;
    default:
        return Query4;
    }
}

QString TDataForm1::memoName(int slot, int list)
{
    return QStringLiteral("Memo%1_%2").arg(slot).arg(list);
}

void TDataForm1::deriveWorkingTimetable(int slot, QString& lineText)
{
    lists(slot).working = ::deriveWorkingTimetable(Query0.fieldAsString(QStringLiteral("ZIKOKU%1").arg(slot)), lineText);
}

void TDataForm1::derivePassingList(int slot)
{
    lists(slot).passing = ::derivePassingList(Query0.fieldAsString(QStringLiteral("P_ZIKOKU%1").arg(slot)));
}

void TDataForm1::deriveTerminalArrivalLists()
{
    for (SlotLists& slot : memos)
        slot.terminal.clear();
    const QString terminalCode = Query0.fieldAsString(QStringLiteral("END"));
    if (terminalCode.isEmpty())
        return;

    auto scan = [&](int scanSlot, int targetSlot) {
        if (scanSlot < 1 || scanSlot > 4)
            return;
        const QStringList found =
            scanTerminalArrivals(Query0.fieldAsString(QStringLiteral("ZIKOKU%1").arg(scanSlot)), terminalCode);
        if (targetSlot >= 1 && targetSlot <= 4)
            lists(targetSlot).terminal += found;
    };

    // Each neighbour is visited and left again only when the move to it
    // happened, so Query0 always ends on the station row (also at a line's
    // first or last row).
    const int previousSlot = Query0.fieldAsInteger(QStringLiteral("CYAKU1"));
    if (previousSlot != 0) {
        const int target = Query0.fieldAsInteger(QStringLiteral("HATU1"));
        Query0.prior();
        if (!Query0.bof()) {
            scan(previousSlot, target);
            Query0.next();
        }
    }
    const int nextSlot = Query0.fieldAsInteger(QStringLiteral("CYAKU2"));
    if (nextSlot != 0) {
        const int target = Query0.fieldAsInteger(QStringLiteral("HATU2"));
        Query0.next();
        if (!Query0.eof()) {
            scan(nextSlot, target);
            Query0.prior();
        }
    }
}
