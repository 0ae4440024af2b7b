// Start-up, settings and shutdown of the program's core, run by the
// recording host on small real station databases.

#include "core/IniFile.h"
#include "forms/Program.h"
#include "hosts/recording/RecordingHost.h"
#include "core/Failure.h"
#include "forms/VoiceForm1.h"
#include "support/StationFixture.h"
#include "support/Text.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixture.addStation(stationRow("銀座線", "渋谷", {{"ZIKOKU2", crlf({"浅:浅草,上:上野", "", "06:,浅01,上31"})}}));
        fixture.addStation(stationRow("銀座線", "表参道",
                                      {{"ZIKOKU1", crlf({"渋:渋谷", "", "06:,渋00,渋30", "00:,渋05"})},
                                       {"ZIKOKU2", crlf({"浅:浅草", "", "06:,浅04"})},
                                       {"P_ZIKOKU3", crlf({"07:,5,35"})},
                                       {"END", "表"}, {"CYAKU1", 2}, {"HATU1", 1}, {"CYAKU2", 1}, {"HATU2", 2}}));
        fixture.addStation(stationRow("銀座線", "外苑前", {{"ZIKOKU1", crlf({"表:表参道,渋:渋谷", "", "08:,表10,渋20"})}}));
        fixture.addStation(stationRow("大江戸線", "　都庁前"));
        fixture.write();
    }

    // Creates the windows and shows the main window, as the program does at start.
    Program& start(bool speechInstalled = true)
    {
        host = std::make_unique<RecordingHost>((6 * 3600 + 10 * 60) * 1000, 7);
        host->programFolder = fixture.folder();
        host->speechEngine().installed = speechInstalled;
        host->speechEngine().voices = voices;
        program = std::make_unique<Program>(*host, fixture.folder());
        program->show();
        return *program;
    }

    void stop()
    {
        program->close();
        program.reset();
    }

    QVariant stored(const QString& key)
    {
        QSettings ini(fixture.path("I_Quorel.ini"), QSettings::IniFormat);
        return ini.value("SET/" + key);
    }

    StationFixture fixture;
    QVector<RecordingSpeechEngine::Voice> voices;
    std::unique_ptr<RecordingHost> host;
    std::unique_ptr<Program> program;
};

}  // namespace

