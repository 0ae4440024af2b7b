// The album's folders, listing, order, selection, adding and deleting, on
// real files in a temporary program folder.

#include "AlbumTestSupport.h"

#include "album/Album.h"
#include "album/AlbumFolder.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

using namespace album;

namespace {

const QString kGinza = QStringLiteral("銀座線");
const QString kHanzomon = QStringLiteral("半蔵門線");
const QString kShibuya = QStringLiteral("渋谷");

class AlbumTest : public ::testing::Test {
protected:
    TemporaryHome home;
    QTemporaryDir sources;
    QString program = home.path() + "/program";

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(program)); }

    Album albumBeside() { return Album(AlbumPlace(program, home.dataHome() + "/app", true)); }
    QString beside(const QString& line, const QString& station) const
    {
        return program + "/Picture/" + line + "/" + station;
    }
    QString source(const QString& name) const { return sources.filePath(name); }
};

// Every file and folder below root, as relative paths.
QStringList treeBelow(const QString& root)
{
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(root).relativeFilePath(it.next());
    found.sort();
    return found;
}

}  // namespace

TEST(AlbumFolderName, OrdinaryKeysAreKeptExactly)
{
    const QStringList keys = {kGinza, kShibuya, QStringLiteral("　表参道"), QStringLiteral("浅草 "),
                              QStringLiteral("A-1 (本線)"), QStringLiteral("駅.jpg"), QStringLiteral("...a"),
                              QStringLiteral("~"), QStringLiteral("🚃")};
    for (const QString& key : keys) {
        EXPECT_EQ(folderNameForKey(key), key) << key.toStdString();
        EXPECT_EQ(keyForFolderName(key), key) << key.toStdString();
    }
}

TEST(AlbumFolderName, HostileKeysStayOneFolderDownAndComeBack)
{
    const QString tooLong = QString(200, u'駅');  // 600 bytes of UTF-8
    const QStringList keys = {
        QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("../.."), QStringLiteral("a/b"),
        QStringLiteral("/etc"), QStringLiteral("..\\..\\x"), QStringLiteral("a\\b"), QStringLiteral("%"),
        QStringLiteral("%2E%2E"), QStringLiteral("#"), QStringLiteral("line\n"), QStringLiteral("\t"),
        QString(QChar(0)) + QStringLiteral("x"), QString(QChar(0x7F)), QString(QChar(0x85)),
        QString(QChar(0xD800)) + QStringLiteral("a"), QString(QChar(0xDC00)), tooLong, tooLong + u'x'};
    QSet<QString> names;
    const QString root = QStringLiteral("/album/Picture");
    for (const QString& key : keys) {
        const QString name = folderNameForKey(key);
        SCOPED_TRACE(key.toUtf8().toHex().toStdString() + " -> " + name.toStdString());
        EXPECT_FALSE(name.isEmpty());
        EXPECT_NE(name, u".");
        EXPECT_NE(name, u"..");
        EXPECT_FALSE(name.contains(u'/') || name.contains(u'\\'));
        for (const QChar c : name) {
            EXPECT_GE(c.unicode(), 0x20);
            EXPECT_FALSE(c.unicode() >= 0x7F && c.unicode() <= 0x9F);
        }
        EXPECT_LE(name.toUtf8().size(), 255);
        EXPECT_EQ(name.toUtf8(), name.toUtf8().toStdString().c_str()) << "a NUL in the name";
        EXPECT_EQ(QFileInfo(QDir::cleanPath(root + u'/' + name)).path(), root);
        if (key.toUtf8().size() < 200)
            EXPECT_EQ(keyForFolderName(name), key);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), keys.size()) << "two keys share a folder";
}

