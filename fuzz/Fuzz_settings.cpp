// The settings file reader and writer on arbitrary bytes: every read gives a
// value or the default, and a save keeps every byte it does not own.

#include "core/IniFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    IniText ini = IniText::parse(bytes);
    if (ini.bytes() != bytes)
        std::abort();  // reading alone must change nothing
    for (const char* key : {"NOW_ROSEN", "NOW_EKI", "S01", "S02", "VOICE", "LANGUAGE_J", "LANGUAGE_E"})
        ini.value(QStringLiteral("SET"), QString::fromLatin1(key));
    ini.setValue(QStringLiteral("SET"), QStringLiteral("NOW_EKI"), QStringLiteral("　都庁前"));
    ini.setValue(QStringLiteral("SET"), QStringLiteral("S01"), QStringLiteral("0"));
    const IniText again = IniText::parse(ini.bytes());
    if (again.value(QStringLiteral("SET"), QStringLiteral("NOW_EKI")) != QStringLiteral("　都庁前")
        || again.value(QStringLiteral("SET"), QStringLiteral("S01")) != QStringLiteral("0"))
        std::abort();  // what was written reads back
    return 0;
}
