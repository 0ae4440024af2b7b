#pragma once
// Every event handler of the core runs through here, one at a time on the
// one thread. An unguarded failure (database, picture, number conversion)
// ends the handler and goes to the standard error box; the program goes on
// with the next event.

#include <QString>
#include <functional>

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void reportError(const QString& message) = 0;
};

class EventDispatch {
public:
    explicit EventDispatch(ErrorReporter& errors) : m_errors(errors) {}

    // Runs the handler unless another one is still running (a modal box
    // waiting inside it): such an event is dropped, as the message loop of a
    // busy handler would never see it. Returns whether it ran.
    bool deliver(const std::function<void()>& handler);

    bool busy() const { return m_depth > 0; }
    ErrorReporter& errors() { return m_errors; }

private:
    ErrorReporter& m_errors;
    int m_depth = 0;
};
