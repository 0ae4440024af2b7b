#include "hosts/real/QtHost.h"

#include "hosts/real/RealMediaDevice.h"
#include "hosts/real/RealSpeechEngine.h"
#include "hosts/real/SilentMediaDevice.h"

#include <QFileDialog>

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
    // the same failure while its box waits or is open is counted on it.
    if (m_pendingErrors.contains(message)) {
        errorRepeated(message, m_errorCounts.value(message, 1) + 1);
        return;
    }
    m_pendingErrors.append(message);
    if (!m_errorShown)
        QTimer::singleShot(0, this, [this] { showNextError(); });
}

QString QtHost::errorText(const QString& message) const
{
    const int count = m_errorCounts.value(message, 1);
    return count > 1 ? QStringLiteral("%1\n\n(%2 times)").arg(message).arg(count) : message;
}

void QtHost::errorRepeated(const QString& message, int count)
{
    // Shown once: a box waiting or open counts the repeats; once it is
    // closed the same run of failures shows no more.
    if (!m_pendingErrors.contains(message))
        return;
    m_errorCounts[message] = count;
    if (m_errorBox && m_pendingErrors.first() == message)
        m_errorBox->setText(errorText(message));
}

void QtHost::showNextError()
{
    if (m_errorShown || m_pendingErrors.isEmpty())
        return;
    m_errorShown = true;
    const QString message = m_pendingErrors.first();
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), errorText(message), QMessageBox::Ok,
                    m_window);
    m_errorBox = &box;
    box.exec();
    m_errorBox = nullptr;
    m_pendingErrors.removeFirst();
    m_errorCounts.remove(message);
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

QStringList QtHost::askOpenFiles(const QString& title, const QStringList& filters)
{
    // Qt's own dialog: it lets several files be chosen and is resizable;
    // the read-only box of other platforms' dialogs does not exist here.
    QFileDialog dialog(m_window, title);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

void QtHost::showModal(const QString& form)
{
    if (m_menus)
        m_menus->showModalForm(form);
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
