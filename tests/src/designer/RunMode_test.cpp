// A designed page placed on a live dialog in run mode: the window of every type, values in and out, combo
// items, read-only cells, the keyboard order walked with the Robot's keys, and the windows' life.
#include "src/designer/designerTestSupport.h"
#include "support/uiTestSupport.h"

#include "designer/CControlRect.h"
#include "designer/Ork_DlgDesignerData.h"
#include "nuvo/hostTexts.h"
#include "resources/SSResources.h"
#include "resources/resourceIds.h"
#include "ui/Resources.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Dialog.h"
#include "ui/Edit.h"
#include "ui/Robot.h"
#include "ui/paint/WindowPainter.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

constexpr int kBefore = 1;
constexpr int kAfter = 2;

// A dialog that hands Tab to its page first, as the macro dialog does, and moves on to its own buttons when
// the page says the focus leaves it.
class PageDialog : public ui::Dialog {
public:
    Ork_DlgDesignerData* page = nullptr;
    Ork_TabMsgHandle last = tmNotHandled;

    bool preTranslateMessage(const ui::Msg& msg) override {
        Ork_TabMsgHandle result = tmNotHandled;
        if (page && page->handleTabKey(msg, result)) {
            last = result;
            if (last == tmLeaveForward)
                getDlgItem(kAfter)->setFocus();
            else if (last == tmLeaveBackward)
                getDlgItem(kBefore)->setFocus();
            return true;
        }
        return ui::Dialog::preTranslateMessage(msg);
    }
};

Ork_DesignerControl at(int type, double left, double top, double right, double bottom, const char16_t* contents = u"") {
    Ork_DesignerControl c;
    c.type = static_cast<Ork_ControlType>(type);
    c.topLeftX = left;
    c.topLeftY = top;
    c.bottomRightX = right;
    c.bottomRightY = bottom;
    c.contents = contents;
    return c;
}

class RunMode : public ui::test::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Ork_DlgDesignerData::dialogScale = 1.0;
        ui::DialogTemplate t;
        t.size = {400, 300};
        t.add(u"Button", kBefore, u"Before", ui::WS_TABSTOP, {0, 280, 60, 298});
        t.add(u"Button", kAfter, u"After", ui::WS_TABSTOP, {70, 280, 130, 298});
        dialog = std::make_unique<PageDialog>();
        ASSERT_TRUE(dialog->createIndirect(t, nullptr, ui::Dialog::Show::Visible));
        page = std::make_unique<Ork_DlgDesignerData>();
        page->imageWidth = 300;
        page->imageHeight = 200;
        page->firstId = 33000;   // as placing will give it; the controls get their identifiers when appended
        page->lastId = 33099;
        dialog->page = page.get();
    }
    void TearDown() override {
        page.reset();
        dialog.reset();
        Ork_DlgDesignerData::dialogScale = 1.0;
        UiTest::TearDown();
    }
    void place() {
        ASSERT_TRUE(page->initialize(dialog.get(), 33000, 33099, 0, 0, 0, 0, 0, false));
        page->redrawAllControls();
    }
    ui::Window* window(int index) { return dialog->getDlgItem(page->getControl(index)->resourceId); }
    int focusId() { return ui::Window::getFocus() ? ui::Window::getFocus()->getDlgCtrlID() : -1; }

    std::unique_ptr<PageDialog> dialog;
    std::unique_ptr<Ork_DlgDesignerData> page;
    ui::Robot robot{ui::test::gtestFailure()};
};

