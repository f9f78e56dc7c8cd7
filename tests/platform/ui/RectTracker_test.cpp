#include "support/uiTestSupport.h"

#include "ui/Desktop.h"
#include "ui/RectTracker.h"
#include "ui/Window.h"

using namespace ui;
using namespace ui::test;

namespace {

class RectTrackerTest : public UiTest {};

struct AllHandles : RectTracker {
    using RectTracker::RectTracker;
    unsigned getHandleMask() const override { return 255; }
};

TEST_F(RectTrackerTest, HandlesLieOutsideTheRectangle) {
    RectTracker t({10, 10, 100, 50}, RectTracker::solidLine | RectTracker::resizeOutside);
    t.handleSize = 5;
    EXPECT_EQ(t.getHandleRect(RectTracker::hitTopLeft), (Rect{5, 5, 10, 10}));
    EXPECT_EQ(t.getHandleRect(RectTracker::hitBottomRight), (Rect{100, 50, 105, 55}));
    EXPECT_EQ(t.getTrueRect(), (Rect{5, 5, 105, 55}));
    EXPECT_EQ(t.hitTest({7, 7}), RectTracker::hitTopLeft);
    EXPECT_EQ(t.hitTest({50, 30}), RectTracker::hitMiddle);
    EXPECT_EQ(t.hitTest({200, 30}), RectTracker::hitNothing);
}

TEST_F(RectTrackerTest, SmallRectanglesHideTheirEdgeHandlesUnlessTheMaskSaysOtherwise) {
    RectTracker small({0, 0, 12, 12}, RectTracker::resizeOutside);
    small.handleSize = 5;
    EXPECT_EQ(small.getHandleMask(), 0x0Fu);
    EXPECT_TRUE(small.getHandleRect(RectTracker::hitTop).isEmpty());
    AllHandles all({0, 0, 12, 12}, RectTracker::resizeOutside);
    all.handleSize = 5;
    EXPECT_FALSE(all.getHandleRect(RectTracker::hitTop).isEmpty());
}

TEST_F(RectTrackerTest, TrackAsksTheServicesAndNormalisesTheResult) {
    RectTracker t({10, 10, 100, 50}, RectTracker::resizeOutside);
    Script script;
    script.answerTrack([](const TrackRequest& r) {
              EXPECT_EQ(r.kind, TrackKind::Move);
              return std::optional<Rect>(r.start.offsetBy(20, 5));
          })
        .answerTrack(Rect{100, 60, 10, 10})
        .cancelTrack()
        .answerTrack(Rect{50, 50, 0, 0});
    EXPECT_TRUE(t.track(nullptr, {50, 30}));
    EXPECT_EQ(t.rect, (Rect{30, 15, 120, 55}));
    EXPECT_TRUE(t.track(nullptr, {122, 57}));  // bottom-right handle
    EXPECT_EQ(script.trackRequests().back().kind, TrackKind::Resize);
    EXPECT_EQ(script.trackRequests().back().handle, RectTracker::hitBottomRight);
    EXPECT_EQ(t.rect, (Rect{10, 10, 100, 60}));
    EXPECT_FALSE(t.trackRubberBand(nullptr, {0, 0}));
    EXPECT_TRUE(t.trackRubberBand(nullptr, {50, 50}));
    EXPECT_EQ(t.rect, (Rect{50, 50, 0, 0}));  // a rubber band may be inverted
    EXPECT_FALSE(t.track(nullptr, {500, 500}));  // nothing hit: not asked
}

TEST_F(RectTrackerTest, SetCursorAnswersOverTheRectangle) {
    Window w;
    ASSERT_TRUE(w.create(u"Frame", u"", WS_POPUP | WS_VISIBLE, {100, 100, 300, 300}, nullptr, 0));
    RectTracker t({10, 10, 50, 50}, RectTracker::resizeInside);
    Desktop::setCursorPos({120, 120});
    EXPECT_TRUE(t.setCursor(&w, HTCLIENT));
    EXPECT_EQ(t.lastCursorHit, RectTracker::hitMiddle);
    Desktop::setCursorPos({250, 250});
    EXPECT_FALSE(t.setCursor(&w, HTCLIENT));
}

TEST_F(RectTrackerTest, SystemMetricsComeFromTheTable) {
    EXPECT_EQ(getSystemMetrics(SM_CXVSCROLL), Metrics::kScrollBarWidth);
    EXPECT_EQ(getSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(getSystemMetrics(9999), 0);
}

} // namespace
