#pragma once
// The state of one named control of a window: what the ui draws and what the
// handlers read and write (caption, colours, geometry, visibility, Tag ...).
// Controls belong to a ControlSet, which keeps them in definition order and
// tells its listener (the ui) which control changed.

#include <QFlags>
#include <QString>
#include <QVector>

#include <functional>

class ControlSet;

enum class Property : unsigned {
    Visible = 1u << 0,
    Caption = 1u << 1,
    Left = 1u << 2,
    Top = 1u << 3,
    Width = 1u << 4,
    Height = 1u << 5,
    Color = 1u << 6,
    FontColor = 1u << 7,
    OutlineColor = 1u << 8,
    Tag = 1u << 9,
    Enabled = 1u << 10,
    Interval = 1u << 11,
    Hint = 1u << 12,
    Checked = 1u << 13,
};
Q_DECLARE_FLAGS(Properties, Property)
Q_DECLARE_OPERATORS_FOR_FLAGS(Properties)

inline constexpr Properties kGeometry = Properties(Property::Left) | Property::Top | Property::Width | Property::Height;

// What kind of thing the control is, so the ui knows how to draw it.
enum class ControlKind {
    Panel,
    Label,
    Shape,
    Gradient,
    Picture,
    CutoutPanel,
    Button,
    ProgressBar,
    ScrollBox,
    Memo,
    ComboBox,
    Clock,
    Timer,
    Menu,
    MenuItem,
    GroupBar,
    Group,
    Thumbnails,
    Hidden,  // never shown (hidden buttons, media players, speech instances)
};

// How a control looks by design: fixed when the window is built, read by
// the ui. Colours are the toolkit's colour numbers (red in the low byte).
struct ControlLook {
    enum class Shape { Rectangle, RoundRect, Circle };
    enum class Align { Left, Center, Right };
    QString font;             // face as the window names it; the ui maps it to an installed one
    int fontPixels = 12;
    bool bold = false;
    bool underline = false;
    Align align = Align::Left;
    bool centerVertically = false;
    bool wordWrap = false;
    bool transparent = false;  // labels: no background of their own
    Shape shape = Shape::Rectangle;
    int penWidth = 1;
    bool noOutline = false;
    bool noFill = false;
    int endColor = 0;          // gradients: the colour at the far end
    bool horizontal = false;   // gradients: left to right instead of top to bottom
    bool raisedCaption = false;  // gradients: 3D lettering
    int shadowColor = 0;
    int captionLeft = 0;
    int captionTop = 0;
    bool sunken = false;       // bevelled panels
    bool handCursor = false;
    bool fadeOnHover = false;  // buttons: the face fades to the hover colours and back
    // Multi-column drop-down lists: width, background and text colour per column.
    QVector<int> columnWidths;
    QVector<int> columnColors;
    QVector<int> columnFontColors;
};

class Control {
public:
    Control(ControlSet& set, QString name, ControlKind kind, Properties properties, Control* parent = nullptr);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return m_name; }
    ControlKind kind() const { return m_kind; }
    Properties properties() const { return m_properties; }
    Control* parent() const { return m_parent; }
    ControlSet& set() const { return m_set; }

    ControlLook look;

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);
    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);
    void setBounds(int left, int top, int width, int height);
    int color() const { return m_color; }
    void setColor(int color);
    int fontColor() const { return m_fontColor; }
    void setFontColor(int color);
    int outlineColor() const { return m_outlineColor; }
    void setOutlineColor(int color);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }  // bookkeeping only: nothing to redraw
    bool enabled() const { return m_enabled; }
    virtual void setEnabled(bool enabled);
    const QString& hint() const { return m_hint; }
    void setHint(const QString& hint);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool show) { m_showHint = show; }
    bool checked() const { return m_checked; }
    void setChecked(bool checked);

    // Input the ui forwards: a click, a mouse button pressed on it.
    std::function<void()> onClick;
    std::function<void()> onMouseDown;

protected:
    void changed();

private:
    ControlSet& m_set;
    QString m_name;
    ControlKind m_kind;
    Properties m_properties;
    Control* m_parent;
    bool m_visible = true;
    QString m_caption;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    int m_color = 0;
    int m_fontColor = 0;
    int m_outlineColor = 0;
    int m_tag = 0;
    bool m_enabled = true;
    QString m_hint;
    bool m_showHint = false;
    bool m_checked = false;
};

// Told about every change of a control's state; the ui redraws from it.
class ControlListener {
public:
    virtual ~ControlListener() = default;
    virtual void controlChanged(Control& control) = 0;
    // Draw the control now, without returning to the event loop.
    virtual void repaintNow(Control& control) = 0;
};

class ControlSet {
public:
    explicit ControlSet(QString windowName) : m_windowName(std::move(windowName)) {}
    const QString& windowName() const { return m_windowName; }
    const QVector<Control*>& controls() const { return m_controls; }
    Control* find(const QString& name) const;

    void setListener(ControlListener* listener) { m_listener = listener; }
    ControlListener* listener() const { return m_listener; }
    // A second listener that only watches (measurements, tests), told after the ui.
    void setObserver(ControlListener* observer) { m_observer = observer; }
    void notifyChanged(Control& control);
    void repaintNow(Control& control);

private:
    friend class Control;
    QString m_windowName;
    QVector<Control*> m_controls;
    ControlListener* m_listener = nullptr;
    ControlListener* m_observer = nullptr;
};
