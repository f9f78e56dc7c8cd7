// The designer's editing buttons on the selection (copy, size, align, attach, delete), its file operations
// with the faults they guard against, and a page drawn from nothing and read back.
#include "src/designer/designerWindowSupport.h"

#include "nuvo/hostTexts.h"
#include "os/files.h"
#include "ui/ComboBox.h"

#include <cmath>

namespace {

using designertest::DesignerWindow;
using designertest::Placed;

// On a 300 x 200 picture: A and B side by side, C lower and further right, D at A's left edge.
const std::vector<Placed> kFour = {
    {2, 0.20, 0.10, 0.30, 0.20, u"A"},   // 60,20 - 90,40
    {2, 0.40, 0.15, 0.50, 0.30, u"B"},   // 120,30 - 150,60
    {2, 0.60, 0.40, 0.70, 0.60, u"C"},   // 180,80 - 210,120
    {2, 0.20, 0.70, 0.40, 0.80, u"D"}};  // 60,140 - 120,160

class DesignerEditing : public DesignerWindow {
protected:
    void selectAll(CDlgDesigner& d, std::initializer_list<int> indices) {
        bool first = true;
        for (int i : indices) {
            clickAt(d, middleOf(d, i), first ? ui::ModNone : ui::ModShift);
            first = false;
        }
    }
};

TEST_F(DesignerEditing, CopyDuplicatesTwentyPixelsOnAndSelectsTheCopies) {
    putDesign("Four", kFour);
    run(design(u"Four.txt"), [&](CDlgDesigner& d) {
        selectAll(d, {0, 2});
        robot.click(d, IDC_DD_COPY);
        ASSERT_EQ(d.page.getNrControls(), 6);
        EXPECT_EQ(windowRect(d, 4), (ui::Rect{80, 40, 110, 60}));
        EXPECT_EQ(windowRect(d, 5), (ui::Rect{200, 100, 230, 140}));
        EXPECT_EQ(d.page.getControl(4)->contents, u"A");
        EXPECT_EQ(selected(d), (std::vector<int>{idOf(d, 4), idOf(d, 5)}));
        EXPECT_NE(idOf(d, 4), idOf(d, 0));
    });
}

TEST_F(DesignerEditing, TheSizePromptSetsEverySelectedWidthOrHeight) {
    putDesign("Four", kFour);
    run(design(u"Four.txt"), [&](CDlgDesigner& d) {
        selectAll(d, {0, 1});
        script().answerPrompt(u"45");
        robot.click(d, IDC_DD_WIDTH);
        EXPECT_NEAR(d.page.getControl(0)->bottomRightX, 0.20 + 0.15, 1e-9);
        EXPECT_NEAR(d.page.getControl(1)->bottomRightX, 0.40 + 0.15, 1e-9);
        EXPECT_NEAR(d.page.getControl(2)->bottomRightX, 0.70, 1e-9);
        EXPECT_EQ(selected(d).size(), 2u);
        script().answerPrompt(u"tall");
        robot.click(d, IDC_DD_HEIGHT);
        EXPECT_EQ(windowRect(d, 0).height(), 0);
        EXPECT_EQ(windowRect(d, 1).height(), 0);
        script().cancelPrompt();
        robot.click(d, IDC_DD_WIDTH);
        EXPECT_EQ(windowRect(d, 0).width(), 45);
    });
    ASSERT_GE(script().log().size(), 1u);
}

TEST_F(DesignerEditing, TheSizePromptAsksWithItsTexts) {
    putDesign("Four", kFour);
    run(design(u"Four.txt"), [&](CDlgDesigner& d) {
        clickAt(d, middleOf(d, 0));
        script().onModal(IDD_PROMPT_STRING, [](ui::Dialog& prompt) {
            EXPECT_EQ(prompt.getWindowText(), dialString(744));
            EXPECT_EQ(prompt.getDlgItemText(IDC_PROMPT_LABEL), dialString(826));
            EXPECT_EQ(prompt.getDlgItemText(IDC_PROMPT_EDIT), u"18");
            prompt.endDialog(ui::IDCANCEL);
        });
        robot.click(d, IDC_DD_HEIGHT);
    });
}

TEST_F(DesignerEditing, AligningThreeGivesTheLeftmostsBottomAndKeepsHeights) {
    putDesign("Four", kFour);
    run(design(u"Four.txt"), [&](CDlgDesigner& d) {
        selectAll(d, {2, 0, 1});
        robot.click(d, IDC_DD_ALIGN_BOTTOMS);
        EXPECT_EQ(windowRect(d, 0), (ui::Rect{60, 20, 90, 40}));
        EXPECT_EQ(windowRect(d, 1), (ui::Rect{120, 10, 150, 40}));
        EXPECT_EQ(windowRect(d, 2), (ui::Rect{180, 0, 210, 40}));
        EXPECT_EQ(selected(d).size(), 3u);
    });
}

TEST_F(DesignerEditing, EqualLeftEdgesTakeTheFirstSelectedAsReference) {
    putDesign("Four", kFour);
    run(design(u"Four.txt"), [&](CDlgDesigner& d) {
        selectAll(d, {3, 0});   // D first: its bottom is the reference
        robot.click(d, IDC_DD_ALIGN_BOTTOMS);
        EXPECT_EQ(windowRect(d, 0), (ui::Rect{60, 140, 90, 160}));
        EXPECT_EQ(windowRect(d, 3), (ui::Rect{60, 140, 120, 160}));
    });
}

TEST_F(DesignerEditing, AttachingNeedsExactlyTwo) {
    putDesign("Four", kFour);
    run(design(u"Four.txt"), [&](CDlgDesigner& d) {
        clickAt(d, middleOf(d, 2));
        robot.click(d, IDC_DD_ATTACH_RIGHT);
        EXPECT_EQ(windowRect(d, 2), (ui::Rect{180, 80, 210, 120}));
        selectAll(d, {0, 1, 2});
        robot.click(d, IDC_DD_ATTACH_RIGHT);
        EXPECT_EQ(windowRect(d, 1), (ui::Rect{120, 30, 150, 60}));
        EXPECT_EQ(windowRect(d, 2), (ui::Rect{180, 80, 210, 120}));
        clickAt(d, {290, 190});
        selectAll(d, {2, 0});
        robot.click(d, IDC_DD_ATTACH_RIGHT);
        EXPECT_EQ(windowRect(d, 2), (ui::Rect{90, 20, 120, 40}));   // A's top, bottom and right; C's width
        EXPECT_EQ(windowRect(d, 0), (ui::Rect{60, 20, 90, 40}));
    });
}

TEST_F(DesignerEditing, DeletingThreeRemovesThemWithTheirWindows) {
    putDesign("Four", kFour);
    run(design(u"Four.txt"), [&](CDlgDesigner& d) {
        const int a = idOf(d, 0), b = idOf(d, 1), c = idOf(d, 2);
        selectAll(d, {0, 1, 2});
        robot.click(d, IDC_DD_DELETE);
        ASSERT_EQ(d.page.getNrControls(), 1);
        EXPECT_EQ(d.page.getControl(0)->contents, u"D");
        for (int id : {a, b, c})
            EXPECT_EQ(d.getDlgItem(id), nullptr);
        EXPECT_EQ(d.page.drawnCtrls.size(), 1u);
        EXPECT_TRUE(selected(d).empty());
    });
}

// ---- Files

TEST_F(DesignerEditing, YesOnAnUnnamedPageAsksForAFileAndCancellingStays) {
    run(u"", [&](CDlgDesigner& d) {
        robot.click(d, IDC_DD_ADD);
        script().answerBox(ui::IDYES).cancelFile();
        robot.click(d, ui::IDOK);
        EXPECT_FALSE(d.isEnded());
        EXPECT_TRUE(os::listFolder(Ork_DlgDesignerData::getDesignerRootFolder()).empty());
        script().answerBox(ui::IDYES).answerFile(design(u"Named.txt"));
        robot.click(d, ui::IDOK);
        EXPECT_TRUE(d.isEnded());
    });
    EXPECT_NE(fileText("Named.txt").find("nrOfControls"), std::string::npos);
    EXPECT_FALSE(script().fileRequests().back().open);
}

TEST_F(DesignerEditing, APictureOnAnUnnamedPageNeedsAFileName) {
    putPicture("../picture.bmp", 120, 80);
    run(u"", [&](CDlgDesigner& d) {
        script().answerFile(design(u"../picture.bmp")).cancelFile();
        robot.click(d, IDC_DD_PICTURE);
        EXPECT_EQ(d.page.imageWidth, 0);
        EXPECT_TRUE(d.page.name.isEmpty());
        EXPECT_FALSE(script().fileRequests().back().open);   // Save as was asked
    });
    EXPECT_TRUE(os::listFolder(Ork_DlgDesignerData::getDesignerRootFolder()).empty());
}

TEST_F(DesignerEditing, AFailedWriteKeepsTheOldPairAndTheChanges) {
    putDesign("Four", kFour);
    const std::string before = fileText("Four.txt");
    run(design(u"Four.txt"), [&](CDlgDesigner& d) {
        robot.click(d, IDC_DD_ADD);
        {
            os::FailureInjection failing(os::WriteStage::Write);
            script().answerBox(ui::IDYES).answerBox(ui::IDOK);
            robot.click(d, ui::IDOK);
        }
        EXPECT_FALSE(d.isEnded());
        EXPECT_TRUE(d.modified);
        EXPECT_EQ(d.getWindowText(), dialString(843) + u" - <Four>");
        EXPECT_NE(printed().find("Save failed\n"), std::string::npos);
        EXPECT_NE(script().boxes().back().text.find(u"Four.txt"), std::u16string::npos);
    });
    EXPECT_EQ(fileText("Four.txt"), before);
    EXPECT_TRUE(os::fileExists(design(u"Four.bmp")));
}

TEST_F(DesignerEditing, AnUnreadableDesignIsReportedAndNothingIsLost) {
    putDesign("Four", kFour);
    m_temp.put("Dialog Templates/Dialog Design/Broken.txt", "not a property list\n");
    run(design(u"Four.txt"), [&](CDlgDesigner& d) {
        script().answerFile(design(u"Broken.txt")).answerBox(ui::IDOK);
        robot.click(d, IDC_DD_OPEN);
        EXPECT_EQ(d.page.getNrControls(), 4);
        EXPECT_EQ(d.page.name, u"Four");
        EXPECT_EQ(d.page.drawnCtrls.size(), 4u);
        EXPECT_NE(printed().find("Load failed\n"), std::string::npos);
    });
    // At the start: an empty, unnamed page, so no save can overwrite the file.
    script().answerBox(ui::IDOK);
    run(design(u"Broken.txt"), [&](CDlgDesigner& d) {
        EXPECT_EQ(d.page.getNrControls(), 0);
        EXPECT_TRUE(d.page.name.isEmpty());
        EXPECT_EQ(d.getWindowText(), dialString(843));
    });
    EXPECT_EQ(fileText("Broken.txt"), "not a property list\n");
}

TEST_F(DesignerEditing, OpenAsksAboutChangesAndReadsTheChosenDesign) {
    putDesign("Four", kFour);
    putDesign("Other", {{0, 0.1, 0.1, 0.2, 0.2, u"Only"}}, 100, 50);
    run(design(u"Four.txt"), [&](CDlgDesigner& d) {
        robot.click(d, IDC_DD_ADD);
        script().answerBox(ui::IDCANCEL);
        robot.click(d, IDC_DD_OPEN);
        EXPECT_EQ(d.page.getNrControls(), 5);
        script().answerBox(ui::IDNO).answerFile(design(u"Other.txt"));
        robot.click(d, IDC_DD_OPEN);
        EXPECT_EQ(d.page.getNrControls(), 1);
        EXPECT_EQ(d.page.imageWidth, 100);
        EXPECT_FALSE(d.modified);
        EXPECT_EQ(d.getWindowText(), dialString(843) + u" - <Other>");
    });
    const ui::FileDialogRequest& request = script().fileRequests().back();
    EXPECT_TRUE(request.open);
    EXPECT_EQ(request.defaultExt, u"txt");
    EXPECT_EQ(request.title, dialString(841));
    EXPECT_EQ(request.filter, dialString(840) + u" (*.txt)|*.txt||");
    EXPECT_EQ(Ork_String(request.initialDir), Ork_DlgDesignerData::getDesignerRootFolder());
}

TEST_F(DesignerEditing, APictureThatIsNoBitmapIsRefusedAndTheDesignsOwnIsAttachedAsItIs) {
    putDesign("Four", kFour);
    m_temp.put("elsewhere/fake.bmp", "BM but nothing else");
    const std::string own = fileText("Four.bmp");
    run(design(u"Four.txt"), [&](CDlgDesigner& d) {
        script().answerFile(Ork_String(m_temp.text(u"elsewhere\\fake.bmp"))).answerBox(ui::IDOK);
        robot.click(d, IDC_DD_PICTURE);
        EXPECT_EQ(d.page.imageWidth, 300);
        script().answerFile(design(u"Four.bmp"));
        robot.click(d, IDC_DD_PICTURE);
        EXPECT_EQ(d.page.imageWidth, 300);
        EXPECT_TRUE(d.modified);
    });
    EXPECT_EQ(fileText("Four.bmp"), own);
}

TEST_F(DesignerEditing, APageDrawnFromNothingReadsBackTheSame) {
    putPicture("../picture.bmp", 320, 240);
    run(u"", [&](CDlgDesigner& d) {
        // The picture first: the unnamed page is named through Save as.
        script().answerFile(design(u"../picture.bmp")).answerFile(design(u"Drawn.txt"));
        robot.click(d, IDC_DD_PICTURE);
        EXPECT_EQ(d.page.imageWidth, 320);
        EXPECT_EQ(d.page.name, u"Drawn");
        robot.click(d, IDC_DD_ADD);
        dragAt(d, middleOf(d, 0), 0, 100);   // out of the way of the next one
        robot.click(d, IDC_DD_ADD);
        clickAt(d, middleOf(d, 1));
        robot.choose(*d.getDlgItemAs<ui::ComboBox>(IDC_DD_TYPE), ctCellCombo);
        robot.replaceTextOf(d, IDC_DD_CONTENTS, u"Thickness");
        robot.replaceTextOf(d, IDC_DD_EXTRA, u"Lists\\Plates.txt");
        dragAt(d, middleOf(d, 1), 50, 30);
        dragAt(d, {windowRect(d, 1).right + 2, windowRect(d, 1).bottom + 2}, 40, 4);
        script().answerBox(ui::IDYES);
        robot.click(d, ui::IDOK);
    });
    Ork_DlgDesignerData page;
    page.firstId = Ork_DlgDesignerData::kFirstCtrlId;
    page.lastId = Ork_DlgDesignerData::kLastCtrlId;
    ASSERT_TRUE(page.readFromFile(design(u"Drawn.txt"), true));
    ASSERT_EQ(page.getNrControls(), 2);
    EXPECT_EQ(page.imageWidth, 320);
    const Ork_DesignerControl& first = *page.getControl(0);
    EXPECT_EQ(first.type, ctCellEdit);
    EXPECT_NEAR(page.getTopLeftX(first), 64, 1);
    EXPECT_NEAR(page.getBottomRightY(first), 148 + 18, 1);
    const Ork_DesignerControl& combo = *page.getControl(1);
    EXPECT_EQ(combo.type, ctCellCombo);
    EXPECT_EQ(combo.contents, u"Thickness");
    EXPECT_EQ(combo.extra, u"Lists\\Plates.txt");
    EXPECT_NEAR(page.getTopLeftX(combo), 64 + 50, 1);
    EXPECT_NEAR(page.getTopLeftY(combo), 48 + 30, 1);
    EXPECT_NEAR(page.getWidth(combo), 30 + 40, 1);
    EXPECT_NEAR(page.getHeight(combo), 18 + 4, 1);
}

} // namespace
