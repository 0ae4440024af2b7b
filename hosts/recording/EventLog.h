#pragma once
// The record of what the core asked of the world, in time order: error
// boxes, messages, sounds, speech. The probe prints it; tests read it.

#include <QJsonObject>
#include <QString>
#include <QVector>
#include <functional>

class EventLog {
public:
    explicit EventLog(std::function<qint64()> clock) : m_clock(std::move(clock)) {}

    struct Event {
        qint64 at = 0;  // local time of day in ms
        QString kind;
        QJsonObject fields;
    };

    void add(const QString& kind, QJsonObject fields = {});
    const QVector<Event>& events() const { return m_events; }
    QVector<Event> ofKind(const QString& kind) const;
    // The fields of the latest event of that kind whose field key holds
    // value, for noting what happened to it later; null when there is none.
    QJsonObject* latest(const QString& kind, const QString& key, const QString& value);
    // Adds a field to an event already recorded (index in events()).
    void addField(int index, const QString& key, const QJsonValue& value) { m_events[index].fields[key] = value; }

    static QString timeOfDay(qint64 msecsSinceMidnight);  // "HH:MM:SS.mmm"

private:
    std::function<qint64()> m_clock;
    QVector<Event> m_events;
};
