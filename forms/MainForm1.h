#pragma once
// The main window's state and handlers: every named control of the window
// with its caption, colours, geometry, visibility and Tag, the few flags and
// counters of the real-time operation, and the event handlers. The ui draws
// this state and forwards input here; it decides nothing.

#include "core/ClockControl.h"
#include "core/ComboBoxControl.h"
#include "core/Control.h"
#include "core/Host.h"
#include "core/IniFile.h"
#include "core/MediaPlayerControl.h"
#include "core/MenuItemControl.h"
#include "core/PictureControl.h"
#include "core/TimerControl.h"
#include "forms/SceneConstants.h"

#include <QImage>
#include <QStringList>
#include <QVector>
#include <array>
#include <memory>


class TDataForm1;
class TMapForm1;
class TInfoForm1;
class TVoiceForm1;
class TMainForm1;
namespace album { class Album; }

// A thumbnail view: the folder it shows, its files in the order shown and
// the selected one (empty: none). The album fills it; the ui draws it.
class ThumbnailsControl : public Control {
public:
    using Control::Control;
    QString folder() const { return m_folder; }
    const QStringList& files() const { return m_files; }
    QString selected() const { return m_selected; }
    void show(const QString& folder, const QStringList& files, const QString& selected)
    {
        m_folder = folder;
        m_files = files;
        m_selected = selected;
        ++m_serial;
        changed();
    }
    quint64 serial() const { return m_serial; }  // counts the changes, so a view sees a reload

private:
    QString m_folder;
    QStringList m_files;
    QString m_selected;
    quint64 m_serial = 0;
};

// The program's windows, as the handlers reach them.
struct Forms {
    TMainForm1* MainForm1 = nullptr;
    TDataForm1* DataForm1 = nullptr;
    TMapForm1* MapForm1 = nullptr;
    TInfoForm1* InfoForm1 = nullptr;
};

// A progress bar: range, position and step.
class ProgressBarControl : public Control {
public:
    using Control::Control;
    int minimum = 0;
    int maximum = 100;
    int step = 1;
    int position() const { return m_position; }
    void setPosition(int position);
    void stepIt() { setPosition(m_position + step); }

private:
    int m_position = 0;
};

// A multi-line text view bound to a column of the station row.
class MemoControl : public Control {
public:
    using Control::Control;
    QString field;  // the column shown
};

// Property sets of the control kinds, as the probe reports them.
inline constexpr Properties kPanelProps = Properties(Property::Visible) | kGeometry | Property::Color;
inline constexpr Properties kGradientProps = kPanelProps | Property::Caption;
inline constexpr Properties kShapeProps = kPanelProps | Property::OutlineColor | Property::Hint;
inline constexpr Properties kLabelProps =
    Properties(Property::Visible) | Property::Caption | kGeometry | Property::FontColor | Property::Hint;
inline constexpr Properties kButtonProps =
    Properties(Property::Visible) | Property::Caption | kGeometry | Property::Hint | Property::Enabled;
inline constexpr Properties kGroupProps = Properties(Property::Visible) | Property::Caption;
inline constexpr Properties kHiddenProps = Properties(Property::Visible) | Property::Caption;

// The controls of one slot, 1..4: the slot table's record. The door strip,
// its timer, frames and step exist on slots 2 and 4 only.
struct SlotControls {
    PictureControl& train;
    TimerControl& timer;
    Control& rail;
    Control& panel;                        // line panel InfoN
    std::array<Control*, 4> panelItems;    // InfoN_01..InfoN_04
    Control& board;                        // departure board
    std::array<Control*, 2> boardLines;    // line 1: InfoN_3, line 2: InfoN_4
    Control& boardClock;
    Control& timetableGroup;
    MediaPlayerControl& soundPlayer;
    MediaPlayerControl& doorSoundPlayer;
    PictureControl* doorStrip;
    TimerControl* doorTimer;
    std::array<QImage, 11>* doorFrames;
    int* doorStep;
};

class TMainForm1 {
    // First, so that the controls below can reach the scheduler and devices.
    Host& m_host;
    Forms& m_forms;

public:
    TMainForm1(Host& host, Forms& forms, QString programFolder);
    ~TMainForm1();

