#pragma once
// The widget that draws one control of the core from its state. One class
// serves every plain kind (panels, labels, shapes, gradients, pictures,
// cut-out panels, progress bars, buttons); the kinds that need a real Qt
// widget (scroll box, text views, group bars, drop-down lists, the clock)
// have their own views.

#include "core/Control.h"

#include <QColor>
#include <QImage>
#include <QWidget>

class EventDispatch;

QColor toQColor(int colorNumber);

class ControlView : public QWidget {
public:
    ControlView(Control& control, EventDispatch& dispatch, QWidget* parent);

    Control& control() const { return m_control; }
    // Takes over the control's geometry, visibility and hint; schedules a repaint.
    virtual void sync();
    // The widget that carries the views of the control's children.
    virtual QWidget* childArea() { return this; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

    EventDispatch& m_dispatch;

private:
    void paintPanel(QPainter& p);
    void paintGradient(QPainter& p);
    void paintShape(QPainter& p);
    void paintLabel(QPainter& p);
    void paintPicture(QPainter& p);
    void paintProgress(QPainter& p);
    void paintButton(QPainter& p);
    const QImage& keyedPicture();

    Control& m_control;
    QImage m_keyed;  // the cut-out panel's picture with its transparent colour removed
    quint64 m_keyedSerial = ~quint64(0);
    QImage m_cache;  // a gradient drawn once
    QString m_cacheKey;
    bool m_pressed = false;
    QRect m_textArea;  // labels: where the text's ink may go

public:
    // The bottom bar's fade: the level runs 0..kFadeTop in steps of 2, one
    // step every 20 ms, up while the mouse is over the button, down after.
    static constexpr int kFadeTop = 32;
    static constexpr int kFadeStep = 2;
    static constexpr int kFadeInterval = 20;
    int fadeLevel() const { return m_fade; }

private:
    void fadeTick();
    class QTimer* m_fadeTimer = nullptr;
    int m_fade = 0;
    bool m_fadeUp = false;
};
