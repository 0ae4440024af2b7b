#pragma once
// What the album tests share: a home of their own (HOME and the XDG data,
// cache and configuration folders in a temporary folder, so that nothing
// lands in the real trash or cache) and small real picture files.

#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class TemporaryHome {
public:
    TemporaryHome()
    {
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
            m_saved.append({name, qgetenv(name)});
        qputenv("HOME", m_dir.path().toLocal8Bit());
        // The data folder is left for the code to make: the trash needs it made first.
        qputenv("XDG_DATA_HOME", (m_dir.path() + "/data").toLocal8Bit());
        qputenv("XDG_CACHE_HOME", (m_dir.path() + "/cache").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + "/config").toLocal8Bit());
    }
    ~TemporaryHome()
    {
        for (const auto& [name, value] : m_saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    QString path() const { return m_dir.path(); }
    QString dataHome() const { return m_dir.path() + "/data"; }
    QString cacheHome() const { return m_dir.path() + "/cache"; }

private:
    QTemporaryDir m_dir;
    QList<std::pair<const char*, QByteArray>> m_saved;
};

inline void writePicture(const QString& path, QSize size = QSize(64, 48), QColor colour = Qt::darkCyan,
                         const char* format = nullptr)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void setModified(const QString& path, const QDateTime& when)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}