    Host& host() { return m_host; }
    TDataForm1& data() { return *m_forms.DataForm1; }
    Forms& forms() { return m_forms; }

    // ---- state of the window ----
    QString programFolder;   // folder of the program file, no trailing separator
    QString currentLine;     // ROSEN_J of the station shown
    QString currentStation;  // EKI_J of the station shown
    std::array<int, 2> doorStep{0, 0};            // door animation steps of slots 2 and 4
    std::array<bool, 4> directionFlag{};          // true: the slot's trains run left to right
    std::array<bool, 4> stopFlag{true, true, true, true};  // false: the slot's next train passes
    QString lineText;  // the station move's timetable line under construction
    SettingsLocation settings;
    QString albumFolder;  // the photo album's folder of the station shown

    ControlSet controls{QStringLiteral("MainForm1")};

    // ---- controls, each parent before its children, the first child farthest back ----
    // picture area
    Control Panel01{controls, QStringLiteral("Panel01"), ControlKind::Panel, kPanelProps};
    Control GradBox6{controls, QStringLiteral("GradBox6"), ControlKind::Gradient, kGradientProps, &Panel01};

    // scene panel: the loading panel behind the scroll box that carries the scene
    Control Panel00{controls, QStringLiteral("Panel00"), ControlKind::Panel, kPanelProps | Property::Caption, &Panel01};
    Control GradBox5{controls, QStringLiteral("GradBox5"), ControlKind::Gradient, kGradientProps, &Panel00};
    Control GradBox7{controls, QStringLiteral("GradBox7"), ControlKind::Gradient, kGradientProps, &Panel00};
    ProgressBarControl ProgressBar1{controls, QStringLiteral("ProgressBar1"), ControlKind::ProgressBar, kPanelProps, &Panel00};
    Control ScrollBox1{controls, QStringLiteral("ScrollBox1"), ControlKind::ScrollBox, kPanelProps, &Panel00};
    Control Panel03{controls, QStringLiteral("Panel03"), ControlKind::Panel, kPanelProps, &ScrollBox1};
    Control GradBox1{controls, QStringLiteral("GradBox1"), ControlKind::Gradient, kGradientProps, &Panel03};
    Control GradBox2{controls, QStringLiteral("GradBox2"), ControlKind::Gradient, kGradientProps, &Panel03};
    Control Rail01{controls, QStringLiteral("Rail01"), ControlKind::Shape, kShapeProps, &Panel03};
    Control Rail02{controls, QStringLiteral("Rail02"), ControlKind::Shape, kShapeProps, &Panel03};
    Control Rail03{controls, QStringLiteral("Rail03"), ControlKind::Shape, kShapeProps, &Panel03};
    Control Rail04{controls, QStringLiteral("Rail04"), ControlKind::Shape, kShapeProps, &Panel03};
    PictureControl Train04{controls, QStringLiteral("Train04"), ControlKind::Picture, &Panel03};
    PictureControl Door04{controls, QStringLiteral("Door04"), ControlKind::CutoutPanel, &Panel03};
    PictureControl Home02{controls, QStringLiteral("Home02"), ControlKind::CutoutPanel, &Panel03};
    PictureControl Train03{controls, QStringLiteral("Train03"), ControlKind::Picture, &Panel03};
    PictureControl Train02{controls, QStringLiteral("Train02"), ControlKind::Picture, &Panel03};
    PictureControl Door02{controls, QStringLiteral("Door02"), ControlKind::CutoutPanel, &Panel03};
    PictureControl Home01{controls, QStringLiteral("Home01"), ControlKind::CutoutPanel, &Panel03};
    PictureControl Train01{controls, QStringLiteral("Train01"), ControlKind::Picture, &Panel03};

