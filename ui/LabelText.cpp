#include "ui/LabelText.h"

#include "ui/Fonts.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>

namespace {

// The faces the window was laid out for put the baseline this far below the
// top of a line one pixel size high.
constexpr double kDesignAscent = 0.86;

// Breaks at spaces where a line would run past the width, as a word-wrapped
// label does.
QStringList wrapped(const QFontMetrics& metrics, const QString& caption, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : caption.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines.append(line);
            line = word;
        } else {
            line = longer;
        }
    }
    lines.append(line);
    return lines;
}

QRect fitted(const QRect& box, const QRect& area, QPoint& shift)
{
    int dx = 0;
    int dy = 0;
    if (box.left() < area.left())
        dx = area.left() - box.left();
    else if (box.right() > area.right())
        dx = area.right() - box.right();
    if (box.top() < area.top())
        dy = area.top() - box.top();
    else if (box.bottom() > area.bottom())
        dy = area.bottom() - box.bottom();
    shift = QPoint(dx, dy);
    return box.translated(shift);
}

// A box is a label's own frame when no other label of the parent lies on it.
bool framesAlone(const QRect& box, const Control& label)
{
    for (const Control* other : label.set().controls()) {
        if (other != &label && other->parent() == label.parent() && other->kind() == ControlKind::Label
            && box.contains(QRect(other->left(), other->top(), other->width(), other->height()).center()))
            return false;
    }
    return true;
}

}  // namespace

QRect inkBox(const QFont& font, const QString& text)
{
    static QHash<QString, QRect> cache;
    const QString key = font.toString() + u'\n' + text;
    if (auto it = cache.constFind(key); it != cache.cend())
        return *it;
    const QFontMetrics metrics(font);
    const int margin = font.pixelSize() + 4;
    const QPoint origin(margin, 2 * margin);
    QImage image(metrics.horizontalAdvance(text) + 2 * margin, 3 * margin, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(origin, text);
    }
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) >= kInkAlpha)
                box |= QRect(x, y, 1, 1);
        }
    }
    box.translate(-origin);
    if (cache.size() > 4096)
        cache.clear();
    cache.insert(key, box);
    return box;
}

LabelText fitLabelText(const ControlLook& look, const QString& caption, const QSize& size, const QRect& area)
{
    LabelText result;
    const int smallest = qMax(4, look.fontPixels * 2 / 3);
    // A pixel face is exact only at its own size and unnarrowed: a text it
    // cannot fit is drawn by the outline face instead.
    bool outline = false;
    for (int pixels = look.fontPixels;; --pixels) {
        QFont font = outline ? outlineWindowFont(look.font, pixels, look.bold, look.underline)
                             : windowFont(look.font, pixels, look.bold, look.underline);
        const bool pixelExact = !outline && isPixelExact(look.font, pixels);
        QStringList lines = look.wordWrap ? wrapped(QFontMetrics(font), caption, size.width()) : QStringList{caption};
        if (!look.wordWrap) {
            // The installed faces run wider than the ones the window was laid
            // out for: a text that would be cut is narrowed to fit.
            const int needed = QFontMetrics(font).horizontalAdvance(caption);
            if (needed > area.width() && needed > 0 && pixelExact) {
                outline = true;
                ++pixels;
                continue;
            }
            if (needed > area.width() && needed > 0)
                font.setStretch(qMax(60, 100 * area.width() / needed));
        }
        const QFontMetrics metrics(font);
        const int pitch = pixels;
        const int top = look.centerVertically ? (size.height() - pitch * int(lines.size())) / 2 : 0;
        result = LabelText{font, {}, QRect()};
        for (int i = 0; i < lines.size(); ++i) {
            const int advance = metrics.horizontalAdvance(lines[i]);
            int x = 0;
            if (look.align == ControlLook::Align::Center)
                x = (size.width() - advance) / 2;
            else if (look.align == ControlLook::Align::Right)
                x = size.width() - advance;
            const QPoint origin(x, top + i * pitch + qRound(pixels * kDesignAscent));
            result.lines.append({lines[i], origin});
            result.ink |= inkBox(font, lines[i]).translated(origin);
        }
        if (result.ink.isEmpty())
            return result;
        const bool fits = result.ink.width() <= area.width() && result.ink.height() <= area.height();
        if (!fits && pixelExact) {
            outline = true;
            ++pixels;
            continue;
        }
        if (fits || pixels <= smallest) {
            QPoint shift;
            result.ink = fitted(result.ink, area, shift);
            for (LabelText::Line& line : result.lines)
                line.origin += shift;
            return result;
        }
    }
}

void drawLabelText(QPainter& p, const LabelText& text)
{
    p.setFont(text.font);
    for (const LabelText::Line& line : text.lines)
        p.drawText(line.origin, line.text);
}

QRect labelTextArea(const Control& label)
{
    const QRect own(label.left(), label.top(), qMax(0, label.width()), qMax(0, label.height()));
    QRect area = own;
    for (const Control* other : label.set().controls()) {
        if (other->parent() != label.parent() || other->kind() != ControlKind::Shape || !other->visible()
            || other->look.shape != ControlLook::Shape::Rectangle || other->look.noOutline)
            continue;
        const QRect box(other->left(), other->top(), other->width(), other->height());
        if (!box.contains(own.center()) || !framesAlone(box, label))
            continue;
        const int pen = qMax(1, other->look.penWidth);
        const QRect inside = box.adjusted(pen + 1, pen, -pen - 1, -pen);
        if (inside.contains(own))
            continue;  // the frame is clear of the label already
        area &= inside;
    }
    return area.translated(-own.topLeft());
}
