#include "ui/ControlView.h"

#include "core/EventDispatch.h"
#include "forms/MainForm1.h"
#include "core/PictureControl.h"
#include "ui/Fonts.h"
#include "ui/LabelText.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

QColor toQColor(int c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

ControlView::ControlView(Control& control, EventDispatch& dispatch, QWidget* parent)
    : QWidget(parent)
    , m_dispatch(dispatch)
    , m_control(control)
{
    setObjectName(control.name());
    if (control.look.handCursor)
        setCursor(Qt::PointingHandCursor);
    // Opaque kinds paint every pixel: Qt need not draw what lies beneath.
    const bool opaque = (control.kind() == ControlKind::Panel && !control.look.noFill)
        || control.kind() == ControlKind::Gradient || control.kind() == ControlKind::Picture;
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    sync();
}

void ControlView::sync()
{
    const Control& c = m_control;
    // The children of a group are laid out by its group bar.
    const bool inGroup = c.parent() && c.parent()->kind() == ControlKind::Group;
    if ((c.properties() & Property::Left) && !inGroup)
        setGeometry(c.left(), c.top(), qMax(0, c.width()), qMax(0, c.height()));
    setToolTip(c.hint());
    // Which group of a group bar shows is the bar's affair.
    if (c.kind() != ControlKind::Group)
        setVisible(c.visible() && c.kind() != ControlKind::Hidden);
    if (c.kind() == ControlKind::Label)
        m_textArea = labelTextArea(c);
    update();
}

void ControlView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    switch (m_control.kind()) {
    case ControlKind::Panel:
    case ControlKind::Group:
    case ControlKind::GroupBar:
    case ControlKind::ScrollBox:
        paintPanel(p);
        break;
    case ControlKind::Gradient:
        paintGradient(p);
        break;
    case ControlKind::Shape:
        paintShape(p);
        break;
    case ControlKind::Label:
        paintLabel(p);
        break;
    case ControlKind::Picture:
    case ControlKind::CutoutPanel:
        paintPicture(p);
        break;
    case ControlKind::ProgressBar:
        paintProgress(p);
        break;
    case ControlKind::Button:
        paintButton(p);
        break;
    default:
        break;
    }
}

void ControlView::paintPanel(QPainter& p)
{
    const Control& c = m_control;
    if (!c.look.noFill)
        p.fillRect(rect(), toQColor(c.color()));
    if (!c.caption().isEmpty() && (c.properties() & Property::Caption)) {
        p.setPen(toQColor(c.fontColor()));
        p.setFont(windowFont(c.look.font, c.look.fontPixels));
        p.drawText(rect(), Qt::AlignCenter, c.caption());
    }
    if (c.look.sunken) {
        p.setPen(QColor(128, 128, 128));
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }
}

void ControlView::paintGradient(QPainter& p)
{
    const Control& c = m_control;
    // The gradient is drawn once per size and colours; repaints (a train
    // passing in front) copy from it.
    const QString key = QStringLiteral("%1 %2 %3 %4 %5").arg(width()).arg(height()).arg(c.color()).arg(c.look.endColor).arg(c.look.horizontal);
    if (key != m_cacheKey) {
        m_cacheKey = key;
        m_cache = QImage(size(), QImage::Format_RGB32);
        QPainter cp(&m_cache);
        QLinearGradient gradient(0, 0, c.look.horizontal ? width() : 0, c.look.horizontal ? 0 : height());
        gradient.setColorAt(0, toQColor(c.color()));
        gradient.setColorAt(1, toQColor(c.look.endColor));
        cp.fillRect(rect(), gradient);
    }
    p.drawImage(0, 0, m_cache);
    if (c.look.sunken) {
        p.setPen(QColor(128, 128, 128));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!c.caption().isEmpty()) {
        QFont font = windowFont(c.look.font, c.look.fontPixels);
        p.setFont(font);
        const QPoint origin(c.look.captionLeft, c.look.captionTop + QFontMetrics(font).ascent());
        if (c.look.raisedCaption) {
            // Raised lettering: a light edge above left, the shadow below right.
            p.setPen(toQColor(c.look.shadowColor));
            p.drawText(origin + QPoint(1, 1), c.caption());
            p.setPen(QColor(255, 255, 200));
            p.drawText(origin - QPoint(1, 1), c.caption());
        }
        p.setPen(toQColor(c.fontColor()));
        p.drawText(origin, c.caption());
    }
}

