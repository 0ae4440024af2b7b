#pragma once
// The information window: the product's credits and links, shown modally
// from the bottom bar.

#include "core/Control.h"
#include "core/PictureControl.h"

#include <QImage>
#include <functional>

class Host;

class TInfoForm1 {
public:
    explicit TInfoForm1(Host& host);

    ControlSet controls{QStringLiteral("InfoForm1")};
    QString caption;  // the window's title

    Control Panel1{controls, QStringLiteral("Panel1"), ControlKind::Panel, kInfoPanelProps};
    PictureControl Image1{controls, QStringLiteral("Image1"), ControlKind::Picture, &Panel1};
    Control Label1{controls, QStringLiteral("Label1"), ControlKind::Label, kInfoLabelProps, &Panel1};
    Control Label3{controls, QStringLiteral("Label3"), ControlKind::Label, kInfoLabelProps, &Panel1};
    Control SpeedButton3{controls, QStringLiteral("SpeedButton3"), ControlKind::Button, kInfoButtonProps, &Panel1};
    Control Label2{controls, QStringLiteral("Label2"), ControlKind::Label, kInfoLabelProps, &Panel1};
    Control SpeedButton1{controls, QStringLiteral("SpeedButton1"), ControlKind::Button, kInfoButtonProps, &Panel1};
    Control SpeedButton2{controls, QStringLiteral("SpeedButton2"), ControlKind::Button, kInfoButtonProps, &Panel1};

    // info/Links.cpp
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void FormClose();  // the window is closed, by SpeedButton2 or its frame

    // Shown modally: true from FadeButton0 until the window closes.
    bool showing = false;
    std::function<void()> onClose;  // the ui's window closes itself

    static constexpr int kClientWidth = 248;
    static constexpr int kClientHeight = 128;

private:
    static constexpr Properties kInfoPanelProps = Properties(Property::Visible) | kGeometry | Property::Color;
    static constexpr Properties kInfoLabelProps =
        Properties(Property::Visible) | Property::Caption | kGeometry | Property::FontColor;
    static constexpr Properties kInfoButtonProps =
        Properties(Property::Visible) | Property::Caption | kGeometry | Property::Hint;

    Host& m_host;
};
