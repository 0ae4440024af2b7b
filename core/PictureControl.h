#pragma once
// A control that shows a bitmap: the train pictures (shown at the bitmap's
// natural width) and the cut-out panels (platforms, door strips), which show
// their picture minus one transparent colour.

#include "core/Control.h"

#include <QImage>

class PictureControl : public Control {
public:
    PictureControl(ControlSet& set, QString name, ControlKind kind, Control* parent);

    const QImage& picture() const { return m_picture; }
    QImage& canvas() { return m_picture; }  // draw on it, then call pictureChanged()
    void setPicture(const QImage& picture);
    void pictureChanged();

    // Loads a Windows bitmap whatever the file's extension; raises
    // PictureError when it is missing or unreadable.
    void loadFromFile(const QString& path);
    static QImage readBitmap(const QString& path);

    // Cut-out panels: the colour that shows through, and whether the cut-out
    // is applied (switched off while the picture is redrawn).
    QRgb transparentColor() const { return m_transparentColor; }
    void setTransparentColor(QRgb color) { m_transparentColor = color; }
    bool cutout() const { return m_cutout; }
    void setCutout(bool on);

    quint64 pictureSerial() const { return m_serial; }  // grows with every picture change

private:
    QImage m_picture;
    QRgb m_transparentColor = 0;
    bool m_cutout = true;
    quint64 m_serial = 0;
};
