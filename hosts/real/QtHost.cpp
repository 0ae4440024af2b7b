#include "hosts/real/QtHost.h"

#include "hosts/real/RealMediaDevice.h"
#include "hosts/real/RealSpeechEngine.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

QtHost::QtHost()
    : m_speech(std::make_unique<VoicelessSpeechEngine>())
    , m_random(std::random_device{}())
{
}

QtHost::~QtHost() = default;

void QtHost::reportError(const QString& message)
{
    // The box comes after the failed handler has returned, one at a time;
    // a failure that repeats while its box is open is not queued again.
    if (m_pendingErrors.contains(message))
        return;
    m_pendingErrors.append(message);
    if (!m_errorShown)
        QTimer::singleShot(0, this, [this] { showNextError(); });
}

void QtHost::showNextError()
{
    if (m_errorShown || m_pendingErrors.isEmpty())
        return;
    m_errorShown = true;
    const QString message = m_pendingErrors.first();
    QMessageBox::critical(m_window, QApplication::applicationDisplayName(), message);
    m_pendingErrors.removeFirst();
    m_errorShown = false;
    if (!m_pendingErrors.isEmpty())
        QTimer::singleShot(0, this, [this] { showNextError(); });
}

void QtHost::showMessage(const QString& text)
{
    QMessageBox::warning(m_window, QApplication::applicationDisplayName(), text);
}

bool QtHost::askYesNo(const QString& text)
{
    return QMessageBox::question(m_window, QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

void QtHost::beep()
{
    QApplication::beep();
}

void QtHost::popUpMenu(const QString& menu)
{
    // At the cursor as it is now, once the handler that asked has returned:
    // a pick in the menu is an event of its own.
    const QPoint at = QCursor::pos();
    QTimer::singleShot(0, this, [this, menu, at] {
        if (m_menus)
            m_menus->popUpMenu(menu, at);
    });
}

bool QtHost::open(const QString& target)
{
    if (target.isEmpty())
        return false;
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    return QDesktopServices::openUrl(url);
}

std::unique_ptr<MediaDevice> QtHost::createMediaDevice(const QString&)
{
    return std::make_unique<RealMediaDevice>();
}

void QtHost::useRealSpeech(const QString& programFolder)
{
    m_speech = std::make_unique<RealSpeechEngine>(SpeechSetup::forProgramFolder(programFolder));
}

int QtHost::next()
{
    return int(m_random() >> 1);
}