TEST_F(RunMode, EveryTypeGetsItsClassAndStyles) {
    for (int type = 0; type < 31; ++type)
        page->append(at(type, 0.1, 0.1, 0.2, 0.19, u"x"));
    page->append(at(99, 0.1, 0.1, 0.2, 0.19, u"future"));
    place();
    ASSERT_EQ(page->drawnCtrls.size(), 32u);
    for (int i = 0; i < 32; ++i) {
        SCOPED_TRACE(i);
        const int type = page->getControl(i)->type;
        const ui::Window* w = window(i);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isClass(controlClassName(controlClassOf(type))));
        const std::uint32_t style = w->getStyle();
        EXPECT_TRUE(style & ui::WS_CHILD);
        EXPECT_TRUE(w->isWindowVisible());
        EXPECT_TRUE(w->isWindowEnabled());
        const Ork_ControlClass cls = controlClassOf(type);
        EXPECT_EQ((w->getExStyle() & ui::WS_EX_CLIENTEDGE) != 0, cls == Ork_ControlClass::Edit);
        if (cls == Ork_ControlClass::Edit) {
            EXPECT_EQ((style & ui::ES_MULTILINE) != 0, type == 4 || type == 5);
        }
        if (cls == Ork_ControlClass::ComboBox) {
            EXPECT_TRUE(style & ui::WS_VSCROLL);
            EXPECT_EQ(style & ui::CBS_TYPEMASK, (type == 3 || type == 16) ? ui::CBS_DROPDOWN : ui::CBS_DROPDOWNLIST);
            EXPECT_EQ(w->getRectInParent().height(), 200);   // the drop-down list included
        }
        if (type == ctGroupBox) {
            EXPECT_EQ(style & ui::BS_TYPEMASK, ui::BS_GROUPBOX);
        }
        if (type == ctFlexButton) {
            EXPECT_EQ(style & (ui::BS_TYPEMASK | ui::BS_ICON | ui::BS_PUSHLIKE),
                      ui::BS_AUTOCHECKBOX | ui::BS_ICON | ui::BS_PUSHLIKE);
        }
        if (type == ctPatternButton || type == ctCalcButtonFactor) {
            EXPECT_EQ(style & ui::BS_TYPEMASK, ui::BS_PUSHBUTTON);
        }
        if (i < 31 && type != ctCutCombo) {
            EXPECT_EQ(w->getWindowText(), u"x");
        }
    }
    EXPECT_EQ(window(31)->getWindowText(), u"future");
}

TEST_F(RunMode, PixelRectanglesAreRoundedAndMultiLineEditsGrowWithTheFont) {
    page->append(at(2, 0.1015, 0.1025, 0.5, 0.75));    // 30.45, 20.5
    page->append(at(4, 0.0, 0.0, 0.1, 0.09));          // 18 high
    page->append(at(5, 0.0, 0.3, 0.1, 0.5));           // 40 high
    Ork_DlgDesignerData::dialogScale = 1.5;
    place();
    EXPECT_EQ(window(0)->getRectInParent(), (ui::Rect{30, 21, 150, 150}));
    EXPECT_EQ(window(1)->getRectInParent().height(), 24);   // ceiling(18 + 9 / 1.6)
    EXPECT_EQ(window(2)->getRectInParent().height(), 40);
    // The rectangles come back from the windows as fractions.
    window(0)->moveWindow(ui::Rect{60, 40, 90, 58});
    EXPECT_TRUE(page->getSizeFromControl(0));
    EXPECT_DOUBLE_EQ(page->getControl(0)->topLeftX, 0.2);
    EXPECT_DOUBLE_EQ(page->getControl(0)->bottomRightY, 0.29);
}

