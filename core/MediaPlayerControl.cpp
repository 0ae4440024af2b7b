#include "core/MediaPlayerControl.h"

#include "core/Failure.h"

MediaPlayerControl::MediaPlayerControl(ControlSet& set, QString name, std::unique_ptr<MediaDevice> device)
    : Control(set, std::move(name), ControlKind::Hidden, Properties(Property::Visible))
    , m_device(std::move(device))
{
    setVisible(false);
    m_device->onEnded = [this] {
        if (onNotify)
            onNotify();
    };
}

void MediaPlayerControl::open()
{
    m_device->close();
    m_device->open(m_fileName);
}

void MediaPlayerControl::play()
{
    if (!m_device->isOpen())
        throw Failure(name() + QStringLiteral(": no file is open"));
    m_device->play();
}

void MediaPlayerControl::stop()
{
    if (!m_device->isOpen())
        throw Failure(name() + QStringLiteral(": no file is open"));
    m_device->stop();
}

void MediaPlayerControl::close()
{
    m_device->close();
}
