#pragma once
// Where a label's text goes. The installed faces have taller line boxes than
// the faces the window was laid out for, so the text is placed by its ink:
// each line's baseline where the window's own face puts it, then moved,
// narrowed or shrunk by a pixel only as far as needed to keep every inked
// pixel inside the label.

#include "core/Control.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QVector>

class QPainter;

struct LabelText {
    struct Line {
        QString text;
        QPoint origin;  // left end of the baseline, label coordinates
    };
    QFont font;
    QVector<Line> lines;
    QRect ink;  // the union of the lines' ink boxes, label coordinates
};

// Lays out a caption in a label of the given size. area is the part of the
// label the ink must stay in (the whole label unless something frames it).
LabelText fitLabelText(const ControlLook& look, const QString& caption, const QSize& size, const QRect& area);
void drawLabelText(QPainter& p, const LabelText& text);

// The area of a label its text keeps inside: the whole label, or, for a label
// lying on an outlined box of its parent that frames it alone, the inside of
// that outline with a pixel of air at the sides (the board clocks).
QRect labelTextArea(const Control& label);

// The pixels a text inks with a font, relative to its baseline origin: every
// pixel of at least kInkAlpha coverage.
constexpr int kInkAlpha = 48;
QRect inkBox(const QFont& font, const QString& text);
