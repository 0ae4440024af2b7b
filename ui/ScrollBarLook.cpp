#include "ui/ScrollBarLook.h"

#include <QApplication>
#include <QPainter>
#include <QPolygon>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>

namespace {

// Draws the scroll bar itself; where its parts lie and how the mouse works
// them stays the base style's.
class SceneBarStyle : public QProxyStyle {
public:
    SceneBarStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* p,
                            const QWidget* widget) const override
    {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar) {
            QProxyStyle::drawComplexControl(control, option, p, widget);
            return;
        }
        p->save();
        p->fillRect(option->rect, Qt::white);
        const bool horizontal = bar->orientation == Qt::Horizontal;
        const QRect sub = subControlRect(control, option, SC_ScrollBarSubLine, widget);
        const QRect add = subControlRect(control, option, SC_ScrollBarAddLine, widget);
        const QRect thumb = subControlRect(control, option, SC_ScrollBarSlider, widget);
        const bool enabled = bar->maximum > bar->minimum;
        raised(p, sub, bar->activeSubControls & SC_ScrollBarSubLine && bar->state & State_Sunken);
        raised(p, add, bar->activeSubControls & SC_ScrollBarAddLine && bar->state & State_Sunken);
        arrow(p, sub, horizontal ? Qt::LeftArrow : Qt::UpArrow, enabled);
        arrow(p, add, horizontal ? Qt::RightArrow : Qt::DownArrow, enabled);
        if (enabled && thumb.isValid()) {
            p->fillRect(thumb, QColor(0x90, 0x90, 0x90));
            p->setPen(QColor(0xD0, 0xD0, 0xD0));
            p->drawLine(thumb.topLeft(), thumb.topRight());
            p->drawLine(thumb.topLeft(), thumb.bottomLeft());
            p->setPen(QColor(0x40, 0x40, 0x40));
            p->drawLine(thumb.bottomLeft(), thumb.bottomRight());
            p->drawLine(thumb.topRight(), thumb.bottomRight());
        }
        p->restore();
    }

private:
    static void raised(QPainter* p, const QRect& r, bool pressed)
    {
        if (!r.isValid())
            return;
        p->fillRect(r, QColor(0xD8, 0xD8, 0xD8));
        p->setPen(pressed ? QColor(0x60, 0x60, 0x60) : Qt::white);
        p->drawLine(r.topLeft(), r.topRight());
        p->drawLine(r.topLeft(), r.bottomLeft());
        p->setPen(pressed ? Qt::white : QColor(0x60, 0x60, 0x60));
        p->drawLine(r.bottomLeft(), r.bottomRight());
        p->drawLine(r.topRight(), r.bottomRight());
    }

    static void arrow(QPainter* p, const QRect& r, Qt::ArrowType type, bool enabled)
    {
        if (!r.isValid())
            return;
        const QPoint c = r.center();
        QPolygon triangle;
        switch (type) {
        case Qt::LeftArrow:
            triangle << QPoint(c.x() - 2, c.y()) << QPoint(c.x() + 1, c.y() - 3) << QPoint(c.x() + 1, c.y() + 3);
            break;
        case Qt::RightArrow:
            triangle << QPoint(c.x() + 2, c.y()) << QPoint(c.x() - 1, c.y() - 3) << QPoint(c.x() - 1, c.y() + 3);
            break;
        case Qt::UpArrow:
            triangle << QPoint(c.x(), c.y() - 2) << QPoint(c.x() - 3, c.y() + 1) << QPoint(c.x() + 3, c.y() + 1);
            break;
        default:
            triangle << QPoint(c.x(), c.y() + 2) << QPoint(c.x() - 3, c.y() - 1) << QPoint(c.x() + 3, c.y() - 1);
            break;
        }
        p->setPen(Qt::NoPen);
        p->setBrush(enabled ? QColor(Qt::black) : QColor(0xA0, 0xA0, 0xA0));
        p->drawPolygon(triangle);
    }
};

}  // namespace

void styleSceneScrollBar(QScrollBar* bar)
{
    static SceneBarStyle* style = [] {
        auto* s = new SceneBarStyle;
        s->setParent(qApp);
        return s;
    }();
    bar->setStyle(style);
    bar->setFixedHeight(12);
}
