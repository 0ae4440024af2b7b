#pragma once
// Where a test finds the built program folder, the probe and the sources.

#include <QString>

inline QString programFolder()
{
    return QStringLiteral(QUOREL_TEST_PROGRAM_DIR);
}

inline QString probePath()
{
    return QStringLiteral(QUOREL_TEST_PROGRAM_DIR "/quorel-probe");
}

inline QString sourceFolder()
{
    return QStringLiteral(QUOREL_TEST_SOURCE_DIR);
}
