#pragma once
// The route map window: a picture of the whole network with a clickable
// marker on the stations. Created at start-up, visible from the start.
//
// The window's own state is its place, size, visibility and scroll position;
// the ui keeps them here as the user changes them and follows them back.

#include "core/Control.h"

#include <memory>
#include <vector>

struct Forms;

// What the route map asks of the screen: a window shown and raised, a window
// drawn at once. The ui implements it; tests record it.
class WindowPresenter {
public:
    virtual ~WindowPresenter() = default;
    virtual void bringToFront(const QString& window) = 0;
    virtual void repaintNow(const QString& window) = 0;
};

class TMapForm1 {
public:
    explicit TMapForm1(Forms& forms);
    ~TMapForm1();

    ControlSet controls{QStringLiteral("MapForm1")};
    // The white scroll box filling the client area and the picture it carries.
    Control ScrollBox1{controls, QStringLiteral("ScrollBox1"), ControlKind::ScrollBox,
                       Properties(Property::Visible) | kGeometry | Property::Color};
    Control Image1{controls, QStringLiteral("Image1"), ControlKind::Picture,
                   Properties(Property::Visible) | kGeometry, &ScrollBox1};
    // The markers SN_..., children of the picture, lowest first: where two
    // overlap, the later one receives the press.
    const std::vector<std::unique_ptr<Control>>& markers() const { return m_markers; }
    Control* marker(const QString& name) const;
    // The marker a press at a picture point reaches: the uppermost containing it.
    Control* markerAt(int x, int y) const;

    // ---- the window ----
    static inline const QString kCaption = QStringLiteral("◆ DUVIV OVEVER MAP");
    static constexpr int kOuterWidth = 800;
    static constexpr int kOuterHeight = 602;
    static constexpr int kClientWidth = 792;
    static constexpr int kClientHeight = 568;
    static constexpr int kFirstScrollLeft = 183;
    static constexpr int kFirstScrollTop = 229;

    bool visible = true;  // defined visible: shown as soon as it is created
    bool placed = false;  // false: centred on the desktop when first shown
    int left = 0;         // outer frame on the desktop, once placed
    int top = 0;
    int width = kOuterWidth;
    int height = kOuterHeight;
    int scrollLeft = kFirstScrollLeft;  // the picture point at the client area's top-left corner
    int scrollTop = kFirstScrollTop;

    WindowPresenter* presenter = nullptr;

    // Shows the window without making it modal and raises it; when it is
    // shown already it only comes to the front.
    void Show();
    // The close box hides the window; it keeps its place, size and scroll position.
    void FormClose();
    // The ui reports what the user did to the window.
    void moved(int left, int top, int width, int height);
    void scrolled(int left, int top);

    // navigation/RouteMap.cpp: a mouse button pressed on a marker, the
    // handlers SN_G01MouseDown .. SN_E38MouseDown, all alike.
    void markerMouseDown(const Control& marker);

private:
    Forms& m_forms;
    std::vector<std::unique_ptr<Control>> m_markers;
};
