// The settings file reader and writer on files a user or an older copy of
// the program may have left: the save touches only the program's own keys.

#include "core/IniFile.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Written {
    const char* section;
    const char* key;
    const char* value;
};

class SettingsFileTest : public ::testing::Test {
protected:
    QString path() const { return QDir(dir.path()).filePath("I_Quorel.ini"); }

    void put(const QByteArray& bytes)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray contents() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void write(std::initializer_list<Written> values)
    {
        IniFile ini(SettingsLocation::at(path()));
        for (const Written& w : values)
            ini.writeString(w.section, w.key, QString::fromUtf8(w.value));
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(SettingsFileTest, AStrayQuoteCostsOnlyItsOwnKey)
{
    put("[SET]\nNOW_ROSEN=中野線\nNOW_EKI=\"中野\nS01=0\nS02=0\nLANGUAGE_E=1\n");
    {
        IniFile ini(SettingsLocation::at(path()));
        EXPECT_EQ(ini.readString("SET", "NOW_EKI", "x"), "\"中野");
        EXPECT_FALSE(ini.readBool("SET", "S01", true));
        EXPECT_FALSE(ini.readBool("SET", "S02", true));
        EXPECT_TRUE(ini.readBool("SET", "LANGUAGE_E", false));
    }
    // Shutdown writes back what was read: the file does not change at all.
    write({{"SET", "NOW_EKI", "\"中野"}, {"SET", "S01", "0"}, {"SET", "S02", "0"}, {"SET", "LANGUAGE_E", "1"}});
    EXPECT_EQ(contents(), QByteArray("[SET]\nNOW_ROSEN=中野線\nNOW_EKI=\"中野\nS01=0\nS02=0\nLANGUAGE_E=1\n"));
}

TEST_F(SettingsFileTest, TheSaveLeavesEveryOtherLineAsItWas)
{
    put("; kept by hand\r\n[OTHER]\r\nPATH=C:\\Quorel\\Train\r\nNOTE=a;b\r\n"
        "\r\n[SET]\r\nZ=last\r\nS01 = 1\r\nA=first\r\n\r\n[MORE]\r\nX=1");
    write({{"SET", "S01", "0"}, {"SET", "NOW_EKI", "渋谷"}, {"SET", "A", "first"}, {"MORE", "Y", "2"}});
    EXPECT_EQ(contents(), QByteArray("; kept by hand\r\n[OTHER]\r\nPATH=C:\\Quorel\\Train\r\nNOTE=a;b\r\n"
                                     "\r\n[SET]\r\nZ=last\r\nS01 =0\r\nA=first\r\nNOW_EKI=渋谷\r\n\r\n"
                                     "[MORE]\r\nX=1\r\nY=2\r\n"));
    IniFile ini(SettingsLocation::at(path()));
    EXPECT_EQ(ini.readString("OTHER", "PATH", ""), "C:\\Quorel\\Train");
    EXPECT_EQ(ini.readString("OTHER", "NOTE", ""), "a;b");
}

TEST_F(SettingsFileTest, NamesMatchWithoutRegardToCaseAndTheFirstKeyCounts)
{
    put("[set]\ns01=0\nS01=1\n[SET]\nS02=0\n");
    {
        IniFile ini(SettingsLocation::at(path()));
        EXPECT_FALSE(ini.readBool("SET", "S01", true));
        EXPECT_FALSE(ini.readBool("SET", "S02", true));  // a section written twice reads as one
    }
    write({{"SET", "S01", "1"}});
    EXPECT_EQ(contents(), QByteArray("[set]\ns01=1\nS01=1\n[SET]\nS02=0\n"));
}

TEST_F(SettingsFileTest, AShiftJisFileKeepsItsStationAndItsEncoding)
{
    QStringEncoder sjis("Shift_JIS");
    put(sjis(QStringLiteral("[SET]\r\nNOW_ROSEN=丸ノ内線\r\nNOW_EKI=中野坂上\r\n; 設定\r\n")));
    {
        IniFile ini(SettingsLocation::at(path()));
        EXPECT_EQ(ini.readString("SET", "NOW_ROSEN", ""), "丸ノ内線");
        EXPECT_EQ(ini.readString("SET", "NOW_EKI", ""), "中野坂上");
    }
    write({{"SET", "NOW_EKI", "新宿"}});
    QStringEncoder again("Shift_JIS");
    EXPECT_EQ(contents(), QByteArray(again(QStringLiteral("[SET]\r\nNOW_ROSEN=丸ノ内線\r\nNOW_EKI=新宿\r\n; 設定\r\n"))));

    // A file whose last character is cut is no UTF-8 either: written back, it reads the same.
    put(QByteArray("[SET]\r\nNOW_ROSEN=x\r\xe4\xb8\xb8\xe3\x83"));
    write({{"SET", "NOW_EKI", "　都庁前"}});
    {
        IniFile ini(SettingsLocation::at(path()));
        EXPECT_EQ(ini.readString("SET", "NOW_EKI", ""), "　都庁前");
    }

    put(sjis(QStringLiteral("[SET]\r\nNOW_ROSEN=丸ノ内線\r\nNOW_EKI=新宿\r\n; 設定\r\n")));
    // A value Shift-JIS cannot hold turns the file into UTF-8, every text kept.
    write({{"SET", "NOW_EKI", "新宿 🚇"}});
    EXPECT_EQ(contents(), QByteArray("[SET]\r\nNOW_ROSEN=丸ノ内線\r\nNOW_EKI=新宿 🚇\r\n; 設定\r\n"));
}

TEST_F(SettingsFileTest, ValuesComeBackAsTheyWereWritten)
{
    const char* values[] = {"", " leading and trailing ", "\"quoted\"", "'single'", "a=b", "a;b", "C:\\x\\y",
                            "100%", "%2", "　都庁前", "\t"};
    for (const char* value : values) {
        write({{"SET", "V", value}});
        IniFile ini(SettingsLocation::at(path()));
        EXPECT_EQ(ini.readString("SET", "V", "missing"), QString::fromUtf8(value)) << value;
    }
}

TEST_F(SettingsFileTest, JunkGivesDefaultsAndKeepsItsBytes)
{
    const QByteArray junk("\xff\xfe\x00garbage[[[=\n\x01\x02 S01 0\n\x80\x81", 26);
    put(junk);
    {
        IniFile ini(SettingsLocation::at(path()));
        EXPECT_TRUE(ini.readBool("SET", "S01", true));
        EXPECT_EQ(ini.readString("SET", "NOW_EKI", "default"), "default");
    }
    write({{"SET", "S01", "0"}});
    EXPECT_TRUE(contents().startsWith(junk));
    IniFile ini(SettingsLocation::at(path()));
    EXPECT_FALSE(ini.readBool("SET", "S01", true));
}

TEST_F(SettingsFileTest, AMissingFileIsCreatedOnlyWhenWritten)
{
    {
        IniFile ini(SettingsLocation::at(path()));
        EXPECT_EQ(ini.readString("SET", "NOW_EKI", "x"), "x");
    }
    EXPECT_FALSE(QFile::exists(path()));
    write({{"SET", "NOW_ROSEN", "銀座線"}, {"SET", "S01", "1"}});
    EXPECT_EQ(contents(), QByteArray("[SET]\nNOW_ROSEN=銀座線\nS01=1\n"));
}
