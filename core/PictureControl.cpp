#include "core/PictureControl.h"

#include "core/Failure.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

PictureControl::PictureControl(ControlSet& set, QString name, ControlKind kind, Control* parent)
    : Control(set, std::move(name), kind, Properties(Property::Visible) | kGeometry | Property::Hint | Property::Tag,
              parent)
{
}

void PictureControl::setPicture(const QImage& picture)
{
    m_picture = picture;
    pictureChanged();
}

void PictureControl::pictureChanged()
{
    ++m_serial;
    changed();
}

void PictureControl::setCutout(bool on)
{
    if (m_cutout != on) {
        m_cutout = on;
        if (on)
            pictureChanged();
    }
}

QImage PictureControl::readBitmap(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(QStringLiteral("Cannot open file \"%1\". %2")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
    QImageReader reader(&file, "BMP");
    QImage image = reader.read();
    if (image.isNull())
        throw PictureError(QStringLiteral("Bitmap image is not valid: \"%1\" (%2)")
                               .arg(QDir::toNativeSeparators(path), reader.errorString()));
    return image.convertToFormat(QImage::Format_RGB32);
}

void PictureControl::loadFromFile(const QString& path)
{
    setPicture(readBitmap(path));
}
