#pragma once
// The route map window: the map picture in a white scroll box with the
// invisible markers above it. Draws TMapForm1's state and reports back what
// the user does to the window; the markers forward their presses.

#include "forms/MapForm1.h"

#include <QPoint>
#include <QWidget>

class EventDispatch;
class QScrollArea;

class MapWindow : public QWidget, public WindowPresenter {
public:
    // mainWindow: the window the markers bring to the front.
    MapWindow(TMapForm1& form, EventDispatch& dispatch, QWidget* mainWindow);
    ~MapWindow() override;

    void bringToFront(const QString& window) override;
    void repaintNow(const QString& window) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reportGeometry();
    void raiseWindow(QWidget* window);

    TMapForm1& m_form;
    EventDispatch& m_dispatch;
    QWidget* m_mainWindow;
    QScrollArea* m_scroll;
    QWidget* m_picture;
    bool m_firstShow = true;
    bool m_restoring = false;  // the first view is being set up
    bool m_dragging = false;
    QPoint m_dragFrom;
    QPoint m_scrollFrom;
};
