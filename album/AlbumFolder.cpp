#include "album/AlbumFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace album {

namespace {

const QString kPicture = QStringLiteral("Picture");
constexpr QChar kEscape = u'%';
constexpr QChar kHashMark = u'#';
// Longest file name of the usual Linux file systems, in bytes.
constexpr int kNameMax = 255;

bool unsafeUnit(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == u'/' || c == u'\\';
}

bool plainName(const QString& key)
{
    if (key.isEmpty() || key == u"." || key == u".." || key.startsWith(kEscape))
        return false;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QChar c = key.at(i);
        if (unsafeUnit(c.unicode()))
            return false;
        if (c.isHighSurrogate()) {
            if (i + 1 >= key.size() || !key.at(i + 1).isLowSurrogate())
                return false;
            ++i;
        } else if (c.isLowSurrogate()) {
            return false;
        }
    }
    return key.toUtf8().size() <= kNameMax;
}

QString hex(const QByteArray& bytes)
{
    QString out;
    for (const char b : bytes)
        out += kEscape + QString::number(uchar(b), 16).toUpper().rightJustified(2, u'0');
    return out;
}

// Percent-escapes what may not stand in a file name, and the two marks.
QString escaped(const QString& key)
{
    QString out;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QChar c = key.at(i);
        if (c.isHighSurrogate() && i + 1 < key.size() && key.at(i + 1).isLowSurrogate()) {
            out += c;
            out += key.at(++i);
        } else if (c.isSurrogate()) {
            out += QStringLiteral("%u") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
        } else if (unsafeUnit(c.unicode()) || c == kEscape || c == kHashMark) {
            out += hex(QString(c).toUtf8());
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

QString folderNameForKey(const QString& key)
{
    if (plainName(key))
        return key;
    const QString name = kEscape + escaped(key);
    if (name.toUtf8().size() <= kNameMax)
        return name;
    // Too long even for the file system: keep a readable beginning and make
    // the rest unique by a hash of the whole key.
    const QString tail = kHashMark + QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex());
    const int room = kNameMax - int(tail.toUtf8().size());
    QString head;
    for (qsizetype i = 0; i < name.size();) {
        // Whole escapes and whole characters only.
        qsizetype n = 1;
        if (name.at(i) == kEscape && i > 0)
            n = name.mid(i + 1, 1) == u"u" ? 6 : 3;
        else if (name.at(i).isHighSurrogate())
            n = 2;
        const QString piece = name.mid(i, n);
        if ((head + piece).toUtf8().size() > room)
            break;
        head += piece;
        i += n;
    }
    return head + tail;
}

QString keyForFolderName(const QString& name)
{
    if (!name.startsWith(kEscape))
        return name;
    if (name.contains(kHashMark))
        return QString();
    QByteArray bytes;
    QString key;
    auto flush = [&] {
        key += QString::fromUtf8(bytes);
        bytes.clear();
    };
    for (qsizetype i = 1; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c == kEscape && name.mid(i + 1, 1) == u"u") {
            flush();
            key += QChar(char16_t(name.mid(i + 2, 4).toUShort(nullptr, 16)));
            i += 5;
        } else if (c == kEscape) {
            bytes += char(name.mid(i + 1, 2).toUShort(nullptr, 16));
            i += 2;
        } else {
            flush();
            key += c;
        }
    }
    flush();
    return key;
}

QString userAlbumDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

AlbumPlace AlbumPlace::forProgramFolder(const QString& programFolder)
{
    // As the settings file decides: the Picture folder if it is there,
    // else the program folder itself.
    const QFileInfo picture(QDir(programFolder).filePath(kPicture));
    const bool writable = picture.exists() ? picture.isWritable() : QFileInfo(programFolder).isWritable();
    return AlbumPlace(programFolder, userAlbumDataFolder(), writable);
}

AlbumPlace::AlbumPlace(const QString& programFolder, const QString& userDataFolder, bool programFolderWritable)
    : m_beside(programFolder + u'/' + kPicture)
    , m_user(programFolderWritable ? QString() : userDataFolder + u'/' + kPicture)
{
}

AlbumFolders AlbumPlace::folders(const QString& line, const QString& station) const
{
    const QString relative = folderNameForKey(line) + u'/' + folderNameForKey(station);
    const QString beside = m_beside + u'/' + relative;
    if (m_user.isEmpty())
        return {beside, beside};
    const QString user = m_user + u'/' + relative;
    const bool userExists = QFileInfo(user).isDir();
    return {userExists || !QFileInfo(beside).isDir() ? user : beside, user};
}

}  // namespace album
