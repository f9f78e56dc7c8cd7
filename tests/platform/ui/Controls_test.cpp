#include "testWindows.h"
#include "support/uiTestSupport.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ImageButton.h"
#include "ui/ListCtrl.h"
#include "ui/Resources.h"
#include "ui/RichEdit.h"
#include "ui/Robot.h"
#include "ui/Static.h"
#include "ui/TabCtrl.h"
#include "ui/ToolTip.h"

using namespace ui;
using namespace ui::test;

namespace {

class ControlTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(parent.create(u"Frame", u"", WS_POPUP | WS_VISIBLE, {0, 0, 600, 400}, nullptr, 0));
        parent.events.clear();
    }
    template <class T> T* make(std::u16string_view cls, std::uint32_t style, Rect r, int id, std::u16string_view text = u"") {
        return dynamic_cast<T*>(createWindow(cls, text, WS_CHILD | WS_VISIBLE | style, r, &parent, id));
    }
    std::vector<std::string> take() {
        auto e = parent.events;
        parent.events.clear();
        return e;
    }
    using Events = std::vector<std::string>;
    RecordingWindow parent;
    Robot robot;
};

// ---- Edit

TEST_F(ControlTest, SettingAnEditsTextNotifiesAChange) {
    auto* e = make<Edit>(u"Edit", 0, {0, 0, 100, 20}, 5);
    e->setWindowText(u"abc");
    EXPECT_EQ(take(), (Events{"command 5 1024", "command 5 768"}));  // EN_UPDATE, EN_CHANGE
}

TEST_F(ControlTest, TypingNotifiesAfterEachCharacterWithTheNewText) {
    auto* e = make<Edit>(u"Edit", WS_TABSTOP, {0, 0, 100, 20}, 5);
    std::vector<std::u16string> seen;
    parent.onMessage = [&](unsigned msg, WPARAM w, LPARAM, bool&) -> LRESULT {
        if (msg == WM_COMMAND && notifyCode(w) == EN_CHANGE) seen.push_back(e->getWindowText());
        return 0;
    };
    robot.type(*e, u"ab");
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"a", u"ab"}));
    EXPECT_TRUE(e->getModify());
}

TEST_F(ControlTest, ReadOnlyEditRefusesTypingButTakesText) {
    auto* e = make<Edit>(u"Edit", ES_READONLY, {0, 0, 100, 20}, 5);
    robot.type(*e, u"x");
    EXPECT_EQ(e->getWindowText(), u"");
    e->setWindowText(u"set");
    EXPECT_EQ(e->getWindowText(), u"set");
}

TEST_F(ControlTest, CaseStylesChangeTypedLettersOfEveryScriptWithCase) {
    auto* upper = make<Edit>(u"Edit", ES_UPPERCASE | WS_TABSTOP, {0, 0, 100, 20}, 5);
    robot.type(*upper, u"ipe ÿā жω ß");
    EXPECT_EQ(upper->getWindowText(), u"IPE ŸĀ ЖΩ ß");   // ß has no capital of one letter
    auto* lower = make<Edit>(u"Edit", ES_LOWERCASE | WS_TABSTOP, {0, 30, 100, 50}, 6);
    robot.type(*lower, u"IPE ŸĀ ЖΩ");
    EXPECT_EQ(lower->getWindowText(), u"ipe ÿā жω");
}

TEST_F(ControlTest, EditSelectionAndReplace) {
    auto* e = make<Edit>(u"Edit", 0, {0, 0, 100, 20}, 5);
    e->setWindowText(u"Hello world");
    e->setSel(0, -1);
    int s = 0, t = 0;
    e->getSel(s, t);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(t, 11);
    e->setSel(6, 11);
    EXPECT_EQ(e->getSelText(), u"world");
    e->replaceSel(u"there");
    EXPECT_EQ(e->getWindowText(), u"Hello there");
    e->setSel(-1, 0);  // removes the selection, keeps the caret
    e->getSel(s, t);
    EXPECT_EQ(s, t);
}

