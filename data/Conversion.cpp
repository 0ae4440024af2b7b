#include "data/Conversion.h"

#include "data/Failure.h"
#include "data/ShiftJisText.h"

#include <limits>
#include <optional>

namespace {

std::optional<int> parse(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n)
        return std::nullopt;
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > std::numeric_limits<int>::max() + qint64(1))
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

int strToInt(const QString& text)
{
    if (auto value = parse(text))
        return *value;
    throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

int strToIntAt(const QString& text, int start, int count)
{
    // Half a character is never a digit: a cut range is an error, not the
    // number its remaining characters happen to spell.
    const QString part = sjis::substring(text, start, count);
    const QString whole = sjis::covering(text, start, count);
    if (whole != part)
        throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(whole));
    return strToInt(part);
}

int strToIntDef(const QString& text, int fallback)
{
    return parse(text).value_or(fallback);
}
