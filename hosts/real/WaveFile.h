#pragma once
// The little of the RIFF wave format the real devices need: a clip's length
// (for the silent end notice) and writing 16-bit mono PCM.

#include <QString>
#include <QVector>

namespace WaveFile {

// The peak every rendered announcement is brought to (-3 dBFS).
constexpr double kSpeechPeak = 0.71;

// Milliseconds of sound in a PCM wave file; -1 when it is not one.
qint64 lengthMsecs(const QString& path);

bool writeMono16(const QString& path, const QVector<qint16>& samples, int sampleRate);

// Scales 16-bit samples so that the loudest reaches `peak` (0..1 of full
// scale): the synthesisers' levels differ by several dB.
void normalise(QVector<qint16>& samples, double peak);
// The same on a 16-bit PCM wave file, in place; false when it is not one.
bool normaliseFile(const QString& path, double peak);

}  // namespace WaveFile
