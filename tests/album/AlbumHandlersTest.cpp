// The album's handlers through the main window, run by the recording host:
// the add dialog's answer, the question before the trash, the sort orders
// across station moves, and one album per line and station.

#include "album/Album.h"
#include "forms/InfoForm1.h"
#include "forms/MainForm1.h"
#include "forms/ProductInfo.h"
#include "support/ProgramHarness.h"
#include "AlbumTestSupport.h"

#include <QFile>
#include <QTime>

namespace {

class AlbumHandlersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixture.addStation(stationRow("銀座線", "渋谷", {{"ADDRESS", "渋谷区"}, {"URL1", "https://example.org/shibuya"}}));
        fixture.addStation(stationRow("銀座線", "表参道"));
        fixture.addStation(stationRow("半蔵門線", "渋谷"));
        fixture.write();
        main = &harness.start("銀座線", "渋谷", QTime(10, 0));
    }

    // Pictures made outside the album, ready to be added.
    QString source(const QString& name, QDateTime modified = {})
    {
        const QString path = sources.filePath(name);
        if (name.endsWith(".txt"))
            writeBytes(path, "not a picture");
        else
            writePicture(path);
        if (modified.isValid()) {
            QFile f(path);
            f.open(QIODevice::ReadWrite);
            f.setFileTime(modified, QFileDevice::FileModificationTime);
        }
        return path;
    }

    void add(const QStringList& paths)
    {
        harness.host->openFilesAnswer = paths;
        main->P01.onClick();
    }

    QString albumFolder(const QString& line, const QString& station) const
    {
        return fixture.folder() + "/Picture/" + line + "/" + station;
    }

    int count(const char* kind) { return int(harness.host->log().ofKind(kind).size()); }

    TemporaryHome home;  // the trash of these tests
    QTemporaryDir sources;
    StationFixture fixture;
    ProgramHarness harness{fixture};
    TMainForm1* main = nullptr;
};

}  // namespace

TEST_F(AlbumHandlersTest, AddingMakesTheFoldersCopiesEveryFileAndListsOnlyPictures)
{
    EXPECT_TRUE(main->IkThumb1.files().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(fixture.folder() + "/Picture"));
    add({source("b.png"), source("a.jpg"), source("notes.txt")});

    const auto asked = harness.host->log().ofKind("openFiles");
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].fields["title"].toString(), QString::fromUtf8("写真の追加(複数のファイルを選択可)"));
    EXPECT_TRUE(asked[0].fields["filters"].toString().startsWith(
        QString::fromUtf8("すべての画像ﾌｧｲﾙ (*.bmp;*.jpg;*.jpeg;*.gif;*.tif;*.tiff;*.pcx;*.fpx;*.png)")));
    const QString folder = albumFolder("銀座線", "渋谷");
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QFileInfo::exists(folder + "/notes.txt"));  // copied, not listed
    EXPECT_EQ(main->IkThumb1.folder(), folder);
    EXPECT_EQ(main->IkThumb1.files(), QStringList({"a.jpg", "b.png"}));
}

TEST_F(AlbumHandlersTest, ASameNameFileIsReplacedWithoutAQuestion)
{
    add({source("a.png")});
    const QString other = sources.filePath("other/a.png");
    writePicture(other, QSize(10, 10), Qt::red);
    add({other});
    EXPECT_EQ(readBytes(albumFolder("銀座線", "渋谷") + "/a.png"), readBytes(other));
    EXPECT_EQ(main->IkThumb1.files(), QStringList({"a.png"}));
    EXPECT_EQ(count("question"), 0);
}

TEST_F(AlbumHandlersTest, ACancelledDialogAddsNothingAndMakesNoFolder)
{
    add({});
    EXPECT_FALSE(QFileInfo::exists(fixture.folder() + "/Picture"));
}

TEST_F(AlbumHandlersTest, DeletingAsksFirstAndADeclineKeepsThePicture)
{
    add({source("a.png"), source("b.png")});
    const QString folder = albumFolder("銀座線", "渋谷");

    struct Case {
        const char* what;
        const char* select;  // nullptr: nothing selected
        bool answer;
        int questions;       // asked in this step
        QStringList left;
    };
    const Case cases[] = {
        {"nothing selected", nullptr, true, 0, {"a.png", "b.png"}},
        {"declined", "a.png", false, 1, {"a.png", "b.png"}},
        {"accepted", "a.png", true, 1, {"b.png"}},
        {"right after a delete (the reload cleared the selection)", nullptr, true, 0, {"b.png"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.select)
            main->album->select(QString::fromUtf8(c.select));
        harness.host->answerYes = c.answer;
        const int before = count("question");
        main->P02.onClick();
        EXPECT_EQ(count("question") - before, c.questions);
        EXPECT_EQ(main->IkThumb1.files(), c.left);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), c.left);
    }
    EXPECT_EQ(harness.host->log().ofKind("question").last().fields["text"].toString(),
              TMainForm1::trashQuestion("a.png"));
    // The accepted one went to the trash, not away.
    EXPECT_TRUE(QFileInfo::exists(home.dataHome() + "/Trash/files/a.png"));
    EXPECT_TRUE(main->album->selectedFile().isEmpty());
}

