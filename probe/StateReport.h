#pragma once
// The state of a running program as one JSON object: the current line and
// station, the station row, the twelve lists, the controls of the main, map
// and voice windows, the flags, the transfer list and the event log.

#include <QString>

class Program;
class EventLog;

// program may be null when the start-up ended before the windows existed.
QString stateReport(Program* program, const EventLog& log);