TEST_F(RunMode, ValuesOfChecksCutCombosButtonsAndTexts) {
    page->append(at(29, 0, 0, 0.2, 0.1, u"Stiffened"));
    page->append(at(28, 0, 0.2, 0.2, 0.3, u"2"));
    page->append(at(25, 0, 0.4, 0.2, 0.5, u"Calc"));
    page->append(at(2, 0, 0.6, 0.2, 0.7, u"Thick"));
    place();
    const Ork_String mixed = dialString(695);
    auto* check = dynamic_cast<ui::Button*>(window(0));
    ASSERT_NE(check, nullptr);
    Ork_String value;
    EXPECT_TRUE(page->setCtrlValue(33000, u"1"));
    EXPECT_EQ(check->getCheck(), ui::BST_CHECKED);
    EXPECT_TRUE(page->setCtrlValue(33000, u"0.0"));
    EXPECT_TRUE(page->getCtrlValue(33000, value));
    EXPECT_EQ(value, u"0");
    EXPECT_TRUE(page->setCtrlValue(33000, mixed));
    EXPECT_EQ(check->buttonType(), ui::BS_AUTO3STATE);
    EXPECT_TRUE(page->getCtrlValue(33000, value));
    EXPECT_EQ(value, mixed);
    EXPECT_TRUE(page->setCtrlValue(33000, u"1"));
    EXPECT_EQ(check->buttonType(), ui::BS_AUTOCHECKBOX);
    EXPECT_EQ(check->getWindowText(), u"Stiffened");

    auto* cut = dynamic_cast<ui::ComboBox*>(window(1));
    ASSERT_NE(cut, nullptr);
    ASSERT_EQ(cut->getCount(), 5);
    EXPECT_EQ(cut->getLBText(4), mixed);
    EXPECT_TRUE(page->getCtrlValue(33001, value));
    EXPECT_EQ(value, u"2");   // from its contents when made
    EXPECT_TRUE(page->setCtrlValue(33001, u"3"));
    EXPECT_EQ(cut->getCurSel(), 3);

    EXPECT_TRUE(page->setCtrlValue(33002, u"99"));
    EXPECT_EQ(window(2)->getWindowText(), u"Calc");
    EXPECT_TRUE(page->setCtrlValue(33003, u"15"));
    EXPECT_TRUE(page->getCtrlValue(33003, value));
    EXPECT_EQ(value, u"15");
    EXPECT_FALSE(page->getCtrlValue(34000, value));
    EXPECT_FALSE(page->setCtrlValue(34000, u"1"));
    Ork_ControlType type = ctLabel;
    EXPECT_TRUE(page->getDynControlType(33001, type));
    EXPECT_EQ(type, ctCutCombo);
    EXPECT_TRUE(page->isADynControl(33003));
    EXPECT_FALSE(page->isADynControl(kAfter));
}

class RunModeCombos : public RunMode {
protected:
    TempFolder library;
};

TEST_F(RunModeCombos, ItemsFromTheControlOrAFileAndContentsNotListedAsText) {
    library.put("Lists/grades.txt", "S235\nS355\n");
    Ork_Settings::setLibDir(Ork_String(library.folder()));
    Ork_DesignerControl fixed = at(3, 0, 0, 0.3, 0.1, u"B");
    fixed.comboItems = Ork_StringArray{u"A", u"B"};
    Ork_DesignerControl relative = at(3, 0, 0.2, 0.3, 0.3, u"S355");
    relative.extra = u"Lists\\grades.txt";
    Ork_DesignerControl absolute = at(16, 0, 0.4, 0.3, 0.5, u"S460");   // not in the list
    absolute.extra = Ork_String(library.text(u"Lists\\grades.txt"));
    page->append(fixed);
    page->append(relative);
    page->append(absolute);
    place();
    auto* a = dynamic_cast<ui::ComboBox*>(window(0));
    auto* b = dynamic_cast<ui::ComboBox*>(window(1));
    auto* c = dynamic_cast<ui::ComboBox*>(window(2));
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(a->getCount(), 2);
    EXPECT_EQ(a->getCurSel(), 1);
    EXPECT_EQ(b->getCount(), 2);
    EXPECT_EQ(b->getCurSel(), 1);
    EXPECT_EQ(c->getCount(), 2);
    EXPECT_EQ(c->getCurSel(), -1);
    EXPECT_EQ(c->getWindowText(), u"S460");
    Ork_Settings::reset();
}

