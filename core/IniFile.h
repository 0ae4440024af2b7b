#pragma once
// The settings file I_Quorel.ini: a sectioned key file, UTF-8, read and
// written through QSettings. Each IniFile is one open-read/write-close of
// the file; what was written reaches the disk when it is destroyed.
//
// The file lives beside the program. When the program folder cannot be
// written (an installed program), it lives in the user's configuration
// folder instead, so nothing the user chose is lost; until that copy exists
// the one beside the program is read.

#include <QSettings>
#include <QString>
#include <memory>

struct SettingsLocation {
    QString readPath;   // where the settings are read from
    QString writePath;  // where they are written to

    static SettingsLocation forProgramFolder(const QString& programFolder);
    static SettingsLocation at(const QString& path) { return {path, path}; }
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
    QSettings& forWriting();
    QVariant rawValue(const QString& section, const QString& key);

    SettingsLocation m_location;
    std::unique_ptr<QSettings> m_read;
    std::unique_ptr<QSettings> m_write;
};
