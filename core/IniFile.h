#pragma once
// The settings file I_Quorel.ini: a sectioned key file. Each IniFile is one
// open-read/write-close of the file; what was written reaches the disk,
// atomically, when it is destroyed.
//
// The file is read and written line by line by our own reader, because the
// file is the user's as much as ours: a save changes only the lines of the
// keys written and leaves every other line (sections, comments, order, line
// ends, backslashes) as it was. Section and key names match without regard
// to case and the first of two equal keys counts, as the usual sectioned key
// files do. A file that is not valid UTF-8 is taken as Shift-JIS (as older
// copies of the file were written) and written back in it.
//
// The file lives beside the program. When the program folder cannot be
// written (an installed program), it lives in the user's configuration
// folder instead, so nothing the user chose is lost; until that copy exists
// the one beside the program is read.

#include <QByteArray>
#include <QList>
#include <QString>

struct SettingsLocation {
    QString readPath;   // where the settings are read from
    QString writePath;  // where they are written to

    static SettingsLocation forProgramFolder(const QString& programFolder);
    static SettingsLocation at(const QString& path) { return {path, path}; }
};

// The text of a sectioned key file, kept as its original lines.
class IniText {
public:
    static IniText parse(const QByteArray& bytes);
    QByteArray bytes() const;

    // The value of the first key of the first section of that name, or a null
    // QString when there is none.
    QString value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);

private:
    struct Line {
        QByteArray raw;     // as in the file, without its line end
        QByteArray end;     // its own line end: CR LF, LF, or none at the end of the file
        QString text;       // decoded
        QString section;    // the section it lies in (a header line: its own)
        bool header = false;
        int keyEnd = -1;    // index of '=' in text for a key line, else -1
    };

    QString decode(const QByteArray& raw) const;
    QByteArray encode(const QString& text);
    Line makeLine(const QString& text, const QString& section) const;
    int findKey(const QString& section, const QString& key) const;

    QList<Line> m_lines;
    QByteArray m_lineEnd = "\n";  // for lines we add: the file's first line end
    QByteArray m_bom;
    bool m_shiftJis = false;
};

class IniFile {
public:
    explicit IniFile(const SettingsLocation& location);
    ~IniFile();

    QString readString(const QString& section, const QString& key, const QString& fallback);
    // Any whole number counts, other than 0 as true; anything else gives the fallback.
    bool readBool(const QString& section, const QString& key, bool fallback);
    int readInteger(const QString& section, const QString& key, int fallback);

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeBool(const QString& section, const QString& key, bool value);
    void writeInteger(const QString& section, const QString& key, int value);

private:
    IniText& text();

    SettingsLocation m_location;
    IniText m_text;
    bool m_loaded = false;
    bool m_written = false;
};
