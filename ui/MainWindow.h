#pragma once
// The main window: draws the main window's controls from the core's state
// and forwards input to the core's handlers.

#include "core/Control.h"
#include "hosts/real/QtHost.h"

#include <QHash>
#include <QWidget>

class ControlView;
class Program;
class ScrollBoxView;
class QMenu;
struct DirectoryMenuItem;

class MainWindow : public QWidget, public MenuPresenter, private ControlListener {
public:
    explicit MainWindow(Program& program);
    ~MainWindow() override;

    void popUpMenu(const QString& menu, const QPoint& at) override;
    void showModalForm(const QString& form) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void controlChanged(Control& control) override;
    void repaintNow(Control& control) override;
    void buildViews();
    ControlView* createView(Control& control, QWidget* parent);
    void deliver(const std::function<void()>& handler);
    void addDirectoryItem(QMenu& menu, const DirectoryMenuItem& item);
    void addMenuItems(QMenu& menu, const Control& parent);

    Program& m_program;
    QHash<const Control*, ControlView*> m_views;
    bool m_shown = false;
};
