// The speech set-up of the window's start: the hidden voice settings window,
// its voice list and the stored speech settings, or, without an engine, the
// announcements switched off and the offer to get one.

#include "forms/MainForm1.h"

#include "core/IniFile.h"
#include "forms/VoiceForm1.h"

namespace {

// The engines this program speaks through and the Debian packages that bring them.
const QString kSpeechEngineMissing = QStringLiteral(
    "音声合成エンジン'Open JTalk'(open-jtalk, open-jtalk-mecab-naist-jdic)、"
    "'Festival'(festival, festvox-us-slt-hts)、'eSpeak NG'(espeak-ng-data)がインストールされていません。");
const QString kSpeechEngineQuestion = QStringLiteral("インストール方法(Readme.txt)を開きますか？");

}  // namespace

void TMainForm1::speechSetUp()
{
    try {
        VoiceForm1 = std::make_unique<TVoiceForm1>(m_host.speech());
        VoiceForm1->fillVoiceList();
        VoiceForm1->ComboBox1.setText(TVoiceForm1::kJapaneseVoice);
        VoiceForm1->selectOnAll();
        IniFile ini(settings);
        S02.setChecked(ini.readBool(kSettingsSection, QStringLiteral("S02"), S02.checked()));
        VoiceForm1->ComboBox1.setItemIndex(
            ini.readInteger(kSettingsSection, QStringLiteral("VOICE"), VoiceForm1->ComboBox1.itemIndex()));
        S04.setChecked(ini.readBool(kSettingsSection, QStringLiteral("LANGUAGE_J"), S04.checked()));
        S05.setChecked(ini.readBool(kSettingsSection, QStringLiteral("LANGUAGE_E"), S05.checked()));
    } catch (...) {
        speechFailurePath();
    }
}

void TMainForm1::speechFailurePath()
{
    Dialogs& dialogs = m_host.dialogs();
    dialogs.beep();
    dialogs.showMessage(kSpeechEngineMissing + QStringLiteral("\n\n") + QStringLiteral(" ※[ホームアナウンス]は流れません。"));
    for (MenuItemControl* item : {&S02, &S04, &S05}) {
        item->setChecked(false);
        item->setEnabled(false);
    }
    // The user guide's speech section says how to install them.
    if (dialogs.askYesNo(kSpeechEngineQuestion))
        m_host.shell().open(programFolder + QStringLiteral("/Readme.txt"));
}
