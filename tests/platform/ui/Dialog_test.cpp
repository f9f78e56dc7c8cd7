#include "testWindows.h"
#include "support/uiTestSupport.h"

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Failures.h"
#include "ui/Robot.h"
#include "ui/TabCtrl.h"

#include <gtest/gtest-spi.h>

using namespace ui;
using namespace ui::test;

namespace {

using Events = std::vector<std::string>;

class DialogTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        registerSimple(500);
        registerSimple(501);
    }
    Robot robot;
};

bool contains(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

TEST_F(DialogTest, ModalDialogIsDrivenByTheScriptAndReturnsItsResult) {
    HookDialog dlg(500);
    std::u16string typed;
    dlg.ok = [&](HookDialog& d) {
        typed = d.getDlgItemText(100);
        d.endDialog(IDOK);
    };
    Script script;
    script.onModal(500, [&](Dialog& d) {
        EXPECT_TRUE(d.isWindowVisible());
        EXPECT_TRUE(d.isModal());
        robot.replaceTextOf(d, 100, u"hello");
        robot.click(d, IDOK);
    });
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_EQ(typed, u"hello");
    EXPECT_FALSE(dlg.isWindow());
    EXPECT_EQ(dlg.events.front(), "init");
    EXPECT_EQ(dlg.events.back(), "destroy");
    EXPECT_EQ(script.log(), (std::vector<std::u16string>{u"modal 500 \"Simple\""}));
}

TEST_F(DialogTest, NestedModalDialogsAreAnsweredInOrder) {
    HookDialog outer(500);
    int innerResult = 0;
    outer.command = [&](HookDialog& d, int id, int code) {
        if (id != 101 || code != BN_CLICKED) return false;
        HookDialog inner(501, &d);
        innerResult = inner.doModal();
        return true;
    };
    std::vector<std::string> order;
    Script script;
    script.onModal(500, [&](Dialog& d) {
        order.push_back("outer");
        robot.click(d, 101);
        order.push_back("outer again");
        robot.key(VK_RETURN);
    });
    script.onModal(501, [&](Dialog& d) {
        order.push_back("inner");
        EXPECT_FALSE(outer.isWindowEnabled());  // the owner waits
        robot.click(d, IDCANCEL);
    });
    EXPECT_EQ(outer.doModal(), IDOK);
    EXPECT_EQ(innerResult, IDCANCEL);
    EXPECT_EQ(order, (Events{"outer", "inner", "outer again"}));
    EXPECT_EQ(script.remaining(), 0);
}

TEST_F(DialogTest, UnansweredModalDialogFailsAndEndsAtOnce) {
    std::vector<std::string> failures;
    Script script([&](const std::string& m) { failures.push_back(m); });
    HookDialog dlg(500);
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("unexpected modal 500"), std::string::npos);
    EXPECT_NE(failures[0].find("no answer left"), std::string::npos);
    EXPECT_FALSE(contains(dlg.events, "cancel"));  // ended, not cancelled by a user
}

void runUnansweredModalUnderGtest() {
    Script script;  // reports through the fixture's GoogleTest handler
    HookDialog dlg(500);
    dlg.doModal();
}

TEST_F(DialogTest, UnansweredModalDialogFailsTheRunningTest) {
    EXPECT_NONFATAL_FAILURE(runUnansweredModalUnderGtest(), "no answer left");
}

TEST_F(DialogTest, ModalDialogOfAnotherTemplateIsAFailure) {
    std::vector<std::string> failures;
    Script script([&](const std::string& m) { failures.push_back(m); });
    script.onModal(501, IDOK);
    HookDialog dlg(500);
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("expects modal dialog 501"), std::string::npos);
}

TEST_F(DialogTest, HandlerThatDoesNotEndTheDialogIsAFailure) {
    std::vector<std::string> failures;
    Script script([&](const std::string& m) { failures.push_back(m); });
    script.onModal(500, [](Dialog&) {});
    HookDialog dlg(500);
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("not ended"), std::string::npos);
}

