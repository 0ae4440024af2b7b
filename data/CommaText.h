#pragma once
// Splitting of the stored list texts: timetable hour lines, RINSETU, ZAHYO,
// and multi-line fields into their lines.

#include <QString>
#include <QStringList>

// Items of a comma text. Leading control characters and blanks are skipped;
// an item is a double-quoted text (two quotes inside stand for one) or a run
// of characters above blank that are not commas; after an item, blanks and one
// comma with the blanks after it are skipped. Two commas in a row give an
// empty item; a trailing comma adds nothing. A NUL ends the text.
QStringList splitCommaText(QStringView text);

// Lines of a multi-line text: a line ends at CR, LF or CR LF; a line break at
// the very end adds no empty line.
QStringList splitLines(QStringView text);
