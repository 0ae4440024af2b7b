#pragma once
// A media device that opens files and plays nothing; the program's stand-in
// while no audio output is wired up.

#include "core/MediaDevice.h"

class SilentMediaDevice : public MediaDevice {
public:
    void open(const QString& filePath) override;
    void play() override {}
    void stop() override {}
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }

private:
    bool m_open = false;
};