TEST_F(StartUpTest, FirstStartWithoutSettingsFile)
{
    TMainForm1& main = *start().MainForm1;
    EXPECT_TRUE(host->log().ofKind("error").isEmpty());
    EXPECT_EQ(main.currentLine, "");
    EXPECT_EQ(main.currentStation, "");
    EXPECT_EQ(program->DataForm1->Query0.recordCount(), 0);
    EXPECT_TRUE(main.S01.checked());
    EXPECT_TRUE(main.S02.checked());
    EXPECT_TRUE(main.S04.checked());
    EXPECT_FALSE(main.S05.checked());
    ASSERT_TRUE(main.VoiceForm1);
    EXPECT_EQ(main.VoiceForm1->ComboBox1.text(), "L&H TTS3000-2-1041");
    EXPECT_EQ(main.VoiceForm1->ComboBox1.itemIndex(), -1);
    // Set-up selects on the four instances, the first station move again.
    const auto selects = host->log().ofKind("select");
    ASSERT_EQ(selects.size(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(selects[i].fields["instance"].toString(), QStringLiteral("DirectSS%1").arg(i % 4 + 1));
        EXPECT_EQ(selects[i].fields["voice"].toInt(), 0);
    }

    stop();
    ASSERT_TRUE(QFile::exists(fixture.path("I_Quorel.ini")));
    EXPECT_EQ(stored("NOW_ROSEN").toString(), "");
    EXPECT_EQ(stored("S01").toString(), "1");
    EXPECT_EQ(stored("S02").toString(), "1");
    EXPECT_EQ(stored("VOICE").toString(), "-1");
    EXPECT_EQ(stored("LANGUAGE_J").toString(), "1");
    EXPECT_EQ(stored("LANGUAGE_E").toString(), "0");
}

TEST_F(StartUpTest, SettingsRoundTripUnchanged)
{
    voices = {{"L&H TTS3000", 2, 1041}, {"TruVoice", 2, 1033}};
    const QStringList settings = {"[SET]", "NOW_ROSEN=大江戸線", "NOW_EKI=　都庁前", "S01=0", "S02=1", "VOICE=1",
                                  "LANGUAGE_J=0", "LANGUAGE_E=1", "", "[OTHER]", "KEEP=me"};
    fixture.writeSettings(settings);
    TMainForm1& main = *start().MainForm1;
    EXPECT_EQ(main.currentLine, "大江戸線");
    EXPECT_EQ(main.currentStation, "　都庁前");
    EXPECT_EQ(program->DataForm1->Query0.fieldAsString("EKI_J"), "　都庁前");
    EXPECT_FALSE(main.S01.checked());
    EXPECT_TRUE(main.S02.checked());
    EXPECT_FALSE(main.S04.checked());
    EXPECT_TRUE(main.S05.checked());
    EXPECT_EQ(main.VoiceForm1->ComboBox1.items(), (QStringList{"L&H TTS3000-2-1041", "TruVoice-2-1033"}));
    EXPECT_EQ(main.VoiceForm1->ComboBox1.itemIndex(), 1);
    stop();

    for (int run = 0; run < 2; ++run) {
        TMainForm1& again = *start().MainForm1;
        EXPECT_EQ(again.currentLine, "大江戸線");
        EXPECT_EQ(again.currentStation, "　都庁前");
        EXPECT_FALSE(again.S01.checked());
        EXPECT_TRUE(again.S02.checked());
        EXPECT_FALSE(again.S04.checked());
        EXPECT_TRUE(again.S05.checked());
        EXPECT_EQ(again.VoiceForm1->ComboBox1.itemIndex(), 1);
        stop();
    }
    EXPECT_EQ(stored("NOW_EKI").toString(), "　都庁前");
    QSettings ini(fixture.path("I_Quorel.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value("OTHER/KEEP").toString(), "me");
}

TEST_F(StartUpTest, AnnouncementsOffAndEnglishOnFromTheSettingsFile)
{
    fixture.writeSettings({"[SET]", "S02=0", "LANGUAGE_E=1"});
    TMainForm1& main = *start().MainForm1;
    EXPECT_FALSE(main.S02.checked());
    EXPECT_TRUE(main.S05.checked());
    EXPECT_TRUE(main.S04.checked());
    EXPECT_TRUE(main.S01.checked());
}

TEST_F(StartUpTest, BooleansAreAnyWholeNumberAndRubbishGivesTheDefault)
{
    fixture.writeSettings({"[SET]", "S01=7", "S02=yes", "LANGUAGE_J=0", "VOICE=many"});
    voices = {{"A", 1, 1}};
    TMainForm1& main = *start().MainForm1;
    EXPECT_TRUE(main.S01.checked());
    EXPECT_TRUE(main.S02.checked());
    EXPECT_FALSE(main.S04.checked());
    EXPECT_EQ(main.VoiceForm1->ComboBox1.itemIndex(), -1);
}

TEST_F(StartUpTest, AVoiceIndexBeyondTheListLeavesNoSelection)
{
    fixture.writeSettings({"[SET]", "VOICE=5"});
    voices = {{"A", 1, 1}};
    TMainForm1& main = *start().MainForm1;
    EXPECT_EQ(main.VoiceForm1->ComboBox1.itemIndex(), -1);
}

TEST_F(StartUpTest, WithoutASpeechEngineAnnouncementsAreOffForTheRun)
{
    fixture.writeSettings({"[SET]", "S02=1", "VOICE=3", "LANGUAGE_J=1", "LANGUAGE_E=1"});
    TMainForm1& main = *start(false).MainForm1;
    const auto& events = host->log().events();
    ASSERT_GE(events.size(), 3);
    EXPECT_EQ(events[0].kind, "beep");
    EXPECT_EQ(events[1].kind, "message");
    EXPECT_EQ(events[1].fields["text"].toString(),
              QString::fromUtf8("音声合成エンジン'Open JTalk'(open-jtalk, open-jtalk-mecab-naist-jdic)、"
                                "'Festival'(festival, festvox-us-slt-hts)、'eSpeak NG'(espeak-ng-data)"
                                "がインストールされていません。\n\n"
                                " ※[ホームアナウンス]は流れません。"));
    EXPECT_EQ(events[2].kind, "question");
    EXPECT_EQ(events[2].fields["text"].toString(), QString::fromUtf8("インストール方法(Readme.txt)を開きますか？"));
    EXPECT_TRUE(host->log().ofKind("open").isEmpty());  // answered No
    for (MenuItemControl* item : {&main.S02, &main.S04, &main.S05}) {
        EXPECT_FALSE(item->checked()) << item->name().toStdString();
        EXPECT_FALSE(item->enabled()) << item->name().toStdString();
    }
    EXPECT_TRUE(main.S01.enabled());
    EXPECT_TRUE(host->log().ofKind("error").isEmpty());  // the start-up goes on

    stop();
    EXPECT_EQ(stored("S02").toString(), "0");
    EXPECT_EQ(stored("LANGUAGE_J").toString(), "0");
    EXPECT_EQ(stored("LANGUAGE_E").toString(), "0");
    EXPECT_EQ(stored("VOICE").toString(), "3");  // not written: kept as it was
}

TEST_F(StartUpTest, YesToTheQuestionOpensTheUserGuide)
{
    host = std::make_unique<RecordingHost>(0, 1);
    host->speechEngine().installed = false;
    host->answerYes = true;
    program = std::make_unique<Program>(*host, fixture.folder());
    program->show();
    const auto opened = host->log().ofKind("open");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].fields["target"].toString(), fixture.folder() + "/Readme.txt");
}

// Product names are taken as they are: '%' in a name is no placeholder.
TEST_F(StartUpTest, VoiceListItemsAreTheNamesAsGiven)
{
    voices = {{"100%", 1, 1041}, {"A%2B", 2, 1033}, {"%1%3", 0, 0}, {"L&H TTS3000", 2, 1041}};
    TMainForm1& main = *start().MainForm1;
    const ComboBoxControl& list = main.VoiceForm1->ComboBox1;
    EXPECT_EQ(list.items(), QStringList({"100%-1-1041", "A%2B-2-1033", "%1%3-0-0", "L&H TTS3000-2-1041"}));
}

// The language items find their voice by the whole item text, wherever it is
// in the list and whatever the names before it hold.
TEST_F(StartUpTest, LanguageChoiceFindsVoicesWhoseNamesHoldPercentSigns)
{
    struct Case {
        QVector<RecordingSpeechEngine::Voice> voices;
        bool english;
        int expected;
    };
    const QVector<Case> cases = {
        {{{"100%", 1, 1041}, {"L&H TTS3000", 2, 1041}}, false, 1},
        {{{"A%2B", 2, 1033}, {"TruVoice", 2, 1033}}, true, 1},
        {{{"L&H TTS3000%2", 2, 1041}, {"L&H TTS3000", 2, 1041}}, false, 1},
        {{{"TruVoice", 2, 1033}, {"100%", 2, 1033}}, true, 0},
        {{{"L&H TTS3000", 1, 1041}}, false, -1},  // another gender: not the default voice
    };
    for (const Case& c : cases) {
        fixture.writeSettings({"[SET]"});
        voices = c.voices;
        TMainForm1& main = *start().MainForm1;
        if (c.english)
            main.S05Click();
        else
            main.S04Click();
        EXPECT_EQ(main.VoiceForm1->ComboBox1.itemIndex(), c.expected) << c.voices.first().productName.toStdString();
        stop();
    }
}

TEST_F(StartUpTest, ABrokenSettingsFileGivesDefaultsAndANewFileAtShutdown)
{
    QFile file(fixture.path("I_Quorel.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\xff\xfe\x00garbage[[[=\n\x01\x02 S01 0\n", 24));
    file.close();
    fixture.writeSettings({"\x7f[SET", "=", "S01"});
    TMainForm1& main = *start().MainForm1;
    EXPECT_TRUE(main.S01.checked());
    EXPECT_EQ(main.currentLine, "");
    EXPECT_TRUE(host->log().ofKind("error").isEmpty());
    main.currentLine = QStringLiteral("銀座線");
    stop();
    EXPECT_EQ(stored("NOW_ROSEN").toString(), "銀座線");
    EXPECT_EQ(stored("S01").toString(), "1");
}

TEST_F(StartUpTest, TheStationRowIsLocatedAndItsListsDerived)
{
    fixture.writeSettings({"[SET]", "NOW_ROSEN=銀座線", "NOW_EKI=表参道"});
    start();
    TDataForm1& data = *program->DataForm1;
    EXPECT_TRUE(host->log().ofKind("error").isEmpty());
    EXPECT_EQ(data.Query0.fieldAsString("EKI_J"), "表参道");
    EXPECT_EQ(data.lists(1).working,
              QStringList::fromVector({QString::fromUtf8("05:59-06:00 渋谷"), QString::fromUtf8("06:29-06:30 渋谷"),
                                       QString::fromUtf8("00:04-00:05 渋谷")}));
    EXPECT_EQ(data.lists(2).working, QStringList{QString::fromUtf8("06:03-06:04 浅草")});
    EXPECT_EQ(data.lists(3).passing, (QStringList{"07:05", "07:35"}));
    // Trains ending here: from 渋谷's slot 2 (code 表: none) and 外苑前's slot 1.
    EXPECT_EQ(data.lists(1).terminal, QStringList());
    EXPECT_EQ(data.lists(2).terminal, QStringList{"08:11-08:12"});
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_TRUE(data.trainQuery(slot).active());
}

TEST_F(StartUpTest, AStationThatIsNotThereShowsTheLinesFirstRow)
{
    fixture.writeSettings({"[SET]", "NOW_ROSEN=銀座線", "NOW_EKI=どこにもない"});
    start();
    EXPECT_EQ(program->DataForm1->Query0.fieldAsString("EKI_J"), "渋谷");
    EXPECT_EQ(program->MainForm1->currentStation, "どこにもない");
}

TEST_F(StartUpTest, MalformedDataEndsTheFirstMoveWithAnErrorAndTheWindowStaysOpen)
{
    fixture.exec("UPDATE station SET ZIKOKU1='浅:浅草\r\n\r\n06:,浅x4' WHERE EKI_J='表参道'");
    fixture.writeSettings({"[SET]", "NOW_ROSEN=銀座線", "NOW_EKI=表参道"});
    start();
    const auto errors = host->log().ofKind("error");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0].fields["message"].toString(), "'x4' is not a valid integer value");
    EXPECT_FALSE(program->DataForm1->Query1.active());  // the later steps did not run
    stop();  // and the program still closes normally
    EXPECT_EQ(stored("NOW_EKI").toString(), "表参道");
}

