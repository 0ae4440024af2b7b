#include "sound/SilentMediaDevice.h"

#include "data/Failure.h"

#include <QFileInfo>

void SilentMediaDevice::open(const QString& filePath)
{
    m_open = false;
    if (!QFileInfo(filePath).isFile())
        throw Failure(QStringLiteral("Cannot open %1").arg(filePath));
    m_open = true;
}
