#include "testWindows.h"
#include "support/uiTestSupport.h"

#include "ui/Button.h"
#include "ui/Clipboard.h"
#include "ui/Desktop.h"
#include "ui/Failures.h"
#include "ui/Static.h"
#include "ui/WindowClasses.h"

using namespace ui;
using namespace ui::test;

namespace {

class WindowTest : public UiTest {};

constexpr std::uint32_t kFrame = WS_POPUP | WS_CAPTION | WS_VISIBLE;

TEST_F(WindowTest, ChildrenAreFoundByIdAndKeptInCreationOrder) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"Top", kFrame, {100, 100, 500, 400}, nullptr, 0));
    Window* a = createWindow(u"Static", u"a", WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, &top, 7);
    Window* b = createWindow(u"EDIT", u"b", WS_CHILD | WS_VISIBLE, {0, 20, 10, 30}, &top, 8);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(top.getDlgItem(8), b);
    EXPECT_EQ(top.getDlgItem(9), nullptr);
    EXPECT_EQ(top.children(), (std::vector<Window*>{a, b}));
    EXPECT_EQ(a->getNextSibling(), b);
    EXPECT_EQ(b->getParent(), &top);
    EXPECT_EQ(b->getTopLevelParent(), &top);
    EXPECT_TRUE(top.isChild(b));
    EXPECT_EQ(b->getClassName(), u"Edit");  // the name as registered
    EXPECT_TRUE(b->isClass(u"edit"));
}

TEST_F(WindowTest, CaptionFrameInsetsAreFiveAndTwenty) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", kFrame, {100, 50, 400, 350}, nullptr, 0));
    EXPECT_EQ(top.getClientRect(), (Rect{0, 0, 290, 275}));
    EXPECT_EQ(top.clientToScreen(Point{0, 0}), (Point{105, 70}));
    Window* child = createWindow(u"Static", u"", WS_CHILD | WS_VISIBLE, {10, 20, 60, 40}, &top, 1);
    EXPECT_EQ(child->getWindowRect(), (Rect{115, 90, 165, 110}));
    // A placeholder's screen rectangle made relative to the parent's window rectangle is off by (5, 20).
    Rect r = child->getWindowRect();
    Rect wr = top.getWindowRect();
    EXPECT_EQ(r.offsetBy(-wr.left - 5, -wr.top - 20), (Rect{10, 20, 60, 40}));
    EXPECT_EQ(top.screenToClient(Point{115, 90}), (Point{10, 20}));
}

TEST_F(WindowTest, ScrollBarsAndEdgesShrinkTheClientArea) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {0, 0, 300, 300}, nullptr, 0));
    Window* w = createWindow(u"Edit", u"", WS_CHILD | WS_VSCROLL, {0, 0, 100, 50}, &top, 1, WS_EX_CLIENTEDGE);
    EXPECT_EQ(w->getClientRect(), (Rect{0, 0, 100 - 4 - Metrics::kScrollBarWidth, 46}));
}

TEST_F(WindowTest, ResizeIsSentOnlyWhenTheSizeChanges) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {0, 0, 100, 100}, nullptr, 0));
    top.events.clear();
    top.moveWindow(10, 10, 100, 100);
    EXPECT_TRUE(top.events.empty());
    top.moveWindow(10, 10, 120, 90);
    EXPECT_EQ(top.events, (std::vector<std::string>{"size 120x90"}));
}

TEST_F(WindowTest, VisibilityIncludesAncestors) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {0, 0, 100, 100}, nullptr, 0));
    Window* child = createWindow(u"Static", u"", WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, &top, 1);
    EXPECT_FALSE(child->isWindowVisible());
    EXPECT_FALSE(top.showWindow(SW_SHOW));  // was hidden
    EXPECT_TRUE(child->isWindowVisible());
    EXPECT_TRUE(child->showWindow(SW_HIDE));
    EXPECT_FALSE(child->isWindowVisible());
    EXPECT_TRUE(top.isWindowVisible());
}

