// The route map window: a press on a marker picks its entry, overlapping
// markers give the press to the upper one, and the main window's ways to the
// map show it again as it was.

#include "data/MapMarkers.h"
#include "forms/MapForm1.h"
#include "support/ProgramHarness.h"

#include <gtest/gtest.h>

namespace {

// Records what the map asks of the screen, with the station shown at that moment.
class RecordingPresenter : public WindowPresenter {
public:
    explicit RecordingPresenter(TMainForm1*& main) : m_main(main) {}
    void bringToFront(const QString& window) override { calls << "front " + window + " at " + shown(); }
    void repaintNow(const QString& window) override { calls << "repaint " + window + " at " + shown(); }
    QStringList calls;

private:
    QString shown() const { return m_main ? m_main->currentStation : QString(); }
    TMainForm1*& m_main;
};

class RouteMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& [line, station] : {std::pair{"銀座線", "渋谷"}, {"銀座線", "溜池山王"}, {"南北線", "溜池山王"},
                                            {"丸ノ内分岐線", "中野新橋"}, {"新宿線", "新線新宿"}})
            fixture.addStation(stationRow(line, station, {{"HOME", "単1"}}));
        fixture.write();
        main = &program.start("銀座線", "渋谷", QTime(12, 0, 0));
        map().presenter = &presenter;
    }
    TMapForm1& map() { return *program.program->MapForm1; }
    void deliver(const std::function<void()>& handler) { program.host->dispatch().deliver(handler); }
    void press(const QString& name)
    {
        Control* marker = map().marker(name);
        ASSERT_NE(marker, nullptr) << name.toStdString();
        deliver(marker->onMouseDown);
    }

    StationFixture fixture;
    ProgramHarness program{fixture};
    TMainForm1* main = nullptr;
    RecordingPresenter presenter{main};
};

}  // namespace

TEST_F(RouteMapTest, TheWindowAsDefined)
{
    TMapForm1& m = map();
    EXPECT_EQ(TMapForm1::kCaption, "◆ DUVIV OVEVER MAP");
    EXPECT_TRUE(m.visible);
    EXPECT_FALSE(m.placed);
    EXPECT_EQ(std::pair(m.width, m.height), std::pair(800, 602));
    EXPECT_EQ(std::pair(m.scrollLeft, m.scrollTop), std::pair(183, 229));
    EXPECT_EQ(m.ScrollBox1.color(), 0xFFFFFF);
    EXPECT_EQ(std::pair(m.Image1.width(), m.Image1.height()), std::pair(1330, 940));
    ASSERT_EQ(m.markers().size(), 228u);
    for (const auto& marker : m.markers()) {
        const MapMarker* data = findMapMarker(marker->name().toStdString());
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(marker->parent(), &m.Image1);
        EXPECT_EQ(QRect(marker->left(), marker->top(), marker->width(), marker->height()),
                  QRect(data->left, data->top, 10, 10));
        EXPECT_EQ(marker->hint(), QString::fromUtf8(mapMarkerHint(*data)));
        EXPECT_TRUE(marker->visible() && marker->showHint() && marker->look.handCursor);
        EXPECT_TRUE(marker->look.noFill && marker->look.noOutline);  // nothing of it is drawn
    }
    EXPECT_EQ(m.marker("SN_MM05")->hint(), "中野新橋 - Nakano-shimbashi");
    EXPECT_EQ(m.marker("SN_S01")->hint(), "新宿 - Shinjuku");
}

TEST_F(RouteMapTest, APressRaisesAndDrawsTheMainWindowThenMoves)
{
    press("SN_G06");
    EXPECT_EQ(main->currentLine, "銀座線");
    EXPECT_EQ(main->currentStation, "溜池山王");
    // Raised and drawn while the old station still shows: the move comes after.
    EXPECT_EQ(presenter.calls, (QStringList{"front MainForm1 at 渋谷", "repaint MainForm1 at 渋谷"}));
    EXPECT_EQ(main->Info00_01.caption(), "溜池山王");
    // The map is neither closed nor hidden.
    EXPECT_TRUE(map().visible);
    EXPECT_TRUE(program.errors().isEmpty()) << program.errors().join('\n').toStdString();
}

TEST_F(RouteMapTest, OwnHintsStillPickTheirEntries)
{
    const std::pair<const char*, std::pair<const char*, const char*>> cases[] = {
        {"SN_MM05", {"丸ノ内分岐線", "中野新橋"}},
        {"SN_S01", {"新宿線", "新線新宿"}},
        {"SN_G01", {"銀座線", "渋谷"}},
    };
    for (const auto& [name, keys] : cases) {
        SCOPED_TRACE(name);
        press(QString::fromLatin1(name));
        EXPECT_EQ(main->currentLine, QString::fromUtf8(keys.first));
        EXPECT_EQ(main->currentStation, QString::fromUtf8(keys.second));
    }
}

TEST_F(RouteMapTest, ThePressInTheSharedAreaOfG06AndN06GoesToTheNambokuLine)
{
    // G06 at 508,537 and N06 at 500,532 share x 508..509, y 537..541.
    for (const QPoint at : {QPoint(508, 537), QPoint(509, 541)}) {
        Control* hit = map().markerAt(at.x(), at.y());
        ASSERT_NE(hit, nullptr);
        EXPECT_EQ(hit->name(), "SN_N06");
    }
    EXPECT_EQ(map().markerAt(517, 546)->name(), "SN_G06");
    EXPECT_EQ(map().markerAt(0, 0), nullptr);
    deliver(map().markerAt(508, 537)->onMouseDown);
    EXPECT_EQ(main->currentLine, "南北線");
    EXPECT_EQ(main->currentStation, "溜池山王");
}

TEST_F(RouteMapTest, TheWindowsControlsKeepTheStackingOfEveryPair)
{
    // The window creates its markers lowest first; the ui stacks them so.
    for (const MapMarker& a : mapMarkers())
        for (const MapMarker& b : mapMarkers()) {
            if (&a == &b || a.level >= b.level)
                continue;
            const QRect shared = QRect(a.left, a.top, 10, 10) & QRect(b.left, b.top, 10, 10);
            if (shared.isEmpty())
                continue;
            SCOPED_TRACE(std::string(a.name) + " under " + b.name);
            EXPECT_NE(map().markerAt(shared.left(), shared.top())->name(), QString::fromLatin1(a.name));
        }
}

TEST_F(RouteMapTest, BothWaysInShowTheClosedWindowAsItWas)
{
    TMapForm1& m = map();
    m.moved(40, 50, 640, 480);
    m.scrolled(300, 120);
    deliver([&] { m.FormClose(); });
    EXPECT_FALSE(m.visible);
    deliver([&] { main->SN_00Click(); });
    EXPECT_TRUE(m.visible);
    EXPECT_EQ(presenter.calls, QStringList{"front MapForm1 at 渋谷"});
    EXPECT_EQ(QRect(m.left, m.top, m.width, m.height), QRect(40, 50, 640, 480));
    EXPECT_EQ(std::pair(m.scrollLeft, m.scrollTop), std::pair(300, 120));

    deliver([&] { m.FormClose(); });
    deliver(main->FadeButton2.onClick);  // "MAP"
    EXPECT_TRUE(m.visible);
    // Already shown: it only comes to the front again.
    deliver(main->FadeButton2.onClick);
    EXPECT_EQ(presenter.calls.size(), 3);
    EXPECT_EQ(main->currentStation, "渋谷");  // no move
}
