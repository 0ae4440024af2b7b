// The comma-text split, the Shift-JIS helpers and the three derivations of
// the timetable texts on arbitrary bytes: they may raise a conversion error,
// never crash or hang.

#include "core/Failure.h"
#include "data/CommaText.h"
#include "data/ShiftJisText.h"
#include "data/Timetable.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    splitCommaText(text);
    splitLines(text);
    const int length = sjis::length(text);
    sjis::substring(text, length / 3, length / 2);
    sjis::covering(text, length / 2, 3);
    try {
        QString lineText;
        deriveWorkingTimetable(text, lineText);
    } catch (const Failure&) {
    }
    try {
        derivePassingList(text);
    } catch (const Failure&) {
    }
    try {
        scanTerminalArrivals(text, text.left(1));
    } catch (const Failure&) {
    }
    try {
        strToIntAt(text, 1, 2);
    } catch (const Failure&) {
    }
    return 0;
}
