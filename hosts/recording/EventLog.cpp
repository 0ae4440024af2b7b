#include "hosts/recording/EventLog.h"

void EventLog::add(const QString& kind, QJsonObject fields)
{
    m_events.append(Event{m_clock(), kind, std::move(fields)});
}

QVector<EventLog::Event> EventLog::ofKind(const QString& kind) const
{
    QVector<Event> found;
    for (const Event& event : m_events) {
        if (event.kind == kind)
            found.append(event);
    }
    return found;
}

QString EventLog::timeOfDay(qint64 ms)
{
    return QStringLiteral("%1:%2:%3.%4")
        .arg(ms / 3600000, 2, 10, QChar(u'0'))
        .arg(ms / 60000 % 60, 2, 10, QChar(u'0'))
        .arg(ms / 1000 % 60, 2, 10, QChar(u'0'))
        .arg(ms % 1000, 3, 10, QChar(u'0'));
}

QJsonObject* EventLog::latest(const QString& kind, const QString& key, const QString& value)
{
    for (auto it = m_events.rbegin(); it != m_events.rend(); ++it) {
        if (it->kind == kind && it->fields.value(key).toString() == value)
            return &it->fields;
    }
    return nullptr;
}
