// The designer window through StartDlgDesigner: opening, the mouse on the page, the property boxes, the
// buttons, closing and the window's size, as a user drives them.
#include "src/designer/designerWindowSupport.h"

#include "nuvo/DlgSizeStore.h"
#include "nuvo/hostTexts.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/paint/WindowPainter.h"
#include "ui/paint/pngFile.h"

namespace {

using designertest::DesignerWindow;
using designertest::Placed;

// Three cell edits in a row on a 300 x 200 picture, and a label under them.
const std::vector<Placed> kRow = {
    {2, 0.10, 0.10, 0.20, 0.20, u"A"}, {2, 0.30, 0.10, 0.40, 0.20, u"B"}, {2, 0.50, 0.10, 0.60, 0.20, u"C"},
    {0, 0.10, 0.50, 0.30, 0.60, u"Label"}};

TEST_F(DesignerWindow, AnEmptyPathGivesAnEmptyUnnamedPage) {
    EXPECT_TRUE(run(u"", [&](CDlgDesigner& d) {
        EXPECT_EQ(d.getWindowText(), dialString(843));
        EXPECT_EQ(d.page.getNrControls(), 0);
        EXPECT_TRUE(d.page.designMode);
        EXPECT_EQ(d.getDlgItemAs<ui::ComboBox>(IDC_DD_TYPE)->getCount(), 31);
        EXPECT_FALSE(d.getDlgItem(IDC_DD_CONTENTS)->isWindowEnabled());
        EXPECT_FALSE(d.getDlgItem(ui::IDCANCEL)->isWindowVisible());
        EXPECT_EQ(d.getDlgItemText(IDC_DD_TYPE_FRAME), dialString(836));
        EXPECT_EQ(d.getDlgItemText(ui::IDOK), dialString(285));
        EXPECT_EQ(d.getDlgItemText(IDC_DD_ALIGN_BOTTOMS), u"_ _");
        robot.click(d, ui::IDOK);   // not modified: no question
    }));
}

TEST_F(DesignerWindow, OpeningASampleShowsItsNameAndDisablesAllButTheLabels) {
    copySample("EndPlate");
    EXPECT_TRUE(run(design(u"EndPlate.txt"), [&](CDlgDesigner& d) {
        EXPECT_EQ(d.getWindowText(), dialString(843) + u" - <EndPlate>");
        EXPECT_FALSE(d.modified);
        ASSERT_EQ(d.page.getNrControls(), 7);
        for (int i = 0; i < 7; ++i) {
            const ui::Window* w = d.getDlgItem(idOf(d, i));
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->isWindowEnabled(), d.page.getControl(i)->type == ctLabel) << i;
        }
        // The combo box keeps its designed height of 20 pixels here; only a macro page makes it taller.
        EXPECT_EQ(windowRect(d, 2).height(), 20);
        robot.click(d, ui::IDOK);
    }));
}

TEST_F(DesignerWindow, ClicksSelectTogglesAndBands) {
    putDesign("Row", kRow);
    run(design(u"Row.txt"), [&](CDlgDesigner& d) {
        clickAt(d, middleOf(d, 0));
        EXPECT_EQ(selected(d), (std::vector<int>{idOf(d, 0)}));
        EXPECT_TRUE(d.modified);
        EXPECT_EQ(d.getDlgItemText(IDC_DD_CONTENTS), u"A");
        clickAt(d, middleOf(d, 1), ui::ModShift);
        clickAt(d, middleOf(d, 2), ui::ModShift);
        EXPECT_EQ(selected(d).size(), 3u);
        EXPECT_FALSE(d.getDlgItem(IDC_DD_CONTENTS)->isWindowEnabled());   // not one control
        clickAt(d, middleOf(d, 1), ui::ModCtrl);
        EXPECT_EQ(selected(d), (std::vector<int>{idOf(d, 0), idOf(d, 2)}));
        // A band over A whole and half of B selects A alone; empty space clears.
        dragAt(d, {20, 10}, 85, 40);
        EXPECT_EQ(selected(d), (std::vector<int>{idOf(d, 0)}));
        clickAt(d, {290, 190});
        EXPECT_TRUE(selected(d).empty());
    });
}