    // timetable views
    Control Panel02{controls, QStringLiteral("Panel02"), ControlKind::Panel, kPanelProps, &Panel01};
    Control OutlookBar2{controls, QStringLiteral("OutlookBar2"), ControlKind::GroupBar, kPanelProps, &Panel02};
    Control OutlookGroup2_1{controls, QStringLiteral("OutlookGroup2_1"), ControlKind::Group, kGroupProps, &OutlookBar2};
    MemoControl DBMemo1{controls, QStringLiteral("DBMemo1"), ControlKind::Memo, kPanelProps, &OutlookGroup2_1};
    Control OutlookGroup2_2{controls, QStringLiteral("OutlookGroup2_2"), ControlKind::Group, kGroupProps, &OutlookBar2};
    MemoControl DBMemo2{controls, QStringLiteral("DBMemo2"), ControlKind::Memo, kPanelProps, &OutlookGroup2_2};
    Control OutlookGroup2_3{controls, QStringLiteral("OutlookGroup2_3"), ControlKind::Group, kGroupProps, &OutlookBar2};
    MemoControl DBMemo3{controls, QStringLiteral("DBMemo3"), ControlKind::Memo, kPanelProps, &OutlookGroup2_3};
    Control OutlookGroup2_4{controls, QStringLiteral("OutlookGroup2_4"), ControlKind::Group, kGroupProps, &OutlookBar2};
    MemoControl DBMemo4{controls, QStringLiteral("DBMemo4"), ControlKind::Memo, kPanelProps, &OutlookGroup2_4};

    // photo album
    Control Panel04{controls, QStringLiteral("Panel04"), ControlKind::Panel, kPanelProps, &Panel01};
    Control OutlookBar1{controls, QStringLiteral("OutlookBar1"), ControlKind::GroupBar, kPanelProps, &Panel04};
    Control OutlookGroup1_1{controls, QStringLiteral("OutlookGroup1_1"), ControlKind::Group, kGroupProps, &OutlookBar1};
    Control SpeedButton1{controls, QStringLiteral("SpeedButton1"), ControlKind::Button, kButtonProps, &OutlookGroup1_1};
    ThumbnailsControl IkThumb1{controls, QStringLiteral("IkThumb1"), ControlKind::Thumbnails,
                               kPanelProps | Property::Hint, &OutlookGroup1_1};

    // clock and transfer list
    Control Bevel1{controls, QStringLiteral("Bevel1"), ControlKind::Panel, kPanelProps, &Panel01};
    ClockControl Clock1{controls, QStringLiteral("Clock1"), m_host.scheduler(), m_host.dispatch()};
    ComboBoxControl MultiColComboBox1{controls, QStringLiteral("MultiColComboBox1"), &Panel01};

    // line panels of slots 1..4: panel, ring, line names, direction, track number
    Control Info01{controls, QStringLiteral("Info01"), ControlKind::Panel, kPanelProps, &Panel01};
    Control Info01_04{controls, QStringLiteral("Info01_04"), ControlKind::Shape, kShapeProps, &Info01};
    Control Info01_01{controls, QStringLiteral("Info01_01"), ControlKind::Label, kLabelProps, &Info01};
    Control Info01_02{controls, QStringLiteral("Info01_02"), ControlKind::Label, kLabelProps, &Info01};
    Control Info01_03{controls, QStringLiteral("Info01_03"), ControlKind::Label, kLabelProps, &Info01};
    Control Info02{controls, QStringLiteral("Info02"), ControlKind::Panel, kPanelProps, &Panel01};
    Control Info02_04{controls, QStringLiteral("Info02_04"), ControlKind::Shape, kShapeProps, &Info02};
    Control Info02_01{controls, QStringLiteral("Info02_01"), ControlKind::Label, kLabelProps, &Info02};
    Control Info02_02{controls, QStringLiteral("Info02_02"), ControlKind::Label, kLabelProps, &Info02};
    Control Info02_03{controls, QStringLiteral("Info02_03"), ControlKind::Label, kLabelProps, &Info02};
    Control Info03{controls, QStringLiteral("Info03"), ControlKind::Panel, kPanelProps, &Panel01};
    Control Info03_04{controls, QStringLiteral("Info03_04"), ControlKind::Shape, kShapeProps, &Info03};
    Control Info03_01{controls, QStringLiteral("Info03_01"), ControlKind::Label, kLabelProps, &Info03};
    Control Info03_02{controls, QStringLiteral("Info03_02"), ControlKind::Label, kLabelProps, &Info03};
    Control Info03_03{controls, QStringLiteral("Info03_03"), ControlKind::Label, kLabelProps, &Info03};
    Control Info04{controls, QStringLiteral("Info04"), ControlKind::Panel, kPanelProps, &Panel01};
    Control Info04_04{controls, QStringLiteral("Info04_04"), ControlKind::Shape, kShapeProps, &Info04};
    Control Info04_01{controls, QStringLiteral("Info04_01"), ControlKind::Label, kLabelProps, &Info04};
    Control Info04_02{controls, QStringLiteral("Info04_02"), ControlKind::Label, kLabelProps, &Info04};
    Control Info04_03{controls, QStringLiteral("Info04_03"), ControlKind::Label, kLabelProps, &Info04};