TEST_F(RunMode, ReadOnlyCellsAndTheKeyboardOrder) {
    page->append(at(2, 0.5, 0.10, 0.6, 0.15, u"A"));
    page->append(at(2, 0.1, 0.12, 0.2, 0.17, u"B"));
    page->append(at(3, 0.0, 0.30, 0.1, 0.35, u"C"));
    page->append(at(0, 0.0, 0.00, 0.1, 0.05, u"label"));
    place();
    window(0)->setWindowText(u"a text");
    ASSERT_TRUE(page->setFocusToCtrl(true));
    EXPECT_EQ(focusId(), 33001);   // B
    ASSERT_TRUE(robot.key(ui::VK_TAB));
    EXPECT_EQ(focusId(), 33000);   // A, its text selected
    int start = -1, end = -1;
    dynamic_cast<ui::Edit*>(window(0))->getSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 6);
    ASSERT_TRUE(robot.key(ui::VK_TAB));
    EXPECT_EQ(focusId(), 33002);   // C
    ASSERT_TRUE(robot.key(ui::VK_TAB));
    EXPECT_EQ(dialog->last, tmLeaveForward);
    EXPECT_EQ(focusId(), kAfter);
    // Outside the page Tab is the dialog's own.
    Ork_TabMsgHandle result = tmHandled;
    ui::Msg tab{ui::Window::getFocus(), ui::WM_KEYDOWN, ui::VK_TAB, 0, {}, 0};
    EXPECT_FALSE(page->handleTabKey(tab, result));
    EXPECT_EQ(result, tmNotHandled);

    ASSERT_TRUE(page->setFocusToCtrl(false));
    EXPECT_EQ(focusId(), 33002);
    // A cell made read-only since the redraw is passed over.
    EXPECT_TRUE(page->setCtrlReadOnly(33000, true));
    EXPECT_FALSE(window(0)->isWindowEnabled());
    EXPECT_FALSE(page->getControl(0)->readOnly);
    EXPECT_FALSE(page->setCtrlReadOnly(33003, true));   // a label
    ASSERT_TRUE(robot.key(ui::VK_TAB, ui::ModShift));
    EXPECT_EQ(focusId(), 33001);   // B, A skipped
    ASSERT_TRUE(robot.key(ui::VK_TAB, ui::ModShift));
    EXPECT_EQ(dialog->last, tmLeaveBackward);
    EXPECT_EQ(focusId(), kBefore);
    // Read-only controls of a redraw get no order and are made disabled.
    page->getControlWrite(2)->readOnly = true;
    page->redrawAllControls();
    EXPECT_EQ(page->getControl(2)->tabOrder, 0);
    EXPECT_FALSE(window(2)->isWindowEnabled());
}

TEST_F(RunMode, RedrawnTwiceWithMoreThanAHundredControlsOneWindowEach) {
    for (int i = 0; i < 101; ++i)
        page->append(at(i % 2 ? 2 : 0, 0.001 * i, 0, 0.001 * i + 0.01, 0.01));
    EXPECT_EQ(page->getControl(100)->resourceId, 0);
    place();
    page->redrawAllControls();
    EXPECT_EQ(page->drawnCtrls.size(), 101u);
    // The dialog's own two buttons and one window per control, nothing left from the first redraw.
    EXPECT_EQ(dialog->children().size(), 103u);
    page->removeAllDrawnCtrls();
    EXPECT_EQ(dialog->children().size(), 2u);
    EXPECT_TRUE(page->drawnCtrls.empty());
}

TEST_F(RunMode, APageDestroyedBeforeOrAfterItsDialog) {
    page->append(at(2, 0, 0, 0.1, 0.1));
    place();
    page.reset();   // before: its windows go with it
    EXPECT_EQ(dialog->children().size(), 2u);
    dialog->page = nullptr;

    page = std::make_unique<Ork_DlgDesignerData>();
    page->firstId = 33000;
    page->lastId = 33099;
    page->append(at(2, 0, 0, 0.1, 0.1));
    place();
    dialog->destroyWindow();   // after: the windows are already gone
    EXPECT_EQ(page->drawnCtrls.size(), 1u);
    EXPECT_EQ(page->drawnCtrls[0]->window(), nullptr);
    page.reset();
}

Ork_DesignerControl flex(const char16_t* group, const char16_t* entry, const char16_t* part3, double left) {
    Ork_DesignerControl c = at(30, left, 0.8, left + 0.1, 0.9, entry);
    c.flexGroup = group;
    c.flexPart3 = part3;
    return c;
}

