#pragma once
// The program's host: wall-clock time, real message boxes, the desktop's
// default applications, and the sound devices.

#include "core/EventDispatch.h"
#include "core/Host.h"
#include "hosts/real/RealScheduler.h"
#include "core/SpeechEngine.h"

#include <QObject>
#include <QPoint>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <random>

// Shows the main window's pop-up menus.
class MenuPresenter {
public:
    virtual ~MenuPresenter() = default;
    virtual void popUpMenu(const QString& menu, const QPoint& at) = 0;
    // Shows one of the program's other windows modally (the information window).
    virtual void showModalForm(const QString& /*form*/) {}
};

class QtHost : public QObject, public Host, private Dialogs, private Shell, private MediaFactory, private RandomSource {
public:
    QtHost();
    ~QtHost() override;

    Scheduler& scheduler() override { return m_scheduler; }
    EventDispatch& dispatch() override { return m_dispatch; }
    RandomSource& random() override { return *this; }
    Dialogs& dialogs() override { return *this; }
    Shell& shell() override { return *this; }
    SpeechEngine& speech() override { return *m_speech; }
    MediaFactory& media() override { return *this; }

    RealScheduler& realScheduler() { return m_scheduler; }
    // The window that owns the boxes.
    void setMainWindow(QWidget* window) { m_window = window; }
    void setMenuPresenter(MenuPresenter* menus) { m_menus = menus; }
    // Speaks through the installed synthesisers with the program folder's
    // voice; call after the application name is set (the speech cache
    // lives in the user's cache folder named after it).
    void useRealSpeech(const QString& programFolder);

private:
    void reportError(const QString& message) override;
    void errorRepeated(const QString& message, int count) override;
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;
    void beep() override;
    void popUpMenu(const QString& menu) override;
    QStringList askOpenFiles(const QString& title, const QStringList& filters) override;
    void showModal(const QString& form) override;
    bool open(const QString& target) override;
    std::unique_ptr<MediaDevice> createMediaDevice(const QString& playerName) override;
    int next() override;
    void showNextError();
    QString errorText(const QString& message) const;

    RealScheduler m_scheduler;
    EventDispatch m_dispatch{*this};
    std::unique_ptr<SpeechEngine> m_speech;
    std::mt19937 m_random;
    QPointer<QWidget> m_window;
    MenuPresenter* m_menus = nullptr;
    QStringList m_pendingErrors;
    bool m_errorShown = false;
    QHash<QString, int> m_errorCounts;  // repeats of the boxes waiting or open
    QPointer<QMessageBox> m_errorBox;
};
