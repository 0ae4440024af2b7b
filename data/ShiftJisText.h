#pragma once
// Texts are measured the way the station data was laid out: as Shift-JIS
// (code page 932) bytes, a full-width character counting two positions.
// We keep QString in memory and count positions per character instead of
// converting, so a double-byte character can never be split.

#include <QString>

namespace sjis {

// Bytes one character occupies in code page 932.
int charWidth(char32_t c);

// Length of a text in code page 932 bytes.
int length(QStringView text);

// The characters lying wholly within byte positions start .. start+count-1
// (counted from 1). Empty when start < 1, start beyond the end or count < 0;
// cut at the end of the text. A double-byte character reaching outside the
// range is left out rather than split.
QString substring(QStringView text, int start, int count);

// The characters touching byte positions start .. start+count-1: the range
// widened to whole characters, for naming what a cut range came from.
QString covering(QStringView text, int start, int count);

// Calls f(character as text, its first byte position, its width in bytes)
// for each character, in one pass.
template <typename F>
void forEachCharacter(QStringView text, F&& f)
{
    int position = 1;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const int units = pair ? 2 : 1;
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode());
        const int width = charWidth(c);
        f(text.mid(i, units), position, width);
        position += width;
        i += units;
    }
}

}  // namespace sjis

// A whole number written with at least two digits: 5 -> "05", -1 -> "-01".
QString format2(int value);

// "HH:MM" of a clock hour and minute.
QString timeText(int hour, int minute);

// strToInt of the bytes start..start+count-1 of a Shift-JIS measured text. When
// the range cuts a double-byte character the error names the whole character,
// so the message shows the offending text rather than an empty one.
int strToIntAt(const QString& text, int start, int count);
