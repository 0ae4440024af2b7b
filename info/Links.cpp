// The bottom bar's links to what lies outside the program, and the
// information window's.

#include "core/Host.h"
#include "forms/InfoForm1.h"
#include "forms/MainForm1.h"
#include "forms/ProductInfo.h"

void TMainForm1::FadeButton4Click()
{
    // The user guide beside the program; a missing file opens nothing.
    m_host.shell().open(programFolder + QStringLiteral("/Readme.txt"));
}

void TMainForm1::FadeButton5Click()
{
    m_host.shell().open(product::kProductUrl);
}

void TMainForm1::FadeButton0Click()
{
    TInfoForm1* info = m_forms.InfoForm1;
    if (!info || info->showing)
        return;
    info->showing = true;
    m_host.dialogs().showModal(info->controls.windowName());
}

void TInfoForm1::SpeedButton1Click()
{
    m_host.shell().open(product::kSiteUrl);
}

void TInfoForm1::SpeedButton2Click()
{
    FormClose();
    if (onClose)
        onClose();  // the ui's window goes
}

void TInfoForm1::FormClose()
{
    showing = false;
}

void TInfoForm1::SpeedButton3Click()
{
    m_host.shell().open(QStringLiteral("MailTo:") + product::kSupportMail);
}
