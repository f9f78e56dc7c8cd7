// The pattern dialog through real windows: shown and read back, alone and opened from the macro dialog,
// with every change pushed to the macro.
#include "macroDlgTestSupport.h"
#include "partDialogsTestSupport.h"

#include "macrodlg/CDlgMacroPattern.h"
#include "macrodlg/patternAlternation.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <functional>

using namespace macrodlgtest;

namespace {

MacroPatternProps twoDirections() {
    MacroPatternProps p;
    p.patternType = 0;
    p.first.offsetType = 1;
    p.first.triState = 1;
    p.first.text1 = u"40";
    p.first.text2 = u"70 70";
    p.first.on = true;
    p.first.values = Ork_StringArray{u"Yes", u"*Varies*"};
    p.second.offsetType = -1;
    p.second.triState = -1;
    p.second.text1 = u"35";
    p.second.text2 = u"60";
    p.second.values = Ork_StringArray{u"Yes"};
    p.triState1051 = -1;
    return p;
}

class PatternDlgTest : public MacroDlgTest {
protected:
    // Runs the dialog alone (no owner) on the properties; `steps` acts on it, then it is closed with OK.
    MacroPatternProps run(const MacroPatternProps& props, const std::function<void(CDlgMacroPattern&)>& steps) {
        CDlgMacroPattern dialog(nullptr, 0, props);
        ui::Script script(frametest::gtestFailure());
        script.onModal(IDD_MACRO_PATTERN, [&](ui::Dialog& d) {
            steps(dynamic_cast<CDlgMacroPattern&>(d));
            m_robot.click(d, ui::IDOK);
        });
        EXPECT_EQ(dialog.doModal(), ui::IDOK);
        script.verify();
        return dialog.props();
    }
    int checked(ui::Window& d) {
        int button = 0;
        for (int i = 0; i < 5; ++i)
            if (d.isDlgButtonChecked(IDC_PT_ALTERNATION_1 + i) == ui::BST_CHECKED)
                button = button == 0 ? i + 1 : -1;
        return button;
    }
    ui::Robot m_robot{frametest::gtestFailure()};
};

} // namespace

TEST(PatternAlternation, ButtonsAndFlagsMapBothWays) {
    const int combos[][3] = {{0, 0, 0}, {0, 1, 0}, {1, 1, 1}, {1, 0, 0}, {1, 0, 1}, {1, 1, 0}, {1, -1, 0}, {-1, 0, 0}};
    const int buttons[] = {1, 1, 2, 3, 4, 5, 0, 0};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(macrodlg::alternationButton(combos[i]), buttons[i]) << i;
    int flags[3];
    macrodlg::alternationFlags(1, flags);
    EXPECT_EQ(flags[0] + flags[1] + flags[2], 0);   // button 1 reads (0, 0, 0)
    macrodlg::alternationFlags(0, flags);
    EXPECT_EQ(flags[0], 1);
    EXPECT_EQ(flags[1] + flags[2], 0);              // none checked reads (1, 0, 0)
}

TEST_F(PatternDlgTest, EveryAlternationIsShownAndReadBack) {
    const int combos[][3] = {{0, 1, 1}, {1, 1, 1}, {1, 0, 0}, {1, 0, 1}, {1, 1, 0}};
    const int expectRead[][3] = {{0, 0, 0}, {1, 1, 1}, {1, 0, 0}, {1, 0, 1}, {1, 1, 0}};
    for (int i = 0; i < 5; ++i) {
        MacroPatternProps p = twoDirections();
        std::copy(std::begin(combos[i]), std::end(combos[i]), p.alternation);
        const MacroPatternProps read = run(p, [&](CDlgMacroPattern& d) { EXPECT_EQ(checked(d), i + 1); });
        EXPECT_EQ(std::vector<int>(read.alternation, read.alternation + 3),
                  std::vector<int>(expectRead[i], expectRead[i] + 3)) << i;
    }
    // Clicking a button unchecks the others and gives its flags.
    MacroPatternProps p = twoDirections();
    const MacroPatternProps read = run(p, [&](CDlgMacroPattern& d) {
        m_robot.click(d, IDC_PT_ALTERNATION_1 + 3);
        EXPECT_EQ(checked(d), 4);
    });
    EXPECT_EQ(std::vector<int>(read.alternation, read.alternation + 3), (std::vector<int>{1, 0, 1}));
}

