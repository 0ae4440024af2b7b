#pragma once

#include <QString>

// A decimal whole number, with optional leading blanks and sign; anything else
// raises ConversionError ("'x' is not a valid integer value").
int strToInt(const QString& text);

// The same, giving fallback instead of raising.
int strToIntDef(const QString& text, int fallback);