    // departure boards of slots 1..4: frame, line background, clock background, first and second line, clock
    Control Info05{controls, QStringLiteral("Info05"), ControlKind::Panel, kPanelProps, &Panel01};
    Control Info05_1{controls, QStringLiteral("Info05_1"), ControlKind::Shape, kShapeProps, &Info05};
    Control Info05_5{controls, QStringLiteral("Info05_5"), ControlKind::Shape, kShapeProps, &Info05};
    Control Info05_6{controls, QStringLiteral("Info05_6"), ControlKind::Shape, kShapeProps, &Info05};
    Control Info05_3{controls, QStringLiteral("Info05_3"), ControlKind::Label, kLabelProps | Property::Tag, &Info05};
    Control Info05_4{controls, QStringLiteral("Info05_4"), ControlKind::Label, kLabelProps | Property::Tag, &Info05};
    Control Info05_2{controls, QStringLiteral("Info05_2"), ControlKind::Label, kLabelProps | Property::Tag, &Info05};
    Control Info06{controls, QStringLiteral("Info06"), ControlKind::Panel, kPanelProps, &Panel01};
    Control Info06_1{controls, QStringLiteral("Info06_1"), ControlKind::Shape, kShapeProps, &Info06};
    Control Info06_5{controls, QStringLiteral("Info06_5"), ControlKind::Shape, kShapeProps, &Info06};
    Control Info06_6{controls, QStringLiteral("Info06_6"), ControlKind::Shape, kShapeProps, &Info06};
    Control Info06_3{controls, QStringLiteral("Info06_3"), ControlKind::Label, kLabelProps | Property::Tag, &Info06};
    Control Info06_4{controls, QStringLiteral("Info06_4"), ControlKind::Label, kLabelProps | Property::Tag, &Info06};
    Control Info06_2{controls, QStringLiteral("Info06_2"), ControlKind::Label, kLabelProps | Property::Tag, &Info06};
    Control Info07{controls, QStringLiteral("Info07"), ControlKind::Panel, kPanelProps, &Panel01};
    Control Info07_1{controls, QStringLiteral("Info07_1"), ControlKind::Shape, kShapeProps, &Info07};
    Control Info07_5{controls, QStringLiteral("Info07_5"), ControlKind::Shape, kShapeProps, &Info07};
    Control Info07_6{controls, QStringLiteral("Info07_6"), ControlKind::Shape, kShapeProps, &Info07};
    Control Info07_3{controls, QStringLiteral("Info07_3"), ControlKind::Label, kLabelProps | Property::Tag, &Info07};
    Control Info07_4{controls, QStringLiteral("Info07_4"), ControlKind::Label, kLabelProps | Property::Tag, &Info07};
    Control Info07_2{controls, QStringLiteral("Info07_2"), ControlKind::Label, kLabelProps | Property::Tag, &Info07};
    Control Info08{controls, QStringLiteral("Info08"), ControlKind::Panel, kPanelProps, &Panel01};
    Control Info08_1{controls, QStringLiteral("Info08_1"), ControlKind::Shape, kShapeProps, &Info08};
    Control Info08_5{controls, QStringLiteral("Info08_5"), ControlKind::Shape, kShapeProps, &Info08};
    Control Info08_6{controls, QStringLiteral("Info08_6"), ControlKind::Shape, kShapeProps, &Info08};
    Control Info08_3{controls, QStringLiteral("Info08_3"), ControlKind::Label, kLabelProps | Property::Tag, &Info08};
    Control Info08_4{controls, QStringLiteral("Info08_4"), ControlKind::Label, kLabelProps | Property::Tag, &Info08};
    Control Info08_2{controls, QStringLiteral("Info08_2"), ControlKind::Label, kLabelProps | Property::Tag, &Info08};