TEST_F(PatternDlgTest, AMixedAlternationStaysMixedUntilAButtonIsClicked) {
    MacroPatternProps p = twoDirections();
    p.alternation[1] = -1;
    MacroPatternProps read = run(p, [&](CDlgMacroPattern& d) { EXPECT_EQ(checked(d), 0); });
    EXPECT_EQ(std::vector<int>(read.alternation, read.alternation + 3), (std::vector<int>{-1, -1, -1}));
    read = run(p, [&](CDlgMacroPattern& d) { m_robot.click(d, IDC_PT_ALTERNATION_1); });
    EXPECT_EQ(std::vector<int>(read.alternation, read.alternation + 3), (std::vector<int>{0, 0, 0}));
}

TEST_F(PatternDlgTest, BothDirectionsShowAndReadEveryField) {
    const MacroPatternProps p = twoDirections();
    const MacroPatternProps read = run(p, [&](CDlgMacroPattern& d) {
        auto* offset2 = d.getDlgItemAs<ui::ComboBox>(IDC_PT_OFFSET + kPatternSecondOffset);
        ASSERT_NE(offset2, nullptr);
        EXPECT_EQ(offset2->getCurSel(), 3);   // mixed
        EXPECT_EQ(offset2->getCount(), 4);
        EXPECT_EQ(d.isDlgButtonChecked(IDC_PT_DIRECTION + kPatternSecondOffset), ui::BST_INDETERMINATE);
        EXPECT_FALSE(d.getDlgItem(IDC_PT_TEXT1 + kPatternSecondOffset)->isWindowEnabled());
        EXPECT_TRUE(d.getDlgItem(IDC_PT_TEXT1)->isWindowEnabled());
        EXPECT_EQ(d.getDlgItemText(IDC_PT_TEXT2), u"70 70");
        EXPECT_EQ(d.isDlgButtonChecked(IDC_PT_1051), ui::BST_INDETERMINATE);
        EXPECT_EQ(d.valueGrid(1).getMaxRows(), 2);
        EXPECT_EQ(d.getWindowText(), u"Bolt pattern");
        EXPECT_FALSE(d.getDlgItem(ui::IDCANCEL)->isWindowVisible());
        // Checking the direction box enables its text.
        m_robot.click(d, IDC_PT_DIRECTION + kPatternSecondOffset);
        EXPECT_EQ(d.isDlgButtonChecked(IDC_PT_DIRECTION + kPatternSecondOffset), ui::BST_UNCHECKED);
        m_robot.click(d, IDC_PT_DIRECTION + kPatternSecondOffset);
        EXPECT_TRUE(d.getDlgItem(IDC_PT_TEXT1 + kPatternSecondOffset)->isWindowEnabled());
        m_robot.replaceTextOf(d, IDC_PT_TEXT1, u"45");
    });
    EXPECT_EQ(read.first.offsetType, 1);
    EXPECT_EQ(read.first.text1, u"45");
    EXPECT_EQ(read.first.text2, u"70 70");
    EXPECT_TRUE(read.first.on);
    EXPECT_EQ(read.first.values, p.first.values);
    EXPECT_EQ(read.second.offsetType, -1);
    EXPECT_EQ(read.second.triState, 1);
    EXPECT_EQ(read.triState1051, -1);
    EXPECT_EQ(read.second.values, p.second.values);
}

