#pragma once
// Building the stored texts of the fixtures: the timetable fields keep their
// lines apart with CR LF, as the database does.

#include <QString>
#include <QStringList>
#include <initializer_list>

inline QString crlf(std::initializer_list<const char*> lines)
{
    QStringList all;
    for (const char* line : lines)
        all.append(QString::fromUtf8(line));
    return all.join(QStringLiteral("\r\n"));
}
