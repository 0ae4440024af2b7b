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

const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kHeavyGothic = QStringLiteral("HGP創英角ｺﾞｼｯｸUB");

// One row per face and size range. Outline faces cannot draw Japanese at
// 8 pixels: that size gets a face drawn on an 8 x 8 grid, unsmoothed.
struct Mapping {
    enum class Face { Any, PGothic, HeavyGothic, Tahoma };
    Face face;
    int minPixels;
    int maxPixels;
    QString (*family)();
    QFont::Weight weight;
    bool pixelExact;
};

const Mapping kMappings[] = {
    {Mapping::Face::Any, 8, 8, pixelFace, QFont::Normal, true},
    {Mapping::Face::HeavyGothic, 1, 999, heavyGothicFace, QFont::Black, false},
    {Mapping::Face::PGothic, 1, 999, gothicFace, QFont::Normal, false},
    {Mapping::Face::Tahoma, 1, 999, [] { return QStringLiteral("DejaVu Sans"); }, QFont::Normal, false},
};

Mapping::Face faceOf(const QString& face)
{
    if (face == kHeavyGothic)
        return Mapping::Face::HeavyGothic;
    if (face == kPGothic || face.isEmpty())
        return Mapping::Face::PGothic;
    if (face == u"Tahoma")
        return Mapping::Face::Tahoma;
    return Mapping::Face::Any;
}

const Mapping* mappingFor(const QString& face, int pixels, bool outline = false)
{
    const Mapping::Face f = faceOf(face);
    for (const Mapping& m : kMappings) {
        if ((m.face == Mapping::Face::Any || m.face == f) && pixels >= m.minPixels && pixels <= m.maxPixels
            && !(outline && m.pixelExact))
            return &m;
    }
    return nullptr;
}

QFont mappedFont(const QString& face, int pixels, bool bold, bool underline, bool outline)
{
    QFont font;
    pixels = qMax(1, pixels);
    const Mapping* m = mappingFor(face, pixels, outline);
    font.setFamily(m ? m->family() : face);
    font.setPixelSize(pixels);
    if (m && m->weight != QFont::Normal)
        font.setWeight(m->weight);
    if (bold && !(m && m->pixelExact))
        font.setBold(true);
    font.setUnderline(underline);
    // A pixel face is exact only unsmoothed and unhinted at its own size.
    if (m && m->pixelExact) {
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferNoHinting);
    } else {
        font.setStyleStrategy(QFont::PreferAntialias);
    }
    return font;
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
    // Drawn at its black weight. The neighbour names need the arrows "←" "→",
    // which not every heavy Japanese face has.
    static const QString face = firstInstalled({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("M PLUS 1"), gothicFace()});
    return face;
}

QString pixelFace()
{
    static const QString face = firstInstalled({QStringLiteral("MisakiGothic"), gothicFace()});
    return face;
}

void installFontSubstitutes()
{
    QFont::insertSubstitution(kPGothic, gothicFace());
    QFont::insertSubstitution(kHeavyGothic, heavyGothicFace());
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
}

QString mappedFamily(const QString& face, int pixels)
{
    const Mapping* m = mappingFor(face, qMax(1, pixels));
    return m ? m->family() : face;
}

bool isPixelExact(const QString& face, int pixels)
{
    const Mapping* m = mappingFor(face, qMax(1, pixels));
    return m && m->pixelExact;
}

QFont windowFont(const QString& face, int pixels, bool bold, bool underline)
{
    return mappedFont(face, pixels, bold, underline, false);
}

QFont outlineWindowFont(const QString& face, int pixels, bool bold, bool underline)
{
    return mappedFont(face, pixels, bold, underline, true);
}
