#include "hosts/real/SpeechCache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

SpeechCache::SpeechCache(QString folder, qint64 limitBytes) : m_folder(std::move(folder)), m_limitBytes(limitBytes)
{
    QDir().mkpath(m_folder);
}

QString SpeechCache::pathFor(const QString& voiceTag, const QString& text) const
{
    const QByteArray key = voiceTag.toUtf8() + '\x1f' + text.toUtf8();
    return m_folder + u'/' + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".wav");
}

QString SpeechCache::lookup(const QString& voiceTag, const QString& text) const
{
    const QString path = pathFor(voiceTag, text);
    QFile f(path);
    if (!f.exists() || f.size() <= 44)
        return {};
    if (f.open(QIODevice::ReadWrite))
        f.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    return path;
}

QString SpeechCache::store(const QString& renderedFile, const QString& voiceTag, const QString& text)
{
    const QString path = pathFor(voiceTag, text);
    QFile::remove(path);
    if (!QFile::rename(renderedFile, path)) {
        QFile::remove(renderedFile);
        return {};
    }
    trim();
    return path;
}

QString SpeechCache::scratchPath(const QString& suffix)
{
    return QStringLiteral("%1/render-%2-%3%4")
        .arg(m_folder)
        .arg(QCoreApplication::applicationPid())
        .arg(++m_scratch)
        .arg(suffix);
}

void SpeechCache::trim()
{
    QFileInfoList files = QDir(m_folder).entryInfoList({QStringLiteral("*.wav")}, QDir::Files);
    qint64 total = 0;
    for (const QFileInfo& f : files)
        if (!f.fileName().startsWith(QStringLiteral("render-")))
            total += f.size();
    if (total <= m_limitBytes)
        return;
    std::sort(files.begin(), files.end(),
              [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() < b.lastModified(); });
    // Files used in the last minute stay even over the limit: they may be
    // waiting in an instance's queue to play.
    const QDateTime recent = QDateTime::currentDateTime().addSecs(-60);
    for (const QFileInfo& f : files) {
        if (total <= m_limitBytes || f.lastModified() > recent)
            break;
        if (f.fileName().startsWith(QStringLiteral("render-")))
            continue;
        total -= f.size();
        QFile::remove(f.absoluteFilePath());
    }
}
