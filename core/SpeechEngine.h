#pragma once
// The text-to-speech component behind the four per-slot speech instances.
// Voices are numbered from 1; number 0 stands for "no voice chosen" and is
// the engine's affair.

#include <QString>
#include <memory>

class SpeechInstance {
public:
    virtual ~SpeechInstance() = default;
    virtual int voiceCount() = 0;
    virtual QString productName(int voice) = 0;
    virtual int gender(int voice) = 0;
    virtual int languageId(int voice) = 0;
    virtual void select(int voice) = 0;
    // Returns at once; the speech plays in the background.
    virtual void speak(const QString& text) = 0;
};

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Raises Failure when no engine is installed.
    virtual std::unique_ptr<SpeechInstance> createInstance(const QString& name) = 0;
};

// An engine that is there but offers no voices: selections and speech go nowhere.
class VoicelessSpeechEngine : public SpeechEngine {
public:
    std::unique_ptr<SpeechInstance> createInstance(const QString& name) override;
};
