#pragma once
// The window's typefaces mapped onto installed Japanese fonts.

#include <QFont>
#include <QString>

// Registers the substitutes of the window's face names; call once after the
// application object exists.
void installFontSubstitutes();

// A font of the face the window names, at a size in pixels.
QFont windowFont(const QString& face, int pixels, bool bold = false, bool underline = false);

// The installed faces the window's names map to (for the user guide and tests).
QString gothicFace();
QString heavyGothicFace();
