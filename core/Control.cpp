#include "core/Control.h"

Control::Control(ControlSet& set, QString name, ControlKind kind, Properties properties, Control* parent)
    : m_set(set)
    , m_name(std::move(name))
    , m_kind(kind)
    , m_properties(properties)
    , m_parent(parent)
{
    set.m_controls.append(this);
}

void Control::changed()
{
    m_set.notifyChanged(*this);
}

void Control::setVisible(bool visible)
{
    if (m_visible != visible) {
        m_visible = visible;
        changed();
    }
}

void Control::setCaption(const QString& caption)
{
    if (m_caption != caption) {
        m_caption = caption;
        changed();
    }
}

void Control::setLeft(int left)
{
    if (m_left != left) {
        m_left = left;
        changed();
    }
}

void Control::setTop(int top)
{
    if (m_top != top) {
        m_top = top;
        changed();
    }
}

void Control::setWidth(int width)
{
    if (m_width != width) {
        m_width = width;
        changed();
    }
}

void Control::setHeight(int height)
{
    if (m_height != height) {
        m_height = height;
        changed();
    }
}

void Control::setBounds(int left, int top, int width, int height)
{
    if (m_left != left || m_top != top || m_width != width || m_height != height) {
        m_left = left;
        m_top = top;
        m_width = width;
        m_height = height;
        changed();
    }
}

void Control::setColor(int color)
{
    if (m_color != color) {
        m_color = color;
        changed();
    }
}

void Control::setFontColor(int color)
{
    if (m_fontColor != color) {
        m_fontColor = color;
        changed();
    }
}

void Control::setOutlineColor(int color)
{
    if (m_outlineColor != color) {
        m_outlineColor = color;
        changed();
    }
}

void Control::setEnabled(bool enabled)
{
    if (m_enabled != enabled) {
        m_enabled = enabled;
        changed();
    }
}

void Control::setHint(const QString& hint)
{
    if (m_hint != hint) {
        m_hint = hint;
        changed();
    }
}

void Control::setChecked(bool checked)
{
    if (m_checked != checked) {
        m_checked = checked;
        changed();
    }
}

Control* ControlSet::find(const QString& name) const
{
    for (Control* control : m_controls) {
        if (control->name() == name)
            return control;
    }
    return nullptr;
}

void ControlSet::notifyChanged(Control& control)
{
    if (m_listener)
        m_listener->controlChanged(control);
    if (m_observer)
        m_observer->controlChanged(control);
}

void ControlSet::repaintNow(Control& control)
{
    if (m_listener)
        m_listener->repaintNow(control);
    if (m_observer)
        m_observer->repaintNow(control);
}
