#include "hosts/real/WaveFile.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

void normalise(QVector<qint16>& samples, double peak)
{
    int loudest = 0;
    for (qint16 s : samples)
        loudest = std::max(loudest, std::abs(int(s)));
    if (loudest == 0)
        return;
    const double gain = peak * 32767.0 / loudest;
    for (qint16& s : samples)
        s = qint16(std::clamp(std::lround(s * gain), -32768L, 32767L));
}

bool normaliseFile(const QString& path, double peak)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = f.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    qsizetype pos = 12;
    bool pcm16 = false;
    while (pos + 8 <= bytes.size()) {
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
        const qsizetype body = pos + 8;
        if (bytes.mid(pos, 4) == "fmt " && size >= 16) {
            pcm16 = qFromLittleEndian<quint16>(bytes.constData() + body) == 1 &&
                    qFromLittleEndian<quint16>(bytes.constData() + body + 14) == 16;
        } else if (bytes.mid(pos, 4) == "data") {
            if (!pcm16)
                return false;
            const qsizetype count = (std::min<qsizetype>(size, bytes.size() - body)) / 2;
            QVector<qint16> samples(count);
            for (qsizetype i = 0; i < count; ++i)
                samples[i] = qFromLittleEndian<qint16>(bytes.constData() + body + 2 * i);
            normalise(samples, peak);
            for (qsizetype i = 0; i < count; ++i)
                qToLittleEndian<qint16>(samples[i], bytes.data() + body + 2 * i);
            f.seek(0);
            return f.write(bytes) == bytes.size();
        }
        pos = body + size + (size & 1);
    }
    return false;
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
