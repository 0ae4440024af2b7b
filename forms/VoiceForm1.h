#pragma once
// The hidden voice settings window: the four speech instances of the track
// slots and the list of installed voices.

#include "core/Control.h"
#include "core/ComboBoxControl.h"
#include "core/SpeechEngine.h"

#include <array>
#include <memory>

class TVoiceForm1 {
public:
    // Creates the four speech instances; raises Failure when the engine is
    // not installed.
    explicit TVoiceForm1(SpeechEngine& engine);

    ControlSet controls{QStringLiteral("VoiceForm1")};
    ComboBoxControl ComboBox1{controls, QStringLiteral("ComboBox1")};

    SpeechInstance& DirectSS(int slot) { return *m_instances.at(slot - 1); }

    // Fills the voice list from the engine: "product-gender-language" per voice.
    void fillVoiceList();
    // Select on DirectSS1 .. DirectSS4 with (selection index + 1).
    void selectOnAll();

    static inline const QString kJapaneseVoice = QStringLiteral("L&H TTS3000-2-1041");
    static inline const QString kEnglishVoice = QStringLiteral("TruVoice-2-1033");

private:
    std::array<std::unique_ptr<SpeechInstance>, 4> m_instances;
};
