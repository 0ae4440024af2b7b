#include "core/EventDispatch.h"

#include "core/Failure.h"

#include <exception>

bool EventDispatch::deliver(const std::function<void()>& handler)
{
    if (m_depth > 0)
        return false;
    ++m_depth;
    try {
        handler();
    } catch (const Failure& failure) {
        --m_depth;
        m_errors.reportError(failure.message());
        return true;
    } catch (const std::exception& error) {
        --m_depth;
        m_errors.reportError(QString::fromLocal8Bit(error.what()));
        return true;
    }
    --m_depth;
    return true;
}
