#include "forms/MainForm1.h"

#include "core/Host.h"
#include "data/DataForm1.h"
#include "data/ShiftJisText.h"
#include "forms/VoiceForm1.h"

void ProgressBarControl::setPosition(int position)
{
    position = qBound(minimum, position, maximum);
    if (position != m_position) {
        m_position = position;
        changed();
    }
}

TMainForm1::TMainForm1(Host& host, Forms& forms, QString folder)
    : m_host(host)
    , m_forms(forms)
{
    defineWindow();
    wireHandlers();

    // Construction: the state starts empty, the hints of the trains are on,
    // and every board clock shows the clock's time.
    programFolder = std::move(folder);
    while (programFolder.size() > 1 && (programFolder.endsWith(u'/') || programFolder.endsWith(u'\\')))
        programFolder.chop(1);
    currentLine.clear();
    currentStation.clear();
    doorStep = {0, 0};
    settings = SettingsLocation::forProgramFolder(programFolder);
    createAlbum();
    for (int slot = 1; slot <= 4; ++slot)
        trainPicture(slot).setShowHint(true);
    for (int n = 0; n < int(ImageList0.size()); ++n)
        ImageList0[n] = QImage(QStringLiteral(":/segments/segment_%1.png").arg(n)).convertToFormat(QImage::Format_RGB32);
    Info05_2.setCaption(format2(Clock1.hour()) + u':' + format2(Clock1.minute()));
    Info06_2.setCaption(Info05_2.caption());
    Info07_2.setCaption(Info05_2.caption());
    Info08_2.setCaption(Info05_2.caption());
}

TMainForm1::~TMainForm1() = default;

void TMainForm1::wireHandlers()
{
    Clock1.onClockTime = [this](int h, int m, int s) { Clock1ClockTime(h, m, s); };
    Timer1.onTimer = [this] { Timer1Timer(); };
    Train00t.onTimer = [this] { Train00tTimer(); };
    Train01t.onTimer = [this] { Train01tTimer(); };
    Train02t.onTimer = [this] { Train02tTimer(); };
    Train03t.onTimer = [this] { Train03tTimer(); };
    Train04t.onTimer = [this] { Train04tTimer(); };
    Door02t.onTimer = [this] { Door02tTimer(); };
    Door04t.onTimer = [this] { Door04tTimer(); };
    // A train or its doors that cannot be moved stop where they are: the
    // next dispatch starts them afresh.
    for (TimerControl* timer : {&Train01t, &Train02t, &Train03t, &Train04t, &Door02t, &Door04t})
        timer->setStopsOnFailure(true);
    Voice1.onClick = [this] { Voice1Click(); };
    Voice2.onClick = [this] { Voice2Click(); };
    Voice3.onClick = [this] { Voice3Click(); };
    Voice4.onClick = [this] { Voice4Click(); };
    Button0.onClick = [this] { Button0Click(&Button0); };
    Info00_10.onClick = [this] { Info00_10Click(); };
    Info00_11.onClick = [this] { Info00_11Click(); };
    Info00_15.onClick = [this] { Info00_15Click(); };
    MultiColComboBox1.onClick = [this] { MultiColComboBox1Change(); };
    FadeButton1.onClick = [this] { FadeButton1Click(); };
    FadeButton4.onClick = [this] { FadeButton4Click(); };
    FadeButton2.onClick = [this] { SN_00Click(); };
    // the photo album and the bottom bar's links
    FadeButton5.onClick = [this] { FadeButton5Click(); };
    FadeButton0.onClick = [this] { FadeButton0Click(); };
    SpeedButton1.onClick = [this] { SpeedButton1Click(); };
    P01.onClick = [this] { P01Click(); };
    P02.onClick = [this] { P02Click(); };
    P04_1.onClick = [this] { P04_1Click(); };
    P04_2.onClick = [this] { P04_2Click(); };
    P06.onClick = [this] { P06Click(); };
    S01.onClick = [this] { S01Click(); };
    S02.onClick = [this] { S02Click(); };
    S04.onClick = [this] { S04Click(); };
    S05.onClick = [this] { S05Click(); };
    Button1.onClick = [this] { Button1Click(&Button1); };
    Button2.onClick = [this] { Button2Click(&Button2); };
    // Both players of a slot report their ends to the slot's handler.
    EventDispatch& dispatch = m_host.dispatch();
    for (int slot = 1; slot <= 4; ++slot) {
        auto notify = [this, slot, &dispatch] { dispatch.deliver([this, slot] { mediaPlayerNotify(slot); }); };
        soundPlayer(slot).onNotify = notify;
        doorSoundPlayer(slot).onNotify = notify;
    }
}

std::unique_ptr<MediaDevice> TMainForm1::mediaDevice(const QString& playerName)
{
    return m_host.media().createMediaDevice(playerName);
}

void TMainForm1::FormShow()
{
    speechSetUp();

    data().Query0.open();
    {
        IniFile ini(settings);
        currentLine = ini.readString(kSettingsSection, QStringLiteral("NOW_ROSEN"), currentLine);
        currentStation = ini.readString(kSettingsSection, QStringLiteral("NOW_EKI"), currentStation);
        S01.setChecked(ini.readBool(kSettingsSection, QStringLiteral("S01"), S01.checked()));
    }
    Button0Click(nullptr);
}

void TMainForm1::FormClose()
{
    MediaPlayer1.close();
    Clock1.setAutomaticUpdate(false);
    for (int slot = 1; slot <= 4; ++slot)
        trainTimer(slot).setEnabled(false);

    IniFile ini(settings);
    ini.writeString(kSettingsSection, QStringLiteral("NOW_ROSEN"), currentLine);
    ini.writeString(kSettingsSection, QStringLiteral("NOW_EKI"), currentStation);
    ini.writeBool(kSettingsSection, QStringLiteral("S01"), S01.checked());
    ini.writeBool(kSettingsSection, QStringLiteral("S02"), S02.checked());
    if (S02.enabled() && VoiceForm1)
        ini.writeInteger(kSettingsSection, QStringLiteral("VOICE"), VoiceForm1->ComboBox1.itemIndex());
    ini.writeBool(kSettingsSection, QStringLiteral("LANGUAGE_J"), S04.checked());
    ini.writeBool(kSettingsSection, QStringLiteral("LANGUAGE_E"), S05.checked());
}