    // name plate
    Control Info00{controls, QStringLiteral("Info00"), ControlKind::Panel, kPanelProps, &Panel01};
    Control Info00_07{controls, QStringLiteral("Info00_07"), ControlKind::Shape, kShapeProps, &Info00};
    Control Info00_08{controls, QStringLiteral("Info00_08"), ControlKind::Shape, kShapeProps, &Info00};
    Control Info00_12{controls, QStringLiteral("Info00_12"), ControlKind::Shape, kShapeProps, &Info00};
    Control Info00_13{controls, QStringLiteral("Info00_13"), ControlKind::Label, kLabelProps, &Info00};
    Control Info00_01{controls, QStringLiteral("Info00_01"), ControlKind::Label, kLabelProps, &Info00};
    Control Info00_02{controls, QStringLiteral("Info00_02"), ControlKind::Label, kLabelProps, &Info00};
    Control Info00_03{controls, QStringLiteral("Info00_03"), ControlKind::Label, kLabelProps, &Info00};
    Control Info00_05{controls, QStringLiteral("Info00_05"), ControlKind::Label, kLabelProps, &Info00};
    Control Info00_04{controls, QStringLiteral("Info00_04"), ControlKind::Label, kLabelProps, &Info00};
    Control Info00_06{controls, QStringLiteral("Info00_06"), ControlKind::Label, kLabelProps, &Info00};
    Control Info00_10{controls, QStringLiteral("Info00_10"), ControlKind::Button, kButtonProps, &Info00};
    Control Info00_11{controls, QStringLiteral("Info00_11"), ControlKind::Button, kButtonProps, &Info00};
    Control Info00_15{controls, QStringLiteral("Info00_15"), ControlKind::Button, kButtonProps, &Info00};

    // bottom bar
    Control Info{controls, QStringLiteral("Info"), ControlKind::Gradient, kGradientProps};
    Control Label1{controls, QStringLiteral("Label1"), ControlKind::Label, kLabelProps, &Info};
    Control FadeButton2{controls, QStringLiteral("FadeButton2"), ControlKind::Button, kButtonProps, &Info};
    Control FadeButton1{controls, QStringLiteral("FadeButton1"), ControlKind::Button, kButtonProps, &Info};
    Control FadeButton5{controls, QStringLiteral("FadeButton5"), ControlKind::Button, kButtonProps, &Info};
    Control FadeButton0{controls, QStringLiteral("FadeButton0"), ControlKind::Button, kButtonProps, &Info};
    Control FadeButton4{controls, QStringLiteral("FadeButton4"), ControlKind::Button, kButtonProps, &Info};

    // hidden buttons of the internal operations and of the announcements
    Control Button0{controls, QStringLiteral("Button0"), ControlKind::Hidden, kHiddenProps};
    Control Button1{controls, QStringLiteral("Button1"), ControlKind::Hidden, kHiddenProps};
    Control Button2{controls, QStringLiteral("Button2"), ControlKind::Hidden, kHiddenProps};
    Control Voice1{controls, QStringLiteral("Voice1"), ControlKind::Hidden, kHiddenProps};
    Control Voice2{controls, QStringLiteral("Voice2"), ControlKind::Hidden, kHiddenProps};
    Control Voice3{controls, QStringLiteral("Voice3"), ControlKind::Hidden, kHiddenProps};
    Control Voice4{controls, QStringLiteral("Voice4"), ControlKind::Hidden, kHiddenProps};

