// The thumbnail maker: reduced decoding, the placeholder, the two caches and
// the dropping of work for a folder no longer shown.

#include "AlbumTestSupport.h"

#include "album/ThumbnailMaker.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

using namespace album;

namespace {

const QSize kBounds(120, 80);

ThumbnailSource sourceOf(const QString& path)
{
    const QFileInfo info(path);
    return {info.absolutePath(), info.fileName(), info.lastModified(), info.size()};
}

// Lets the queued results arrive.
bool settle(ThumbnailMaker& maker, int ms = 20000)
{
    QDeadlineTimer deadline(ms);
    while (maker.pending() > 0 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    QCoreApplication::processEvents();
    return maker.pending() == 0;
}

class ThumbnailTest : public ::testing::Test {
protected:
    TemporaryHome home;
    QString folder = home.path() + "/photos";
    QString cache = home.cacheHome() + "/thumbs";
};

}  // namespace

TEST_F(ThumbnailTest, DecodesFittedIntoTheBounds)
{
    const struct {
        QSize picture;
        const char* name;
        QSize expected;
    } cases[] = {
        {{4000, 3000}, "camera.jpg", {106, 80}},
        {{3000, 4000}, "upright.jpg", {60, 80}},
        {{600, 100}, "wide.png", {120, 20}},
        {{40, 30}, "small.bmp", {40, 30}},
    };
    for (const auto& c : cases) {
        writePicture(folder + "/" + c.name, c.picture);
        const QImage thumb = ThumbnailMaker::decode(folder + "/" + c.name, kBounds);
        EXPECT_EQ(thumb.size(), c.expected) << c.name;
    }
}

TEST_F(ThumbnailTest, ABrokenFileGivesAPlaceholder)
{
    writeBytes(folder + "/broken.jpg", QByteArray("\xFF\xD8\xFF\xE0 this is no JPEG", 22));
    writeBytes(folder + "/empty.png", QByteArray());
    writeBytes(folder + "/scan.pcx", QByteArray(128, '\x0A'));
    writePicture(folder + "/good.jpg");
    ThumbnailMaker maker(kBounds, cache);
    maker.showFolder(folder);
    for (const char* name : {"broken.jpg", "empty.png", "scan.pcx", "good.jpg"})
        maker.request(sourceOf(folder + "/" + name));
    ASSERT_TRUE(settle(maker));
    for (const char* name : {"broken.jpg", "empty.png", "scan.pcx"}) {
        const Thumbnail* thumb = maker.cached(sourceOf(folder + "/" + name));
        ASSERT_NE(thumb, nullptr) << name;
        EXPECT_TRUE(thumb->placeholder) << name;
    }
    const Thumbnail* good = maker.cached(sourceOf(folder + "/good.jpg"));
    ASSERT_NE(good, nullptr);
    EXPECT_FALSE(good->placeholder);
}

TEST_F(ThumbnailTest, ResultsArriveOnTheGuiThreadAndComeFromTheDiskCacheLater)
{
    writePicture(folder + "/p.jpg", QSize(400, 300), Qt::darkGreen);
    const ThumbnailSource p = sourceOf(folder + "/p.jpg");
    {
        ThumbnailMaker maker(kBounds, cache);
        maker.showFolder(folder);
        QStringList ready;
        QObject::connect(&maker, &ThumbnailMaker::thumbnailReady, [&](const QString& f, const QString& name) {
            EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
            ready << f + "/" + name;
        });
        maker.request(p);
        maker.request(p);  // queued once
        ASSERT_TRUE(settle(maker));
        EXPECT_EQ(ready, QStringList{folder + "/p.jpg"});
        EXPECT_EQ(QDir(cache).entryList(QDir::Files).size(), 1);
    }
    // A new maker has an empty memory: with the picture itself unreadable,
    // the thumbnail can only come from the disk.
    writeBytes(folder + "/p.jpg", "gone");
    setModified(folder + "/p.jpg", p.modified);
    ThumbnailMaker again(kBounds, cache);
    again.showFolder(folder);
    again.request(p);
    ASSERT_TRUE(settle(again));
    const Thumbnail* thumb = again.cached(p);
    ASSERT_NE(thumb, nullptr);
    EXPECT_FALSE(thumb->placeholder);
    EXPECT_EQ(thumb->image.size(), QSize(106, 80));

    // The file as it is now (another size) is a different thumbnail.
    again.request(sourceOf(folder + "/p.jpg"));
    ASSERT_TRUE(settle(again));
    EXPECT_TRUE(again.cached(sourceOf(folder + "/p.jpg"))->placeholder);
}

TEST_F(ThumbnailTest, WorkForAFolderNoLongerShownIsDropped)
{
    for (int i = 0; i < 40; ++i)
        writePicture(folder + QStringLiteral("/%1.jpg").arg(i, 2, 10, QChar(u'0')), QSize(1600, 1200));
    writePicture(home.path() + "/other/x.jpg");
    ThumbnailMaker maker(kBounds, QString());
    QStringList ready;
    QObject::connect(&maker, &ThumbnailMaker::thumbnailReady,
                     [&](const QString& f, const QString& name) { ready << f + "/" + name; });
    maker.showFolder(folder);
    for (int i = 0; i < 40; ++i)
        maker.request(sourceOf(folder + QStringLiteral("/%1.jpg").arg(i, 2, 10, QChar(u'0'))));
    maker.showFolder(home.path() + "/other");
    maker.request(sourceOf(home.path() + "/other/x.jpg"));
    ASSERT_TRUE(settle(maker));
    maker.waitForIdle();
    QCoreApplication::processEvents();
    EXPECT_EQ(ready, QStringList{home.path() + "/other/x.jpg"});
}
