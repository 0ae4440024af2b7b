#pragma once
// An item of a pop-up menu: caption, check mark, enabled and visible state,
// and its click handler. A caption "-" is a separator.

#include "core/Control.h"


class MenuItemControl : public Control {
public:
    MenuItemControl(ControlSet& set, QString name, Control* menu, QString caption, bool checked = false)
        : Control(set, std::move(name), ControlKind::MenuItem,
                  Properties(Property::Visible) | Property::Caption | Property::Checked | Property::Enabled, menu)
    {
        setCaption(caption);
        setChecked(checked);
    }

    bool isSeparator() const { return caption() == u"-"; }
    // False for a command that never carries a check mark (the ui draws no box for it).
    bool checkable = true;
};