TEST_F(WindowTest, EnableReturnsThePreviousDisabledState) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {0, 0, 100, 100}, nullptr, 0));
    EXPECT_FALSE(top.enableWindow(false));
    EXPECT_FALSE(top.isWindowEnabled());
    EXPECT_TRUE(top.enableWindow(true));
    EXPECT_TRUE(top.isWindowEnabled());
}

TEST_F(WindowTest, StyleChangesAreReported) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {0, 0, 100, 100}, nullptr, 0));
    EXPECT_TRUE(top.modifyStyle(0, WS_BORDER));
    EXPECT_FALSE(top.modifyStyle(0, WS_BORDER));
    EXPECT_EQ(top.getStyle(), WS_POPUP | WS_BORDER);
}

TEST_F(WindowTest, ChildrenTakeTheParentsFontUnlessTheyHaveTheirOwn) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {0, 0, 100, 100}, nullptr, 0));
    Window* child = createWindow(u"Static", u"", WS_CHILD, {0, 0, 10, 10}, &top, 1);
    Font tahoma{u"Tahoma", 15, FW_BOLD};
    top.setFont(tahoma);
    EXPECT_EQ(child->getFont(), tahoma);
    Font small{u"Arial", 8};
    child->setFont(small);
    EXPECT_EQ(child->getFont(), small);
    EXPECT_EQ(top.getFont(), tahoma);
}

TEST_F(WindowTest, IconsAreKeptPerSize) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {0, 0, 100, 100}, nullptr, 0));
    Image big{148, nullptr, {32, 32}, true};
    EXPECT_TRUE(top.setIcon(big, true).isNull());
    EXPECT_EQ(top.getIcon(true), big);
    EXPECT_TRUE(top.getIcon(false).isNull());
}

