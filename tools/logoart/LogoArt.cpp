// Drawn with antialiasing on white: the logo is only ever shown on the
// window's white panel, so no colour is cut out of it.
#include "tools/logoart/LogoArt.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace logoart {

namespace {

const QColor kBlue(0x1E, 0x5A, 0xA8);
const QColor kDeepBlue(0x12, 0x33, 0x66);
const QColor kOrange(0xFF, 0x80, 0x00);
const QColor kRail(0x8C, 0x93, 0x9C);
const QColor kSleeper(0xB9, 0xA7, 0x8E);

void drawBadge(QPainter& p)
{
    const QPointF centre(23, 23);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(centre, 21, 21);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOrange, 2));
    p.drawEllipse(centre, 18.5, 18.5);

    // A train's front: body, windscreen, two lamps.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(13, 9, 20, 22), 5, 5);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(15.5, 12, 15, 8), 2, 2);
    p.setBrush(kOrange);
    p.drawEllipse(QPointF(17.5, 26), 1.8, 1.8);
    p.drawEllipse(QPointF(28.5, 26), 1.8, 1.8);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(21, 22, 4, 1.5));

    // Its rails running away from the viewer.
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 32), QPointF(11, 39));
    p.drawLine(QPointF(30, 32), QPointF(35, 39));
    p.setPen(QPen(Qt::white, 1.2));
    p.drawLine(QPointF(15, 34.5), QPointF(31, 34.5));
    p.drawLine(QPointF(13, 37.5), QPointF(33, 37.5));
}

void drawName(QPainter& p)
{
    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(24);
    name.setBold(true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);
    p.setFont(name);
    p.setPen(kDeepBlue);
    p.drawText(QPointF(52, 24), QStringLiteral("Quorel"));

    QFont word(QStringLiteral("DejaVu Sans"));
    word.setPixelSize(10);
    word.setBold(true);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 3.2);
    p.setFont(word);
    p.setPen(kOrange);
    p.drawText(QPointF(54, 37), QStringLiteral("NETWORK"));
}

void drawTrack(QPainter& p)
{
    // Sleepers first, the two rails over them.
    p.setPen(QPen(kSleeper, 1.5));
    for (int x = 54; x <= 194; x += 6)
        p.drawLine(QPointF(x, 40.5), QPointF(x - 2, 45.5));
    p.setPen(QPen(kRail, 1.2));
    p.drawLine(QPointF(52, 41.5), QPointF(196, 41.5));
    p.drawLine(QPointF(51, 44.5), QPointF(196, 44.5));
}

}  // namespace

QImage drawLogo()
{
    QImage image(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setClipRect(0, 0, kLogoWidth, kLogoHeight - kClearRows);
    drawBadge(p);
    drawTrack(p);
    drawName(p);
    p.end();
    return image;
}

}  // namespace logoart