    // ---- timers ----
    TimerControl Timer1{controls, QStringLiteral("Timer1"), m_host.scheduler(), m_host.dispatch(), 500, true};
    TimerControl Train00t{controls, QStringLiteral("Train00t"), m_host.scheduler(), m_host.dispatch(), 1400, true};
    TimerControl Train01t{controls, QStringLiteral("Train01t"), m_host.scheduler(), m_host.dispatch(), 10, false};
    TimerControl Train02t{controls, QStringLiteral("Train02t"), m_host.scheduler(), m_host.dispatch(), 10, false};
    TimerControl Train03t{controls, QStringLiteral("Train03t"), m_host.scheduler(), m_host.dispatch(), 10, false};
    TimerControl Train04t{controls, QStringLiteral("Train04t"), m_host.scheduler(), m_host.dispatch(), 10, false};
    TimerControl Door02t{controls, QStringLiteral("Door02t"), m_host.scheduler(), m_host.dispatch(), 150, false};
    TimerControl Door04t{controls, QStringLiteral("Door04t"), m_host.scheduler(), m_host.dispatch(), 150, false};

    // ---- media players ----
    MediaPlayerControl MediaPlayer1{controls, QStringLiteral("MediaPlayer1"), mediaDevice(QStringLiteral("MediaPlayer1"))};
    MediaPlayerControl MediaPlayer2{controls, QStringLiteral("MediaPlayer2"), mediaDevice(QStringLiteral("MediaPlayer2"))};
    MediaPlayerControl MediaPlayer3{controls, QStringLiteral("MediaPlayer3"), mediaDevice(QStringLiteral("MediaPlayer3"))};
    MediaPlayerControl MediaPlayer4{controls, QStringLiteral("MediaPlayer4"), mediaDevice(QStringLiteral("MediaPlayer4"))};
    MediaPlayerControl MediaPlayer5{controls, QStringLiteral("MediaPlayer5"), mediaDevice(QStringLiteral("MediaPlayer5"))};
    MediaPlayerControl MediaPlayer6{controls, QStringLiteral("MediaPlayer6"), mediaDevice(QStringLiteral("MediaPlayer6"))};
    MediaPlayerControl MediaPlayer7{controls, QStringLiteral("MediaPlayer7"), mediaDevice(QStringLiteral("MediaPlayer7"))};
    MediaPlayerControl MediaPlayer8{controls, QStringLiteral("MediaPlayer8"), mediaDevice(QStringLiteral("MediaPlayer8"))};

    // ---- menus: the station directory (built from its table) and the sound settings ----
    Control PopupMenu1{controls, QStringLiteral("PopupMenu1"), ControlKind::Menu, Properties()};
    Control PopupMenu3{controls, QStringLiteral("PopupMenu3"), ControlKind::Menu, Properties()};
    MenuItemControl S01{controls, QStringLiteral("S01"), &PopupMenu3, QStringLiteral("[発着音]を鳴らす"), true};
    MenuItemControl S02{controls, QStringLiteral("S02"), &PopupMenu3, QStringLiteral("[ホームアナウンス]を流す"), true};
    MenuItemControl S03{controls, QStringLiteral("S03"), &PopupMenu3, QStringLiteral("-")};
    MenuItemControl S04{controls, QStringLiteral("S04"), &PopupMenu3, QStringLiteral("日本語[Japanese]"), true};
    MenuItemControl S05{controls, QStringLiteral("S05"), &PopupMenu3, QStringLiteral("英語[English]")};

    // the photo album's menu; P04 carries the two sort orders
    Control PopupMenu2{controls, QStringLiteral("PopupMenu2"), ControlKind::Menu, Properties()};
    MenuItemControl P01{controls, QStringLiteral("P01"), &PopupMenu2, QStringLiteral("写真の追加")};
    MenuItemControl P02{controls, QStringLiteral("P02"), &PopupMenu2, QStringLiteral("写真の削除")};
    MenuItemControl P03{controls, QStringLiteral("P03"), &PopupMenu2, QStringLiteral("-")};
    MenuItemControl P04{controls, QStringLiteral("P04"), &PopupMenu2, QStringLiteral("写真の整列")};
    MenuItemControl P04_1{controls, QStringLiteral("P04_1"), &P04, QStringLiteral("名前順"), true};
    MenuItemControl P04_2{controls, QStringLiteral("P04_2"), &P04, QStringLiteral("日付順")};
    MenuItemControl P05{controls, QStringLiteral("P05"), &PopupMenu2, QStringLiteral("-")};
    MenuItemControl P06{controls, QStringLiteral("P06"), &PopupMenu2, QStringLiteral("管理フォルダを開く")};

