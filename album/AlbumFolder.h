#pragma once
// Where the album of a (line, station) lives on disk. The keys come from
// the station table and are used as folder names; whatever a key holds,
// the folder stays inside the Picture folder.

#include <QString>

namespace album {

// The folder name of one station key. An ordinary key (anything that is a
// plain, single file name: a leading ideographic space included) is kept
// exactly. A key that is empty, "." or "..", holds a slash, a backslash, a
// control character or a broken UTF-16 pair, starts with '%', or would make
// a name longer than the file system allows, is written as '%' followed by
// its percent-escaped text, so two keys never share a folder and the name
// never leaves its parent.
QString folderNameForKey(const QString& key);

// The key a folder name stands for; the name of an over-long key keeps only
// its beginning (and a hash), so that one gives an empty string.
QString keyForFolderName(const QString& name);

// The album folders of one station. Beside an installed program the user
// cannot write, the album lives in the user's data folder; until that copy
// exists the pictures beside the program are shown.
struct AlbumFolders {
    QString read;   // the folder shown (may not exist: an empty album)
    QString write;  // the folder pictures are added to and deleted from

    bool splitsFromRead() const { return read != write; }
};

class AlbumPlace {
public:
    // The program folder's Picture folder, or the user's data folder's when
    // the program folder cannot be written.
    static AlbumPlace forProgramFolder(const QString& programFolder);

    // For tests and the probe: the choice made explicitly.
    AlbumPlace(const QString& programFolder, const QString& userDataFolder, bool programFolderWritable);

    AlbumFolders folders(const QString& line, const QString& station) const;

    QString besideRoot() const { return m_beside; }
    QString userRoot() const { return m_user; }  // empty while the program folder is writable

private:
    QString m_beside;
    QString m_user;
};

// The user's data folder the album falls back to (the application's data location).
QString userAlbumDataFolder();

}  // namespace album
