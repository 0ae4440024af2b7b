// Every label of every directory station, laid out and drawn as the window
// draws it: no inked pixel outside the label (or the frame it lies on), and
// every character drawn by the face the mapping table names.

#include "ui/Fonts.h"
#include "ui/LabelText.h"
#include "data/StationDirectory.h"
#include "support/Paths.h"
#include "support/ProgramHarness.h"

#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QRawFont>
#include <QSet>
#include <gtest/gtest.h>

#include <iostream>

namespace {

void linkProgramFolder(StationFixture& fixture)
{
    for (const QString& item : {QStringLiteral("network.db"), QStringLiteral("Train")})
        QFile::link(QDir(programFolder()).filePath(item), fixture.path(item));
}

bool shown(const Control& c)
{
    for (const Control* p = &c; p; p = p->parent()) {
        if (!p->visible())
            return false;
    }
    return true;
}

// Draws the text unclipped on a wide margin and returns the inked pixels
// that fall outside the area (label coordinates).
int pixelsOutside(const LabelText& text, const QSize& size, const QRect& area)
{
    const int margin = 40;
    QImage image(size + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.translate(margin, margin);
        p.setPen(Qt::black);
        drawLabelText(p, text);
    }
    int outside = 0;
    const QRect inside = area.translated(margin, margin);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) >= kInkAlpha && !inside.contains(x, y))
                ++outside;
        }
    }
    return outside;
}

QString missingCharacters(const QFont& font, const QString& text)
{
    const QRawFont raw = QRawFont::fromFont(font);
    QString missing;
    for (const char32_t c : text.toUcs4()) {
        if (c != U' ' && !raw.supportsCharacter(c))
            missing += QString::fromUcs4(&c, 1);
    }
    return missing;
}

}  // namespace

TEST(LabelFit, EveryLabelOfEveryDirectoryStationIsWholeInItsMappedFace)
{
    StationFixture fixture;
    linkProgramFolder(fixture);
    ProgramHarness program(fixture);
    TMainForm1& m = program.start(QStringLiteral("銀座線"), QStringLiteral("渋谷"), QTime(12, 0, 30));
    QSet<QString> seen;
    QMap<QString, int> shrunkBy;
    int stations = 0, labels = 0, shrunk = 0, narrowed = 0, moved = 0, pixel8 = 0, outlined8 = 0;
    for (const DirectoryGroup& group : stationDirectory()) {
        for (const DirectoryEntry& entry : group.items) {
            if (isSeparator(entry))
                continue;
            ++stations;
            program.moveTo(QString::fromUtf8(entry.line), QString::fromUtf8(entry.station));
            ASSERT_TRUE(program.errors().isEmpty()) << program.errors().join('\n').toStdString();
            for (const Control* c : m.controls.controls()) {
                if (c->kind() != ControlKind::Label || c->caption().trimmed().isEmpty() || !shown(*c))
                    continue;
                const QSize size(c->width(), c->height());
                const QString key = c->name() + u'\n' + c->caption() + u'\n' + QString::number(size.width());
                if (seen.contains(key))
                    continue;
                seen.insert(key);
                ++labels;
                const QRect area = labelTextArea(*c);
                const LabelText text = fitLabelText(c->look, c->caption(), size, area);
                SCOPED_TRACE((QString::fromUtf8(entry.line) + u' ' + QString::fromUtf8(entry.station) + u' '
                              + c->name() + QStringLiteral(" \"") + c->caption() + u'"')
                                 .toStdString());
                EXPECT_EQ(pixelsOutside(text, size, area), 0);
                EXPECT_TRUE(area.contains(text.ink)) << text.ink.x() << "," << text.ink.y() << " "
                                                     << text.ink.width() << "x" << text.ink.height();
                // The mapped face, or for a text too wide for the pixel face the outline face of that size.
                const bool pixelExact = isPixelExact(c->look.font, text.font.pixelSize())
                    && text.font.styleStrategy() & QFont::NoAntialias;
                const QString family = pixelExact ? mappedFamily(c->look.font, text.font.pixelSize())
                                                  : outlineWindowFont(c->look.font, text.font.pixelSize()).family();
                EXPECT_EQ(QFontInfo(text.font).family().toLower(), family.toLower());
                EXPECT_EQ(missingCharacters(text.font, c->caption()), QString());
                if (c->look.fontPixels == 8 && !pixelExact)
                    ++outlined8;
                pixel8 += c->look.fontPixels == 8 && pixelExact;
                if (text.font.pixelSize() < c->look.fontPixels) {
                    ++shrunk;
                    ++shrunkBy[c->name()];
                }
                narrowed += text.font.stretch() != QFont::AnyStretch && text.font.stretch() != 100;
                // Where the window's own face would have put the text, less a move.
                moved += !text.lines.isEmpty() && text.lines.first().origin.y()
                        != (c->look.centerVertically ? (c->height() - c->look.fontPixels * int(text.lines.size())) / 2 : 0)
                            + qRound(c->look.fontPixels * 0.86);
            }
        }
    }
    EXPECT_EQ(stations, 288);
    std::cout << stations << " stations, " << labels << " distinct label texts: " << shrunk
              << " shrunk by a pixel or more, " << narrowed << " narrowed, " << moved << " moved off the design baseline; 8-pixel texts: " << pixel8
              << " in the pixel face, " << outlined8 << " too wide for it\n";
    for (auto it = shrunkBy.cbegin(); it != shrunkBy.cend(); ++it)
        std::cout << "  shrunk " << it.key().toStdString() << ": " << it.value() << "\n";
    // The pixel face carries the small type; only the longest romanised names need the outline face.
    EXPECT_GT(pixel8, 20 * outlined8);
}