TEST_F(AlbumTest, HostileKeysNeverLeaveThePictureFolder)
{
    writePicture(source("p.jpg"));
    const QStringList before = treeBelow(home.path());
    const std::pair<QString, QString> stations[] = {
        {QStringLiteral(".."), QStringLiteral("..")},
        {QStringLiteral("../.."), QStringLiteral("../../../escaped")},
        {QString(), QString()},
        {QStringLiteral("/tmp"), QStringLiteral("a\\..\\..\\b")},
        {kGinza, QString(QChar(0)) + QStringLiteral("/..")},
    };
    for (const auto& [line, station] : stations) {
        Album album = albumBeside();
        album.showStation(line, station);
        EXPECT_TRUE(album.folder().startsWith(program + "/Picture/"));
        EXPECT_EQ(album.add({source("p.jpg")}).copied, 1);
        EXPECT_EQ(album.fileNames(), QStringList{"p.jpg"});
    }
    // Everything new is inside Picture, two levels down.
    for (const QString& path : treeBelow(home.path()))
        if (!before.contains(path)) {
            EXPECT_TRUE(path.startsWith("program/Picture")) << path.toStdString();
            EXPECT_LE(path.count(u'/'), 4) << path.toStdString();
        }
}

TEST_F(AlbumTest, AddingMakesTheFoldersAndListsOnlyPictures)
{
    writePicture(source("b.jpg"));
    writePicture(source("a.png"), QSize(10, 10), Qt::red, "PNG");
    writeBytes(source("notes.txt"), "not a picture");
    Album album = albumBeside();
    album.showStation(kGinza, kShibuya);
    EXPECT_FALSE(QFileInfo::exists(program + "/Picture"));
    EXPECT_TRUE(album.fileNames().isEmpty());

    const AddResult result = album.add({source("b.jpg"), source("notes.txt"), source("a.png")});
    EXPECT_EQ(result.copied, 3);
    EXPECT_TRUE(result.skipped.isEmpty());
    EXPECT_TRUE(QFileInfo(beside(kGinza, kShibuya)).isDir());
    EXPECT_EQ(album.fileNames(), (QStringList{"a.png", "b.jpg"}));
    EXPECT_TRUE(QFileInfo::exists(beside(kGinza, kShibuya) + "/notes.txt")) << "copied, though not listed";
}

TEST_F(AlbumTest, AddingReplacesASameNamedFileAndSkipsFailedCopies)
{
    writePicture(source("old/p.jpg"), QSize(8, 8), Qt::red);
    writePicture(source("new/p.jpg"), QSize(16, 16), Qt::blue);
    writePicture(source("q.jpg"));
    QDir().mkpath(source("folder.jpg"));
    Album album = albumBeside();
    album.showStation(kGinza, kShibuya);
    album.add({source("old/p.jpg")});

    const AddResult result = album.add({source("missing.jpg"), source("folder.jpg"), source("new/p.jpg"), source("q.jpg")});
    EXPECT_EQ(result.copied, 2);
    EXPECT_EQ(result.skipped, (QStringList{source("missing.jpg"), source("folder.jpg")}));
    EXPECT_EQ(album.fileNames(), (QStringList{"p.jpg", "q.jpg"}));
    EXPECT_EQ(readBytes(beside(kGinza, kShibuya) + "/p.jpg"), readBytes(source("new/p.jpg")));
    EXPECT_EQ(QImage(beside(kGinza, kShibuya) + "/p.jpg").size(), QSize(16, 16));
    // No half-made copies lie about.
    EXPECT_EQ(QDir(beside(kGinza, kShibuya)).entryList(QDir::Files | QDir::Hidden), (QStringList{"p.jpg", "q.jpg"}));
}

TEST_F(AlbumTest, AddingAnAlbumsOwnPictureKeepsIt)
{
    writePicture(source("p.jpg"));
    Album album = albumBeside();
    album.showStation(kGinza, kShibuya);
    album.add({source("p.jpg")});
    const QString own = beside(kGinza, kShibuya) + "/p.jpg";
    const QByteArray bytes = readBytes(own);
    EXPECT_EQ(album.add({own}).copied, 1);
    EXPECT_EQ(readBytes(own), bytes);
}

TEST_F(AlbumTest, CopiesKeepTheirModificationTime)
{
    writePicture(source("p.jpg"));
    const QDateTime taken = QDateTime(QDate(2019, 4, 1), QTime(9, 30), Qt::UTC);
    setModified(source("p.jpg"), taken);
    Album album = albumBeside();
    album.showStation(kGinza, kShibuya);
    album.add({source("p.jpg")});
    EXPECT_EQ(QFileInfo(beside(kGinza, kShibuya) + "/p.jpg").lastModified().toUTC(), taken);
}