TEST_F(DialogTest, WithoutAScriptModalDialogReturnsCancelAndIsLogged) {
    HookDialog dlg(500);
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    ASSERT_FALSE(Desktop::logLines().empty());
    EXPECT_EQ(Desktop::logLines().back(), u"modal dialog 500: nobody answers it; ended with IDCANCEL");
}

TEST_F(DialogTest, ScriptPressesAButtonById) {
    Script script;
    script.onModal(500, IDOK);
    HookDialog dlg(500);
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_TRUE(contains(dlg.events, "ok"));
}

TEST_F(DialogTest, EndDialogFromInitDialogNeverShowsTheDialog) {
    Script script;  // no answers: the script must not be asked
    HookDialog dlg(500);
    dlg.init = [](HookDialog& d) {
        d.endDialog(42);
        return true;
    };
    EXPECT_EQ(dlg.doModal(), 42);
    EXPECT_TRUE(script.log().empty());
    EXPECT_EQ(dlg.events.back(), "destroy");
}

TEST_F(DialogTest, MissingTemplateOrControlClassFailsTheDialog) {
    HookDialog missing(999);
    EXPECT_EQ(missing.doModal(), -1);
    EXPECT_FALSE(missing.create(999));
    DialogTemplate t = simpleTemplate(502);
    t.add(u"NoSuchClass", 7, u"", WS_VISIBLE, {});
    testResources().addDialog(t);
    HookDialog bad(502);
    EXPECT_EQ(bad.doModal(), -1);
    EXPECT_FALSE(bad.isWindow());
}

TEST_F(DialogTest, InjectedControlCreationFailureFailsTheDialog) {
    Failures::failCreate(1, u"Button");
    HookDialog dlg(500);
    EXPECT_EQ(dlg.doModal(), -1);
}

TEST_F(DialogTest, ModelessDialogsAreCreatedHiddenOrShown) {
    HookDialog hidden, shown, fromTemplate;
    ASSERT_TRUE(hidden.create(500, nullptr, false));
    EXPECT_FALSE(hidden.isWindowVisible());
    ASSERT_TRUE(shown.create(500, nullptr, true));
    EXPECT_TRUE(shown.isWindowVisible());
    DialogTemplate t = simpleTemplate(503);
    t.style |= WS_VISIBLE;
    testResources().addDialog(t);
    ASSERT_TRUE(fromTemplate.create(503));
    EXPECT_TRUE(fromTemplate.isWindowVisible());
    // Ending a modeless dialog hides it; its owner destroys it.
    fromTemplate.destroyWindow();  // it lies on top of the others
    robot.click(shown, IDOK);
    EXPECT_TRUE(shown.isEnded());
    EXPECT_EQ(shown.result(), IDOK);
    EXPECT_FALSE(shown.isWindowVisible());
    EXPECT_TRUE(shown.isWindow());
    EXPECT_TRUE(shown.destroyWindow());
}

TEST_F(DialogTest, TopLevelDialogGetsTheCaptionFrameAndIsCentred) {
    HookDialog dlg;
    ASSERT_TRUE(dlg.create(500, nullptr, true));
    EXPECT_EQ(dlg.getClientRect(), (Rect{0, 0, 200, 100}));
    Rect w = dlg.getWindowRect();
    EXPECT_EQ(w.width(), 210);
    EXPECT_EQ(w.height(), 125);
    EXPECT_EQ(w.left, (Metrics::kScreenWidth - 210) / 2);
}

class SelfDeleting : public HookDialog {
public:
    explicit SelfDeleting(bool* deleted) : m_deleted(deleted) {}
    ~SelfDeleting() override { *m_deleted = true; }

private:
    bool* m_deleted;
};

