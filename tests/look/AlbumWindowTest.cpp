// The album, the bottom bar's fade and the information window in the real
// window's widgets, driven by the recording host's core.

#include "album/Album.h"
#include "forms/InfoForm1.h"
#include "support/Paths.h"
#include "support/ProgramHarness.h"
#include "ui/AlbumStrip.h"
#include "ui/ControlView.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct AlbumWindow {
    AlbumWindow()
    {
        // The strip's thumbnail cache goes to a folder of the test's own.
        qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
        for (const QString& item : {QStringLiteral("network.db"), QStringLiteral("Train")})
            QFile::link(QDir(programFolder()).filePath(item), fixture.path(item));
        program.start(QStringLiteral("銀座線"), QStringLiteral("渋谷"), QTime(12, 0, 30));
        window = std::make_unique<MainWindow>(*program.program);
        window->show();
    }
    bool waitFor(const std::function<bool()>& done, int ms = 3000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }
    ~AlbumWindow()
    {
        window.reset();
        savedCache.isNull() ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", savedCache);
    }
    QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    QTemporaryDir cache;
    StationFixture fixture;
    ProgramHarness program{fixture};
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST(AlbumWindow, TheStripSitsUnderTheAddressAndShowsWhatIsAdded)
{
    AlbumWindow w;
    auto* strip = w.window->findChild<album::AlbumStrip*>();
    ASSERT_NE(strip, nullptr);
    QWidget* address = w.window->findChild<QWidget*>(QStringLiteral("SpeedButton1"));
    ASSERT_NE(address, nullptr);
    QWidget* view = strip->parentWidget();
    EXPECT_EQ(view->geometry(), QRect(0, 16, 386, 110));
    EXPECT_EQ(address->geometry(), QRect(1, 0, 385, 16));
    EXPECT_EQ(strip->count(), 0);

    QTemporaryDir sources;
    QStringList files;
    for (const char* name : {"b.png", "a.png"}) {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        const QString path = sources.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(picture.save(path));
        files << path;
    }
    w.program.host->openFilesAnswer = files;
    TMainForm1& main = w.program.main();
    main.P01.onClick();
    ASSERT_EQ(strip->count(), 2);
    EXPECT_EQ(strip->folder(), main.album->folder());

    // A selection from the core moves the strip's selection without starting it afresh.
    main.IkThumb1SelectionChanged(QStringLiteral("b.png"));
    EXPECT_EQ(strip->selectedFile(), QStringLiteral("b.png"));
    EXPECT_EQ(strip->count(), 2);
}

TEST(AlbumWindow, AFadeButtonFadesUpInStepsOfTwoAndBackDown)
{
    AlbumWindow w;
    auto* site = dynamic_cast<ControlView*>(w.window->findChild<QWidget*>(QStringLiteral("FadeButton5")));
    ASSERT_NE(site, nullptr);
    QVector<int> levels;
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(site, &enter);
    ASSERT_TRUE(w.waitFor([&] {
        if (levels.isEmpty() || levels.last() != site->fadeLevel())
            levels << site->fadeLevel();
        return site->fadeLevel() == ControlView::kFadeTop;
    }));
    for (int i = 1; i < levels.size(); ++i)
        EXPECT_EQ((levels[i] - levels[0]) % ControlView::kFadeStep, 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(site, &leave);
    EXPECT_TRUE(w.waitFor([&] { return site->fadeLevel() == 0; }));
}

TEST(AlbumWindow, TheInformationWindowShowsItsControlsAndClosesWithItsButton)
{
    AlbumWindow w;
    TInfoForm1& info = *w.program.program->InfoForm1;
    w.program.main().FadeButton0.onClick();  // the recording host only notes the request
    EXPECT_TRUE(info.showing);
    w.window->showModalForm(QStringLiteral("InfoForm1"));
    auto* dialog = w.window->findChild<QDialog*>(QStringLiteral("InfoForm1"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->size(), QSize(248, 128));
    EXPECT_EQ(dialog->windowTitle(), info.caption);
    auto* close = dialog->findChild<QPushButton*>(QStringLiteral("SpeedButton2"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("CLOSE (&X)"));
    EXPECT_EQ(close->geometry(), QRect(85, 104, 77, 16));
    close->click();
    EXPECT_FALSE(info.showing);
    EXPECT_TRUE(w.waitFor([&] { return w.window->findChild<QDialog*>(QStringLiteral("InfoForm1")) == nullptr; }));
}
