#include "album/Album.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace album {

bool isListedPicture(const QString& fileName)
{
    static const QStringList suffixes = [] {
        QStringList s = kListedTypes.toLower().split(u';');
        s << QStringLiteral("jpeg") << QStringLiteral("tiff");
        return s;
    }();
    // Dot files are left out: they are the junk other systems leave beside photos.
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot > 0 && !fileName.startsWith(u'.') && suffixes.contains(fileName.mid(dot + 1).toLower());
}

QList<AlbumEntry> listPictures(const QString& folder, SortOrder order)
{
    QList<AlbumEntry> entries;
    if (folder.isEmpty())
        return entries;
    const QFileInfoList infos = QDir(folder).entryInfoList(QDir::Files | QDir::Readable);
    for (const QFileInfo& info : infos)
        if (isListedPicture(info.fileName()))
            entries.append({info.fileName(), info.lastModified(), info.size()});
    auto byName = [](const AlbumEntry& a, const AlbumEntry& b) {
        const int c = QString::compare(a.fileName, b.fileName, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.fileName < b.fileName;
    };
    if (order == SortOrder::ByName)
        std::sort(entries.begin(), entries.end(), byName);
    else
        std::sort(entries.begin(), entries.end(), [&](const AlbumEntry& a, const AlbumEntry& b) {
            return a.modified != b.modified ? a.modified < b.modified : byName(a, b);
        });
    return entries;
}

bool copyReplacing(const QString& source, const QString& target)
{
    const QFileInfo from(source);
    if (!from.isFile())
        return false;
    // Adding a picture that is already the album's own: replacing it by
    // itself would lose it.
    const QFileInfo to(target);
    if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath())
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // The old file stays until the new one is whole.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk;
    while (!(chunk = in.read(1 << 20)).isEmpty())
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            break;
        }
    if (in.error() != QFileDevice::NoError)
        out.cancelWriting();
    if (!out.commit())
        return false;
    QFile stamped(target);
    if (stamped.open(QIODevice::ReadWrite))
        stamped.setFileTime(from.lastModified(), QFileDevice::FileModificationTime);
    return true;
}

bool moveToTrash(const QString& path)
{
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return QFile::moveToTrash(path) && !QFileInfo::exists(path);
}

Album::Album(AlbumPlace place)
    : m_place(std::move(place))
{
}

void Album::showStation(const QString& line, const QString& station)
{
    m_line = line;
    m_station = station;
    m_shown = true;
    reload();
}

void Album::reload()
{
    m_selected.clear();
    m_folders = m_shown ? m_place.folders(m_line, m_station) : AlbumFolders{};
    m_entries = listPictures(m_folders.read, m_order);
}

void Album::setSortOrder(SortOrder order)
{
    m_order = order;
    reload();
}

QStringList Album::fileNames() const
{
    QStringList names;
    for (const AlbumEntry& e : m_entries)
        names << e.fileName;
    return names;
}

bool Album::select(const QString& fileName)
{
    // Only a listed file can be selected, so the selection never names a
    // path outside the album.
    for (const AlbumEntry& e : m_entries)
        if (e.fileName == fileName) {
            m_selected = fileName;
            return true;
        }
    m_selected.clear();
    return false;
}

QString Album::selectedPath() const
{
    return m_selected.isEmpty() ? QString() : m_folders.read + u'/' + m_selected;
}

bool Album::prepareWriteFolder()
{
    if (m_folders.write.isEmpty())
        return false;
    const bool firstCopy = m_folders.splitsFromRead() && !QFileInfo(m_folders.write).isDir();
    if (!QDir().mkpath(m_folders.write))
        return false;
    if (firstCopy) {
        // The user's own copy starts from the pictures beside the program.
        const QFileInfoList beside = QDir(m_folders.read).entryInfoList(QDir::Files);
        for (const QFileInfo& info : beside)
            copyReplacing(info.filePath(), m_folders.write + u'/' + info.fileName());
    }
    return true;
}

AddResult Album::add(const QStringList& sourcePaths)
{
    AddResult result;
    if (!prepareWriteFolder()) {
        result.skipped = sourcePaths;
    } else {
        for (const QString& source : sourcePaths) {
            const QString name = QFileInfo(source).fileName();
            if (!name.isEmpty() && copyReplacing(source, m_folders.write + u'/' + name))
                ++result.copied;
            else
                result.skipped << source;
        }
    }
    reload();
    return result;
}

TrashResult Album::trashSelected()
{
    if (m_selected.isEmpty())
        return TrashResult::NothingSelected;
    const QString name = m_selected;
    TrashResult result = TrashResult::Failed;
    if (prepareWriteFolder() && moveToTrash(m_folders.write + u'/' + name))
        result = TrashResult::Trashed;
    reload();
    return result;
}

}  // namespace album
