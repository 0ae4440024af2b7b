#include "data/ShiftJisText.h"

#include "core/Conversion.h"
#include "core/Failure.h"

namespace sjis {

int charWidth(char32_t c)
{
    if (c < 0x80)
        return 1;
    if (c >= 0xFF61 && c <= 0xFF9F)  // half-width katakana
        return 1;
    return 2;
}

namespace {

// Calls f(code point, index of its first unit, number of units) for each
// character until f returns false.
template <typename F>
void forEachUnit(QStringView text, F&& f)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            if (!f(QChar::surrogateToUcs4(u, text[i + 1].unicode()), i, 2))
                return;
            i += 2;
        } else {
            if (!f(char32_t(u), i, 1))
                return;
            ++i;
        }
    }
}

}  // namespace

int length(QStringView text)
{
    int bytes = 0;
    forEachUnit(text, [&](char32_t c, qsizetype, int) {
        bytes += charWidth(c);
        return true;
    });
    return bytes;
}

QString substring(QStringView text, int start, int count)
{
    QString result;
    if (start < 1 || count < 0)
        return result;
    const int last = start + count - 1;
    int position = 1;
    forEachUnit(text, [&](char32_t c, qsizetype index, int units) {
        if (position > last)
            return false;
        const int width = charWidth(c);
        if (position >= start && position + width - 1 <= last)
            result.append(text.mid(index, units));
        position += width;
        return true;
    });
    return result;
}

QString covering(QStringView text, int start, int count)
{
    QString result;
    const int last = start + count - 1;
    forEachCharacter(text, [&](QStringView character, int position, int width) {
        if (position <= last && position + width - 1 >= start)
            result.append(character);
    });
    return result;
}

}  // namespace sjis

QString format2(int value)
{
    const QString digits = QString::number(qAbs(static_cast<qint64>(value))).rightJustified(2, u'0');
    return value < 0 ? u'-' + digits : digits;
}

QString timeText(int hour, int minute)
{
    return format2(hour) + u':' + format2(minute);
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