TEST_F(StartUpTest, ADatabaseThatCannotBeOpenedEndsTheStartUp)
{
    QFile::remove(fixture.path("network.db"));
    RecordingHost recording(0, 1);
    EXPECT_THROW(Program(recording, fixture.folder()), DatabaseError);

    fixture.write();
    fixture.exec("DROP TABLE station");
    EXPECT_THROW(Program(recording, fixture.folder()), DatabaseError);
}

TEST(SettingsLocation, AnInstalledProgramKeepsTheSettingsInTheUsersFolder)
{
    QTemporaryDir program;
    QTemporaryDir user;
    const QString beside = QDir(program.path()).filePath("I_Quorel.ini");
    QFile file(beside);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[SET]\nS01=0\nNOW_EKI=x\n");
    file.close();
    const SettingsLocation location{beside, QDir(user.path()).filePath("sub/I_Quorel.ini")};
    {
        IniFile ini(location);
        EXPECT_FALSE(ini.readBool("SET", "S01", true));
        ini.writeString("SET", "NOW_EKI", "渋谷");
    }
    QSettings written(location.writePath, QSettings::IniFormat);
    EXPECT_EQ(written.value("SET/NOW_EKI").toString(), "渋谷");
    EXPECT_EQ(written.value("SET/S01").toString(), "0");  // carried over from the installed file
    QFile original(beside);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), QByteArray("[SET]\nS01=0\nNOW_EKI=x\n"));
}
