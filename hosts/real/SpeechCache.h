#pragma once
// Rendered announcements on disk, keyed by voice and text, in the user's
// cache folder. Bounded: after each store the least recently used files go
// until the folder fits its limit again (files used within the last minute
// stay, as they may be about to play).

#include <QString>

class SpeechCache {
public:
    SpeechCache(QString folder, qint64 limitBytes);

    const QString& folder() const { return m_folder; }
    QString pathFor(const QString& voiceTag, const QString& text) const;
    // The cached file, marked as just used; empty when there is none.
    QString lookup(const QString& voiceTag, const QString& text) const;
    // Moves a finished rendering into the cache; returns its path or empty.
    QString store(const QString& renderedFile, const QString& voiceTag, const QString& text);
    // A fresh path in the cache folder for a rendering in progress.
    QString scratchPath(const QString& suffix);

private:
    void trim();

    QString m_folder;
    qint64 m_limitBytes;
    quint64 m_scratch = 0;
};
