#pragma once
// The information window: draws InfoForm1's controls in a small tool
// window and forwards the clicks to its handlers.

#include "core/Control.h"

#include <QDialog>
#include <QHash>

class EventDispatch;
class TInfoForm1;
class ControlView;

class InfoWindow : public QDialog, private ControlListener {
public:
    InfoWindow(TInfoForm1& form, EventDispatch& dispatch, QWidget* parent);
    ~InfoWindow() override;

private:
    void controlChanged(Control& control) override;
    void repaintNow(Control& control) override;

    TInfoForm1& m_form;
    QHash<const Control*, ControlView*> m_views;
};
