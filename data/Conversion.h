#pragma once

#include <QString>

// A decimal whole number, with optional leading blanks and sign; anything else
// raises ConversionError ("'x' is not a valid integer value").
int strToInt(const QString& text);

// The same, giving fallback instead of raising.
int strToIntDef(const QString& text, int fallback);

// strToInt of the bytes start..start+count-1 of a Shift-JIS measured text. When
// the range cuts a double-byte character the error names the whole character,
// so the message shows the offending text rather than an empty one.
int strToIntAt(const QString& text, int start, int count);