TEST_F(RunMode, FlexButtonsByGroupWithOneIconForThePage) {
    registerSSResources(ui::Resources::addModule(u"SS"));
    page->append(flex(u"Rows", u"Top", u"x", 0.0));
    page->append(flex(u"Rows", u"Bottom", u"", 0.2));
    page->append(flex(u"Ends", u"Left", u"", 0.4));
    page->append(at(2, 0, 0, 0.1, 0.1, u"Top"));
    place();
    EXPECT_EQ(page->flexIcon.resourceId, IDI_FLEX);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dynamic_cast<ui::Button*>(window(i))->getIconImage(), page->flexIcon) << i;
    const ui::Image first = page->flexIcon;
    page->redrawAllControls();
    EXPECT_EQ(page->flexIcon, first);   // kept, not loaded again

    Ork_Array<int> all, withPart3;
    EXPECT_TRUE(page->getFlexBtnsInGroup(u"Rows", all, withPart3));
    ASSERT_EQ(all.length(), 2);
    ASSERT_EQ(withPart3.length(), 1);
    EXPECT_EQ(withPart3[0], 0);
    EXPECT_TRUE(page->getFlexBtnsInGroup(u"", all, withPart3));
    EXPECT_TRUE(all.isEmpty());
    EXPECT_TRUE(withPart3.isEmpty());
    Ork_StringArray groups;
    page->getFlexBtnsGroups(groups);
    ASSERT_EQ(groups.length(), 2);
    EXPECT_EQ(groups[1], u"Ends");
    Ork_StringArray names;
    page->getAllFlexVarsOfGroup(u"Rows", names);
    ASSERT_EQ(names.length(), 2);
    EXPECT_EQ(names[1], u"Bottom");
    Ork_String group, entry;
    EXPECT_TRUE(page->getFlexBtnGroupName(33002, group, entry));
    EXPECT_EQ(entry, u"Left");
    EXPECT_FALSE(page->getFlexBtnGroupName(33003, group, entry));   // a cell edit

    int status = -1;
    EXPECT_TRUE(page->setFlexBtnStatus(u"Rows", u"Bottom", 1));
    EXPECT_TRUE(page->getFlexBtnStatus(1, status));
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(page->setFlexBtnStatus(u"Rows", u"Bottom", 2));   // the third state unchecks
    EXPECT_TRUE(page->getFlexBtnStatus(1, status));
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(page->setFlexBtnStatus(u"Rows", u"Left", 1));
    EXPECT_FALSE(page->getFlexBtnStatus(3, status));
    EXPECT_TRUE(page->hideAllFlexBtns(u"Rows"));
    EXPECT_FALSE(window(0)->isWindowVisible());
    EXPECT_FALSE(window(1)->isWindowVisible());
    EXPECT_TRUE(window(2)->isWindowVisible());
}