TEST_F(DesignerWindow, DraggingOneOfThreeMovesAllAndAHandleResizesOne) {
    putDesign("Row", kRow);
    run(design(u"Row.txt"), [&](CDlgDesigner& d) {
        clickAt(d, middleOf(d, 0));
        clickAt(d, middleOf(d, 1), ui::ModShift);
        clickAt(d, middleOf(d, 2), ui::ModShift);
        dragAt(d, middleOf(d, 1), 7, 11);
        EXPECT_EQ(windowRect(d, 0), (ui::Rect{37, 31, 67, 51}));
        EXPECT_EQ(windowRect(d, 1), (ui::Rect{97, 31, 127, 51}));
        EXPECT_EQ(windowRect(d, 2), (ui::Rect{157, 31, 187, 51}));
        EXPECT_EQ(windowRect(d, 3), (ui::Rect{30, 100, 90, 120}));
        // The bottom-right handle lies just outside the corner; the selection stays, C alone grows.
        dragAt(d, {187 + 2, 51 + 2}, 20, 5);
        EXPECT_EQ(selected(d).size(), 3u);
        EXPECT_EQ(windowRect(d, 2), (ui::Rect{157, 31, 207, 56}));
        EXPECT_EQ(windowRect(d, 1), (ui::Rect{97, 31, 127, 51}));
    });
}

TEST_F(DesignerWindow, AddPutsA30By18ControlAFifthIn) {
    putDesign("Row", kRow);
    run(design(u"Row.txt"), [&](CDlgDesigner& d) {
        robot.click(d, IDC_DD_ADD);
        ASSERT_EQ(d.page.getNrControls(), 5);
        EXPECT_TRUE(d.modified);
        EXPECT_EQ(d.page.getControl(4)->type, ctCellEdit);
        EXPECT_EQ(d.page.getControl(4)->contents, dialString(171));
        EXPECT_EQ(windowRect(d, 4), (ui::Rect{60, 40, 90, 58}));
    });
}

TEST_F(DesignerWindow, TheTypeBoxRecreatesTheWindowAndTheLabelsFollow) {
    putDesign("One", {{2, 0.10, 0.10, 0.30, 0.20, u"Width"}});
    run(design(u"One.txt"), [&](CDlgDesigner& d) {
        clickAt(d, middleOf(d, 0));
        auto* types = d.getDlgItemAs<ui::ComboBox>(IDC_DD_TYPE);
        for (int type = 0; type < 31; ++type) {
            SCOPED_TRACE(type);
            robot.choose(*types, type);
            ASSERT_EQ(d.page.getControl(0)->type, type);
            const ui::Window* w = d.getDlgItem(idOf(d, 0));
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(w->isClass(controlClassName(controlClassOf(type))));
            EXPECT_EQ(selected(d), (std::vector<int>{idOf(d, 0)}));
            const int label = contentsLabelTextId(type);
            EXPECT_EQ(d.getDlgItemText(IDC_DD_CONTENTS_LABEL), label ? dialString(label) : Ork_String());
            EXPECT_EQ(d.getDlgItemText(IDC_DD_EXTRA_LABEL), extraLabelText(type));
            EXPECT_EQ(d.getDlgItem(IDC_DD_EXTRA)->isWindowEnabled(), !extraLabelText(type).isEmpty());
        }
    });
}

