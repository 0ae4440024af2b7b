// quorel: the platform simulator.

#include "forms/Program.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "ui/MapWindow.h"
#include "hosts/real/QtHost.h"
#include "core/Failure.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorel"));
    QApplication::setApplicationDisplayName(QStringLiteral("QUOREL NETWORK - REALTIME SIMULATOR"));
    QApplication::setApplicationVersion(QStringLiteral(QUOREL_VERSION));
    installFontSubstitutes();
    QApplication::setFont(windowFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));

    QtHost host;
    host.useRealSpeech(QCoreApplication::applicationDirPath());
    std::unique_ptr<Program> program;
    try {
        program = std::make_unique<Program>(host, QCoreApplication::applicationDirPath());
    } catch (const Failure& failure) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), failure.message());
        return 1;
    }
    MainWindow window(*program);
    host.setMainWindow(&window);
    host.setMenuPresenter(&window);
    // The route map is defined visible: it is on the screen from the start,
    // the main window shown after it and above it.
    MapWindow map(*program->MapForm1, host.dispatch(), &window);
    map.show();
    window.show();
    const int status = QApplication::exec();
    return status;
}