TEST_F(RunMode, TheBackgroundShowsThePictureAndTheDialogWhereItIsWhite) {
    ui::Canvas picture(4, 3, ui::colors::white);
    picture.setPixel(1, 0, ui::rgb(254, 255, 255));
    picture.setPixel(2, 1, ui::rgb(200, 0, 0));
    picture.setPixel(3, 2, ui::colors::black);
    TempFolder files;
    std::u16string error;
    ASSERT_TRUE(ui::writeBmpFile(files.path() / "p.bmp", picture, error));
    ASSERT_TRUE(page->attachBitmap(Ork_String(files.text(u"p.bmp"))));
    const ui::Color background = ui::rgb(90, 120, 150);
    ui::Canvas before(6, 5, background);
    EXPECT_EQ(page->OnEraseBkgnd(before), 0);   // not placed yet: nothing drawn
    EXPECT_EQ(before.pixel(2, 1), background);
    place();
    ui::Canvas dc(6, 5, background);
    EXPECT_EQ(page->OnEraseBkgnd(dc), 0);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x < 4 && y < 3;
            const ui::Color expected =
                inside && picture.pixel(x, y) != ui::colors::white ? picture.pixel(x, y) : background;
            EXPECT_EQ(dc.pixel(x, y), expected) << x << "," << y;
        }
    // A picture of the dialog: the page's picture where it is not white, the dialog's face where it is, and
    // the controls over it with their text.
    page->append(at(0, 0.0, 0.5, 0.3, 0.9, u"Label"));   // on the 4 x 3 picture: fractions of it
    page->imageWidth = 300;
    page->imageHeight = 200;
    page->getControlWrite(0)->topLeftX = 0.1;
    page->getControlWrite(0)->topLeftY = 0.1;
    page->getControlWrite(0)->bottomRightX = 0.4;
    page->getControlWrite(0)->bottomRightY = 0.2;
    page->redrawAllControls();
    const ui::Canvas shot = ui::renderWindow(*dialog);
    const ui::Rect wr = dialog->getWindowRect();
    auto pixelAt = [&](int x, int y) {
        const ui::Point p = dialog->clientToScreen(ui::Point{x, y});
        return shot.pixel(p.x - wr.left, p.y - wr.top);
    };
    EXPECT_EQ(shot.width(), wr.width());
    EXPECT_EQ(pixelAt(2, 1), ui::rgb(200, 0, 0));
    EXPECT_EQ(pixelAt(1, 0), ui::rgb(254, 255, 255));
    EXPECT_EQ(pixelAt(0, 0), ui::colors::buttonFace);
    EXPECT_EQ(pixelAt(100, 150), ui::colors::buttonFace);
    int ink = 0;
    for (int y = 20; y < 40; ++y)
        for (int x = 30; x < 120; ++x)
            ink += pixelAt(x, y) != ui::colors::buttonFace;
    EXPECT_GT(ink, 20);   // the label's text
    page->designMode = true;
    ui::Canvas design(6, 5, background);
    page->OnEraseBkgnd(design);
    EXPECT_EQ(design.pixel(0, 0), ui::colors::buttonFace);
    EXPECT_EQ(design.pixel(5, 4), ui::colors::buttonFace);
    EXPECT_EQ(design.pixel(2, 1), ui::rgb(200, 0, 0));
}

TEST_F(RunMode, InDesignModeTheWindowsAreDisabledAtTheirSizeAndTheTypeListIsFilled) {
    ui::Window* types = ui::createWindow(u"ComboBox", u"", ui::WS_CHILD | ui::WS_VISIBLE | ui::CBS_DROPDOWNLIST,
                                         {300, 0, 390, 200}, dialog.get(), 500);
    ASSERT_NE(types, nullptr);
    page->append(at(3, 0, 0, 0.3, 0.1, u"Grade"));   // 20 high
    page->append(at(0, 0, 0.2, 0.3, 0.3, u"Label"));
    ASSERT_TRUE(page->initialize(dialog.get(), 33000, 33099, 500, 501, 502, 503, 504, true));
    page->redrawAllControls();
    EXPECT_EQ(page->typeComboId, 500);
    EXPECT_EQ(page->extraEditId, 504);
    auto* list = dynamic_cast<ui::ComboBox*>(types);
    ASSERT_EQ(list->getCount(), 31);
    EXPECT_EQ(list->getLBText(0), controlTypeText(ctLabel));
    EXPECT_EQ(list->getLBText(30), controlTypeText(ctFlexButton));
    EXPECT_EQ(window(0)->getRectInParent().height(), 20);
    EXPECT_FALSE(window(0)->isWindowEnabled());
    EXPECT_TRUE(window(1)->isWindowEnabled());   // a label stays enabled
    EXPECT_EQ(page->getControl(0)->tabOrder, 0);   // no keyboard order in design mode
}

TEST(RunModePlacing, NothingHappensBeforeThePageIsPlaced) {
    Ork_DlgDesignerData page;
    page.append(at(2, 0, 0, 0.1, 0.1));
    EXPECT_FALSE(page.initialize(nullptr, 33000, 33099, 0, 0, 0, 0, 0, false));
    EXPECT_EQ(page.getDlgPtr(), nullptr);
    page.redrawAllControls();
    EXPECT_TRUE(page.drawnCtrls.empty());
    Ork_String value;
    EXPECT_FALSE(page.getCtrlValue(33000, value));
    EXPECT_FALSE(page.setFocusToCtrl(true));
    EXPECT_FALSE(page.getSizeFromControl(0));
}

} // namespace
