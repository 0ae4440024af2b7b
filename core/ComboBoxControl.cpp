#include "core/ComboBoxControl.h"

ComboBoxControl::ComboBoxControl(ControlSet& set, QString name, Control* parent)
    : Control(set, std::move(name), ControlKind::ComboBox,
              Properties(Property::Visible) | Property::Caption | kGeometry | Property::Enabled | Property::Hint | Property::Color |
                  Property::FontColor,
              parent)
{
}

void ComboBoxControl::clearItems()
{
    m_items.clear();
    m_itemIndex = -1;
    changed();
}

void ComboBoxControl::addItem(const QString& item)
{
    m_items.append(item);
    changed();
}

void ComboBoxControl::setItemIndex(int index)
{
    m_itemIndex = (index >= 0 && index < m_items.size()) ? index : -1;
    if (m_itemIndex >= 0)
        setCaption(m_items[m_itemIndex]);
    changed();
}
