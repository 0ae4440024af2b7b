#include "data/CommaText.h"

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

}  // namespace

QStringList splitCommaText(QStringView text)
{
    QStringList items;
    const qsizetype n = text.size();
    auto at = [&](qsizetype i) { return i < n ? text[i] : QChar(u'\0'); };
    qsizetype p = 0;
    while (isBlank(at(p)))
        ++p;
    while (at(p) != u'\0') {
        QString item;
        if (at(p) == u'"') {
            ++p;
            while (at(p) != u'\0') {
                if (at(p) == u'"') {
                    if (at(p + 1) == u'"') {
                        item.append(u'"');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item.append(at(p++));
            }
        } else {
            const qsizetype begin = p;
            while (at(p).unicode() > 32 && at(p) != u',')
                ++p;
            item = text.mid(begin, p - begin).toString();
        }
        items.append(item);
        while (isBlank(at(p)))
            ++p;
        if (at(p) == u',') {
            do
                ++p;
            while (isBlank(at(p)));
        }
    }
    return items;
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype begin = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(begin, i - begin).toString());
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            begin = i + 1;
        }
        ++i;
    }
    if (begin < n)
        lines.append(text.mid(begin).toString());
    return lines;
}
