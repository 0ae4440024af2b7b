#include "ui/AlbumStrip.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace album {

namespace {

const QColor kBackground(0x46, 0x46, 0x46);
const QColor kButtonUp(0x00, 0x00, 0x00);
const QColor kButtonDown(0x31, 0x31, 0x31);
const QColor kHotFrame(0xA0, 0xA0, 0xA0);
const QColor kPlaceholder(0x5A, 0x5A, 0x5A);
constexpr int kPadding = 2;  // between a button's edge and its picture

}  // namespace

AlbumStrip::AlbumStrip(QWidget* parent, const QString& cacheFolder)
    : QAbstractScrollArea(parent)
    , m_maker(QSize(1, 1), cacheFolder)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there: a bar that came and went would change the thumbnails'
    // size from one station to the next, and make them all again.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::PointingHandCursor);
    viewport()->setAutoFillBackground(false);
    setToolTip(QStringLiteral("マウスホイールでスクロール"));
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    connect(&m_maker, &ThumbnailMaker::thumbnailReady, this, &AlbumStrip::thumbnailReady);
}

void AlbumStrip::setFiles(const QString& folder, const QList<AlbumEntry>& entries)
{
    m_folder = folder;
    m_entries = entries;
    m_selected = -1;
    m_hovered = -1;
    m_wheelRest = 0;
    m_maker.showFolder(folder);
    layoutScrollBar();
    horizontalScrollBar()->setValue(0);
    requestThumbnails();
    viewport()->update();
}

void AlbumStrip::setSelectedFile(const QString& fileName)
{
    int index = -1;
    for (int i = 0; i < count(); ++i)
        if (m_entries[i].fileName == fileName)
            index = i;
    if (index == m_selected)
        return;
    m_selected = index;
    if (index >= 0)
        ensureVisible(index);
    viewport()->update();
}

QString AlbumStrip::selectedFile() const
{
    return m_selected >= 0 ? m_entries[m_selected].fileName : QString();
}

QSize AlbumStrip::cellSize() const
{
    const QSize area = viewport()->size();
    const int w = (area.width() - 2 * kEdge - (kColumns - 1) * kGap) / kColumns;
    return QSize(qMax(8, w), qMax(8, area.height() - 2 * kEdge));
}

QSize AlbumStrip::imageBounds() const
{
    const QSize cell = cellSize();
    const int nameHeight = fontMetrics().height();
    return QSize(qMax(1, cell.width() - 2 * kPadding), qMax(1, cell.height() - 3 * kPadding - nameHeight));
}

QRect AlbumStrip::cellRect(int index) const
{
    const QSize cell = cellSize();
    return QRect(kEdge + index * (cell.width() + kGap) - scrollOffset(), kEdge, cell.width(), cell.height());
}

int AlbumStrip::indexAt(QPoint pos) const
{
    if (pos.y() < kEdge || pos.y() >= kEdge + cellSize().height())
        return -1;
    const int x = pos.x() + scrollOffset() - kEdge;
    if (x < 0)
        return -1;
    const int index = x / columnStride();
    // The gap between two buttons belongs to neither.
    if (x % columnStride() >= cellSize().width() || index >= count())
        return -1;
    return index;
}

int AlbumStrip::scrollOffset() const
{
    return horizontalScrollBar()->value();
}

ThumbnailSource AlbumStrip::source(int index) const
{
    const AlbumEntry& e = m_entries[index];
    return {m_folder, e.fileName, e.modified, e.size};
}

AlbumStrip::CellState AlbumStrip::cellState(int index) const
{
    if (index < 0 || index >= count())
        return CellState::Waiting;
    const Thumbnail* thumb = m_maker.cached(source(index));
    if (!thumb)
        return CellState::Waiting;
    return thumb->placeholder ? CellState::Placeholder : CellState::Picture;
}

void AlbumStrip::layoutScrollBar()
{
    const int content = count() > 0 ? 2 * kEdge + count() * columnStride() - kGap : 0;
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, qMax(0, content - viewport()->width()));
    bar->setSingleStep(columnStride());
    bar->setPageStep(viewport()->width());
}

void AlbumStrip::requestThumbnails()
{
    if (count() == 0)
        return;
    m_maker.setBounds(imageBounds());
    const int first = qMax(0, (scrollOffset() - kEdge) / columnStride());
    const int last = qMin(count() - 1, first + kColumns);
    // The rest of the folder follows in the background, so that scrolling
    // finds it made; what is on screen goes first.
    for (int i = 0; i < count(); ++i)
        if (i < first || i > last)
            m_maker.request(source(i));
    for (int i = last; i >= first; --i)
        m_maker.request(source(i), true);
}

void AlbumStrip::thumbnailReady(const QString& folder, const QString& fileName)
{
    if (folder != m_folder)
        return;
    for (int i = 0; i < count(); ++i)
        if (m_entries[i].fileName == fileName && cellRect(i).intersects(viewport()->rect()))
            viewport()->update(cellRect(i));
}

