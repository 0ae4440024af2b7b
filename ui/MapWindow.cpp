#include "ui/MapWindow.h"

#include "core/EventDispatch.h"
#include "ui/ControlView.h"
#include "ui/ScrollBarLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

MapWindow::MapWindow(TMapForm1& form, EventDispatch& dispatch, QWidget* mainWindow)
    // A tool window without a parent: the main window may lie above it.
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_form(form)
    , m_dispatch(dispatch)
    , m_mainWindow(mainWindow)
    , m_scroll(new QScrollArea(this))
{
    setWindowTitle(TMapForm1::kCaption);
    // Closing the main window ends the program even while the map is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The hints show while the main window is the active one, as it is after
    // every pick.
    setAttribute(Qt::WA_AlwaysShowToolTips, true);
    resize(TMapForm1::kClientWidth, TMapForm1::kClientHeight);
    m_scroll->setGeometry(rect());

    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(false);
    QPalette white = m_scroll->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_scroll->setPalette(white);
    m_scroll->viewport()->setPalette(white);
    m_scroll->viewport()->setAutoFillBackground(true);
    styleSceneScrollBar(m_scroll->horizontalScrollBar());
    // The scene's look is for a horizontal bar: stood upright it keeps the
    // thickness across and gives up the fixed height.
    QScrollBar* vertical = m_scroll->verticalScrollBar();
    styleSceneScrollBar(vertical);
    vertical->setMinimumHeight(0);
    vertical->setMaximumHeight(QWIDGETSIZE_MAX);
    vertical->setFixedWidth(12);

    auto* picture = new QLabel;
    picture->setPixmap(QPixmap(QStringLiteral(":/map/route_map.png")));
    picture->setGeometry(form.Image1.left(), form.Image1.top(), form.Image1.width(), form.Image1.height());
    picture->installEventFilter(this);
    m_picture = picture;
    // The markers in the core's order: each later one lies above the earlier.
    for (const auto& marker : form.markers()) {
        auto* view = new ControlView(*marker, dispatch, picture);
        view->raise();
    }
    m_scroll->setWidget(picture);

    auto report = [this] {
        if (m_restoring)
            return;
        m_form.scrolled(m_scroll->horizontalScrollBar()->value(), m_scroll->verticalScrollBar()->value());
    };
    connect(m_scroll->horizontalScrollBar(), &QScrollBar::valueChanged, this, report);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, report);
    form.presenter = this;
}

MapWindow::~MapWindow()
{
    m_form.presenter = nullptr;
}

void MapWindow::bringToFront(const QString& window)
{
    if (window == m_form.controls.windowName()) {
        raiseWindow(this);
    } else if (m_mainWindow) {
        raiseWindow(m_mainWindow);
    }
}

void MapWindow::repaintNow(const QString& window)
{
    QWidget* target = window == m_form.controls.windowName() ? this : m_mainWindow;
    if (target)
        target->repaint();
}

void MapWindow::raiseWindow(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void MapWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_firstShow) {
        m_firstShow = false;
        if (!m_form.placed) {
            if (QScreen* screen = QApplication::primaryScreen()) {
                const QSize outer(TMapForm1::kOuterWidth, TMapForm1::kOuterHeight);
                move(screen->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
            }
        }
        // The scroll ranges settle once the scroll box is laid out; until
        // then the bars' moves are not the user's.
        m_restoring = true;
        QTimer::singleShot(0, this, [this] {
            m_scroll->horizontalScrollBar()->setValue(m_form.scrollLeft);
            m_scroll->verticalScrollBar()->setValue(m_form.scrollTop);
            m_restoring = false;
            m_form.scrolled(m_scroll->horizontalScrollBar()->value(), m_scroll->verticalScrollBar()->value());
        });
    }
    m_form.visible = true;
}

void MapWindow::closeEvent(QCloseEvent* event)
{
    // Hidden, not destroyed: shown again it is where and as it was.
    m_dispatch.deliver([this] { m_form.FormClose(); });
    event->accept();
}

void MapWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    reportGeometry();
}

void MapWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_scroll->setGeometry(rect());
    reportGeometry();
}

void MapWindow::reportGeometry()
{
    if (m_firstShow)
        return;  // not on the desktop yet
    const QRect outer = frameGeometry();
    m_form.moved(outer.x(), outer.y(), outer.width(), outer.height());
}

bool MapWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Dragging the picture scrolls it, beside the scroll bars.
    if (watched == m_picture) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            // A marker's press passed on to the picture is not a drag.
            if (mouse->button() == Qt::LeftButton && !m_picture->childAt(mouse->position().toPoint())) {
                m_dragging = true;
                m_dragFrom = mouse->globalPosition().toPoint();
                m_scrollFrom = {m_scroll->horizontalScrollBar()->value(), m_scroll->verticalScrollBar()->value()};
                m_picture->setCursor(Qt::ClosedHandCursor);
                return true;
            }
            break;
        }
        case QEvent::MouseMove:
            if (m_dragging) {
                const QPoint moved = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_dragFrom;
                m_scroll->horizontalScrollBar()->setValue(m_scrollFrom.x() - moved.x());
                m_scroll->verticalScrollBar()->setValue(m_scrollFrom.y() - moved.y());
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (m_dragging) {
                m_dragging = false;
                m_picture->unsetCursor();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
