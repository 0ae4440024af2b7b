#pragma once
// The photo album of the station shown: the picture files of its folder in
// the chosen order, the selection, and the changes the context menu makes
// (add, delete to the trash). No widgets: the strip draws what this holds.

#include "album/AlbumFolder.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace album {

// The listed file types, as the view's setting names them.
inline const QString kListedTypes = QStringLiteral("BMP;JPG;TIF;PCX;FPX;PNG;GIF");

// True for a file name of a listed type (case-insensitive; .jpeg and .tiff too).
bool isListedPicture(const QString& fileName);

enum class SortOrder { ByName, ByDate };

struct AlbumEntry {
    QString fileName;
    QDateTime modified;
    qint64 size = 0;

    bool operator==(const AlbumEntry&) const = default;
};

struct AddResult {
    int copied = 0;
    QStringList skipped;  // sources that could not be copied
};

enum class TrashResult { NothingSelected, Trashed, Failed };

class Album {
public:
    explicit Album(AlbumPlace place);

    // The station move's step: point at the station's album and reload.
    void showStation(const QString& line, const QString& station);

    // Reads the folder again in the current order; clears the selection.
    void reload();

    // Sets the order (kept for every station until the program ends) and reloads.
    void setSortOrder(SortOrder order);
    SortOrder sortOrder() const { return m_order; }

    QString folder() const { return m_folders.read; }  // the folder shown
    const AlbumFolders& folders() const { return m_folders; }
    const QList<AlbumEntry>& entries() const { return m_entries; }
    QStringList fileNames() const;

    // The selection: a listed file name or nothing.
    bool select(const QString& fileName);
    void clearSelection() { m_selected.clear(); }
    QString selectedFile() const { return m_selected; }
    QString selectedPath() const;

    // Copies the files into the album (folders made as needed, a file of the
    // same name replaced, a failed copy skipped), then reloads.
    AddResult add(const QStringList& sourcePaths);

    // Moves the selected file to the desktop trash, then reloads. Asking
    // the user first is the caller's business.
    TrashResult trashSelected();

private:
    bool prepareWriteFolder();

    AlbumPlace m_place;
    QString m_line;
    QString m_station;
    bool m_shown = false;  // no station until the first move
    AlbumFolders m_folders;
    SortOrder m_order = SortOrder::ByName;
    QList<AlbumEntry> m_entries;
    QString m_selected;
};

// The listed pictures of a folder in the given order (none for a missing folder).
QList<AlbumEntry> listPictures(const QString& folder, SortOrder order);

// Copies one file to target, replacing it only once the copy is whole; the
// modification time is kept, as the desktop's copy keeps it.
bool copyReplacing(const QString& source, const QString& target);

// QFile::moveToTrash, with the user's data folder made first: without it Qt
// makes its trash in the current folder.
bool moveToTrash(const QString& path);

}  // namespace album
