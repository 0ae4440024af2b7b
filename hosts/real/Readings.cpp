#include "hosts/real/Readings.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {

// Words of the announcement texts the dictionary gets wrong: a destination
// is ユキ, not イキ, and "とうえき止まり" came out as と・うえき・トマリ.
const struct {
    const char16_t* written;
    const char16_t* spoken;
} kCorrections[] = {
    {u"行き", u"ユキ"},
    {u"とうえき止まり", u"トウエキドマリ"},
};

}  // namespace

Readings::Readings()
{
    for (const auto& c : kCorrections)
        m_entries.push_back({QString::fromUtf16(c.written), QString::fromUtf16(c.spoken)});
    sortEntries();
}

bool Readings::load(const QString& tsvPath)
{
    QFile file(tsvPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() >= 2 && !fields[0].isEmpty() && !fields[1].isEmpty())
            m_entries.push_back({fields[0], fields[1].trimmed()});
    }
    sortEntries();
    return true;
}

void Readings::add(const QString& written, const QString& spoken)
{
    if (written.isEmpty())
        return;
    m_entries.push_back({written, spoken});
    sortEntries();
}

void Readings::sortEntries()
{
    // Longest first, so 新宿三丁目 wins over 新宿; equal names keep the first.
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const Entry& a, const Entry& b) { return a.written.size() > b.written.size(); });
}

QString Readings::apply(const QString& text) const
{
    QString out;
    out.reserve(text.size() * 2);
    qsizetype i = 0;
    while (i < text.size()) {
        const Entry* hit = nullptr;
        for (const Entry& e : m_entries) {
            if (QStringView(text).sliced(i).startsWith(e.written)) {
                hit = &e;
                break;
            }
        }
        if (hit) {
            out += hit->spoken;
            i += hit->written.size();
        } else {
            out += text[i];
            ++i;
        }
    }
    return out;
}
