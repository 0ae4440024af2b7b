// The thumbnail strip as the user meets it: its look, the three columns,
// the wheel, the keyboard, the mouse and the placeholder.

#include "AlbumTestSupport.h"

#include "ui/AlbumStrip.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QWheelEvent>

using namespace album;

namespace {

class StripTest : public ::testing::Test {
protected:
    TemporaryHome home;
    QString folder = home.path() + "/album";
    AlbumStrip strip{nullptr, home.cacheHome() + "/thumbs"};

    void show(int pictures, const QStringList& extra = {})
    {
        for (int i = 0; i < pictures; ++i)
            writePicture(folder + QStringLiteral("/%1.jpg").arg(i, 2, 10, QChar(u'0')), QSize(400, 300));
        for (const QString& name : extra)
            writeBytes(folder + "/" + name, "not a picture");
        strip.resize(386, 110);
        strip.show();
        strip.setFiles(folder, listPictures(folder, SortOrder::ByName));
    }
    bool settle()
    {
        QDeadlineTimer deadline(20000);
        while (strip.thumbnails().pending() > 0 && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(1);
        }
        QApplication::processEvents();
        return strip.thumbnails().pending() == 0;
    }
    void wheel(int delta)
    {
        const QPointF at(50, 40);
        QWheelEvent e(at, strip.viewport()->mapToGlobal(at), QPoint(0, delta), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(strip.viewport(), &e);
    }
    QColor pixel(QPoint at) { return QColor(strip.viewport()->grab().toImage().pixel(at)); }
};

}  // namespace

TEST_F(StripTest, ShowsThreeColumnsInOneRowWithItsSettings)
{
    show(5);
    EXPECT_EQ(strip.count(), 5);
    EXPECT_EQ(strip.toolTip(), QStringLiteral("マウスホイールでスクロール"));
    EXPECT_EQ(strip.viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(strip.frameShape(), QFrame::NoFrame);
    const int width = strip.viewport()->width();
    for (int i = 0; i < 3; ++i) {
        const QRect cell = strip.cellRect(i);
        EXPECT_EQ(cell.top(), AlbumStrip::kEdge);
        EXPECT_GE(cell.left(), AlbumStrip::kEdge);
        EXPECT_LE(cell.right(), width - 1);
        if (i > 0)
            EXPECT_EQ(cell.left() - strip.cellRect(i - 1).right() - 1, AlbumStrip::kGap);
    }
    EXPECT_EQ(strip.cellRect(0).left(), AlbumStrip::kEdge);
    EXPECT_GE(strip.cellRect(3).left(), width - AlbumStrip::kEdge) << "a fourth column in view";
    EXPECT_EQ(strip.cellRect(4).top(), strip.cellRect(0).top()) << "one row";

    ASSERT_TRUE(settle());
    EXPECT_EQ(pixel(QPoint(1, 1)), QColor(0x46, 0x46, 0x46));
    EXPECT_EQ(pixel(strip.cellRect(0).topLeft() + QPoint(1, 1)), QColor(Qt::black));
    strip.setSelectedFile("01.jpg");
    EXPECT_EQ(pixel(strip.cellRect(1).topLeft() + QPoint(1, 1)), QColor(0x31, 0x31, 0x31));
    // The file name in white under the picture.
    const QImage shot = strip.viewport()->grab().toImage();
    const QRect cell = strip.cellRect(0);
    int white = 0;
    for (int y = cell.bottom() - 14; y < cell.bottom(); ++y)
        for (int x = cell.left(); x < cell.right(); ++x)
            white += QColor(shot.pixel(x, y)).lightness() > 200;
    EXPECT_GT(white, 10);
    EXPECT_EQ(strip.cellState(0), AlbumStrip::CellState::Picture);
}

TEST_F(StripTest, TheWheelScrollsAColumnANotchAndPartStepsAddUp)
{
    show(9);
    const int stride = strip.columnStride();
    const struct {
        QList<int> deltas;
        int columns;
    } cases[] = {
        {{-120}, 1}, {{-240}, 2}, {{-30, -30, -30}, 0}, {{-30, -30, -30, -30}, 1},
        {{-60, 60, -60}, 0}, {{-90, -90}, 1}, {{-120, 120}, 0},
    };
    for (const auto& c : cases) {
        strip.setFiles(folder, listPictures(folder, SortOrder::ByName));
        for (int d : c.deltas)
            wheel(d);
        EXPECT_EQ(strip.scrollOffset(), c.columns * stride) << c.deltas.size() << " events";
    }
    strip.setFiles(folder, listPictures(folder, SortOrder::ByName));
    wheel(120);
    EXPECT_EQ(strip.scrollOffset(), 0) << "not before the first";
    for (int i = 0; i < 20; ++i)
        wheel(-120);
    EXPECT_EQ(strip.scrollOffset(), strip.horizontalScrollBar()->maximum());
    EXPECT_LE(strip.cellRect(8).right(), strip.viewport()->width() - 1);
}

TEST_F(StripTest, TheMouseSelectsAndTheRightButtonOnlyPicks)
{
    show(4);
    QSignalSpy selected(&strip, &AlbumStrip::selectFile);
    QSignalSpy changed(&strip, &AlbumStrip::selectionChanged);
    QSignalSpy menu(&strip, &AlbumStrip::contextMenuRequested);

    QTest::mouseMove(strip.viewport(), strip.cellRect(2).center());
    EXPECT_EQ(strip.hoveredIndex(), 2);
    QTest::mouseClick(strip.viewport(), Qt::LeftButton, {}, strip.cellRect(1).center());
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0][0].toString(), folder);
    EXPECT_EQ(selected[0][1].toString(), "01.jpg");
    EXPECT_EQ(strip.selectedFile(), "01.jpg");