    // The hidden voice settings window, created by the speech set-up.
    std::unique_ptr<TVoiceForm1> VoiceForm1;

    // ---- images that are not controls ----
    std::array<QImage, 11> ImageList0;  // platform segment pictures
    std::array<QImage, 11> ImageList1;  // door frames of slot 2
    std::array<QImage, 11> ImageList2;  // door frames of slot 4

    // ---- the slot table: the controls of slots 1..4, built once ----
    const std::array<SlotControls, 4> slotTable{{
        {Train01, Train01t, Rail01, Info01, {&Info01_01, &Info01_02, &Info01_03, &Info01_04}, Info05,
         {&Info05_3, &Info05_4}, Info05_2, OutlookGroup2_1, MediaPlayer1, MediaPlayer5, nullptr, nullptr, nullptr,
         nullptr},
        {Train02, Train02t, Rail02, Info02, {&Info02_01, &Info02_02, &Info02_03, &Info02_04}, Info06,
         {&Info06_3, &Info06_4}, Info06_2, OutlookGroup2_2, MediaPlayer2, MediaPlayer6, &Door02, &Door02t,
         &ImageList1, &doorStep[0]},
        {Train03, Train03t, Rail03, Info03, {&Info03_01, &Info03_02, &Info03_03, &Info03_04}, Info07,
         {&Info07_3, &Info07_4}, Info07_2, OutlookGroup2_3, MediaPlayer3, MediaPlayer7, nullptr, nullptr, nullptr,
         nullptr},
        {Train04, Train04t, Rail04, Info04, {&Info04_01, &Info04_02, &Info04_03, &Info04_04}, Info08,
         {&Info08_3, &Info08_4}, Info08_2, OutlookGroup2_4, MediaPlayer4, MediaPlayer8, &Door04, &Door04t,
         &ImageList2, &doorStep[1]},
    }};
    const SlotControls& slotControls(int slot) const { return slotTable[slot - 1]; }
    PictureControl& trainPicture(int slot) { return slotControls(slot).train; }
    TimerControl& trainTimer(int slot) { return slotControls(slot).timer; }
    Control& rail(int slot) { return slotControls(slot).rail; }
    Control& linePanel(int slot) { return slotControls(slot).panel; }
    Control& linePanelItem(int slot, int item) { return *slotControls(slot).panelItems[item - 1]; }  // InfoN_0item
    Control& board(int slot) { return slotControls(slot).board; }
    Control& boardLine(int slot, int line) { return *slotControls(slot).boardLines[line - 1]; }
    Control& boardClock(int slot) { return slotControls(slot).boardClock; }
    Control& timetableGroup(int slot) { return slotControls(slot).timetableGroup; }
    MediaPlayerControl& soundPlayer(int slot) { return slotControls(slot).soundPlayer; }
    MediaPlayerControl& doorSoundPlayer(int slot) { return slotControls(slot).doorSoundPlayer; }
    // The door parts exist on slots 2 and 4 only; callers ask doorStrip first.
    PictureControl* doorStrip(int slot) { return slotControls(slot).doorStrip; }  // nullptr on slots without doors
    TimerControl& doorTimer(int slot) { return *slotControls(slot).doorTimer; }
    std::array<QImage, 11>& doorFrames(int slot) { return *slotControls(slot).doorFrames; }
    int& doorStepOf(int slot) { return *slotControls(slot).doorStep; }

    // ---- handlers and helpers, grouped by Part; each group names the file that defines it ----

    // forms/MainForm1.cpp: the window's start and end
    void FormShow();
    void FormClose();

    // scene/StationMove.cpp: the station move
    void Button0Click(Control* sender);
    void refreshTimetableViews();
    void showAlbum();
    // scene/Platforms.cpp: platforms, layout, timetable captions
    void drawPlatform(PictureControl& platform, const QString& segments);
    void applyLayout();
    void setTimetableCaptions();
    // scene/ApplyStationRules.cpp: special station configurations
    void Button1Click(Control* sender);
    void applySpecialRule(const struct SpecialRule& rule);