TEST_F(DialogTest, DialogEndsAndDeletesItselfFromItsOwnHandler) {
    bool deleted = false;
    auto* dlg = new SelfDeleting(&deleted);
    bool aliveAfterDeleteLater = false;
    dlg->ok = [&](HookDialog& d) {
        d.endDialog(IDOK);
        d.destroyWindow();
        Desktop::deleteLater(&d);
        d.events.push_back("still usable");  // the object outlives its own handler
        aliveAfterDeleteLater = !deleted;
    };
    ASSERT_TRUE(dlg->create(500, nullptr, true));
    robot.click(*dlg, IDOK);
    EXPECT_TRUE(aliveAfterDeleteLater);
    EXPECT_TRUE(deleted);
}

TEST_F(DialogTest, CloseBoxSendsCancel) {
    HookDialog dlg;
    ASSERT_TRUE(dlg.create(500, nullptr, true));
    dlg.events.clear();
    robot.close(dlg);
    EXPECT_EQ(dlg.events, (Events{"command 2 0", "cancel"}));
    EXPECT_EQ(dlg.result(), IDCANCEL);
}

// ---- The dialog manager

TEST_F(DialogTest, TabAndShiftTabMoveThroughTheTabStops) {
    HookDialog dlg;
    ASSERT_TRUE(dlg.create(500, nullptr, true));
    Window* edit = dlg.getDlgItem(100);
    Window* check = dlg.getDlgItem(101);
    Window* ok = dlg.getDlgItem(IDOK);
    Window* cancel = dlg.getDlgItem(IDCANCEL);
    EXPECT_EQ(Window::getFocus(), edit);  // onInitDialog returned true
    robot.key(VK_TAB);
    EXPECT_EQ(Window::getFocus(), check);
    robot.key(VK_TAB);
    EXPECT_EQ(Window::getFocus(), ok);
    robot.key(VK_TAB);
    EXPECT_EQ(Window::getFocus(), cancel);
    robot.key(VK_TAB);
    EXPECT_EQ(Window::getFocus(), edit);  // wraps
    robot.key(VK_TAB, ModShift);
    EXPECT_EQ(Window::getFocus(), cancel);
    check->enableWindow(false);
    ok->showWindow(SW_HIDE);
    robot.key(VK_TAB, ModShift);
    EXPECT_EQ(Window::getFocus(), edit);  // skips the disabled and the hidden one
    EXPECT_FALSE(isKeyDown(VK_SHIFT));
}

TEST_F(DialogTest, TabbingIntoAnEditSelectsItsText) {
    HookDialog dlg;
    ASSERT_TRUE(dlg.create(500, nullptr, true));
    auto* edit = dlg.getDlgItemAs<Edit>(100);
    edit->setWindowText(u"12.5");
    dlg.getDlgItem(IDCANCEL)->setFocus();
    robot.key(VK_TAB);
    EXPECT_EQ(edit->getSelText(), u"12.5");
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonAndEscapeCancels) {
    HookDialog dlg;
    ASSERT_TRUE(dlg.create(500, nullptr, true));
    dlg.ok = [](HookDialog&) {};
    dlg.cancel = [](HookDialog&) {};
    dlg.events.clear();
    robot.key(VK_RETURN);
    robot.key(VK_ESCAPE);
    EXPECT_EQ(dlg.events, (Events{"pretranslate 13", "command 1 0", "ok", "pretranslate 27", "command 2 0", "cancel"}));
    // A focused push button is pressed by Enter instead of the default one.
    dlg.getDlgItem(IDCANCEL)->setFocus();
    dlg.events.clear();
    robot.key(VK_RETURN);
    EXPECT_EQ(dlg.events, (Events{"pretranslate 13", "command 2 0", "cancel"}));
    dlg.setDefID(101);
    EXPECT_EQ(dlg.getDefID(), 101);
    EXPECT_EQ(dlg.getDlgItemAs<Button>(IDOK)->buttonType(), BS_PUSHBUTTON);
}