    // Clicking it again opens it again.
    QTest::mouseClick(strip.viewport(), Qt::LeftButton, {}, strip.cellRect(1).center());
    EXPECT_EQ(selected.size(), 2);

    QTest::mouseClick(strip.viewport(), Qt::RightButton, {}, strip.cellRect(0).center());
    QContextMenuEvent request(QContextMenuEvent::Mouse, strip.cellRect(0).center(),
                              strip.viewport()->mapToGlobal(strip.cellRect(0).center()));
    QApplication::sendEvent(strip.viewport(), &request);
    EXPECT_EQ(selected.size(), 2) << "a right click does not open the picture";
    EXPECT_EQ(strip.selectedFile(), "00.jpg");
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed.last()[0].toString(), "00.jpg");
    EXPECT_EQ(menu.size(), 1);

    // The gap and the background select nothing.
    const QPoint gap(strip.cellRect(0).right() + 1, strip.cellRect(0).center().y());
    QTest::mouseClick(strip.viewport(), Qt::LeftButton, {}, gap);
    EXPECT_EQ(selected.size(), 2);
    EXPECT_EQ(strip.indexAt(gap), -1);
}

TEST_F(StripTest, TheKeyboardSelectsAndScrollsAndOnlyEnterOpens)
{
    show(6);
    QSignalSpy opened(&strip, &AlbumStrip::selectFile);
    strip.setFocus();
    const struct {
        Qt::Key key;
        QString file;
    } steps[] = {
        {Qt::Key_Right, "00.jpg"}, {Qt::Key_Right, "01.jpg"}, {Qt::Key_End, "05.jpg"},
        {Qt::Key_Right, "05.jpg"}, {Qt::Key_Left, "04.jpg"}, {Qt::Key_Home, "00.jpg"}, {Qt::Key_Left, "00.jpg"},
    };
    for (const auto& s : steps) {
        QTest::keyClick(&strip, s.key);
        EXPECT_EQ(strip.selectedFile(), s.file);
        const QRect cell = strip.cellRect(strip.selectedIndex());
        EXPECT_GE(cell.left(), 0) << "the selection is on screen";
        EXPECT_LE(cell.right(), strip.viewport()->width() - 1);
    }
    EXPECT_TRUE(opened.isEmpty()) << "walking through the strip opens nothing";
    QTest::keyClick(&strip, Qt::Key_Right);
    QTest::keyClick(&strip, Qt::Key_Return);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.last()[1].toString(), "01.jpg");
}

TEST_F(StripTest, ABrokenFileShowsAPlaceholder)
{
    writeBytes(folder + "/broken.jpg", "\xFF\xD8 broken");
    show(1);
    ASSERT_EQ(strip.count(), 2);
    ASSERT_TRUE(settle());
    EXPECT_EQ(strip.cellState(0), AlbumStrip::CellState::Picture);
    EXPECT_EQ(strip.cellState(1), AlbumStrip::CellState::Placeholder);
    EXPECT_EQ(pixel(strip.cellRect(1).center()), QColor(0x5A, 0x5A, 0x5A));
}

TEST_F(StripTest, NewFilesClearTheSelectionAndScrollHome)
{
    show(9);
    strip.setSelectedFile("08.jpg");
    EXPECT_GT(strip.scrollOffset(), 0);
    strip.setFiles(folder, listPictures(folder, SortOrder::ByDate));
    EXPECT_TRUE(strip.selectedFile().isEmpty());
    EXPECT_EQ(strip.scrollOffset(), 0);
    strip.setFiles(QString(), {});
    EXPECT_EQ(strip.count(), 0);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorel-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
