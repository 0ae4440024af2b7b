#include "probe/JsonWriter.h"

void JsonWriter::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.isEmpty()) {
        if (!m_first.last())
            m_text += u',';
        m_first.last() = false;
    }
}

void JsonWriter::beginObject()
{
    separate();
    m_text += u'{';
    m_first.append(true);
}

void JsonWriter::endObject()
{
    m_first.removeLast();
    m_text += u'}';
}

void JsonWriter::beginArray()
{
    separate();
    m_text += u'[';
    m_first.append(true);
}

void JsonWriter::endArray()
{
    m_first.removeLast();
    m_text += u']';
}

void JsonWriter::key(const QString& name)
{
    separate();
    m_text += quote(name) + u':';
    m_afterKey = true;
}

void JsonWriter::value(const QString& text)
{
    separate();
    m_text += quote(text);
}

void JsonWriter::value(qint64 number)
{
    separate();
    m_text += QString::number(number);
}

void JsonWriter::value(bool flag)
{
    separate();
    m_text += flag ? QStringLiteral("true") : QStringLiteral("false");
}

void JsonWriter::null()
{
    separate();
    m_text += QStringLiteral("null");
}

void JsonWriter::raw(const QString& json)
{
    separate();
    m_text += json;
}

void JsonWriter::stringArray(const QStringList& items)
{
    beginArray();
    for (const QString& item : items)
        value(item);
    endArray();
}

QString JsonWriter::quote(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}
