#pragma once
// Views of the kinds that need more than painting: the scroll box of the
// scene, the timetable text views, the group bars, the drop-down list and
// the analog clock.

#include "ui/ControlView.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QScrollBar>

class ClockControl;
class ComboBoxControl;

// A box with a horizontal scroll bar 12 pixels high carrying one wide child.
class ScrollBoxView : public ControlView {
public:
    ScrollBoxView(Control& control, EventDispatch& dispatch, QWidget* parent);
    QWidget* childArea() override { return m_viewport; }
    void sync() override;
    // The carried child changed its size: the bar follows.
    void contentChanged();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void scrollTo(int value);
    QWidget* m_viewport;
    QScrollBar* m_bar;
    int m_wheelEighths = 0;  // wheel turn not yet scrolled, in eighths of a degree (120 a notch)
};

class MemoView : public ControlView {
public:
    MemoView(Control& control, EventDispatch& dispatch, QWidget* parent);
    void sync() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPlainTextEdit* m_edit;
};

// Groups side by side: a vertical header strip per group; the open group's
// content fills the rest.
class GroupBarView : public ControlView {
public:
    GroupBarView(Control& control, EventDispatch& dispatch, QWidget* parent);
    void sync() override;
    void addGroup(Control& group, ControlView* content);
    void layoutGroups();
    // A group's caption changed: a closed bar ("-") gives way to one in use.
    void groupsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kHeader = 18;
    QRect headerRect(int index) const;
    struct Group {
        Control* control;
        ControlView* content;
    };
    QVector<Group> m_groups;
    int m_open = 0;
};

class ComboView : public ControlView {
public:
    ComboView(ComboBoxControl& control, EventDispatch& dispatch, QWidget* parent);
    void sync() override;

private:
    ComboBoxControl& m_combo;
    QComboBox* m_box;
    bool m_updating = false;
};

class ClockView : public ControlView {
public:
    ClockView(ClockControl& clock, EventDispatch& dispatch, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ClockControl& m_clock;
};