    // operation/ClockTick.cpp: the clock tick and the minute processing
    void Clock1ClockTime(int hour, int minute, int second);
    void Timer1Timer();
    // operation/DepartureBoards.cpp
    void fillDepartureBoard(int slot);
    int departureMark(int slot) { return boardLine(slot, 1).tag(); }
    // operation/TrainMotion.cpp: run-in, halt and departure
    void Train00tTimer();
    void Train01tTimer();
    void Train02tTimer();
    void Train03tTimer();
    void Train04tTimer();
    int stopPoint(int slot);  // rest position of the slot's train, from the current widths
    // operation/Doors.cpp: the doors of slots 2 and 4
    void Door02tTimer();
    void Door04tTimer();
    void resetDoors();  // doors still and off the scene, strips cleared
    void clearDoorStrip(PictureControl& strip);
    // operation/InterruptProcessing.cpp
    void Button2Click(Control* sender);

    // sound/Announcements.cpp
    void Voice1Click();
    void Voice2Click();
    void Voice3Click();
    void Voice4Click();
    void announce(int slot);
    // sound/SoundMenu.cpp: the sound menu's switches
    void FadeButton1Click();
    void S01Click();
    void S02Click();
    void S04Click();
    void S05Click();
    // sound/SoundEffects.cpp: platform sounds
    void MediaPlayer1Notify();
    void MediaPlayer2Notify();
    void MediaPlayer3Notify();
    void MediaPlayer4Notify();

    // navigation/StationMoves.cpp: moves between stations
    void stationPick(const struct DirectoryEntry& entry);
    void Info00_10Click();
    void Info00_11Click();
    void Info00_15Click();
    void MultiColComboBox1Change();
    // navigation/TransferList.cpp
    void fillSameStationTransfers();
    void fillAdjacentStationTransfers(const QString& adjacent);
    // navigation/RouteMap.cpp: the directory's first item and FadeButton2
    void SN_00Click();

    // info/Links.cpp
    void FadeButton4Click();
    void FadeButton5Click();
    void FadeButton0Click();

    // album/AlbumHandlers.cpp: the photo album
    std::shared_ptr<album::Album> album;  // made by createAlbum, in the constructor
    void createAlbum();
    void refreshAlbumView();  // IkThumb1 takes over the album's folder, files and selection
    void P01Click();
    void P02Click();
    void P04_1Click();
    void P04_2Click();
    void P06Click();
    void VIkThumb1SelectFile(const QString& folder, const QString& fileName);
    void IkThumb1SelectionChanged(const QString& fileName);  // a selection that opens nothing (arrow keys, right click)
    void SpeedButton1Click();
    // The question standing in for the desktop's own before a picture goes to the trash.
    static QString trashQuestion(const QString& fileName);

    // The settings file's section of the window's settings.
    static inline const QString kSettingsSection = QStringLiteral("SET");

private:
    // forms/MainForm1.cpp, forms/MainWindowDefinition.cpp
    void wireHandlers();
    std::unique_ptr<MediaDevice> mediaDevice(const QString& playerName);
    void defineWindow();
    // scene/StationMove.cpp, scene/Platforms.cpp
    void stepProgress();
    int segmentPicture(int digit);
    // operation/ClockTick.cpp
    void minuteProcessing(int hour, int minute);
    void selectTrain(int slot);
    void loadTrainPicture(int slot);
    void dispatchTrain(int slot, bool passing);
    // operation/TrainMotion.cpp
    void trainTick(int slot);
    void halt(int slot);
    // operation/Doors.cpp
    void loadDoorFrames(int slot);
    QVector<int> doorPositions(int slot);
    void drawDoorFrame(int slot, int frame, int x);
    void startOpening(int slot);
    void startClosing(int slot);
    void drawOpen(int slot);
    void doorTick(int slot);
    // sound/SoundEffects.cpp
    void playSound(MediaPlayerControl& player, const QString& file);
    void playTrainSound(int slot, const QString& suffix);
    void mediaPlayerNotify(int slot);
    // sound/SpeechSetUp.cpp
    void speechSetUp();
    void speechFailurePath();
};
