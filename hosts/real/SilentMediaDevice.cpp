#include "hosts/real/SilentMediaDevice.h"

#include "core/Failure.h"

#include <QFileInfo>

void SilentMediaDevice::open(const QString& filePath)
{
    m_open = false;
    if (!QFileInfo(filePath).isFile())
        throw Failure(QStringLiteral("Cannot open %1").arg(filePath));
    m_open = true;
}
