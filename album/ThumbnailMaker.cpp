#include "album/ThumbnailMaker.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

#include <sys/resource.h>
#include <unistd.h>

namespace album {

namespace {

// About 300 thumbnails of the strip's size.
constexpr qint64 kMemoryBytes = 32LL * 1024 * 1024;
constexpr int kWorkerNice = 10;

QSize fitted(QSize size, QSize bounds)
{
    if (size.width() <= bounds.width() && size.height() <= bounds.height())
        return size;
    return size.scaled(bounds, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

}  // namespace

ThumbnailMaker::ThumbnailMaker(QSize bounds, const QString& cacheFolder, QObject* parent)
    : QObject(parent)
    , m_bounds(bounds)
    , m_cacheFolder(cacheFolder.isEmpty()
                        ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/thumbnails")
                        : cacheFolder)
    , m_memory(kMemoryBytes)
{
    // One worker on a two-core machine: the GUI thread keeps a core of its own.
    m_pool.setMaxThreadCount(qMax(1, QThread::idealThreadCount() - 1));
    m_pool.setThreadPriority(QThread::LowPriority);
}

ThumbnailMaker::~ThumbnailMaker()
{
    dropQueued();
    m_pool.waitForDone();
}

void ThumbnailMaker::dropQueued()
{
    ++m_generation;
    QMutexLocker lock(&m_queueLock);
    m_queue.clear();
    m_pending.clear();
}

void ThumbnailMaker::setBounds(QSize bounds)
{
    if (bounds == m_bounds)
        return;
    m_bounds = bounds;
    dropQueued();
}

void ThumbnailMaker::showFolder(const QString& folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    dropQueued();
}

void ThumbnailMaker::waitForIdle()
{
    m_pool.waitForDone();
}

QString ThumbnailMaker::cacheKey(const ThumbnailSource& source, QSize bounds) const
{
    return QStringLiteral("%1/%2|%3|%4|%5x%6")
        .arg(source.folder, source.fileName)
        .arg(source.size)
        .arg(source.modified.toMSecsSinceEpoch())
        .arg(bounds.width())
        .arg(bounds.height());
}

const Thumbnail* ThumbnailMaker::cached(const ThumbnailSource& source) const
{
    return m_memory.object(cacheKey(source, m_bounds));
}

void ThumbnailMaker::request(const ThumbnailSource& source, bool urgent)
{
    const QString key = cacheKey(source, m_bounds);
    if (m_memory.contains(key))
        return;
    if (m_pending.contains(key)) {
        if (!urgent)
            return;
        // Scrolled into view while still queued: to the front.
        QMutexLocker lock(&m_queueLock);
        for (qsizetype i = 0; i < m_queue.size(); ++i)
            if (m_queue[i].key == key) {
                m_queue.move(i, 0);
                break;
            }
        return;
    }
    m_pending.insert(key);
    Job job{key, QString(), m_bounds, m_generation, source};
    if (!m_cacheFolder.isEmpty())
        job.diskPath = m_cacheFolder + u'/'
            + QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex())
            + QStringLiteral(".png");
    {
        QMutexLocker lock(&m_queueLock);
        if (urgent)
            m_queue.prepend(job);
        else
            m_queue.append(job);
    }
    // One run per job; each takes whichever job is at the front then.
    m_pool.start([this] { work(); });
}

void ThumbnailMaker::work()
{
    // Thread priorities of the ordinary scheduler do nothing on Linux; a
    // nice value of its own makes the worker give way to the GUI thread and
    // the train timers whenever they want the core.
    thread_local const bool niced = setpriority(PRIO_PROCESS, gettid(), kWorkerNice) == 0;
    Q_UNUSED(niced);
    Job job;
    {
        QMutexLocker lock(&m_queueLock);
        if (m_queue.isEmpty())
            return;  // dropped by a folder change
        job = m_queue.takeFirst();
    }
    QImage image;
    if (!job.diskPath.isEmpty())
        image = QImage(job.diskPath);
    if (image.isNull()) {
        image = decode(job.source.folder + u'/' + job.source.fileName, job.bounds);
        if (!image.isNull() && !job.diskPath.isEmpty() && QDir().mkpath(m_cacheFolder)) {
            QSaveFile out(job.diskPath);
            if (out.open(QIODevice::WriteOnly) && image.save(&out, "PNG"))
                out.commit();
        }
    }
    if (job.generation != m_generation)
        return;
    // The maker waits for its workers before it goes, so it is still here;
    // the result is taken in on the GUI thread.
    QMetaObject::invokeMethod(this, [this, job, image] { finished(job, image); }, Qt::QueuedConnection);
}

void ThumbnailMaker::finished(const Job& job, QImage image)
{
    if (job.generation != m_generation)
        return;
    m_pending.remove(job.key);
    auto* thumb = new Thumbnail{image, image.isNull()};
    const qint64 cost = image.isNull() ? 64 : image.sizeInBytes();
    m_memory.insert(job.key, thumb, qMax<qint64>(1, cost));
    emit thumbnailReady(job.source.folder, job.source.fileName);
}

QImage ThumbnailMaker::decode(const QString& path, QSize bounds)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize along = turned ? bounds.transposed() : bounds;
    // The JPEG reader decodes straight at a fraction of the size: a camera
    // photo never exists at full size in memory. A reader that cannot tell
    // the size beforehand decodes it whole.
    if (size.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(fitted(size, along));
    QImage image = reader.read();
    if (image.isNull())
        return image;
    if (image.width() > bounds.width() || image.height() > bounds.height())
        image = image.scaled(fitted(image.size(), bounds), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

}  // namespace album