TEST_F(DialogTest, DisabledDefaultButtonIgnoresEnter) {
    HookDialog dlg;
    ASSERT_TRUE(dlg.create(500, nullptr, true));
    dlg.getDlgItem(IDOK)->enableWindow(false);
    dlg.events.clear();
    robot.key(VK_RETURN);
    EXPECT_EQ(dlg.events, (Events{"pretranslate 13"}));
}

TEST_F(DialogTest, PreTranslateHooksRunFromTheFocusWindowUpwardsBeforeTheDialogManager) {
    struct HookEdit : Edit {
        std::vector<std::string>* log = nullptr;
        bool preTranslateMessage(const Msg& m) override {
            if (m.message == WM_KEYDOWN) log->push_back("edit");
            return false;
        }
    };
    std::vector<std::string> log;
    HookDialog outer;
    ASSERT_TRUE(outer.create(500, nullptr, true));
    DialogTemplate pageTmpl;
    pageTmpl.id = 600;
    pageTmpl.style = WS_CHILD;
    pageTmpl.size = {100, 50};
    HookDialog page;
    ASSERT_TRUE(page.createIndirect(pageTmpl, &outer, Dialog::Show::Visible));
    HookEdit edit;
    edit.log = &log;
    ASSERT_TRUE(edit.create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, {0, 0, 50, 20}, &page, 700));
    page.pretranslate = [&](const Msg& m) {
        if (m.message != WM_KEYDOWN) return false;
        log.push_back("page");
        return m.wParam == VK_F3;  // the page takes F3
    };
    outer.pretranslate = [&](const Msg& m) {
        if (m.message == WM_KEYDOWN) log.push_back("outer");
        return false;
    };
    edit.setFocus();
    outer.cancel = [&](HookDialog&) { log.push_back("dialog manager: cancel"); };
    robot.key(VK_ESCAPE);
    robot.key(VK_F3);
    EXPECT_EQ(log, (Events{"edit", "page", "outer", "dialog manager: cancel", "edit", "page"}));
}

TEST_F(DialogTest, NotificationsGoToTheDirectParentOnly) {
    HookDialog outer;
    ASSERT_TRUE(outer.create(500, nullptr, true));
    DialogTemplate pageTmpl;
    pageTmpl.id = 601;
    pageTmpl.style = WS_CHILD | WS_VISIBLE;
    pageTmpl.size = {150, 80};
    pageTmpl.add(u"Button", 1114, u"Advanced", WS_VISIBLE | WS_TABSTOP, {0, 0, 60, 20});
    HookDialog page;
    ASSERT_TRUE(page.createIndirect(pageTmpl, &outer));
    page.moveWindow(0, 62, 150, 38);  // clear of the outer dialog's own controls
    outer.events.clear();
    page.events.clear();
    robot.click(page, 1114);
    EXPECT_EQ(page.events, (Events{"command 1114 0"}));
    EXPECT_TRUE(outer.events.empty());
}

TEST_F(DialogTest, KillFocusComesBeforeSetFocus) {
    HookDialog dlg;
    ASSERT_TRUE(dlg.create(500, nullptr, true));
    DialogTemplate t;
    dlg.getDlgItem(100)->setFocus();
    auto* second = createWindow(u"Edit", u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, {0, 70, 50, 90}, &dlg, 102);
    dlg.events.clear();
    second->setFocus();
    EXPECT_EQ(dlg.events, (Events{"command 100 512", "command 102 256"}));  // EN_KILLFOCUS, EN_SETFOCUS
}