void AlbumStrip::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), kBackground);
    // What is left of the width after three whole columns stays background,
    // and no sliver of a fourth thumbnail shows in the edge.
    p.setClipRect(viewport()->rect().adjusted(kEdge, kEdge, -kEdge, -kEdge));
    const QFontMetrics metrics = fontMetrics();
    bool missing = false;
    for (int i = 0; i < count(); ++i) {
        const QRect cell = cellRect(i);
        if (cell.right() < 0)
            continue;
        if (cell.left() > viewport()->width())
            break;
        p.fillRect(cell, i == m_selected ? kButtonDown : kButtonUp);
        if (i == m_hovered) {
            p.setPen(kHotFrame);
            p.drawRect(cell.adjusted(0, 0, -1, -1));
        }
        const QRect picture(cell.left() + kPadding, cell.top() + kPadding, cell.width() - 2 * kPadding,
                            imageBounds().height());
        const Thumbnail* thumb = m_maker.cached(source(i));
        if (!thumb) {
            missing = true;
        } else if (thumb->placeholder) {
            // A file no reader here can decode: a plain card with its type.
            const QRect card = QRect(QPoint(), picture.size() * 3 / 4).translated(
                picture.center() - QPoint(picture.width() * 3 / 8, picture.height() * 3 / 8));
            p.fillRect(card, kPlaceholder);
            p.setPen(Qt::lightGray);
            const QString type = m_entries[i].fileName.section(u'.', -1).toUpper();
            p.drawText(card, Qt::AlignCenter, type);
        } else {
            const QSize size = thumb->image.size();
            const QPoint at = picture.center() - QPoint(size.width() / 2, size.height() / 2) + QPoint(1, 1);
            p.drawImage(at, thumb->image);
        }
        p.setPen(Qt::white);
        const QRect nameRect(cell.left() + kPadding, picture.bottom() + kPadding, cell.width() - 2 * kPadding,
                             metrics.height());
        p.drawText(nameRect, Qt::AlignHCenter | Qt::AlignVCenter,
                   metrics.elidedText(m_entries[i].fileName, Qt::ElideMiddle, nameRect.width()));
    }
    // Evicted from the memory cache since: made again (from the disk cache).
    if (missing)
        requestThumbnails();
}

void AlbumStrip::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    layoutScrollBar();
    requestThumbnails();
}

void AlbumStrip::scrollContentsBy(int, int)
{
    setHovered(indexAt(viewport()->mapFromGlobal(QCursor::pos())));
    requestThumbnails();
    viewport()->update();
}

void AlbumStrip::choose(int index, bool report)
{
    if (index < 0 || index >= count())
        return;
    const bool changed = index != m_selected;
    m_selected = index;
    ensureVisible(index);
    viewport()->update();
    if (changed)
        emit selectionChanged(m_entries[index].fileName);
    if (report)
        emit selectFile(m_folder, m_entries[index].fileName);
}

void AlbumStrip::ensureVisible(int index)
{
    const QRect cell = cellRect(index);
    QScrollBar* bar = horizontalScrollBar();
    if (cell.left() < kEdge)
        bar->setValue(bar->value() + cell.left() - kEdge);
    else if (cell.right() > viewport()->width() - 1 - kEdge)
        bar->setValue(bar->value() + cell.right() - (viewport()->width() - 1 - kEdge));
}

void AlbumStrip::setHovered(int index)
{
    if (index == m_hovered)
        return;
    if (m_hovered >= 0)
        viewport()->update(cellRect(m_hovered));
    m_hovered = index;
    if (m_hovered >= 0)
        viewport()->update(cellRect(m_hovered));
}

void AlbumStrip::mousePressEvent(QMouseEvent* event)
{
    const int index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        choose(index, true);
    else if (event->button() == Qt::RightButton)
        // So that the menu's delete acts on the picture clicked, without opening it.
        choose(index, false);
    event->accept();
}

void AlbumStrip::mouseMoveEvent(QMouseEvent* event)
{
    setHovered(indexAt(event->position().toPoint()));
    event->accept();
}

void AlbumStrip::mouseReleaseEvent(QMouseEvent* event)
{
    // A press here was ours; so is its release.
    event->accept();
}

void AlbumStrip::leaveEvent(QEvent* event)
{
    setHovered(-1);
    QAbstractScrollArea::leaveEvent(event);
}

bool AlbumStrip::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        setHovered(-1);
    return QAbstractScrollArea::viewportEvent(event);
}

void AlbumStrip::wheelEvent(QWheelEvent* event)
{
    const QPoint angle = event->angleDelta();
    // A tilt wheel or a touchpad's sideways swipe scrolls the same way.
    m_wheelRest += angle.y() != 0 ? angle.y() : angle.x();
    const int steps = m_wheelRest / kWheelStep;
    m_wheelRest -= steps * kWheelStep;
    if (steps != 0)
        horizontalScrollBar()->setValue(scrollOffset() - steps * columnStride());
    event->accept();
}

void AlbumStrip::keyPressEvent(QKeyEvent* event)
{
    if (count() == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    // Moving through the strip selects; Enter (or Space) opens the picture,
    // so that walking past ten pictures does not open ten viewers.
    const int current = m_selected;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        choose(current < 0 ? 0 : qMax(0, current - 1), false);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        choose(current < 0 ? 0 : qMin(count() - 1, current + 1), false);
        break;
    case Qt::Key_Home:
        choose(0, false);
        break;
    case Qt::Key_End:
        choose(count() - 1, false);
        break;
    case Qt::Key_PageUp:
        choose(qMax(0, (current < 0 ? 0 : current) - kColumns), false);
        break;
    case Qt::Key_PageDown:
        choose(qMin(count() - 1, (current < 0 ? 0 : current) + kColumns), false);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (current >= 0)
            choose(current, true);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void AlbumStrip::contextMenuEvent(QContextMenuEvent* event)
{
    emit contextMenuRequested(event->globalPos());
    event->accept();
}

}  // namespace album