TEST(LabelFit, TextIsPlacedByItsInkAndFitsByTheLeastChange)
{
    ControlLook look;
    look.font = QStringLiteral("HGP創英角ｺﾞｼｯｸUB");
    struct Case {
        const char* caption;
        int pixels;
        QSize size;
        bool wrap;
        bool centre;
    };
    const Case cases[] = {
        {"Omote-sando", 8, {120, 8}, false, false},          // descender in an 8-pixel label
        {"←渋谷", 12, {84, 12}, false, false},              // Japanese of the label's own size
        {"G 02", 9, {15, 18}, true, true},                  // the station number: two lines in 18 pixels
        {"渋谷 中央林間方面", 11, {154, 12}, false, false},  // line panel direction
        {"WWWWWWWW", 11, {40, 12}, false, false},  // too wide even narrowed: shrunk as well
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        look.fontPixels = c.pixels;
        look.wordWrap = c.wrap;
        look.centerVertically = c.centre;
        const QRect area(QPoint(0, 0), c.size);
        const LabelText text = fitLabelText(look, QString::fromUtf8(c.caption), c.size, area);
        EXPECT_TRUE(area.contains(text.ink));
        EXPECT_EQ(pixelsOutside(text, c.size, area), 0);
        if (c.wrap)
            EXPECT_EQ(text.lines.size(), 2);
        if (c.size.width() == 40) {
            EXPECT_LT(text.font.pixelSize(), 11);
            EXPECT_LT(text.font.stretch(), 100);
        } else {
            EXPECT_EQ(text.font.pixelSize(), c.pixels);  // fitted without shrinking
        }
    }
}

TEST(LabelFit, TheBoardClockKeepsInsideItsFrame)
{
    StationFixture fixture;
    linkProgramFolder(fixture);
    ProgramHarness program(fixture);
    TMainForm1& m = program.start(QStringLiteral("銀座線"), QStringLiteral("渋谷"), QTime(12, 0, 30));
    const Control& clock = m.boardClock(1);
    // The frame Info05_6 is 159, 5, 29 x 11 with a 1-pixel outline; the clock
    // label 161, 6, 26 x 11: the digits stay off the outline by a pixel at the sides.
    EXPECT_EQ(labelTextArea(clock), QRect(0, 0, 25, 9));
    const LabelText text = fitLabelText(clock.look, QStringLiteral("08:14"), QSize(clock.width(), clock.height()),
                                        labelTextArea(clock));
    EXPECT_TRUE(QRect(0, 0, 25, 9).contains(text.ink));
    // A line of a board lies on its background box already clear of the outline.
    EXPECT_EQ(labelTextArea(m.boardLine(1, 1)).height(), 10);
}
