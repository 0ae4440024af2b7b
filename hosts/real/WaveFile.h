#pragma once
// The little of the RIFF wave format the real devices need: a clip's length
// (for the silent end notice) and writing 16-bit mono PCM.

#include <QString>
#include <QVector>

namespace WaveFile {

// Milliseconds of sound in a PCM wave file; -1 when it is not one.
qint64 lengthMsecs(const QString& path);

bool writeMono16(const QString& path, const QVector<qint16>& samples, int sampleRate);

}  // namespace WaveFile
