// Interrupt processing: the trains due in the current minute stand at their
// platform at once when a station is (re)loaded in the middle of a minute.

#include "app/MainForm1.h"

void TMainForm1::Button2Click(Control*)
{
}
