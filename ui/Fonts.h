#pragma once
// The window's typefaces mapped onto installed fonts: one table, by face and
// pixel size.

#include <QFont>
#include <QString>

// Registers the substitutes of the window's face names; call once after the
// application object exists.
void installFontSubstitutes();

// A font of the face the window names, at a size in pixels.
QFont windowFont(const QString& face, int pixels, bool bold = false, bool underline = false);

// The same in the outline face of the window's face, for a text a pixel
// face cannot fit.
QFont outlineWindowFont(const QString& face, int pixels, bool bold = false, bool underline = false);

// The installed family a face of the window maps to at a size in pixels.
QString mappedFamily(const QString& face, int pixels);
// Whether that family is a pixel face drawn exactly at that size.
bool isPixelExact(const QString& face, int pixels);

// The installed faces the window's names map to (for the user guide and tests).
QString gothicFace();
QString heavyGothicFace();
QString pixelFace();
