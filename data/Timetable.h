#pragma once
// The per-slot lists derived from a station row's timetable texts.
//
// Working timetable line: "HH:MM-HH:MM text": arrival (a minute before the
// departure), "-", departure, a blank, the legend text(s).
// Terminal arrival line: "HH:MM-HH:MM", the window in which a train ending here
// arrives and leaves.
// Passing line: "HH:MM", the minute a train runs through.
//
// Positions inside items are code page 932 byte positions (see ShiftJisText.h).
// A minute that is not a number raises ConversionError.

#include <QString>
#include <QStringList>

// Builds one line per departure item of the hour lines (line 2 on) of a
// timetable field. lineText is the line under construction; it carries over
// from call to call, so an item whose code is in no legend entry repeats the
// line built last.
QStringList deriveWorkingTimetable(const QString& field, QString& lineText);

// One line per minute item of every hour line (line 0 on) of a passing field.
QStringList derivePassingList(const QString& field);

// Arrival windows of the items of a neighbour's timetable field whose code
// just before the minute equals terminalCode.
QStringList scanTerminalArrivals(const QString& field, const QString& terminalCode);
