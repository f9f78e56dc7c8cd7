#include "testWindows.h"
#include "support/uiTestSupport.h"

#include "ui/Robot.h"
#include "ui/Timers.h"

using namespace ui;
using namespace ui::test;

namespace {

class TimerTest : public UiTest {};

TEST_F(TimerTest, WindowTimerFiresWhenTheClockIsAdvanced) {
    RecordingWindow w;
    ASSERT_TRUE(w.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    w.events.clear();
    EXPECT_EQ(w.setTimer(7, 50), 7u);
    Robot robot;
    robot.advance(49);
    EXPECT_TRUE(w.events.empty());
    robot.advance(1);
    EXPECT_EQ(w.events, (std::vector<std::string>{"timer 7"}));
    robot.advance(100);
    EXPECT_EQ(w.events.size(), 3u);  // repeats until killed
    EXPECT_TRUE(w.killTimer(7));
    robot.advance(1000);
    EXPECT_EQ(w.events.size(), 3u);
    EXPECT_EQ(Timers::now(), 1150u);
}

TEST_F(TimerTest, WindowlessTimerCallsItsCallbackAtTheDueTime) {
    std::vector<std::uint64_t> at;
    std::uintptr_t id = Timers::setTimer(2000, [&](std::uintptr_t) { at.push_back(Timers::now()); });
    EXPECT_NE(id, 0u);
    Timers::advance(4500);
    EXPECT_EQ(at, (std::vector<std::uint64_t>{2000, 4000}));
    EXPECT_TRUE(Timers::killTimer(id));
    EXPECT_FALSE(Timers::killTimer(id));
}

TEST_F(TimerTest, TimersFireInTimeOrderAndMayKillThemselves) {
    std::vector<std::string> order;
    std::uintptr_t once = 0;
    once = Timers::setTimer(30, [&](std::uintptr_t id) {
        order.push_back("30");
        Timers::killTimer(id);
    });
    Timers::setTimer(20, [&](std::uintptr_t) { order.push_back("20"); });
    Timers::advance(60);
    EXPECT_EQ(order, (std::vector<std::string>{"20", "30", "20", "20"}));
    EXPECT_FALSE(Timers::killTimer(once));
}

TEST_F(TimerTest, ShortElapseCountsAsTenMilliseconds) {
    int n = 0;
    Timers::setTimer(0, [&](std::uintptr_t) { ++n; });
    Timers::advance(100);
    EXPECT_EQ(n, 10);
}

TEST_F(TimerTest, DestroyingTheWindowKillsItsTimers) {
    RecordingWindow w;
    ASSERT_TRUE(w.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    w.setTimer(1, 10);
    w.setTimer(2, 10);
    EXPECT_EQ(Timers::activeCount(), 2);
    w.destroyWindow();
    EXPECT_EQ(Timers::activeCount(), 0);
}

TEST_F(TimerTest, SettingTheSameIdAgainRestartsIt) {
    RecordingWindow w;
    ASSERT_TRUE(w.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    w.events.clear();
    w.setTimer(1, 50);
    Timers::advance(40);
    w.setTimer(1, 50);
    Timers::advance(40);
    EXPECT_TRUE(w.events.empty());
    Timers::advance(10);
    EXPECT_EQ(w.events.size(), 1u);
}

} // namespace