TEST_F(DialogTest, ModalDialogGivesTheFocusBackToItsOwner) {
    HookDialog owner;
    ASSERT_TRUE(owner.create(500, nullptr, true));
    Window* edit = owner.getDlgItem(100);
    edit->setFocus();
    owner.events.clear();
    Script script;
    script.onModal(501, IDCANCEL);
    HookDialog modal(501, &owner);
    modal.doModal();
    EXPECT_EQ(Window::getFocus(), edit);
    EXPECT_TRUE(owner.isWindowEnabled());
    // The owner's edit lost the focus to the modal dialog and got it back.
    EXPECT_EQ(owner.events, (Events{"command 100 512", "command 100 256"}));
}

// ---- Pages on a tab control

DialogTemplate tabbedTemplate() {
    DialogTemplate t;
    t.id = 510;
    t.caption = u"Tabbed";
    t.size = {320, 240};
    t.add(u"SysTabControl32", 1000, u"", WS_VISIBLE | WS_TABSTOP, {5, 5, 315, 205})
        .add(u"Button", IDOK, u"Close", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {250, 210, 315, 235});
    return t;
}

DialogTemplate pageTemplate(int id) {
    DialogTemplate t;
    t.id = id;
    t.style = WS_CHILD;
    t.size = {300, 170};
    t.add(u"Edit", 2000, u"", WS_VISIBLE | WS_TABSTOP, {10, 10, 100, 30})
        .add(u"Edit", 2001, u"", WS_VISIBLE | WS_TABSTOP, {10, 40, 100, 60});
    return t;
}

// A dialog that shows one page per tab, as the macro dialog does.
class TabbedDialog : public HookDialog {
public:
    TabbedDialog() : HookDialog(510) {}
    std::vector<std::unique_ptr<HookDialog>> pages;
    TabCtrl* tabs = nullptr;

protected:
    bool onInitDialog() override {
        tabs = getDlgItemAs<TabCtrl>(1000);
        for (int i = 0; i < 2; ++i) {
            auto page = std::make_unique<HookDialog>();
            page->destroyed = [this, i](HookDialog&) { events.push_back("page " + num(i) + " destroyed"); };
            if (!page->create(520 + i, this, false)) return false;
            tabs->insertItem(i, i == 0 ? u"General" : u"Profiles");
            tabs->placePage(*page);
            pages.push_back(std::move(page));
        }
        showPage();
        return HookDialog::onInitDialog();
    }
    bool onNotify(int id, int code, LRESULT& result) override {
        if (id == 1000 && code == TCN_SELCHANGE) showPage();
        return HookDialog::onNotify(id, code, result);
    }
    void onDestroy() override { events.push_back("destroy (pages alive: " + num(pages[0]->isWindow() && pages[1]->isWindow()) + ")"); }

private:
    void showPage() {
        for (size_t i = 0; i < pages.size(); ++i)
            pages[i]->showWindow(static_cast<int>(i) == tabs->getCurSel() ? SW_SHOW : SW_HIDE);
    }
};

class TabbedDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        testResources().addDialog(tabbedTemplate());
        testResources().addDialog(pageTemplate(520));
        testResources().addDialog(pageTemplate(521));
    }
};

TEST_F(TabbedDialogTest, PagesSitOnTheDisplayAreaAndFollowTheTabs) {
    TabbedDialog dlg;
    ASSERT_TRUE(dlg.create(510, nullptr, true));
    Rect display = dlg.tabs->clientToScreen(dlg.tabs->getDisplayRect());
    EXPECT_EQ(dlg.pages[0]->getWindowRect(), display);
    EXPECT_TRUE(dlg.pages[0]->isWindowVisible());
    EXPECT_FALSE(dlg.pages[1]->isWindowVisible());
    // Pages made after the template's controls come after them in z-order and so in Tab order.
    EXPECT_EQ(Window::getFocus(), dlg.tabs);
    EXPECT_TRUE(robot.choose(*dlg.tabs, 1));
    EXPECT_FALSE(dlg.pages[0]->isWindowVisible());
    EXPECT_TRUE(dlg.pages[1]->isWindowVisible());
    // The tab control lets clicks through to the page lying under its display area.
    EXPECT_TRUE(robot.click(*dlg.pages[1]->getDlgItem(2001)));
    EXPECT_EQ(Window::getFocus(), dlg.pages[1]->getDlgItem(2001));
    robot.key(VK_TAB);
    EXPECT_EQ(Window::getFocus(), dlg.tabs);  // wraps
    robot.key(VK_TAB);
    EXPECT_EQ(Window::getFocus(), dlg.getDlgItem(IDOK));
    robot.key(VK_TAB);
    EXPECT_EQ(Window::getFocus(), dlg.pages[1]->getDlgItem(2000));  // into the visible page, not the hidden one
    robot.key(VK_TAB, ModShift);
    EXPECT_EQ(Window::getFocus(), dlg.getDlgItem(IDOK));
}

