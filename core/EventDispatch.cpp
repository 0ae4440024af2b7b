#include "core/EventDispatch.h"

#include "core/Failure.h"

#include <exception>

EventDispatch::Outcome EventDispatch::deliver(const std::function<void()>& handler, const QString& source)
{
    if (m_depth > 0)
        return Outcome::Dropped;
    ++m_depth;
    QString message;
    try {
        handler();
        --m_depth;
        if (!source.isEmpty())
            m_failing.remove(source);
        return Outcome::Done;
    } catch (const Failure& failure) {
        message = failure.message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    }
    --m_depth;
    failed(message, source);
    return Outcome::Failed;
}

void EventDispatch::failed(const QString& message, const QString& source)
{
    if (!source.isEmpty()) {
        Run& run = m_failing[source];
        if (run.count > 0 && run.message == message) {
            m_errors.errorRepeated(message, ++run.count);
            return;
        }
        run = {message, 1};
    }
    m_errors.reportError(message);
}