TEST_F(ControlTest, MultiLineEditHasLines) {
    auto* e = make<Edit>(u"Edit", ES_MULTILINE, {0, 0, 100, 60}, 5);
    e->setWindowText(u"one\r\ntwo\r\n\r\nfour");
    EXPECT_EQ(e->getLineCount(), 4);
    EXPECT_EQ(e->getLine(1), u"two");
    EXPECT_EQ(e->getLine(2), u"");
    EXPECT_EQ(e->getLine(4), u"");
    EXPECT_EQ(e->lineIndex(3), 12);
    EXPECT_EQ(e->lineFromChar(6), 1);
    EXPECT_EQ(e->lineLength(12), 4);
    EXPECT_EQ(e->lineIndex(9), -1);
    robot.type(*e, u"\nfive");
    EXPECT_EQ(e->getLine(4), u"five");
}

TEST_F(ControlTest, SingleLineEditIsOneLine) {
    auto* e = make<Edit>(u"Edit", 0, {0, 0, 100, 20}, 5);
    e->setWindowText(u"a\r\nb");
    EXPECT_EQ(e->getLineCount(), 1);
    EXPECT_EQ(e->getLine(0), u"a\r\nb");
    e->setLimitText(3);
    robot.replaceText(*e, u"12345");
    EXPECT_EQ(e->getWindowText(), u"123");
}

TEST_F(ControlTest, BackspaceAndDeleteEdit) {
    auto* e = make<Edit>(u"Edit", WS_TABSTOP, {0, 0, 100, 20}, 5);
    robot.type(*e, u"abc");
    robot.key(VK_BACK);
    EXPECT_EQ(e->getWindowText(), u"ab");
    robot.key(VK_HOME);
    robot.key(VK_DELETE);
    EXPECT_EQ(e->getWindowText(), u"b");
}

TEST_F(ControlTest, RichEditIsAMultiLineEdit) {
    RichEdit r;
    ASSERT_TRUE(r.create(WS_CHILD | WS_VISIBLE, {0, 0, 100, 60}, &parent, 9));
    EXPECT_EQ(r.getClassName(), u"RichEdit20W");
    r.setWindowText(u"a\r\nb");
    EXPECT_EQ(r.getLineCount(), 2);
    EXPECT_EQ(r.getLine(1), u"b");
}

// ---- Buttons

TEST_F(ControlTest, ProgrammaticCheckDoesNotNotify) {
    auto* b = make<Button>(u"Button", BS_AUTOCHECKBOX, {0, 0, 80, 20}, 7, u"Check");
    b->setCheck(BST_CHECKED);
    EXPECT_EQ(b->getCheck(), BST_CHECKED);
    EXPECT_TRUE(take().empty());
}

TEST_F(ControlTest, ClickChangesTheStateBeforeNotifying) {
    auto* b = make<Button>(u"Button", BS_AUTOCHECKBOX | WS_TABSTOP, {0, 0, 80, 20}, 7, u"Check");
    int stateSeen = -1;
    parent.onMessage = [&](unsigned msg, WPARAM w, LPARAM, bool&) -> LRESULT {
        if (msg == WM_COMMAND && loWord(w) == 7) stateSeen = b->getCheck();
        return 0;
    };
    EXPECT_TRUE(robot.click(*b));
    EXPECT_EQ(stateSeen, BST_CHECKED);
    EXPECT_EQ(take(), (Events{"command 7 0"}));
    EXPECT_TRUE(b->hasFocus());
    robot.click(*b);
    EXPECT_EQ(b->getCheck(), BST_UNCHECKED);
}

TEST_F(ControlTest, ThreeStateBoxCyclesUncheckedCheckedIndeterminate) {
    auto* b = make<Button>(u"Button", BS_AUTO3STATE, {0, 0, 80, 20}, 7);
    std::vector<int> states;
    for (int i = 0; i < 4; ++i) {
        robot.click(*b);
        states.push_back(b->getCheck());
    }
    EXPECT_EQ(states, (std::vector<int>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED}));
}