TEST_F(TabbedDialogTest, DestroyHookReachesEveryPageBeforeDoModalReturns) {
    TabbedDialog dlg;
    Script script;
    script.onModal(510, IDOK);
    EXPECT_EQ(dlg.doModal(), IDOK);
    auto& e = dlg.events;
    auto at = [&](const std::string& s) { return std::find(e.begin(), e.end(), s) - e.begin(); };
    ASSERT_TRUE(contains(e, "destroy (pages alive: 1)"));
    ASSERT_TRUE(contains(e, "page 0 destroyed"));
    ASSERT_TRUE(contains(e, "page 1 destroyed"));
    EXPECT_LT(at("destroy (pages alive: 1)"), at("page 0 destroyed"));
    EXPECT_FALSE(dlg.pages[0]->isWindow());
}

TEST_F(TabbedDialogTest, DestroyHookMayDeleteThePages) {
    // The macro dialog destroys its pages when it is destroyed.
    struct Deleting : TabbedDialog {
        void onDestroy() override {
            TabbedDialog::onDestroy();
            pages.clear();
        }
    };
    Deleting dlg;
    Script script;
    script.onModal(510, IDOK);
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_TRUE(dlg.pages.empty());
    EXPECT_FALSE(dlg.isWindow());
}

// ---- Prompts and sizes

TEST_F(DialogTest, ScriptAnswersPromptDialogs) {
    DialogTemplate t;
    t.id = 8069;
    t.add(u"Static", 1000, u"Name:", WS_VISIBLE, {5, 5, 100, 20})
        .add(u"Edit", 1001, u"", WS_VISIBLE | WS_TABSTOP, {5, 25, 150, 45})
        .add(u"Button", IDOK, u"OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {5, 50, 60, 70})
        .add(u"Button", IDCANCEL, u"Cancel", WS_VISIBLE | WS_TABSTOP, {70, 50, 130, 70});
    testResources().addDialog(t);
    registerPromptDialog(8069, 1001);
    std::u16string got;
    auto ask = [&] {
        HookDialog prompt(8069);
        prompt.ok = [&](HookDialog& d) {
            got = d.getDlgItemText(1001);
            d.endDialog(IDOK);
        };
        return prompt.doModal();
    };
    Script script;
    script.answerPrompt(u"Row A").cancelPrompt();
    EXPECT_EQ(ask(), IDOK);
    EXPECT_EQ(got, u"Row A");
    EXPECT_EQ(ask(), IDCANCEL);
}

TEST_F(DialogTest, UserResizeKeepsTheMinimumTrackingSize) {
    HookDialog dlg;
    dlg.minMax = [](MinMaxInfo& info) { info.minTrackSize = {280, 300}; };
    ASSERT_TRUE(dlg.create(500, nullptr, true));
    robot.resize(dlg, 100, 500);
    EXPECT_EQ(dlg.getWindowRect().size(), (Size{280, 500}));
    dlg.moveWindow(0, 0, 100, 100);  // code may go below it
    EXPECT_EQ(dlg.getWindowRect().size(), (Size{100, 100}));
}

} // namespace
