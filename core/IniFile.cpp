#include "core/IniFile.h"

#include "core/Conversion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QString kFileName = QStringLiteral("I_Quorel.ini");
const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const char* const kShiftJis = "Shift_JIS";

bool folderWritable(const QString& folder)
{
    const QFileInfo file(QDir(folder).filePath(kFileName));
    if (file.exists())
        return file.isWritable();
    return QFileInfo(folder).isWritable();
}

// Only blanks and tabs surround names and values: an ideographic space is
// part of a station key.
QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && (text.front() == u' ' || text.front() == u'\t'))
        text = text.mid(1);
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
    return text;
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isComment(QStringView trimmed)
{
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

bool quoted(QStringView text)
{
    return text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'')
           && text.back() == text.front();
}

// A value as stored: surrounding blanks dropped, and one pair of enclosing quotes.
QString storedValue(QStringView raw)
{
    QStringView value = trimBlanks(raw);
    if (quoted(value))
        value = value.mid(1, value.size() - 2);
    return value.toString();
}

// What to write after '=' so that storedValue gives the value back.
QString writtenValue(QString value)
{
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    if (trimBlanks(value).size() != value.size() || quoted(value))
        return u'"' + value + u'"';
    return value;
}

bool validUtf8(const QByteArray& bytes)
{
    // Stateless, so that a sequence cut at the end of the file counts as broken.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

}  // namespace

SettingsLocation SettingsLocation::forProgramFolder(const QString& programFolder)
{
    const QString beside = QDir(programFolder).filePath(kFileName);
    if (folderWritable(programFolder))
        return {beside, beside};
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString user = QDir(userFolder).filePath(kFileName);
    return {QFileInfo::exists(user) ? user : beside, user};
}

IniText IniText::parse(const QByteArray& input)
{
    IniText ini;
    QByteArray bytes = input;
    if (bytes.startsWith(kUtf8Bom)) {
        ini.m_bom = kUtf8Bom;
        bytes.remove(0, kUtf8Bom.size());
    } else {
        ini.m_shiftJis = !validUtf8(bytes);
    }

    QString section;
    qsizetype start = 0;
    bool firstEnd = true;
    while (start < bytes.size()) {
        qsizetype newline = bytes.indexOf('\n', start);
        Line line;
        if (newline < 0) {
            line.raw = bytes.mid(start);
            start = bytes.size();
        } else {
            qsizetype contentEnd = newline;
            if (contentEnd > start && bytes[contentEnd - 1] == '\r')
                --contentEnd;
            line.raw = bytes.mid(start, contentEnd - start);
            line.end = bytes.mid(contentEnd, newline + 1 - contentEnd);
            start = newline + 1;
            if (firstEnd) {
                ini.m_lineEnd = line.end;
                firstEnd = false;
            }
        }
        const QByteArray raw = line.raw;
        const QByteArray end = line.end;
        line = ini.makeLine(ini.decode(raw), section);
        line.raw = raw;
        line.end = end;
        if (line.header)
            section = line.section;
        ini.m_lines.append(line);
    }
    return ini;
}

QByteArray IniText::bytes() const
{
    QByteArray out = m_bom;
    for (const Line& line : m_lines)
        out += line.raw + line.end;
    return out;
}

QString IniText::decode(const QByteArray& raw) const
{
    if (!m_shiftJis)
        return QString::fromUtf8(raw);
    QStringDecoder decoder(kShiftJis);
    return decoder(raw);
}

QByteArray IniText::encode(const QString& text)
{
    if (m_shiftJis) {
        QStringEncoder encoder(kShiftJis);
        const QByteArray bytes = encoder(text);
        if (!encoder.hasError() && decode(bytes) == text)
            return bytes;
        // A value Shift-JIS cannot hold: the whole file changes to UTF-8, its texts kept.
        for (Line& line : m_lines)
            line.raw = line.text.toUtf8();
        m_shiftJis = false;
    }
    return text.toUtf8();
}

IniText::Line IniText::makeLine(const QString& text, const QString& section) const
{
    Line line;
    line.text = text;
    line.section = section;
    const QStringView trimmed = trimBlanks(text);
    const qsizetype close = trimmed.indexOf(u']');
    if (trimmed.startsWith(u'[') && close > 0) {
        line.header = true;
        line.section = trimBlanks(trimmed.mid(1, close - 1)).toString();
    } else if (!isComment(trimmed)) {
        line.keyEnd = int(text.indexOf(u'='));
    }
    return line;
}

int IniText::findKey(const QString& section, const QString& key) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.keyEnd >= 0 && sameName(line.section, section)
            && sameName(trimBlanks(QStringView(line.text).left(line.keyEnd)), key))
            return i;
    }
    return -1;
}

QString IniText::value(const QString& section, const QString& key) const
{
    const int index = findKey(section, key);
    if (index < 0)
        return QString();
    const Line& line = m_lines[index];
    QString value = storedValue(QStringView(line.text).mid(line.keyEnd + 1));
    if (value.isNull())
        value = QStringLiteral("");
    return value;
}

void IniText::setValue(const QString& section, const QString& key, const QString& value)
{
    const int index = findKey(section, key);
    if (index >= 0) {
        Line& line = m_lines[index];
        if (storedValue(QStringView(line.text).mid(line.keyEnd + 1)) == value)
            return;  // the line stays exactly as the user wrote it
        const QString text = line.text.left(line.keyEnd + 1) + writtenValue(value);
        line.raw = encode(text);
        line.text = text;
        return;
    }

    // A new key goes after the last key of the first section of that name, or
    // into a new section at the end of the file.
    int insertAt = -1;
    QString sectionName = section;
    for (int i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.header && sameName(line.section, section) && insertAt < 0) {
            insertAt = i + 1;
            sectionName = line.section;
        } else if (insertAt >= 0) {
            if (line.header)
                break;
            if (!trimBlanks(line.text).isEmpty())
                insertAt = i + 1;
        }
    }
    auto addLine = [this](int at, const QString& text, const QString& inSection) {
        if (at > 0 && m_lines[at - 1].end.isEmpty())
            m_lines[at - 1].end = m_lineEnd;  // the file ended without a line end
        Line line = makeLine(text, inSection);
        line.raw = encode(text);
        line.end = m_lineEnd;
        m_lines.insert(at, line);
    };
    if (insertAt < 0) {
        addLine(int(m_lines.size()), u'[' + section + u']', section);
        insertAt = int(m_lines.size());
    }
    addLine(insertAt, key + u'=' + writtenValue(value), sectionName);
}

IniFile::IniFile(const SettingsLocation& location)
    : m_location(location)
{
}

IniFile::~IniFile()
{
    if (!m_written)
        return;
    const bool firstCopy = !QFileInfo::exists(m_location.writePath);
    QDir().mkpath(QFileInfo(m_location.writePath).absolutePath());
    QSaveFile file(m_location.writePath);
    // A writable file in a folder we cannot create files in is still written.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(m_text.bytes());
    if (file.commit() && firstCopy && m_location.writePath != m_location.readPath)
        QFile(m_location.writePath).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

IniText& IniFile::text()
{
    if (!m_loaded) {
        m_loaded = true;
        QFile file(m_location.readPath);
        if (file.open(QIODevice::ReadOnly))
            m_text = IniText::parse(file.readAll());
    }
    return m_text;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback)
{
    const QString value = text().value(section, key);
    return value.isNull() ? fallback : value;
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback)
{
    return strToIntDef(readString(section, key, QString()).trimmed(), fallback);
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback)
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    text().setValue(section, key, value);
    m_written = true;
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeInteger(section, key, value ? 1 : 0);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}
