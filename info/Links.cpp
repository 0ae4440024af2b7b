// The bottom bar's links to what lies outside the program.

#include "forms/MainForm1.h"

void TMainForm1::FadeButton4Click()
{
    // The user guide beside the program; a missing file opens nothing.
    m_host.shell().open(programFolder + QStringLiteral("/Readme.txt"));
}
