#include "ui/WidgetViews.h"

#include "core/ClockControl.h"
#include "core/ComboBoxControl.h"
#include "core/EventDispatch.h"
#include "ui/Fonts.h"
#include "ui/ScrollBarLook.h"
#include "data/CommaText.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

#include <QPainter>
#include <QWheelEvent>
#include <QtMath>

ScrollBoxView::ScrollBoxView(Control& control, EventDispatch& dispatch, QWidget* parent)
    : ControlView(control, dispatch, parent)
    , m_viewport(new QWidget(this))
    , m_bar(new QScrollBar(Qt::Horizontal, this))
{
    styleSceneScrollBar(m_bar);
    connect(m_bar, &QScrollBar::valueChanged, this, [this](int value) { scrollTo(value); });
    resizeEvent(nullptr);
}

void ScrollBoxView::sync()
{
    ControlView::sync();
    contentChanged();
}

void ScrollBoxView::resizeEvent(QResizeEvent*)
{
    m_viewport->setGeometry(0, 0, width(), qMax(0, height() - 12));
    m_bar->setGeometry(0, height() - 12, width(), 12);
    contentChanged();
}

void ScrollBoxView::contentChanged()
{
    int contentWidth = 0;
    for (QWidget* child : m_viewport->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        contentWidth = qMax(contentWidth, child->width());
    m_bar->setRange(0, qMax(0, contentWidth - m_viewport->width()));
    m_bar->setPageStep(m_viewport->width());
    m_bar->setSingleStep(20);
    scrollTo(m_bar->value());
}

void ScrollBoxView::scrollTo(int value)
{
    for (QWidget* child : m_viewport->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(-value, child->y());
}

void ScrollBoxView::wheelEvent(QWheelEvent* event)
{
    // A touchpad reports pixels; a wheel reports eighths of a degree, 120 to
    // a notch of 60 pixels, and high-resolution wheels send parts of a notch:
    // what is left below a pixel is kept for the next event.
    const QPoint pixels = event->pixelDelta();
    const QPoint angle = event->angleDelta();
    if (!pixels.isNull())
        m_wheelEighths += 2 * (pixels.y() != 0 ? pixels.y() : pixels.x());
    else
        m_wheelEighths += angle.y() != 0 ? angle.y() : angle.x();
    const int move = m_wheelEighths / 2;
    m_wheelEighths -= 2 * move;
    if (move != 0)
        m_bar->setValue(m_bar->value() - move);
    event->accept();
}

MemoView::MemoView(Control& control, EventDispatch& dispatch, QWidget* parent)
    : ControlView(control, dispatch, parent)
    , m_edit(new QPlainTextEdit(this))
{
    m_edit->setReadOnly(true);
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setFrameShape(QFrame::NoFrame);
    m_edit->setFont(windowFont(control.look.font, control.look.fontPixels, false, control.look.underline));
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, toQColor(control.color()));
    palette.setColor(QPalette::Text, toQColor(control.fontColor()));
    m_edit->setPalette(palette);
    sync();
}

void MemoView::sync()
{
    ControlView::sync();
    if (m_edit->toPlainText() != control().caption())
        m_edit->setPlainText(control().caption());
    m_edit->setGeometry(rect());
}

void MemoView::resizeEvent(QResizeEvent*)
{
    m_edit->setGeometry(rect());
}

GroupBarView::GroupBarView(Control& control, EventDispatch& dispatch, QWidget* parent)
    : ControlView(control, dispatch, parent)
{
}

void GroupBarView::sync()
{
    ControlView::sync();
    update();
}

void GroupBarView::addGroup(Control& group, ControlView* content)
{
    m_groups.append(Group{&group, content});
    layoutGroups();
}

QRect GroupBarView::headerRect(int index) const
{
    // Headers up to the open group stand on the left, the rest on the right.
    if (index <= m_open)
        return QRect(index * kHeader, 0, kHeader, height());
    const int fromRight = int(m_groups.size()) - index;
    return QRect(width() - fromRight * kHeader, 0, kHeader, height());
}

void GroupBarView::layoutGroups()
{
    for (int i = 0; i < m_groups.size(); ++i) {
        ControlView* content = m_groups[i].content;
        if (!content)
            continue;
        const int left = (m_open + 1) * kHeader;
        const int right = width() - (int(m_groups.size()) - m_open - 1) * kHeader;
        content->setGeometry(left, 0, qMax(0, right - left), height());
        content->setVisible(i == m_open);
        // A group's one view (the timetable text) fills the group; the views
        // of a group of several (the album's link and strip) keep their places.
        const QList<QWidget*> children = content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            auto* view = dynamic_cast<ControlView*>(child);
            if (children.size() > 1 && view) {
                const Control& c = view->control();
                child->setGeometry(c.left(), c.top(), c.width(), c.height());
            } else {
                child->setGeometry(content->rect());
            }
        }
    }
    update();
}

void GroupBarView::groupsChanged()
{
    if (m_open < m_groups.size() && m_groups[m_open].control->caption() == u"-") {
        for (int i = 0; i < m_groups.size(); ++i) {
            if (m_groups[i].control->caption() != u"-") {
                m_open = i;
                break;
            }
        }
    }
    layoutGroups();
}

void GroupBarView::resizeEvent(QResizeEvent*)
{
    layoutGroups();
}