TEST_F(AlbumHandlersTest, BothSortOrdersAreKeptAcrossAStationMove)
{
    const QDateTime base(QDate(2024, 5, 1), QTime(12, 0));
    const QStringList sorted = {"a.png", "b.png", "c.png"};
    const QStringList byDate = {"c.png", "a.png", "b.png"};
    for (const auto& [line, station] : {std::pair{"銀座線", "渋谷"}, std::pair{"銀座線", "表参道"}}) {
        harness.moveTo(line, station);
        add({source("a.png", base.addSecs(60)), source("b.png", base.addSecs(120)), source("c.png", base)});
    }
    harness.moveTo("銀座線", "渋谷");

    main->P04_2.onClick();
    EXPECT_TRUE(main->P04_2.checked());
    EXPECT_FALSE(main->P04_1.checked());
    EXPECT_EQ(main->IkThumb1.files(), byDate);
    harness.moveTo("銀座線", "表参道");
    EXPECT_EQ(main->IkThumb1.files(), byDate);

    main->P04_1.onClick();
    EXPECT_TRUE(main->P04_1.checked());
    EXPECT_FALSE(main->P04_2.checked());
    harness.moveTo("銀座線", "渋谷");
    EXPECT_EQ(main->IkThumb1.files(), sorted);
}

TEST_F(AlbumHandlersTest, TheSameStationOnTwoLinesKeepsTwoAlbums)
{
    add({source("ginza.png")});
    harness.moveTo("半蔵門線", "渋谷");
    EXPECT_TRUE(main->IkThumb1.files().isEmpty());
    add({source("hanzomon.png")});
    EXPECT_EQ(main->IkThumb1.folder(), albumFolder("半蔵門線", "渋谷"));
    EXPECT_EQ(main->IkThumb1.files(), QStringList({"hanzomon.png"}));
    harness.moveTo("銀座線", "渋谷");
    EXPECT_EQ(main->IkThumb1.files(), QStringList({"ginza.png"}));
}

TEST_F(AlbumHandlersTest, SelectingAPictureOpensItAndOnlyAPictureOfTheAlbum)
{
    add({source("a.png")});
    const QString folder = albumFolder("銀座線", "渋谷");
    main->VIkThumb1SelectFile(folder, "a.png");
    main->VIkThumb1SelectFile(folder, "../../../network.db");
    main->VIkThumb1SelectFile(fixture.folder(), "network.db");
    const auto opened = harness.host->log().ofKind("open");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].fields["target"].toString(), folder + "/a.png");
}

TEST_F(AlbumHandlersTest, TheFolderTheAddressAndTheBottomBarsLinksOpenWithTheShell)
{
    main->P06.onClick();  // no folder yet: nothing
    EXPECT_EQ(count("open"), 0);
    add({source("a.png")});
    main->P06.onClick();
    main->SpeedButton1.onClick();
    EXPECT_EQ(main->SpeedButton1.caption(), QString::fromUtf8("address:渋谷区"));
    main->FadeButton5.onClick();
    main->FadeButton0.onClick();
    TInfoForm1& info = *harness.program->InfoForm1;
    info.SpeedButton1.onClick();
    info.SpeedButton3.onClick();
    QStringList targets;
    for (const auto& e : harness.host->log().ofKind("open"))
        targets << e.fields["target"].toString();
    EXPECT_EQ(targets, QStringList({albumFolder("銀座線", "渋谷"), "https://example.org/shibuya", product::kProductUrl,
                                    product::kSiteUrl, "MailTo:" + product::kSupportMail}));
    const auto modal = harness.host->log().ofKind("modal");
    ASSERT_EQ(modal.size(), 1);
    EXPECT_EQ(modal[0].fields["form"].toString(), "InfoForm1");

    harness.moveTo("銀座線", "表参道");  // no URL1: nothing opens
    main->SpeedButton1.onClick();
    EXPECT_EQ(count("open"), 5);
}
