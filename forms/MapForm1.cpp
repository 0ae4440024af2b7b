#include "forms/MapForm1.h"

#include "data/MapMarkers.h"

TMapForm1::TMapForm1(Forms& forms)
    : m_forms(forms)
{
    ScrollBox1.setBounds(0, 0, kClientWidth, kClientHeight);
    ScrollBox1.setColor(0xFFFFFF);
    Image1.setBounds(0, 0, kMapPictureWidth, kMapPictureHeight);

    // Created lowest first, so that each lies above those before it.
    const Properties markerProps = Properties(Property::Visible) | kGeometry | Property::Hint;
    for (const MapMarker* m : mapMarkersBottomToTop()) {
        auto control = std::make_unique<Control>(controls, QString::fromLatin1(m->name), ControlKind::Shape,
                                                 markerProps, &Image1);
        control->setBounds(m->left, m->top, kMapMarkerSize, kMapMarkerSize);
        control->setHint(QString::fromUtf8(mapMarkerHint(*m)));
        control->setShowHint(true);
        control->look.noFill = true;
        control->look.noOutline = true;
        control->look.handCursor = true;
        Control* self = control.get();
        control->onMouseDown = [this, self] { markerMouseDown(*self); };
        m_markers.push_back(std::move(control));
    }
}

TMapForm1::~TMapForm1() = default;

Control* TMapForm1::marker(const QString& name) const
{
    for (const auto& m : m_markers)
        if (m->name() == name)
            return m.get();
    return nullptr;
}

Control* TMapForm1::markerAt(int x, int y) const
{
    for (auto it = m_markers.rbegin(); it != m_markers.rend(); ++it) {
        const Control& m = **it;
        if (m.visible() && x >= m.left() && x < m.left() + m.width() && y >= m.top() && y < m.top() + m.height())
            return it->get();
    }
    return nullptr;
}

void TMapForm1::Show()
{
    visible = true;
    if (presenter)
        presenter->bringToFront(controls.windowName());
}

void TMapForm1::FormClose()
{
    visible = false;
}

void TMapForm1::moved(int newLeft, int newTop, int newWidth, int newHeight)
{
    placed = true;
    left = newLeft;
    top = newTop;
    width = newWidth;
    height = newHeight;
}

void TMapForm1::scrolled(int newLeft, int newTop)
{
    scrollLeft = newLeft;
    scrollTop = newTop;
}
