#pragma once
// Makes the album's thumbnails off the GUI thread: decoded at a reduced
// size where the image reader can (JPEG), kept in a bounded memory cache
// and in the user's cache folder, keyed by path, size and modification
// time. Results come back on the GUI thread through thumbnailReady.

#include <QCache>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <memory>

namespace album {

struct Thumbnail {
    QImage image;              // null for a placeholder
    bool placeholder = false;  // the file could not be decoded
};

// A file as the album lists it: its identity for the caches.
struct ThumbnailSource {
    QString folder;
    QString fileName;
    QDateTime modified;
    qint64 size = 0;
};

class ThumbnailMaker : public QObject {
    Q_OBJECT
public:
    // bounds: the largest thumbnail; cacheFolder: where thumbnails are kept
    // on disk (empty: the user's cache folder).
    explicit ThumbnailMaker(QSize bounds, const QString& cacheFolder = QString(), QObject* parent = nullptr);
    ~ThumbnailMaker() override;

    QSize bounds() const { return m_bounds; }
    // A new size drops what is queued; made thumbnails stay cached under their size.
    void setBounds(QSize bounds);

    // The folder now shown: work queued for any other folder is dropped and
    // results still under way for it are not reported.
    void showFolder(const QString& folder);

    // The thumbnail if it is in memory; otherwise nothing (call request).
    const Thumbnail* cached(const ThumbnailSource& source) const;

    // Queues the thumbnail unless it is cached; urgent ones (on screen) go
    // to the front of the queue, moved there if they were already queued.
    void request(const ThumbnailSource& source, bool urgent = false);

    // Queued and running work, for tests and the benchmark.
    int pending() const { return int(m_pending.size()); }
    void waitForIdle();

    // The decoding itself, on any thread: reduced-size decode, EXIF
    // orientation applied, fitted into bounds; a null image when it fails.
    static QImage decode(const QString& path, QSize bounds);

signals:
    void thumbnailReady(const QString& folder, const QString& fileName);

private:
    struct Job {
        QString key;
        QString diskPath;
        QSize bounds;
        quint64 generation = 0;
        ThumbnailSource source;
    };

    QString cacheKey(const ThumbnailSource& source, QSize bounds) const;
    void dropQueued();
    void work();
    void finished(const Job& job, QImage image);

    QSize m_bounds;
    QString m_cacheFolder;
    QString m_folder;
    QCache<QString, Thumbnail> m_memory;
    QSet<QString> m_pending;  // queued or under way (GUI thread)
    QMutex m_queueLock;
    QList<Job> m_queue;  // shared with the workers
    std::atomic<quint64> m_generation{0};
    QThreadPool m_pool;
};

}  // namespace album