TEST_F(AlbumTest, ListsTheListedTypesWhateverTheirCase)
{
    const QString folder = beside(kGinza, kShibuya);
    const QStringList listed = {"a.JPG", "b.jpeg", "c.TiFF", "d.pcx", "e.Fpx", "f.gif", "g.png", "h.BMP", "i.tif"};
    const QStringList unlisted = {"j.txt", "k.jpg.txt", "jpg", ".hidden.jpg", "l.webp", "m.jpg~"};
    for (const QString& name : listed + unlisted)
        writeBytes(folder + "/" + name, "x");
    QDir().mkpath(folder + "/n.jpg");
    Album album = albumBeside();
    album.showStation(kGinza, kShibuya);
    EXPECT_EQ(album.fileNames(), listed);
    for (const QString& name : listed)
        EXPECT_TRUE(isListedPicture(name)) << name.toStdString();
    for (const QString& name : unlisted)
        EXPECT_FALSE(isListedPicture(name)) << name.toStdString();
}

TEST_F(AlbumTest, BothOrdersAndTheOrderKeptAcrossAStationMove)
{
    const QDateTime day(QDate(2026, 12, 1), QTime(12, 0), Qt::UTC);
    const struct {
        QString line, station, name;
        int minutes;
    } files[] = {
        {kGinza, kShibuya, "b.jpg", 1}, {kGinza, kShibuya, "C.jpg", 3}, {kGinza, kShibuya, "a.jpg", 2},
        {kHanzomon, kShibuya, "z.png", 1}, {kHanzomon, kShibuya, "y.png", 5}, {kHanzomon, kShibuya, "x.png", 3},
    };
    for (const auto& f : files) {
        writePicture(beside(f.line, f.station) + "/" + f.name);
        setModified(beside(f.line, f.station) + "/" + f.name, day.addSecs(60 * f.minutes));
    }
    Album album = albumBeside();
    album.showStation(kGinza, kShibuya);
    EXPECT_EQ(album.sortOrder(), SortOrder::ByName);
    EXPECT_EQ(album.fileNames(), (QStringList{"a.jpg", "b.jpg", "C.jpg"}));
    album.setSortOrder(SortOrder::ByDate);
    EXPECT_EQ(album.fileNames(), (QStringList{"b.jpg", "a.jpg", "C.jpg"}));

    album.showStation(kHanzomon, kShibuya);
    EXPECT_EQ(album.sortOrder(), SortOrder::ByDate);
    EXPECT_EQ(album.fileNames(), (QStringList{"z.png", "x.png", "y.png"}));
    album.setSortOrder(SortOrder::ByName);
    album.showStation(kGinza, kShibuya);
    EXPECT_EQ(album.fileNames(), (QStringList{"a.jpg", "b.jpg", "C.jpg"}));
}

TEST_F(AlbumTest, TheSameStationOnTwoLinesKeepsTwoAlbums)
{
    writePicture(source("ginza.jpg"));
    writePicture(source("hanzomon.jpg"));
    Album album = albumBeside();
    album.showStation(kGinza, kShibuya);
    album.add({source("ginza.jpg")});
    album.showStation(kHanzomon, kShibuya);
    EXPECT_TRUE(album.fileNames().isEmpty());
    album.add({source("hanzomon.jpg")});
    EXPECT_EQ(album.folder(), beside(kHanzomon, kShibuya));
    EXPECT_EQ(album.fileNames(), QStringList{"hanzomon.jpg"});
    album.showStation(kGinza, kShibuya);
    EXPECT_EQ(album.fileNames(), QStringList{"ginza.jpg"});
}

TEST_F(AlbumTest, OnlyAListedFileCanBeSelectedAndAReloadClearsIt)
{
    writePicture(beside(kGinza, kShibuya) + "/a.jpg");
    writeBytes(beside(kGinza, kShibuya) + "/b.txt", "x");
    Album album = albumBeside();
    album.showStation(kGinza, kShibuya);
    EXPECT_TRUE(album.selectedFile().isEmpty());
    for (const QString& name : {QStringLiteral("b.txt"), QStringLiteral("../a.jpg"), QStringLiteral("A.JPG"), QString()})
        EXPECT_FALSE(album.select(name)) << name.toStdString();
    EXPECT_TRUE(album.select("a.jpg"));
    EXPECT_EQ(album.selectedPath(), beside(kGinza, kShibuya) + "/a.jpg");
    album.reload();
    EXPECT_TRUE(album.selectedFile().isEmpty());
    album.select("a.jpg");
    album.setSortOrder(SortOrder::ByDate);
    EXPECT_TRUE(album.selectedFile().isEmpty());
}

