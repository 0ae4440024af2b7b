#include "core/SpeechEngine.h"

namespace {

class VoicelessInstance : public SpeechInstance {
public:
    int voiceCount() override { return 0; }
    QString productName(int) override { return {}; }
    int gender(int) override { return 0; }
    int languageId(int) override { return 0; }
    void select(int) override {}
    void speak(const QString&) override {}
};

}  // namespace

std::unique_ptr<SpeechInstance> VoicelessSpeechEngine::createInstance(const QString&)
{
    return std::make_unique<VoicelessInstance>();
}
