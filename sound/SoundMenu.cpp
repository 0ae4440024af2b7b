// The sound settings menu: the sound and announcement switches and the
// announcement language.

#include "forms/MainForm1.h"

#include "forms/VoiceForm1.h"

void TMainForm1::FadeButton1Click()
{
    m_host.dialogs().popUpMenu(PopupMenu3.name());
}

void TMainForm1::S01Click()
{
    S01.setChecked(!S01.checked());
}

void TMainForm1::S02Click()
{
    S02.setChecked(!S02.checked());
}

namespace {

void chooseVoice(TVoiceForm1* voices, const QString& voice)
{
    if (!voices)
        return;
    const int index = int(voices->ComboBox1.items().indexOf(voice));
    if (index >= 0)
        voices->ComboBox1.setItemIndex(index);
    voices->selectOnAll();
}

}  // namespace

void TMainForm1::S04Click()
{
    S04.setChecked(true);
    S05.setChecked(false);
    chooseVoice(VoiceForm1.get(), TVoiceForm1::kJapaneseVoice);
}

void TMainForm1::S05Click()
{
    S05.setChecked(true);
    S04.setChecked(false);
    chooseVoice(VoiceForm1.get(), TVoiceForm1::kEnglishVoice);
}
