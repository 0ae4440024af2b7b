#include "hosts/real/WaveFile.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

namespace WaveFile {

qint64 lengthMsecs(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    // Walk the chunks; the data chunk's size may be a streaming writer's
    // placeholder, so it is capped by what the file holds.
    while (!f.atEnd()) {
        const QByteArray chunk = f.read(8);
        if (chunk.size() < 8)
            return -1;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = f.read(size);
            if (fmt.size() < 16)
                return -1;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            if (size & 1)
                f.skip(1);
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0)
                return -1;
            const qint64 bytes = std::min<qint64>(size, f.size() - f.pos());
            return bytes * 1000 / byteRate;
        } else {
            f.skip(size + (size & 1));
        }
    }
    return -1;
}

bool writeMono16(const QString& path, const QVector<qint16>& samples, int sampleRate)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    auto u32 = [&](quint32 v) { v = qToLittleEndian(v); f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](quint16 v) { v = qToLittleEndian(v); f.write(reinterpret_cast<const char*>(&v), 2); };
    const quint32 bytes = quint32(samples.size() * 2);
    f.write("RIFF", 4);
    u32(36 + bytes);
    f.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(quint32(sampleRate));
    u32(quint32(sampleRate) * 2);
    u16(2);
    u16(16);
    f.write("data", 4);
    u32(bytes);
    for (qint16 s : samples)
        u16(quint16(s));
    return f.commit();
}

}  // namespace WaveFile
