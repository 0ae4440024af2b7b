#pragma once
// Every event handler of the core runs through here, one at a time on the
// one thread. An unguarded failure (database, picture, number conversion)
// ends the handler and goes to the standard error box; the program goes on
// with the next event.
//
// A handler that fails the same way at every tick of its timer would bury
// the window in boxes: of a run of equal failures from one source only the
// first is shown, the rest are counted on it, until the source runs once
// without failing.

#include <QHash>
#include <QString>
#include <functional>

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void reportError(const QString& message) = 0;
    // The failure last reported with this message happened again; count
    // is how often it has happened in all.
    virtual void errorRepeated(const QString& message, int count) { Q_UNUSED(message) Q_UNUSED(count) }
};

class EventDispatch {
public:
    explicit EventDispatch(ErrorReporter& errors) : m_errors(errors) {}

    enum class Outcome { Dropped, Done, Failed };

    // Runs the handler unless another one is still running (a modal box
    // waiting inside it): such an event is dropped, as the message loop of a
    // busy handler would never see it. source names a repeating source of
    // events (a timer, the clock); user input passes none, so every failed
    // click is shown.
    Outcome deliver(const std::function<void()>& handler, const QString& source = QString());

    bool busy() const { return m_depth > 0; }
    ErrorReporter& errors() { return m_errors; }

private:
    void failed(const QString& message, const QString& source);

    struct Run {
        QString message;
        int count = 0;
    };

    ErrorReporter& m_errors;
    int m_depth = 0;
    QHash<QString, Run> m_failing;  // by source: the run of equal failures going on
};
