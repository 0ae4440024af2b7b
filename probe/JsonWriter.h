#pragma once
// A small JSON writer that keeps members in the order they are written, so
// the probe's output lists columns and controls in their own order.

#include <QString>
#include <QStringList>
#include <QVector>

class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(const QString& name);
    void value(const QString& text);
    void value(const char* text) { value(QString::fromUtf8(text)); }
    void value(qint64 number);
    void value(int number) { value(qint64(number)); }
    void value(bool flag);
    void null();
    void raw(const QString& json);  // an already written JSON value

    template <typename T>
    void member(const QString& name, const T& v)
    {
        key(name);
        value(v);
    }
    void stringArray(const QStringList& items);

    const QString& text() const { return m_text; }
    static QString quote(const QString& text);

private:
    void separate();
    QString m_text;
    QVector<bool> m_first;  // per open container: nothing written in it yet
    bool m_afterKey = false;
};