TEST_F(WindowTest, ZOrderAndTopmost) {
    RecordingWindow a, b, c;
    ASSERT_TRUE(a.create(u"Frame", u"a", WS_POPUP, {0, 0, 10, 10}, nullptr, 0));
    ASSERT_TRUE(b.create(u"Frame", u"b", WS_POPUP, {0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(Desktop::topLevelWindows(), (std::vector<Window*>{&b, &a}));  // newest on top
    a.setWindowPos(Window::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(a.isTopMost());
    ASSERT_TRUE(c.create(u"Frame", u"c", WS_POPUP, {0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(Desktop::topLevelWindows(), (std::vector<Window*>{&a, &c, &b}));  // topmost stays above
    a.setWindowPos(Window::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    b.bringWindowToTop();
    EXPECT_EQ(Desktop::topLevelWindows().front(), &b);

    Window* x = createWindow(u"Static", u"", WS_CHILD, {}, &a, 1);
    Window* y = createWindow(u"Static", u"", WS_CHILD, {}, &a, 2);
    y->setWindowPos(Window::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(a.children(), (std::vector<Window*>{y, x}));
    y->setWindowPos(x, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(a.children(), (std::vector<Window*>{x, y}));
}

TEST_F(WindowTest, PrivateMessagesAreAnsweredWithAResult) {
    RecordingWindow w;
    w.onMessage = [](unsigned msg, WPARAM wp, LPARAM, bool& handled) -> LRESULT {
        if (msg != WM_USER + 0x117) return 0;
        handled = true;
        return static_cast<LRESULT>(wp) * 2;
    };
    ASSERT_TRUE(w.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    EXPECT_EQ(w.sendMessage(WM_USER + 0x117, 21), 42);
    EXPECT_EQ(w.sendMessage(WM_USER + 0x118, 21), 0);
}

TEST_F(WindowTest, CommandNotificationsCarryAnyCode) {
    RecordingWindow w;
    ASSERT_TRUE(w.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    w.events.clear();
    w.sendMessage(WM_COMMAND, makeWParam(1234, 59), 0);
    w.sendMessage(WM_COMMAND, makeWParam(33050, 60), 0);
    EXPECT_EQ(w.events, (std::vector<std::string>{"command 1234 59", "command 33050 60"}));
}

TEST_F(WindowTest, PostedMessagesArriveAfterTheCurrentMessage) {
    RecordingWindow w;
    w.onMessage = [&w](unsigned msg, WPARAM, LPARAM, bool& handled) -> LRESULT {
        if (msg == WM_USER + 1) {
            handled = true;
            w.postMessage(WM_COMMAND, makeWParam(5, 0), 0);
            w.events.push_back("user");
        }
        return 0;
    };
    ASSERT_TRUE(w.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    w.events.clear();
    w.sendMessage(WM_USER + 1);
    EXPECT_EQ(w.events, (std::vector<std::string>{"user", "command 5 0"}));
}

TEST_F(WindowTest, DestroyReachesParentFirstAndLeavesOwnedObjectsDeleted) {
    RecordingWindow top;
    RecordingWindow member;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    ASSERT_TRUE(member.create(u"Panel", u"", WS_CHILD, {}, &top, 3));
    Window* owned = createWindow(u"Static", u"", WS_CHILD, {}, &member, 4);
    std::vector<std::string> order;
    top.onMessage = [&](unsigned msg, WPARAM, LPARAM, bool&) -> LRESULT {
        if (msg == WM_DESTROY) order.push_back(ui::isWindow(&member) ? "top, member alive" : "top");
        return 0;
    };
    EXPECT_TRUE(top.destroyWindow());
    EXPECT_EQ(order, (std::vector<std::string>{"top, member alive"}));
    EXPECT_EQ(member.events.back(), "destroy");
    EXPECT_FALSE(top.isWindow());
    EXPECT_FALSE(member.isWindow());          // the object lives on, detached
    EXPECT_FALSE(ui::isWindow(owned));        // the framework's object is gone
    EXPECT_FALSE(top.destroyWindow());        // twice is refused
}

TEST_F(WindowTest, InjectedCreationFailureLeavesNoWindow) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    Failures::failCreate(1, u"edit");
    EXPECT_NE(createWindow(u"Static", u"", WS_CHILD, {}, &top, 1), nullptr);  // another class is not hit
    EXPECT_EQ(createWindow(u"Edit", u"", WS_CHILD, {}, &top, 2), nullptr);
    EXPECT_NE(createWindow(u"Edit", u"", WS_CHILD, {}, &top, 3), nullptr);   // only once
    EXPECT_EQ(top.getDlgItem(2), nullptr);
}

TEST_F(WindowTest, InjectedDestructionFailureLeavesTheWindowAsItWas) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    Failures::failDestroy();
    EXPECT_FALSE(top.destroyWindow());
    EXPECT_TRUE(top.isWindow());
    EXPECT_TRUE(top.events.empty() || top.events.back() != "destroy");
    EXPECT_TRUE(top.destroyWindow());
}

TEST_F(WindowTest, ChildWithoutParentIsRefused) {
    RecordingWindow w;
    EXPECT_FALSE(w.create(u"Static", u"", WS_CHILD, {}, nullptr, 1));
    EXPECT_EQ(createWindow(u"NoSuchClass", u"", WS_POPUP, {}, nullptr, 0), nullptr);
}

TEST_F(WindowTest, CustomClassesAreMadeByName) {
    struct Grid : Window {
        unsigned getDlgCode(const Msg*) override { return DLGC_WANTTAB; }
    };
    WindowClasses::registerClass(u"fpUSpread70", [] { return std::unique_ptr<Window>(new Grid); });
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    Window* g = createWindow(u"FPUSPREAD70", u"", WS_CHILD, {}, &top, 1004);
    ASSERT_NE(dynamic_cast<Grid*>(g), nullptr);
    EXPECT_EQ(g->getClassName(), u"fpUSpread70");
}

TEST_F(WindowTest, ClassNamesIgnoreTheCaseOfEveryScriptWithCase) {
    WindowClasses::registerClass(u"ГитterÄ", [] { return std::unique_ptr<Window>(new Window); });
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    Window* w = createWindow(u"гИТTERä", u"", WS_CHILD, {}, &top, 1);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->getClassName(), u"ГитterÄ");
    EXPECT_TRUE(w->isClass(u"ГИТTERÄ"));
}

TEST_F(WindowTest, SubclassingATemplateControlKeepsItsPlaceAndState) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    createWindow(u"Static", u"", WS_CHILD, {}, &top, 1);
    createWindow(u"Button", u"Open", WS_CHILD | WS_TABSTOP, {1, 2, 30, 20}, &top, 1299);
    createWindow(u"Static", u"", WS_CHILD, {}, &top, 3);
    Button mine;
    ASSERT_TRUE(top.subclassDlgItem(1299, mine));
    EXPECT_EQ(top.getDlgItem(1299), &mine);
    EXPECT_EQ(top.children()[1], &mine);
    EXPECT_EQ(mine.getWindowText(), u"Open");
    EXPECT_EQ(mine.getRectInParent(), (Rect{1, 2, 30, 20}));
    EXPECT_TRUE(mine.isWindow());
}

TEST_F(WindowTest, DialogItemHelpers) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    createWindow(u"Edit", u"", WS_CHILD, {}, &top, 10);
    createWindow(u"Button", u"", WS_CHILD | BS_AUTORADIOBUTTON | WS_GROUP, {}, &top, 20);
    createWindow(u"Button", u"", WS_CHILD | BS_AUTORADIOBUTTON, {}, &top, 21);
    EXPECT_TRUE(top.setDlgItemInt(10, -42));
    EXPECT_EQ(top.getDlgItemText(10), u"-42");
    bool ok = false;
    EXPECT_EQ(top.getDlgItemInt(10, &ok), -42);
    EXPECT_TRUE(ok);
    top.setDlgItemText(10, u"abc");
    top.getDlgItemInt(10, &ok);
    EXPECT_FALSE(ok);
    top.checkRadioButton(20, 21, 21);
    EXPECT_EQ(top.isDlgButtonChecked(20), BST_UNCHECKED);
    EXPECT_EQ(top.isDlgButtonChecked(21), BST_CHECKED);
}

TEST_F(WindowTest, ForegroundWindowAndClipboard) {
    RecordingWindow a, b;
    ASSERT_TRUE(a.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    ASSERT_TRUE(b.create(u"Frame", u"", WS_POPUP, {}, nullptr, 0));
    a.setForegroundWindow();
    EXPECT_EQ(Window::getForegroundWindow(), &a);
    b.showWindow(SW_SHOW);  // showing activates
    EXPECT_EQ(Window::getForegroundWindow(), &b);

    EXPECT_FALSE(Clipboard::hasText());
    Clipboard::setText(u"1\t2\r\n");
    EXPECT_EQ(Clipboard::getText(), u"1\t2\r\n");
    Clipboard::setData(u"grid", {1, 2, 3});
    std::vector<std::uint8_t> data;
    EXPECT_TRUE(Clipboard::getData(u"grid", data));
    EXPECT_EQ(data.size(), 3u);
}

TEST_F(WindowTest, TextMetricsAreTheSameEverywhere) {
    Font tahoma{u"Tahoma", 15};
    EXPECT_EQ(charWidth(tahoma), 7);
    EXPECT_EQ(charHeight(tahoma), 15);
    EXPECT_EQ(textExtent(tahoma, u"abc"), (Size{21, 15}));
    EXPECT_EQ(textExtent(tahoma, u"ab\r\nabcd"), (Size{28, 30}));
    Font bold{u"Tahoma", -15, FW_BOLD};
    EXPECT_EQ(textExtent(bold, u"abc"), (Size{24, 15}));
    EXPECT_EQ(textMetrics(tahoma).height, 15);
}

} // namespace
