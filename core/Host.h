#pragma once
// What the core needs from the world around it. The program's host shows
// real boxes, opens real files and plays real sound; the recording host of
// the probe and the tests writes each request into an event log instead.

#include "core/EventDispatch.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

class Scheduler;
class SpeechEngine;
class MediaDevice;

#include <memory>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A fresh pseudo-random non-negative integer.
    virtual int next() = 0;
};

class Dialogs : public ErrorReporter {
public:
    // The standard error box of an unguarded failure (reportError), an
    // information box, a yes/no question, the default beep.
    virtual void showMessage(const QString& text) = 0;
    virtual bool askYesNo(const QString& text) = 0;
    virtual void beep() = 0;
    // Pops up a menu of the main window (PopupMenu1, PopupMenu3) at the mouse cursor.
    virtual void popUpMenu(const QString& menu) = 0;

    // The photo album's add dialog and the information window. askOpenFiles
    // offers several files at once (filters "caption (patterns)", the first
    // the default) and gives the chosen paths in order, none when cancelled;
    // showModal shows one of the program's windows (by its name) and returns
    // once it is closed.
    virtual QStringList askOpenFiles(const QString& title, const QStringList& filters) = 0;
    virtual void showModal(const QString& form) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file, folder or web address with the desktop's default
    // application; the result is not looked at by the callers.
    virtual bool open(const QString& target) = 0;
};

class MediaFactory {
public:
    virtual ~MediaFactory() = default;
    virtual std::unique_ptr<MediaDevice> createMediaDevice(const QString& playerName) = 0;
};

class Host {
public:
    virtual ~Host() = default;
    virtual Scheduler& scheduler() = 0;
    virtual EventDispatch& dispatch() = 0;
    virtual RandomSource& random() = 0;
    virtual Dialogs& dialogs() = 0;
    virtual Shell& shell() = 0;
    virtual SpeechEngine& speech() = 0;
    virtual MediaFactory& media() = 0;
};