TEST_F(DesignerWindow, TheContentsAndExtraBoxesEditTheControl) {
    putDesign("One", {{25, 0.10, 0.10, 0.30, 0.20, u"Calc"}, {30, 0.10, 0.30, 0.30, 0.40, u"Flex"},
                      {26, 0.10, 0.50, 0.30, 0.60, u"Cell"}});
    run(design(u"One.txt"), [&](CDlgDesigner& d) {
        clickAt(d, middleOf(d, 0));
        robot.replaceTextOf(d, IDC_DD_CONTENTS, u"Compute");
        EXPECT_EQ(d.page.getControl(0)->contents, u"Compute");
        EXPECT_EQ(d.getDlgItem(idOf(d, 0))->getWindowText(), u"Compute");
        robot.replaceTextOf(d, IDC_DD_EXTRA, u"p1;p2;p3;p4;p5;p6");
        const Ork_DesignerControl& calc = *d.page.getControl(0);
        EXPECT_EQ(calc.calcPart1, u"p1");
        EXPECT_EQ(calc.calcPart4, u"p4");
        EXPECT_EQ(calc.extra, u"p5");
        clickAt(d, middleOf(d, 1));
        robot.replaceTextOf(d, IDC_DD_EXTRA, u"G;;x");
        const Ork_DesignerControl& flex = *d.page.getControl(1);
        EXPECT_EQ(flex.flexGroup, u"G");
        EXPECT_EQ(flex.flexPart3, u"x");
        EXPECT_EQ(flex.flexPart4, u"");
        clickAt(d, middleOf(d, 2));
        robot.replaceTextOf(d, IDC_DD_EXTRA, u"a;b");
        EXPECT_EQ(d.page.getControl(2)->calcPart2, u"b");
        EXPECT_EQ(d.page.getControl(2)->extra, u"");
    });
}

TEST_F(DesignerWindow, ATypeTheDesignerDoesNotKnowIsKept) {
    putDesign("Odd", {{57, 0.10, 0.10, 0.30, 0.20, u"future"}});
    run(design(u"Odd.txt"), [&](CDlgDesigner& d) {
        clickAt(d, middleOf(d, 0));
        EXPECT_EQ(d.getDlgItemAs<ui::ComboBox>(IDC_DD_TYPE)->getCurSel(), -1);
        EXPECT_EQ(d.getDlgItemText(IDC_DD_CONTENTS_LABEL), u"");
        EXPECT_EQ(d.getDlgItemText(IDC_DD_EXTRA_LABEL), u"");
        robot.replaceTextOf(d, IDC_DD_CONTENTS, u"renamed");
        EXPECT_EQ(d.page.getControl(0)->type, 57);
        EXPECT_EQ(d.page.getControl(0)->contents, u"renamed");
    });
}

TEST_F(DesignerWindow, EscapeDoesNotCloseAndClosingAsksFirst) {
    putDesign("Row", kRow);
    const std::string before = fileText("Row.txt");
    EXPECT_FALSE(run(design(u"Row.txt"), [&](CDlgDesigner& d) {
        robot.key(ui::VK_ESCAPE);
        EXPECT_FALSE(d.isEnded());
        clickAt(d, middleOf(d, 0));
        script().answerBox(ui::IDCANCEL);
        robot.close(d);
        EXPECT_FALSE(d.isEnded());
        script().answerBox(ui::IDNO);
        robot.close(d);
        EXPECT_TRUE(d.isEnded());
    }));
    EXPECT_EQ(script().boxes().back().caption, dialString(837));
    EXPECT_EQ(script().boxes().back().text, dialString(838) + u"\n<Row>");
    EXPECT_EQ(fileText("Row.txt"), before);   // No: nothing written
}