TEST_F(ControlTest, TwoStateBoxTakesIndeterminateAsChecked) {
    auto* b = make<Button>(u"Button", BS_AUTOCHECKBOX, {0, 0, 80, 20}, 7);
    b->setCheck(BST_INDETERMINATE);
    EXPECT_EQ(b->getCheck(), BST_CHECKED);
    b->setButtonStyle(BS_AUTO3STATE);
    b->setCheck(BST_INDETERMINATE);
    EXPECT_EQ(b->getCheck(), BST_INDETERMINATE);
    b->setButtonStyle(BS_AUTOCHECKBOX);  // back to two states
    EXPECT_EQ(b->getCheck(), BST_CHECKED);
}

TEST_F(ControlTest, AutomaticRadioButtonsExcludeEachOtherWithinTheirGroup) {
    auto* a1 = make<Button>(u"Button", BS_AUTORADIOBUTTON | WS_GROUP, {0, 0, 50, 20}, 1);
    auto* a2 = make<Button>(u"Button", BS_AUTORADIOBUTTON, {0, 20, 50, 40}, 2);
    auto* a3 = make<Button>(u"Button", BS_AUTORADIOBUTTON, {0, 40, 50, 60}, 3);
    auto* b1 = make<Button>(u"Button", BS_AUTORADIOBUTTON | WS_GROUP, {0, 60, 50, 80}, 4);
    robot.click(*a1);
    robot.click(*b1);
    robot.click(*a3);
    EXPECT_EQ(a1->getCheck(), BST_UNCHECKED);
    EXPECT_EQ(a2->getCheck(), BST_UNCHECKED);
    EXPECT_EQ(a3->getCheck(), BST_CHECKED);
    EXPECT_EQ(b1->getCheck(), BST_CHECKED);  // another group
}

TEST_F(ControlTest, DisabledButtonIsNotClickedAndTheClickLandsOnTheParent) {
    auto* b = make<Button>(u"Button", BS_PUSHBUTTON | WS_DISABLED, {10, 10, 90, 30}, 7);
    Robot quiet([](const std::string&) {});
    EXPECT_FALSE(quiet.click(*b));
    EXPECT_EQ(take(), (Events{"lbutton 50,20"}));
}

