#include "forms/VoiceForm1.h"

TVoiceForm1::TVoiceForm1(SpeechEngine& engine)
{
    ComboBox1.setWidth(200);
    for (int slot = 1; slot <= 4; ++slot)
        m_instances[slot - 1] = engine.createInstance(QStringLiteral("DirectSS%1").arg(slot));
}

void TVoiceForm1::fillVoiceList()
{
    ComboBox1.clearItems();
    ComboBox1.setText(QString());
    SpeechInstance& first = DirectSS(1);
    const int count = first.voiceCount();
    for (int voice = 1; voice <= count; ++voice) {
        // Plain concatenation: a product name may hold '%' of its own.
        ComboBox1.addItem(first.productName(voice) + QLatin1Char('-') + QString::number(first.gender(voice))
                          + QLatin1Char('-') + QString::number(first.languageId(voice)));
    }
}

void TVoiceForm1::selectOnAll()
{
    for (int slot = 1; slot <= 4; ++slot)
        DirectSS(slot).select(ComboBox1.itemIndex() + 1);
}
