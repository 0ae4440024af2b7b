#include "ui/InfoWindow.h"

#include "core/EventDispatch.h"
#include "forms/InfoForm1.h"
#include "ui/ControlView.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>

InfoWindow::InfoWindow(TInfoForm1& form, EventDispatch& dispatch, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_form(form)
{
    setObjectName(QStringLiteral("InfoForm1"));
    setWindowTitle(form.caption);
    setFixedSize(TInfoForm1::kClientWidth, TInfoForm1::kClientHeight);
    for (Control* control : form.controls.controls()) {
        QWidget* parentWidget = control->parent() ? static_cast<QWidget*>(m_views.value(control->parent())) : this;
        if (!parentWidget)
            continue;
        if (control == &form.SpeedButton2) {
            // A real push button: it carries the caption's accelerator (Alt+X).
            auto* close = new QPushButton(control->caption(), parentWidget);
            close->setObjectName(control->name());
            close->setGeometry(control->left(), control->top(), control->width(), control->height());
            close->setFont(windowFont(control->look.font, control->look.fontPixels));
            close->setToolTip(control->hint());
            close->setCursor(Qt::PointingHandCursor);
            connect(close, &QPushButton::clicked, this, [&dispatch, &form] { dispatch.deliver([&form] { form.SpeedButton2Click(); }); });
            continue;
        }
        auto* view = new ControlView(*control, dispatch, parentWidget);
        m_views.insert(control, view);
        view->raise();
    }
    form.controls.setListener(this);
    form.onClose = [this] { accept(); };
    connect(this, &QDialog::finished, this, [&dispatch, &form] { dispatch.deliver([&form] { form.FormClose(); }); });
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

InfoWindow::~InfoWindow()
{
    m_form.onClose = nullptr;
    m_form.controls.setListener(nullptr);
}

void InfoWindow::controlChanged(Control& control)
{
    if (ControlView* view = m_views.value(&control))
        view->sync();
}

void InfoWindow::repaintNow(Control& control)
{
    if (ControlView* view = m_views.value(&control))
        view->repaint();
}
