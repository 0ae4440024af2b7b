#pragma once
// The readings handed to the Japanese synthesiser: station names spelt in the
// katakana of the network tables, and the few announcement words its
// dictionary reads wrongly. One table, applied longest match first.

#include <QString>
#include <QVector>

class Readings {
public:
    // The corrections only; names come from add() or load().
    Readings();
    // Reads NAME<TAB>KANA lines ("#" starts a comment); false when the file
    // cannot be read, keeping what was there.
    bool load(const QString& tsvPath);
    void add(const QString& written, const QString& spoken);
    int size() const { return int(m_entries.size()); }

    QString apply(const QString& text) const;

private:
    struct Entry {
        QString written;
        QString spoken;
    };
    void sortEntries();
    QVector<Entry> m_entries;
};