void GroupBarView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x46, 0x46, 0x46));
    QFont font = windowFont(QStringLiteral("ＭＳ Ｐゴシック"), 11);
    p.setFont(font);
    for (int i = 0; i < m_groups.size(); ++i) {
        const QRect r = headerRect(i);
        p.fillRect(r, i == m_open ? QColor(0xE0, 0xE0, 0xE0) : QColor(0xC0, 0xC0, 0xC0));
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.save();
        p.translate(r.center());
        p.rotate(90);
        p.setPen(toQColor(4605510));
        const QRect text(-r.height() / 2, -r.width() / 2, r.height(), r.width());
        p.drawText(text, Qt::AlignCenter, m_groups[i].control->caption());
        p.restore();
    }
}

void GroupBarView::mousePressEvent(QMouseEvent* event)
{
    for (int i = 0; i < m_groups.size(); ++i) {
        if (headerRect(i).contains(event->position().toPoint())) {
            m_open = i;
            layoutGroups();
            return;
        }
    }
}

namespace {

// Draws a list entry "a,b,c" as columns of their own widths and colours.
class ColumnsDelegate : public QStyledItemDelegate {
public:
    explicit ColumnsDelegate(const ControlLook& look, QObject* parent) : QStyledItemDelegate(parent), m_look(look) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QStringList columns = splitCommaText(index.data(Qt::UserRole).toString());
        int x = option.rect.left();
        p->save();
        p->setFont(windowFont(m_look.font, m_look.fontPixels));
        for (int i = 0; i < m_look.columnWidths.size(); ++i) {
            const QRect cell(x, option.rect.top(), m_look.columnWidths[i], option.rect.height());
            const bool selected = option.state & QStyle::State_Selected;
            p->fillRect(cell, selected ? option.palette.highlight().color() : toQColor(m_look.columnColors.value(i)));
            p->setPen(selected ? option.palette.highlightedText().color() : toQColor(m_look.columnFontColors.value(i)));
            p->drawText(cell.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, columns.value(i));
            x += m_look.columnWidths[i];
        }
        p->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        int width = 0;
        for (int w : m_look.columnWidths)
            width += w;
        return {width, 15};
    }

private:
    const ControlLook& m_look;
};

}  // namespace

ComboView::ComboView(ComboBoxControl& control, EventDispatch& dispatch, QWidget* parent)
    : ControlView(control, dispatch, parent)
    , m_combo(control)
    , m_box(new QComboBox(this))
{
    if (!control.look.columnWidths.isEmpty()) {
        m_box->setItemDelegate(new ColumnsDelegate(control.look, m_box));
        int width = 0;
        for (int w : control.look.columnWidths)
            width += w;
        m_box->view()->setMinimumWidth(width);
    }
    m_box->setFont(windowFont(control.look.font, control.look.fontPixels));
    m_box->setFocusPolicy(Qt::NoFocus);
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::Base, toQColor(control.color()));
    palette.setColor(QPalette::Button, toQColor(control.color()));
    palette.setColor(QPalette::Text, toQColor(control.fontColor()));
    palette.setColor(QPalette::ButtonText, toQColor(control.fontColor()));
    m_box->setPalette(palette);
    connect(m_box, &QComboBox::activated, this, [this](int index) {
        // Choosing the entry already selected changes nothing.
        if (m_updating || index == m_combo.itemIndex())
            return;
        m_combo.setItemIndex(index);
        if (m_combo.onClick)
            m_dispatch.deliver(m_combo.onClick);
    });
    sync();
}

void ComboView::sync()
{
    ControlView::sync();
    m_updating = true;
    QStringList current;
    for (int i = 0; i < m_box->count(); ++i)
        current.append(m_box->itemData(i).toString());
    if (current != m_combo.items()) {
        m_box->clear();
        const bool columns = !m_combo.look.columnWidths.isEmpty();
        for (const QString& item : m_combo.items()) {
            // Closed, a multi-column list shows its first column.
            m_box->addItem(columns ? splitCommaText(item).value(0) : item, item);
        }
    }
    m_box->setCurrentIndex(m_combo.itemIndex());
    m_box->setGeometry(rect());
    m_updating = false;
}

ClockView::ClockView(ClockControl& clock, EventDispatch& dispatch, QWidget* parent)
    : ControlView(clock, dispatch, parent)
    , m_clock(clock)
{
}

void ClockView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0xD0, 0xD0, 0xD0));
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double radius = qMin(width(), height()) / 2.0 - 2;
    p.setPen(QPen(QColor(0, 90, 0), 2));
    p.setBrush(QColor(0, 128, 0));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Qt::white, 1));
    for (int i = 0; i < 60; ++i) {
        const double a = i * M_PI / 30;
        const double inner = radius * (i % 5 == 0 ? 0.82 : 0.9);
        p.setPen(QPen(Qt::white, i % 5 == 0 ? 2 : 1));
        p.drawLine(centre + QPointF(std::sin(a), -std::cos(a)) * inner,
                   centre + QPointF(std::sin(a), -std::cos(a)) * (radius * 0.96));
    }
    auto hand = [&](double turns, double length, double width, const QColor& color) {
        const double a = turns * 2 * M_PI;
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre - QPointF(std::sin(a), -std::cos(a)) * (radius * 0.12),
                   centre + QPointF(std::sin(a), -std::cos(a)) * (radius * length));
    };
    const double seconds = m_clock.second();
    const double minutes = m_clock.minute() + seconds / 60.0;
    const double hours = (m_clock.hour() % 12) + minutes / 60.0;
    hand(hours / 12.0, 0.5, 4, Qt::white);
    hand(minutes / 60.0, 0.75, 3, Qt::white);
    hand(seconds / 60.0, 0.85, 1, QColor(255, 230, 0));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 3, 3);
}
