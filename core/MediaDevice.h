#pragma once
// A player of wave files, one per media player of the main window. Opening
// fails (Failure) for a missing or unplayable file; stop fails when nothing
// is open; close does nothing when nothing is open. The end of a play is
// reported through onEnded on the one thread, after the handler that
// started it has returned.

#include <QString>
#include <functional>

class MediaDevice {
public:
    virtual ~MediaDevice() = default;
    virtual void open(const QString& filePath) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    std::function<void()> onEnded;
};