TEST_F(AlbumTest, DeletingMovesTheSelectedFileToTheTrash)
{
    writePicture(beside(kGinza, kShibuya) + "/a.jpg");
    writePicture(beside(kGinza, kShibuya) + "/b.jpg");
    const QString cwd = QDir::currentPath();
    const QStringList cwdBefore = QDir(cwd).entryList();
    Album album = albumBeside();
    album.showStation(kGinza, kShibuya);

    // Nothing selected: nothing goes.
    EXPECT_EQ(album.trashSelected(), TrashResult::NothingSelected);
    EXPECT_EQ(album.fileNames().size(), 2);

    // Declined: the caller only reloads, which clears the selection.
    album.select("a.jpg");
    album.reload();
    EXPECT_EQ(album.fileNames().size(), 2);
    EXPECT_TRUE(album.selectedFile().isEmpty());

    // Accepted.
    album.select("a.jpg");
    EXPECT_FALSE(QFileInfo::exists(home.dataHome()));
    EXPECT_EQ(album.trashSelected(), TrashResult::Trashed);
    EXPECT_EQ(album.fileNames(), QStringList{"b.jpg"});
    EXPECT_FALSE(QFileInfo::exists(beside(kGinza, kShibuya) + "/a.jpg"));
    EXPECT_TRUE(QFileInfo::exists(home.dataHome() + "/Trash/files/a.jpg"));
    EXPECT_EQ(QDir(cwd).entryList(), cwdBefore) << "a trash made in the current folder";

    // Right after a delete the selection is gone: nothing more goes.
    EXPECT_TRUE(album.selectedFile().isEmpty());
    EXPECT_EQ(album.trashSelected(), TrashResult::NothingSelected);
    EXPECT_EQ(album.fileNames(), QStringList{"b.jpg"});
}

TEST_F(AlbumTest, AReadOnlyProgramFolderKeepsTheAlbumInTheUsersDataFolder)
{
    const QString user = home.dataHome() + "/app";
    writePicture(beside(kGinza, kShibuya) + "/shipped.jpg");
    writePicture(source("mine.jpg"));
    Album album(AlbumPlace(program, user, false));

    // Until the user changes it, what lies beside the program is shown.
    album.showStation(kGinza, kShibuya);
    EXPECT_EQ(album.folder(), beside(kGinza, kShibuya));
    EXPECT_EQ(album.fileNames(), QStringList{"shipped.jpg"});

    EXPECT_EQ(album.add({source("mine.jpg")}).copied, 1);
    const QString mine = user + "/Picture/" + kGinza + "/" + kShibuya;
    EXPECT_EQ(album.folder(), mine);
    EXPECT_EQ(album.fileNames(), (QStringList{"mine.jpg", "shipped.jpg"}));
    EXPECT_EQ(QDir(beside(kGinza, kShibuya)).entryList(QDir::Files), QStringList{"shipped.jpg"});

    album.select("shipped.jpg");
    EXPECT_EQ(album.trashSelected(), TrashResult::Trashed);
    EXPECT_EQ(album.fileNames(), QStringList{"mine.jpg"});
    EXPECT_TRUE(QFileInfo::exists(beside(kGinza, kShibuya) + "/shipped.jpg")) << "the program's copy is left alone";

    // A station never shown before starts in the user's folder too.
    album.showStation(kHanzomon, kShibuya);
    EXPECT_EQ(album.folders().write, user + "/Picture/" + kHanzomon + "/" + kShibuya);
}

TEST_F(AlbumTest, TheProgramFoldersWritabilityChoosesThePlace)
{
    EXPECT_TRUE(AlbumPlace::forProgramFolder(program).userRoot().isEmpty());
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool stillWritable = QFileInfo(program).isWritable();
    const AlbumPlace place = AlbumPlace::forProgramFolder(program);
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (stillWritable)
        GTEST_SKIP() << "this user may write any folder (root)";
    EXPECT_EQ(place.userRoot(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Picture");
}
