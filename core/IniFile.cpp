#include "core/IniFile.h"

#include "core/Conversion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kFileName = QStringLiteral("I_Quorel.ini");

bool folderWritable(const QString& folder)
{
    const QFileInfo file(QDir(folder).filePath(kFileName));
    if (file.exists())
        return file.isWritable();
    return QFileInfo(folder).isWritable();
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

IniFile::IniFile(const SettingsLocation& location)
    : m_location(location)
{
}

IniFile::~IniFile()
{
    if (m_write)
        m_write->sync();
}

QVariant IniFile::rawValue(const QString& section, const QString& key)
{
    if (m_write)
        return m_write->value(section + u'/' + key);
    if (!m_read)
        m_read = std::make_unique<QSettings>(m_location.readPath, QSettings::IniFormat);
    return m_read->value(section + u'/' + key);
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback)
{
    const QVariant value = rawValue(section, key);
    if (!value.isValid())
        return fallback;
    // An unquoted value with commas in it comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback)
{
    return strToIntDef(readString(section, key, QString()).trimmed(), fallback);
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback)
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

QSettings& IniFile::forWriting()
{
    if (!m_write) {
        m_read.reset();
        if (m_location.writePath != m_location.readPath && !QFileInfo::exists(m_location.writePath)) {
            // First save in the user's folder: start from what was beside the program.
            QDir().mkpath(QFileInfo(m_location.writePath).absolutePath());
            QFile::copy(m_location.readPath, m_location.writePath);
            QFile(m_location.writePath).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        m_write = std::make_unique<QSettings>(m_location.writePath, QSettings::IniFormat);
    }
    return *m_write;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    forWriting().setValue(section + u'/' + key, value);
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeInteger(section, key, value ? 1 : 0);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    forWriting().setValue(section + u'/' + key, QString::number(value));
}
