#pragma once
// A drop-down list with an editable text field: items, a selection index
// (-1 for none) and the displayed text.

#include "core/Control.h"

#include <QStringList>

class ComboBoxControl : public Control {
public:
    ComboBoxControl(ControlSet& set, QString name, Control* parent = nullptr);

    const QStringList& items() const { return m_items; }
    void clearItems();
    void addItem(const QString& item);
    int itemIndex() const { return m_itemIndex; }
    // An index outside the list leaves no selection.
    void setItemIndex(int index);
    // The text field; selecting an item shows its text.
    const QString& text() const { return caption(); }
    void setText(const QString& text) { setCaption(text); }

private:
    QStringList m_items;
    int m_itemIndex = -1;
};