TEST_F(PatternDlgTest, OneDirectionKeepsWhatItDoesNotShowAndReadsTheSecondGrid) {
    MacroPatternProps p = twoDirections();
    p.patternType = MacroPatternProps::kOneDirection;
    p.alternation[0] = 1;
    p.alternation[2] = 1;
    p.first.offsetType = 9;   // outside the list: nothing chosen, kept
    const MacroPatternProps read = run(p, [&](CDlgMacroPattern& d) {
        EXPECT_FALSE(d.getDlgItem(IDC_PT_OFFSET + kPatternSecondOffset)->isWindowEnabled());
        EXPECT_FALSE(d.getDlgItem(IDC_PT_1051)->isWindowEnabled());
        EXPECT_FALSE(d.getDlgItem(IDC_PT_ALTERNATION_1 + 2)->isWindowEnabled());
        EXPECT_EQ(d.getDlgItemText(IDC_PT_TEXT1 + kPatternSecondOffset), u"");
        EXPECT_EQ(checked(d), 0);
        EXPECT_EQ(d.getDlgItemAs<ui::ComboBox>(IDC_PT_OFFSET)->getCurSel(), -1);
        d.valueGrid(2).ssSetData(1, 1, u"*Varies*");
    });
    EXPECT_EQ(read.first.offsetType, 9);
    EXPECT_EQ(read.second.text1, u"35");
    EXPECT_EQ(read.second.triState, -1);
    EXPECT_EQ(read.second.offsetType, -1);
    EXPECT_EQ(read.triState1051, -1);
    EXPECT_EQ(std::vector<int>(read.alternation, read.alternation + 3), (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(read.second.values, Ork_StringArray{u"*Varies*"});
}

TEST_F(PatternDlgTest, ThePatternButtonOpensItAndEachChangeReachesTheMacro) {
    MacroData macro;
    MacroTabData bolts;
    bolts.name = u"Bolts";
    bolts.designFile = design("Bolts", {control(6, 0.1, 0.1, 0.3, 0.2, u"P")}, {500, 300});
    bolts.type = MacroTabData::kBoltTab;
    MacroPatternData pattern;
    pattern.name = u"P";
    pattern.nrBolts1 = u"4";
    pattern.hasDialog = true;
    pattern.props = twoDirections();
    bolts.patterns.append(pattern);
    macro.tabs.append(bolts);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    CMacroTab& page = *dialog->tabWindows()[0];
    const int button = page.tab()->patterns[0].dlgRefButton;
    ASSERT_GT(button, 0);
    cadhost::HostLog::clear();
    ui::Script script(frametest::gtestFailure());
    script.onModal(IDD_MACRO_PATTERN, [&](ui::Dialog& d) {
        auto& pd = dynamic_cast<CDlgMacroPattern&>(d);
        EXPECT_TRUE(pd.initialised());
        EXPECT_EQ(pd.pushCount(), 0);   // showing pushes nothing
        EXPECT_TRUE(dialog->isBusy());
        m_robot.click(d, IDC_PT_ON);
        EXPECT_EQ(pd.pushCount(), 1);
        EXPECT_FALSE(dialog->macro.tabs[0].patterns[0].props.first.on);
        EXPECT_EQ(calls(u"UpdateModule").size(), 1u);
        m_robot.choose(*d.getDlgItemAs<ui::ComboBox>(IDC_PT_OFFSET), 2);
        EXPECT_EQ(pd.pushCount(), 2);
        EXPECT_EQ(dialog->macro.tabs[0].patterns[0].props.first.offsetType, 2);
        m_robot.click(d, IDC_PT_ALTERNATION_1 + 1);
        EXPECT_EQ(dialog->macro.tabs[0].patterns[0].props.alternation[1], 1);
        expectPictured(d, "pattern", 480, 380);
        m_robot.click(d, ui::IDOK);
        EXPECT_EQ(pd.pushCount(), 4);   // OK pushes too
    });
    ui::Robot robot(frametest::gtestFailure());
    robot.click(page, button);
    script.verify();
    EXPECT_FALSE(dialog->isBusy());
    EXPECT_EQ(calls(u"UpdateModule").size(), 3u);   // OK pushed nothing new: nothing to apply
    EXPECT_EQ(dialog->macro.tabs[0].patterns[0].props.first.offsetType, 2);
}