void ControlView::paintShape(QPainter& p)
{
    const Control& c = m_control;
    p.setRenderHint(QPainter::Antialiasing, c.look.shape != ControlLook::Shape::Rectangle);
    const int pen = c.look.noOutline ? 0 : c.look.penWidth;
    const QRectF area = QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
    if (c.look.noOutline)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(toQColor(c.outlineColor()), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(c.look.noFill ? QBrush(Qt::NoBrush) : QBrush(toQColor(c.color())));
    switch (c.look.shape) {
    case ControlLook::Shape::Rectangle:
        if (height() <= 2 && c.look.noFill) {
            // A rail: a line of the outline colour.
            p.fillRect(rect(), toQColor(c.outlineColor()));
        } else {
            p.drawRect(area);
        }
        break;
    case ControlLook::Shape::RoundRect:
        p.drawRoundedRect(area, 6, 6);
        break;
    case ControlLook::Shape::Circle:
        p.drawEllipse(area);
        break;
    }
}

void ControlView::paintLabel(QPainter& p)
{
    const Control& c = m_control;
    if (!c.look.transparent)
        p.fillRect(rect(), toQColor(c.color()));
    p.setPen(toQColor(c.fontColor()));
    ControlLook look = c.look;
    // A label on a frame of its own is a display (the board clocks): its thin
    // strokes drawn bold read on the dark frame.
    if (m_textArea != rect())
        look.bold = true;
    drawLabelText(p, fitLabelText(look, c.caption(), size(), m_textArea));
}

const QImage& ControlView::keyedPicture()
{
    auto& picture = static_cast<PictureControl&>(m_control);
    if (picture.pictureSerial() != m_keyedSerial) {
        m_keyedSerial = picture.pictureSerial();
        const QRgb key = picture.transparentColor() | 0xFF000000u;
        // Premultiplied: the fastest format to draw with transparency.
        m_keyed = picture.picture().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < m_keyed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(m_keyed.scanLine(y));
            for (int x = 0; x < m_keyed.width(); ++x) {
                if ((line[x] | 0xFF000000u) == key)
                    line[x] = 0;
            }
        }
    }
    return m_keyed;
}

void ControlView::paintPicture(QPainter& p)
{
    auto& picture = static_cast<PictureControl&>(m_control);
    if (m_control.kind() == ControlKind::CutoutPanel) {
        if (picture.cutout())
            p.drawImage(0, 0, keyedPicture());
        else
            p.drawImage(0, 0, picture.picture());
    } else {
        p.fillRect(rect(), Qt::black);
        p.drawImage(0, 0, picture.picture());
    }
}

void ControlView::paintProgress(QPainter& p)
{
    auto& bar = static_cast<ProgressBarControl&>(m_control);
    p.fillRect(rect(), Qt::black);
    const int span = qMax(1, bar.maximum - bar.minimum);
    const int filled = width() * (bar.position() - bar.minimum) / span;
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, toQColor(bar.color()));
    gradient.setColorAt(1, toQColor(bar.look.endColor));
    p.fillRect(QRect(0, 0, filled, height()), gradient);
    QFont font = windowFont(QString(), qMax(6, height()));
    p.setFont(font);
    p.setPen(toQColor(bar.fontColor()));
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("%1%").arg(100 * (bar.position() - bar.minimum) / span));
}

void ControlView::paintButton(QPainter& p)
{
    const Control& c = m_control;
    if (c.look.transparent) {
        // A flat link (the album's address) shows its caption; an overlay has none.
        if (!c.caption().isEmpty()) {
            p.setPen(toQColor(c.fontColor()));
            p.setFont(windowFont(c.look.font, c.look.fontPixels));
            p.drawText(rect().adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, c.caption());
        }
        return;
    }
    if (c.look.fadeOnHover) {
        // Face and border blend towards the hover colours; the caption turns at once.
        const double t = double(m_fade) / kFadeTop;
        auto blend = [t](QColor from, QColor to) {
            return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * t,
                                    from.greenF() + (to.greenF() - from.greenF()) * t,
                                    from.blueF() + (to.blueF() - from.blueF()) * t);
        };
        p.fillRect(rect(), blend(toQColor(c.color()), toQColor(16744448)));
        p.setPen(blend(toQColor(c.outlineColor()), QColor(Qt::white)));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(m_fadeUp ? QColor(Qt::yellow) : toQColor(c.fontColor()));
        p.setFont(windowFont(c.look.font, c.look.fontPixels));
        p.drawText(rect(), Qt::AlignCenter, c.caption());
        return;
    }
    if (c.properties() & Property::Color && c.color() != 0) {
        const bool hover = underMouse();
        p.fillRect(rect(), hover ? toQColor(16744448) : toQColor(c.color()));
        p.setPen(hover ? QColor(Qt::white) : toQColor(c.outlineColor()));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(hover ? QColor(Qt::yellow) : toQColor(c.fontColor()));
    } else {
        p.setPen(toQColor(c.fontColor()));
    }
    p.setFont(windowFont(c.look.font, c.look.fontPixels));
    p.drawText(rect().adjusted(2, 0, -2, 0), Qt::AlignVCenter | (c.color() ? Qt::AlignHCenter : Qt::AlignLeft),
               c.caption());
}

void ControlView::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (!m_control.look.fadeOnHover)
        return;
    m_fadeUp = true;
    if (!m_fadeTimer) {
        m_fadeTimer = new QTimer(this);
        m_fadeTimer->setInterval(kFadeInterval);
        connect(m_fadeTimer, &QTimer::timeout, this, &ControlView::fadeTick);
    }
    m_fadeTimer->start();
    update();
}

void ControlView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (!m_control.look.fadeOnHover || !m_fadeTimer)
        return;
    m_fadeUp = false;
    m_fadeTimer->start();
    update();
}

void ControlView::fadeTick()
{
    m_fade = qBound(0, m_fade + (m_fadeUp ? kFadeStep : -kFadeStep), kFadeTop);
    if (m_fade == 0 || m_fade == kFadeTop)
        m_fadeTimer->stop();
    update();
}

void ControlView::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    if (m_control.onMouseDown)
        m_dispatch.deliver(m_control.onMouseDown);
    QWidget::mousePressEvent(event);
}

void ControlView::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click && m_control.onClick)
        m_dispatch.deliver(m_control.onClick);
    QWidget::mouseReleaseEvent(event);
}