TEST_F(ControlTest, GroupBoxLetsClicksThrough) {
    make<Button>(u"Button", BS_GROUPBOX, {0, 0, 200, 200}, 8, u"Group");
    auto* inside = make<Button>(u"Button", BS_PUSHBUTTON, {10, 10, 60, 30}, 9);
    inside->setWindowPos(Window::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(robot.click(*inside));
    EXPECT_EQ(take(), (Events{"command 9 0"}));
}

TEST_F(ControlTest, SpaceReleasePressesTheFocusedButton) {
    auto* b = make<Button>(u"Button", BS_AUTOCHECKBOX | WS_TABSTOP, {0, 0, 80, 20}, 7);
    b->setFocus();
    robot.keyDown(VK_SPACE);
    EXPECT_EQ(b->getCheck(), BST_UNCHECKED);
    robot.keyUp(VK_SPACE);
    EXPECT_EQ(b->getCheck(), BST_CHECKED);
}

TEST_F(ControlTest, StaticNotifiesClicksOnlyWithNotifyStyle) {
    auto* quiet = make<Static>(u"Static", 0, {0, 0, 50, 20}, 1, u"label");
    auto* loud = make<Static>(u"Static", SS_NOTIFY, {0, 30, 50, 50}, 2, u"link");
    Robot r([](const std::string&) {});
    r.click(*quiet);
    EXPECT_EQ(take(), (Events{"lbutton 25,10"}));  // fell through to the parent
    r.click(*loud);
    EXPECT_EQ(take(), (Events{"command 2 0"}));
}

TEST_F(ControlTest, ImageButtonCarriesItsPictureAndCheckState) {
    testResources().addIcon(237, {}, {32, 32});
    ImageButton ib;
    ASSERT_TRUE(ib.create(u"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, {0, 0, 40, 40}, &parent, 1292));
    EXPECT_TRUE(ib.setIconResource(237));
    EXPECT_FALSE(ib.setIconResource(99999));
    EXPECT_EQ(ib.getIconImage().resourceId, 237);
    ib.setFlat();
    ib.setAlign(ImageButton::Align::Vertical);
    ib.setCheckBox(true);
    EXPECT_TRUE(ib.getStyle() & BS_PUSHLIKE);
    robot.click(ib);
    EXPECT_EQ(ib.getCheck(), BST_CHECKED);
    ib.setTooltipText(u"Clash check");
    EXPECT_EQ(ib.tooltipText(), u"Clash check");
}

// ---- Combo boxes

TEST_F(ControlTest, ComboListBasics) {
    auto* c = make<ComboBox>(u"ComboBox", CBS_DROPDOWNLIST, {0, 0, 100, 200}, 3);
    EXPECT_EQ(c->getCurSel(), CB_ERR);
    c->addString(u"Alpha");
    c->addString(u"beta");
    EXPECT_EQ(c->insertString(0, u"Zero"), 0);
    EXPECT_EQ(c->insertString(9, u"x"), CB_ERR);
    EXPECT_EQ(c->getCount(), 3);
    EXPECT_EQ(c->getLBText(1), u"Alpha");
    EXPECT_EQ(c->setCurSel(2), 2);
    EXPECT_EQ(c->getWindowText(), u"beta");
    EXPECT_EQ(c->setCurSel(7), CB_ERR);
    EXPECT_EQ(c->getCurSel(), CB_ERR);
    EXPECT_EQ(c->getWindowText(), u"");
    EXPECT_TRUE(take().empty());  // nothing programmatic notifies
    c->resetContent();
    EXPECT_EQ(c->getCount(), 0);
}

TEST_F(ControlTest, ComboFindsByPrefixAndExactlyIgnoringCase) {
    auto* c = make<ComboBox>(u"ComboBox", CBS_DROPDOWNLIST, {0, 0, 100, 200}, 3);
    for (auto t : {u"IPE-200", u"HEA-100", u"IPE-300", u"ipe"}) c->addString(t);
    EXPECT_EQ(c->findString(-1, u"ipe-"), 0);
    EXPECT_EQ(c->findString(0, u"ipe-"), 2);
    EXPECT_EQ(c->findString(2, u"ipe-"), 0);  // wraps around
    EXPECT_EQ(c->findStringExact(-1, u"IPE"), 3);
    EXPECT_EQ(c->findStringExact(-1, u"IP"), CB_ERR);
    EXPECT_EQ(c->selectString(-1, u"hea"), 1);
    EXPECT_EQ(c->getCurSel(), 1);
    EXPECT_EQ(c->selectString(-1, u"xyz"), CB_ERR);
    EXPECT_EQ(c->getCurSel(), 1);  // unchanged
    EXPECT_TRUE(take().empty());
}

TEST_F(ControlTest, SortedComboInsertsInPlace) {
    auto* c = make<ComboBox>(u"ComboBox", CBS_DROPDOWNLIST | CBS_SORT, {0, 0, 100, 200}, 3);
    c->addString(u"b");
    c->addString(u"C");
    EXPECT_EQ(c->addString(u"a"), 0);
    EXPECT_EQ(c->addString(u"B2"), 2);
}

TEST_F(ControlTest, ComboComparesLettersOfEveryScriptWithCaseIgnoringIt) {
    auto* c = make<ComboBox>(u"ComboBox", CBS_DROPDOWNLIST | CBS_SORT, {0, 0, 100, 200}, 3);
    c->addString(u"жук");
    c->addString(u"Бобр");
    EXPECT_EQ(c->addString(u"ЖАБА"), 1);   // sorts as "жаба": after "Бобр"
    EXPECT_EQ(c->findStringExact(-1, u"ЖУК"), 2);
    EXPECT_EQ(c->findString(-1, u"бО"), 0);
    EXPECT_EQ(c->addString(u"Łódź"), 0);   // "ł" comes before Cyrillic
    EXPECT_EQ(c->findStringExact(-1, u"łÓDŹ"), 0);
}

TEST_F(ControlTest, UserChoiceNotifiesAfterTheSelectionChanged) {
    auto* c = make<ComboBox>(u"ComboBox", CBS_DROPDOWNLIST, {0, 0, 100, 200}, 3);
    c->addString(u"a");
    c->addString(u"b");
    int selSeen = -2;
    parent.onMessage = [&](unsigned msg, WPARAM w, LPARAM, bool&) -> LRESULT {
        if (msg == WM_COMMAND && notifyCode(w) == CBN_SELCHANGE) selSeen = c->getCurSel();
        return 0;
    };
    robot.choose(*c, u"B");
    EXPECT_EQ(selSeen, 1);
    EXPECT_EQ(take(), (Events{"command 3 3", "command 3 7", "command 3 1", "command 3 8"}));
}

TEST_F(ControlTest, EditableComboTakesTheChosenTextOnlyAfterTheNotification) {
    auto* c = make<ComboBox>(u"ComboBox", CBS_DROPDOWN, {0, 0, 100, 200}, 3);
    c->addString(u"0°");
    c->addString(u"90°");
    c->setWindowText(u"45");
    std::u16string textSeen;
    parent.onMessage = [&](unsigned msg, WPARAM w, LPARAM, bool&) -> LRESULT {
        if (msg == WM_COMMAND && notifyCode(w) == CBN_SELCHANGE) textSeen = c->getWindowText();
        return 0;
    };
    robot.choose(*c, 1);
    EXPECT_EQ(textSeen, u"45");
    EXPECT_EQ(c->getWindowText(), u"90°");
}

TEST_F(ControlTest, TypingInAnEditableComboNotifiesEditChange) {
    auto* c = make<ComboBox>(u"ComboBox", CBS_DROPDOWN | WS_TABSTOP, {0, 0, 100, 200}, 3);
    robot.type(*c, u"12");
    EXPECT_EQ(c->getWindowText(), u"12");
    EXPECT_EQ(take(), (Events{"command 3 3", "command 3 6", "command 3 5", "command 3 6", "command 3 5"}));
}

TEST_F(ControlTest, ListOnlyComboRefusesText) {
    auto* c = make<ComboBox>(u"ComboBox", CBS_DROPDOWNLIST, {0, 0, 100, 200}, 3);
    c->addString(u"a");
    c->setWindowText(u"zzz");
    EXPECT_EQ(c->getWindowText(), u"");
}

TEST_F(ControlTest, ComboKillFocusNotifies) {
    auto* c = make<ComboBox>(u"ComboBox", CBS_DROPDOWN | WS_TABSTOP, {0, 0, 100, 200}, 3);
    auto* e = make<Edit>(u"Edit", WS_TABSTOP, {0, 210, 100, 230}, 4);
    c->setFocus();
    take();
    e->setFocus();
    EXPECT_EQ(take(), (Events{"command 3 4", "command 4 256"}));  // CBN_KILLFOCUS, then EN_SETFOCUS
}

TEST_F(ControlTest, CheckListAndPictureItems) {
    auto* c = make<ComboBox>(u"ComboBox", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, {0, 0, 100, 200}, 3);
    c->addString(u"x");
    c->addString(u"y");
    c->setItemChecked(1, true);
    EXPECT_TRUE(c->getItemChecked(1));
    robot.toggleCheck(*c, 0);
    EXPECT_TRUE(c->getItemChecked(0));
    EXPECT_EQ(take(), (Events{"command 3 1"}));
    c->setItemPicture(0, Image{8134, nullptr, {16, 16}, false});
    EXPECT_EQ(c->getItemPicture(0).resourceId, 8134);
    c->setItemData(1, 77);
    EXPECT_EQ(c->getItemData(1), 77u);
}

// ---- Tab control

TEST_F(ControlTest, TabSelectionByCodeDoesNotNotify) {
    auto* t = make<TabCtrl>(u"SysTabControl32", 0, {10, 10, 310, 210}, 12);
    EXPECT_EQ(t->insertItem(0, u"General"), 0);
    EXPECT_EQ(t->getCurSel(), 0);  // the first tab is selected
    t->insertItem(1, u"Profiles");
    EXPECT_EQ(t->setCurSel(1), 0);
    EXPECT_EQ(t->setCurSel(5), -1);
    EXPECT_EQ(t->getCurSel(), 1);
    EXPECT_TRUE(take().empty());
}

TEST_F(ControlTest, TabClickNotifiesChangingThenChange) {
    auto* t = make<TabCtrl>(u"SysTabControl32", 0, {10, 10, 310, 210}, 12);
    t->insertItem(0, u"General");
    t->insertItem(1, u"Profiles");
    EXPECT_TRUE(robot.choose(*t, 1));
    EXPECT_EQ(take(), (Events{"notify 12 -552", "notify 12 -551"}));
    parent.onMessage = [](unsigned msg, WPARAM, LPARAM l, bool& handled) -> LRESULT {
        if (msg == WM_NOTIFY && reinterpret_cast<const NotifyHeader*>(l)->code == TCN_SELCHANGING) {
            handled = true;
            return 1;  // refuses
        }
        return 0;
    };
    EXPECT_FALSE(robot.choose(*t, 0));
    EXPECT_EQ(t->getCurSel(), 1);
}

TEST_F(ControlTest, TabGeometry) {
    auto* t = make<TabCtrl>(u"SysTabControl32", 0, {10, 10, 310, 210}, 12);
    t->setFont(Font{u"Tahoma", 14});
    t->insertItem(0, u"ab");
    t->insertItem(1, u"abcd");
    Rect r0, r1;
    ASSERT_TRUE(t->getItemRect(0, r0));
    ASSERT_TRUE(t->getItemRect(1, r1));
    EXPECT_EQ(r0, (Rect{2, 0, 2 + 14 + 12, Metrics::kTabHeaderHeight}));
    EXPECT_EQ(r1.left, r0.right);
    EXPECT_EQ(t->getDisplayRect(), (Rect{2, 23, 298, 198}));
    Rect w{0, 0, 300, 200};
    t->adjustRect(false, w);
    t->adjustRect(true, w);
    EXPECT_EQ(w, (Rect{0, 0, 300, 200}));
    t->deleteAllItems();
    EXPECT_EQ(t->getCurSel(), -1);
}

// ---- List, tooltip

TEST_F(ControlTest, ThumbnailListSelectsAndNotifies) {
    auto* l = make<ListCtrl>(u"SysListView32", LVS_SINGLESEL, {0, 0, 200, 200}, 20);
    l->setImageList({Image{1, nullptr, {64, 64}}, Image{2, nullptr, {64, 64}}}, {64, 64});
    l->insertItem(-1, u"plate", 0);
    l->insertItem(-1, u"angle", 1);
    l->setItemSelected(0, true);
    EXPECT_TRUE(take().empty());
    robot.choose(*l, 1);
    EXPECT_EQ(l->getNextSelected(), 1);
    EXPECT_EQ(l->getSelectedCount(), 1);
    EXPECT_EQ(take(), (Events{"notify 20 -101", "notify 20 -2"}));
    robot.choose(*l, 0, true);
    EXPECT_EQ(take().back(), "notify 20 -3");
}

TEST_F(ControlTest, ToolTipKeepsTextsPerTool) {
    auto* b = make<Button>(u"Button", 0, {0, 0, 10, 10}, 1176);
    ToolTip tip;
    ASSERT_TRUE(tip.create(&parent));
    EXPECT_TRUE(tip.isTopMost());
    tip.addTool(b, u"Select other macros");
    EXPECT_EQ(tip.getText(b), u"Select other macros");
    tip.updateTipText(u"Other", b);
    EXPECT_EQ(tip.getText(b), u"Other");
    EXPECT_EQ(tip.getText(&parent), u"");
}

} // namespace
