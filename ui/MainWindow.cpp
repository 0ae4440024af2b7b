#include "ui/MainWindow.h"

#include "core/Host.h"
#include "forms/Program.h"
#include "ui/ControlView.h"
#include "ui/WidgetViews.h"
#include "ui/AlbumView.h"
#include "ui/InfoWindow.h"
#include "forms/InfoForm1.h"

#include <algorithm>

#include "core/MenuItemControl.h"
#include "ui/Fonts.h"
#include "navigation/DirectoryMenu.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

MainWindow::MainWindow(Program& program)
    // Without the customise hint Qt adds the maximise box back to a plain window.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_program(program)
{
    setWindowTitle(QStringLiteral("QUOREL NETWORK - REALTIME SIMULATOR"));
    setFixedSize(986, 357);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    buildViews();
    program.MainForm1->controls.setListener(this);
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow()
{
    m_program.MainForm1->controls.setListener(nullptr);
}

ControlView* MainWindow::createView(Control& control, QWidget* parent)
{
    EventDispatch& dispatch = m_program.MainForm1->host().dispatch();
    switch (control.kind()) {
    case ControlKind::Timer:
    case ControlKind::Menu:
    case ControlKind::MenuItem:
    case ControlKind::Hidden:
        return nullptr;
    case ControlKind::ScrollBox:
        return new ScrollBoxView(control, dispatch, parent);
    case ControlKind::Memo:
        return new MemoView(control, dispatch, parent);
    case ControlKind::GroupBar:
        return new GroupBarView(control, dispatch, parent);
    case ControlKind::ComboBox:
        return new ComboView(static_cast<ComboBoxControl&>(control), dispatch, parent);
    case ControlKind::Clock:
        return new ClockView(static_cast<ClockControl&>(control), dispatch, parent);
    case ControlKind::Thumbnails:
        return new AlbumView(static_cast<ThumbnailsControl&>(control), *m_program.MainForm1, parent);
    default:
        return new ControlView(control, dispatch, parent);
    }
}

void MainWindow::buildViews()
{
    // Controls come parent first, each later sibling above the earlier ones.
    for (Control* control : m_program.MainForm1->controls.controls()) {
        ControlView* parentView = control->parent() ? m_views.value(control->parent()) : nullptr;
        if (control->parent() && !parentView)
            continue;  // inside something that is not drawn
        QWidget* parent = parentView ? parentView->childArea() : this;
        if (control->kind() == ControlKind::Group) {
            auto* bar = dynamic_cast<GroupBarView*>(parentView);
            auto* view = new ControlView(*control, m_program.MainForm1->host().dispatch(), parent);
            m_views.insert(control, view);
            if (bar)
                bar->addGroup(*control, view);
            continue;
        }
        ControlView* view = createView(*control, parent);
        if (!view)
            continue;
        m_views.insert(control, view);
        view->raise();
    }
    for (ControlView* view : std::as_const(m_views)) {
        if (auto* bar = dynamic_cast<GroupBarView*>(view))
            bar->layoutGroups();
    }
}

void MainWindow::controlChanged(Control& control)
{
    ControlView* view = m_views.value(&control);
    if (!view)
        return;
    view->sync();
    if (control.parent()) {
        ControlView* parent = m_views.value(control.parent());
        if (auto* box = dynamic_cast<ScrollBoxView*>(parent))
            box->contentChanged();
        else if (auto* bar = dynamic_cast<GroupBarView*>(parent); bar && control.kind() == ControlKind::Group)
            bar->groupsChanged();  // the bar draws the group's caption
    }
}

void MainWindow::repaintNow(Control& control)
{
    if (ControlView* view = m_views.value(&control))
        view->repaint();
}

void MainWindow::deliver(const std::function<void()>& handler)
{
    m_program.MainForm1->host().dispatch().deliver(handler);
}

void MainWindow::addDirectoryItem(QMenu& menu, const DirectoryMenuItem& item)
{
    switch (item.kind) {
    case DirectoryMenuItem::Kind::Separator:
        menu.addSeparator();
        break;
    case DirectoryMenuItem::Kind::SubMenu: {
        QMenu* sub = menu.addMenu(item.caption);
        for (const DirectoryMenuItem& child : item.items)
            addDirectoryItem(*sub, child);
        break;
    }
    case DirectoryMenuItem::Kind::Pick:
        if (const DirectoryEntry* pick = item.entry) {
            menu.addAction(item.caption, this,
                           [this, pick] { deliver([this, pick] { m_program.MainForm1->stationPick(*pick); }); });
        } else {
            // The item without a station: the route map.
            menu.addAction(item.caption, this, [this] { deliver([this] { m_program.MainForm1->SN_00Click(); }); });
        }
        break;
    }
}

void MainWindow::popUpMenu(const QString& name, const QPoint& at)
{
    TMainForm1& main = *m_program.MainForm1;
    QMenu menu(this);
    menu.setFont(windowFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    if (name == main.PopupMenu1.name()) {
        // The station directory, as navigation builds it.
        for (const DirectoryMenuItem& item : directoryMenu())
            addDirectoryItem(menu, item);
    } else if (Control* parent = main.controls.find(name)) {
        addMenuItems(menu, *parent);
    }
    menu.exec(at);
}

void MainWindow::addMenuItems(QMenu& menu, const Control& parent)
{
    // The items of a menu in order; an item that has items of its own is a sub-menu.
    TMainForm1& main = *m_program.MainForm1;
    for (Control* control : main.controls.controls()) {
        auto* item = dynamic_cast<MenuItemControl*>(control);
        if (!item || item->parent() != &parent)
            continue;
        if (item->isSeparator()) {
            menu.addSeparator();
            continue;
        }
        const bool hasItems = std::any_of(main.controls.controls().begin(), main.controls.controls().end(),
                                          [item](const Control* c) { return c->parent() == item; });
        if (hasItems) {
            QMenu* sub = menu.addMenu(item->caption());
            sub->setEnabled(item->enabled());
            addMenuItems(*sub, *item);
            continue;
        }
        QAction* action = menu.addAction(item->caption());
        action->setCheckable(item->checkable);
        action->setChecked(item->checked());
        action->setEnabled(item->enabled());
        connect(action, &QAction::triggered, this, [this, item] {
            if (item->onClick)
                deliver(item->onClick);
        });
    }
}

void MainWindow::showModalForm(const QString& form)
{
    TInfoForm1* info = m_program.InfoForm1.get();
    if (!info || form != info->controls.windowName())
        return;
    auto* window = new InfoWindow(*info, m_program.MainForm1->host().dispatch(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // The window is on the screen first, then it runs its first station move.
    QTimer::singleShot(0, this, [this] { m_program.show(); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_program.close();
    event->accept();
}
