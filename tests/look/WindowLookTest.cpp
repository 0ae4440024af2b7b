// The main window's frame, and the scene's scroll bar and wheel, on the real
// window built over a started program.

#include "ui/MainWindow.h"
#include "support/Paths.h"
#include "support/ProgramHarness.h"

#include <QCoreApplication>
#include <QDir>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct Window {
    Window()
    {
        for (const QString& item : {QStringLiteral("network.db"), QStringLiteral("Train")})
            QFile::link(QDir(programFolder()).filePath(item), fixture.path(item));
        program.start(QStringLiteral("銀座線"), QStringLiteral("表参道"), QTime(12, 0, 30));
        window = std::make_unique<MainWindow>(*program.program);
        window->show();  // lays the views out
    }
    QScrollBar* sceneBar() const
    {
        QWidget* box = window->findChild<QWidget*>(QStringLiteral("ScrollBox1"));
        return box ? box->findChild<QScrollBar*>() : nullptr;
    }
    StationFixture fixture;
    ProgramHarness program{fixture};
    std::unique_ptr<MainWindow> window;
};

void wheel(QWidget* target, QPoint angle, QPoint pixels = {})
{
    QWheelEvent event(QPointF(100, 50), QPointF(100, 50), pixels, angle, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &event);
}

}  // namespace

TEST(WindowLook, TheFrameHasNoMaximiseBoxAndAFixedSize)
{
    Window w;
    const Qt::WindowFlags flags = w.window->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_EQ(w.window->minimumSize(), QSize(986, 357));
    EXPECT_EQ(w.window->maximumSize(), QSize(986, 357));
}

TEST(WindowLook, PartialWheelStepsAndTouchpadPixelsAddUp)
{
    Window w;
    QScrollBar* bar = w.sceneBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_GT(bar->maximum(), 500);
    QWidget* box = bar->parentWidget();
    bar->setValue(0);
    struct Case {
        QPoint angle;
        QPoint pixels;
        int times;
        int moved;  // pixels the scene moves right to left in all
    };
    const Case cases[] = {
        {{0, -120}, {}, 1, 60},  // a wheel notch
        {{0, -30}, {}, 4, 60},   // four quarter notches of a fine wheel
        {{0, -1}, {}, 3, 1},     // three eighths of a degree: one pixel, a half kept
        {{0, -1}, {}, 1, 1},     // ... which the next one completes
        {{0, 0}, {0, -7}, 1, 7}, // a touchpad reports pixels
        {{-60, 0}, {}, 1, 30},   // a sideways turn
        {{0, 120}, {}, 1, -60},  // back
    };
    for (const Case& c : cases) {
        const int before = bar->value();
        for (int i = 0; i < c.times; ++i)
            wheel(box, c.angle, c.pixels);
        EXPECT_EQ(bar->value() - before, c.moved) << c.angle.x() << "," << c.angle.y();
    }
}

TEST(WindowLook, TheSceneBarHasBothArrowButtonsAndADarkerThumb)
{
    Window w;
    QScrollBar* bar = w.sceneBar();
    ASSERT_NE(bar, nullptr);
    bar->resize(962, 12);
    bar->setValue(bar->maximum() / 2);
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    option.subControls = QStyle::SC_All;
    const QRect sub = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, bar);
    const QRect add = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    EXPECT_GE(sub.width(), 10);
    EXPECT_LE(sub.left(), 1);
    EXPECT_GE(add.width(), 10);
    EXPECT_GE(add.right(), 960);
    const QImage image = bar->grab().toImage();
    const QColor track = image.pixelColor((sub.right() + thumb.left()) / 2, 6);
    const QColor handle = image.pixelColor(thumb.center());
    EXPECT_GT(track.lightness(), 230);  // a white track
    EXPECT_LT(handle.lightness(), track.lightness() - 40);
}
