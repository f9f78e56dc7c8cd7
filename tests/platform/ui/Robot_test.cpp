#include "testWindows.h"
#include "support/uiTestSupport.h"

#include "ui/Edit.h"
#include "ui/Robot.h"

using namespace ui;
using namespace ui::test;

namespace {

class RobotTest : public UiTest {
protected:
    Robot robot;
};

// A window that records the keys that reach it and the modifier state at that moment.
class KeyWindow : public Window {
public:
    std::vector<std::string> keys;
    bool preTranslateMessage(const Msg& m) override {
        if (m.message == WM_KEYDOWN && m.wParam == VK_F8) keys.push_back("pretranslate F8");
        return false;
    }

protected:
    void onKeyDown(unsigned vk, unsigned, unsigned) override {
        keys.push_back("down " + num(vk) + (isKeyDown(VK_SHIFT) ? " shift" : "") + (isKeyDown(VK_CONTROL) ? " ctrl" : ""));
    }
    void onKeyUp(unsigned vk, unsigned, unsigned) override { keys.push_back("up " + num(vk)); }
};

TEST_F(RobotTest, KeysReachTheFocusWindowWithTheirModifiers) {
    KeyWindow w;
    ASSERT_TRUE(w.create(u"Frame", u"", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100}, nullptr, 0));
    w.setFocus();
    robot.key(VK_F3);
    robot.key(VK_F5, ModShift);
    robot.key(VK_F12, ModCtrl);
    robot.key(VK_F8);
    robot.keyUp(VK_SPACE);
    EXPECT_EQ(w.keys, (std::vector<std::string>{"down 114", "up 114", "down 116 shift", "up 116", "down 123 ctrl",
                                                "up 123", "pretranslate F8", "down 119", "up 119", "up 32"}));
    EXPECT_FALSE(isKeyDown(VK_SHIFT));
    EXPECT_FALSE(isKeyDown(VK_F5));
}

TEST_F(RobotTest, KeysWithoutAFocusWindowAreAFailure) {
    std::vector<std::string> failures;
    Robot r([&](const std::string& m) { failures.push_back(m); });
    EXPECT_FALSE(r.key(VK_TAB));
    EXPECT_EQ(failures.size(), 1u);
}

TEST_F(RobotTest, MouseClicksAreHitTestedAndCarryModifiers) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP | WS_CAPTION | WS_VISIBLE, {100, 100, 400, 300}, nullptr, 0));
    RecordingWindow child;
    ASSERT_TRUE(child.create(u"Panel", u"", WS_CHILD | WS_VISIBLE, {50, 50, 150, 100}, &top, 3));
    top.events.clear();
    child.events.clear();
    robot.clickAt(top, {60, 60}, ModShift);
    robot.clickAt(top, {10, 10});
    robot.rightClickAt(child, {5, 6});
    EXPECT_EQ(child.events, (std::vector<std::string>{"lbutton 10,10 shift", "rbutton 5,6"}));
    EXPECT_EQ(top.events, (std::vector<std::string>{"lbutton 10,10"}));
    child.showWindow(SW_HIDE);
    robot.clickAt(top, {60, 60});
    EXPECT_EQ(top.events.back(), "lbutton 60,60");
}

TEST_F(RobotTest, ClickOnAHiddenWindowIsAFailure) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP, {0, 0, 100, 100}, nullptr, 0));
    std::vector<std::string> failures;
    Robot r([&](const std::string& m) { failures.push_back(m); });
    EXPECT_FALSE(r.click(top));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("nothing visible"), std::string::npos);
}

TEST_F(RobotTest, ClicksOnTheOwnerOfAModalDialogAreSwallowed) {
    registerSimple(800);
    RecordingWindow owner;
    ASSERT_TRUE(owner.create(u"Frame", u"", WS_POPUP | WS_VISIBLE, {0, 0, 1920, 1080}, nullptr, 0));
    owner.events.clear();
    Script script;
    script.onModal(800, [&](Dialog& d) {
        Robot quiet([](const std::string&) {});
        EXPECT_FALSE(quiet.clickAt(owner, {5, 5}));
        d.endDialog(IDOK);
    });
    HookDialog dlg(800, &owner);
    dlg.doModal();
    EXPECT_TRUE(owner.events.empty());
}

TEST_F(RobotTest, ResizeSendsTheNewClientSize) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP | WS_CAPTION | WS_VISIBLE, {0, 0, 300, 200}, nullptr, 0));
    top.events.clear();
    robot.resize(top, 410, 320);
    EXPECT_EQ(top.events, (std::vector<std::string>{"size 400x295"}));
}

TEST_F(RobotTest, TypingIntoAnEditAppendsAtTheEnd) {
    RecordingWindow top;
    ASSERT_TRUE(top.create(u"Frame", u"", WS_POPUP | WS_VISIBLE, {0, 0, 300, 200}, nullptr, 0));
    Edit e;
    ASSERT_TRUE(e.create(WS_CHILD | WS_VISIBLE, {0, 0, 100, 20}, &top, 1));
    e.setWindowText(u"10");
    robot.type(e, u"5");
    EXPECT_EQ(e.getWindowText(), u"105");
    robot.replaceText(e, u"");
    EXPECT_EQ(e.getWindowText(), u"");
    robot.key(VK_SPACE);
    EXPECT_EQ(e.getWindowText(), u" ");
}

} // namespace