TEST_F(DesignerWindow, AResizeMovesTheToolsNotThePageAndTheSizeIsKept) {
    putDesign("Row", kRow);
    ui::Size opened;
    run(design(u"Row.txt"), [&](CDlgDesigner& d) {
        const ui::Rect outer = d.getWindowRect();
        opened = {outer.width(), outer.height()};
        const ui::Rect add = d.getDlgItem(IDC_DD_ADD)->getRectInParent();
        const ui::Rect ok = d.getDlgItem(ui::IDOK)->getRectInParent();
        robot.resize(d, opened.cx + 100, opened.cy + 40);
        EXPECT_EQ(d.getDlgItem(IDC_DD_ADD)->getRectInParent(), add.offsetBy(100, 0));
        EXPECT_EQ(d.getDlgItem(ui::IDOK)->getRectInParent(), ok.offsetBy(100, 40));
        EXPECT_EQ(windowRect(d, 0), (ui::Rect{30, 20, 60, 40}));
        // Not below the size it opened with.
        robot.resize(d, 100, 100);
        EXPECT_EQ(d.getWindowRect().width(), opened.cx);
        robot.resize(d, opened.cx + 60, opened.cy + 30);
    });
    int width = 0, height = 0;
    ASSERT_TRUE(DlgSizeStore::instance().get(CDlgDesigner::kSizeKey, width, height));
    EXPECT_EQ(width, opened.cx + 60);
    run(u"", [&](CDlgDesigner& d) {
        EXPECT_EQ(d.getWindowRect().width(), opened.cx + 60);
        EXPECT_EQ(d.getWindowRect().height(), opened.cy + 30);
    });
}

TEST_F(DesignerWindow, APictureShowsTheSelectionsHandlesOverThePage) {
    copySample("EndPlate");
    const std::filesystem::path png = m_temp.path() / "designer.png";
    run(design(u"EndPlate.txt"), [&](CDlgDesigner& d) {
        d.page.tracker->selectById(idOf(d, 3), false);
        d.page.tracker->selectById(idOf(d, 4), false);
        std::u16string error;
        ASSERT_TRUE(ui::writeWindowPng(d, png, error));
        ui::Canvas picture;
        ASSERT_TRUE(ui::readPngFile(png, picture, error));
        const ui::Point client = d.clientToScreen(ui::Point{0, 0});
        const ui::Point origin{client.x - d.getWindowRect().left, client.y - d.getWindowRect().top};
        auto at = [&](int x, int y) { return picture.pixel(origin.x + x, origin.y + y); };
        for (int index : {3, 4}) {
            const ui::Rect r = windowRect(d, index);
            // The black squares of 5 pixels outside each corner of a selected control.
            for (ui::Point corner : {ui::Point{r.left - 3, r.top - 3}, ui::Point{r.right + 2, r.bottom + 2},
                                     ui::Point{r.left - 3, r.bottom + 2}, ui::Point{r.right + 2, r.top - 3}})
                EXPECT_EQ(at(corner.x, corner.y), ui::colors::black) << index;
        }
        // An unselected control has none.
        const ui::Rect other = windowRect(d, 6);
        EXPECT_NE(at(other.right + 2, other.bottom + 2), ui::colors::black);
        // The picture lies behind the page: left of the group box its coloured pixels show as they are.
        int shown = 0;
        for (int y = 0; y < d.page.imageHeight; ++y)
            for (int x = 0; x < 120; ++x)
                if (d.page.mask.pixel(x, y) == ui::colors::black) {
                    ++shown;
                    ASSERT_EQ(at(x, y), d.page.image.pixel(x, y)) << x << "," << y;
                }
        EXPECT_GT(shown, 0);
        // A label's text over it, and the title's text in the caption bar.
        auto inkIn = [&](int left, int top, int right, int bottom, ui::Color ground) {
            int ink = 0;
            for (int y = top; y < bottom; ++y)
                for (int x = left; x < right; ++x)
                    ink += picture.pixel(x, y) != ground;
            return ink;
        };
        const ui::Rect label = windowRect(d, 3);
        EXPECT_GT(inkIn(origin.x + label.left, origin.y + label.top, origin.x + label.right, origin.y + label.bottom,
                        at(label.right - 1, label.bottom - 1)),
                  10);
        EXPECT_GT(inkIn(4, 4, 300, origin.y - 4, picture.pixel(picture.width() - 60, 6)), 40);
    });
}

} // namespace
