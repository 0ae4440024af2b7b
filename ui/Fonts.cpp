#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

QString firstInstalled(const QStringList& candidates)
{
    const QStringList families = QFontDatabase::families();
    for (const QString& candidate : candidates) {
        if (families.contains(candidate, Qt::CaseInsensitive))
            return candidate;
    }
    return candidates.last();
}

}  // namespace

QString gothicFace()
{
    static const QString face = firstInstalled(
        {QStringLiteral("IPAPGothic"), QStringLiteral("IPAPゴシック"), QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")});
    return face;
}

QString heavyGothicFace()
{
    static const QString face = firstInstalled({QStringLiteral("M PLUS 1"), QStringLiteral("Noto Sans CJK JP Black"),
                                                QStringLiteral("Noto Sans CJK JP"), gothicFace()});
    return face;
}

void installFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), gothicFace());
    QFont::insertSubstitution(QStringLiteral("HGP創英角ｺﾞｼｯｸUB"), heavyGothicFace());
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
}

QFont windowFont(const QString& face, int pixels, bool bold, bool underline)
{
    QFont font;
    if (face == u"HGP創英角ｺﾞｼｯｸUB") {
        font.setFamily(heavyGothicFace());
        font.setWeight(QFont::Black);
    } else if (face == u"ＭＳ Ｐゴシック" || face.isEmpty()) {
        font.setFamily(gothicFace());
    } else {
        font.setFamily(face);
    }
    font.setPixelSize(qMax(1, pixels));
    if (bold)
        font.setBold(true);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
