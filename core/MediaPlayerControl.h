#pragma once
// A hidden media player of the main window (MediaPlayer1 .. MediaPlayer8):
// a file name, the device that plays it and the end-of-play notice.

#include "core/Control.h"
#include "core/MediaDevice.h"

#include <functional>
#include <memory>

class MediaPlayerControl : public Control {
public:
    MediaPlayerControl(ControlSet& set, QString name, std::unique_ptr<MediaDevice> device);

    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    void open();   // closes what was open first; raises Failure
    void play();
    void stop();   // raises Failure when nothing is open
    void close();
    bool isOpen() const { return m_device->isOpen(); }

    // Raised when a play ends.
    std::function<void()> onNotify;

private:
    QString m_fileName;
    std::unique_ptr<MediaDevice> m_device;
};
