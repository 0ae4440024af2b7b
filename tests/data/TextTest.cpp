// Byte positions of Shift-JIS texts, two-digit numbers and the comma-text split.

#include "data/CommaText.h"
#include "core/Conversion.h"
#include "core/Failure.h"
#include "data/ShiftJisText.h"

#include <gtest/gtest.h>

TEST(ShiftJisText, CountsFullWidthCharactersAsTwoBytes)
{
    struct Case {
        const char* text;
        int length;
    } cases[] = {
        {"", 0}, {"06:", 3}, {"浅04", 4}, {"急浅30", 6}, {"ｱｲ12", 4}, {"　渋谷", 6}, {"A 浅草", 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sjis::length(QString::fromUtf8(c.text)), c.length) << c.text;
}

TEST(ShiftJisText, SubstringTakesWholeCharactersOnly)
{
    struct Case {
        const char* text;
        int start;
        int count;
        const char* expected;
    } cases[] = {
        {"浅04", 1, 2, "浅"},
        {"浅04", 3, 2, "04"},
        {"急浅30", 3, 2, "浅"},
        {"浅:浅草", 4, 99, "浅草"},   // cut at the end of the text
        {"浅04", 0, 2, ""},           // start below 1
        {"浅04", 5, 1, ""},           // start beyond the end
        {"浅04", 1, -1, ""},          // negative count
        {"浅04", 2, 2, "0"},          // starts inside 浅: it is not split
        {"0浅4", 1, 2, "0"},          // ends inside 浅
        {"G02", 1, 1, "G"},
        {"G02", 2, 2, "02"},
        {"ﾄｳｷｮｳ", 2, 3, "ｳｷｮ"},       // half-width katakana are single bytes
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sjis::substring(QString::fromUtf8(c.text), c.start, c.count), QString::fromUtf8(c.expected))
            << c.text << " " << c.start << " " << c.count;
    }
}

TEST(ShiftJisText, Format2AndTimeText)
{
    EXPECT_EQ(format2(0), "00");
    EXPECT_EQ(format2(5), "05");
    EXPECT_EQ(format2(59), "59");
    EXPECT_EQ(format2(123), "123");
    EXPECT_EQ(format2(-1), "-01");
    EXPECT_EQ(format2(-15), "-15");
    EXPECT_EQ(timeText(0, 4), "00:04");
    EXPECT_EQ(timeText(23, 59), "23:59");
}

TEST(CommaText, SplitsAsStoredListsAreWritten)
{
    struct Case {
        const char* text;
        QStringList items;
    } cases[] = {
        {"06:,浅04,浅12,渋20", {"06:", "浅04", "浅12", "渋20"}},
        {"  a , b ,c", {"a", "b", "c"}},
        {"a,,b", {"a", "", "b"}},          // two commas give an empty item
        {"a,", {"a"}},                     // a trailing comma adds nothing
        {",a", {"", "a"}},
        {"a b", {"a", "b"}},               // a blank separates too
        {"\"x, y\",z", {"x, y", "z"}},     // quoted text keeps commas and blanks
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"ab\"cd", {"ab", "cd"}},
        {"\"open", {"open"}},              // an unclosed quote runs to the end
        {"新宿,　都庁前", {"新宿", "　都庁前"}},  // the ideographic space is no separator
        {"", {}},
        {"   ", {}},
        {"100,400", {"100", "400"}},
    };
    for (const Case& c : cases) {
        QStringList expected;
        for (const QString& item : c.items)
            expected.append(item);
        EXPECT_EQ(splitCommaText(QString::fromUtf8(c.text)), expected) << c.text;
    }
}

TEST(CommaText, SplitsLinesAtAnyLineEnd)
{
    EXPECT_EQ(splitLines(u"a\r\nb\r\nc"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(splitLines(u"a\nb\rc\r\n"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(splitLines(u"a\r\n\r\nb"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(splitLines(u""), QStringList());
}

TEST(Conversion, WholeNumbersOrAConversionError)
{
    EXPECT_EQ(strToInt("07"), 7);
    EXPECT_EQ(strToInt(" 5"), 5);
    EXPECT_EQ(strToInt("-3"), -3);
    for (const char* bad : {"", "x5", "5 ", "1.5", "０５", "99999999999"})
        EXPECT_THROW(strToInt(QString::fromUtf8(bad)), ConversionError) << bad;
    try {
        strToInt("x5");
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), "'x5' is not a valid integer value");
    }
    EXPECT_EQ(strToIntDef("abc", 4), 4);
}

TEST(Conversion, AByteRangeThatCutsACharacterNamesItWhole)
{
    struct Case {
        const char* text;
        int start, count;
        int value;            // when it converts
        const char* shown;    // the text the error names, when it does not
    };
    const Case cases[] = {
        {"06:", 1, 2, 6, nullptr},
        {"浅12", 3, 2, 12, nullptr},
        {"1１1", 2, 1, 0, "１"},    // a full-width digit in a segment code
        {"浅０1", 4, 2, 0, "０1"},  // the range starts inside a character
        {"浅1０", 4, 2, 0, "０"},
        {"浅x4", 3, 2, 0, "x4"},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        if (!c.shown) {
            EXPECT_EQ(strToIntAt(text, c.start, c.count), c.value) << c.text;
            continue;
        }
        try {
            strToIntAt(text, c.start, c.count);
            ADD_FAILURE() << c.text << " converted";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromUtf8(c.shown)))
                << c.text;
        }
    }
}
