// The segmented profile dialog through its window, alone and from the profile page's button.
#include "src/macrodlg/macroDlgTestSupport.h"

#include "cadhost/HostLog.h"
#include "macrodlg/CDlgMacroProfSegm.h"
#include "nuvo/DlgSizeStore.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"
#include "ui/Robot.h"
#include "ui/paint/WindowPainter.h"

#include <functional>
#include <set>
#include <vector>

using namespace macrodlgtest;

namespace {

MacroProfSegmentedData segment(const char16_t* name, std::initializer_list<int> numbers,
                               std::initializer_list<double> values) {
    MacroProfSegmentedData s;
    s.name = name;
    s.description = u"rail";
    s.clearance = 5;
    s.pointNumbers = AcArray<int>(numbers);
    s.pointValues = AcArray<double>(values);
    return s;
}

class ProfSegmTest : public MacroDlgTest {
protected:
    // Runs the dialog on `segments`; the steps drive it and end it (OK when they leave it open).
    Ork_Array<MacroProfSegmentedData> run(const std::vector<MacroProfSegmentedData>& segments,
                                          const std::function<void(CDlgMacroProfSegm&)>& steps) {
        ui::Script script(frametest::gtestFailure());
        script.onModal(IDD_MACRO_PROF_SEGM, [&](ui::Dialog& dialog) {
            auto& d = dynamic_cast<CDlgMacroProfSegm&>(dialog);
            steps(d);
            if (d.isWindow() && d.isWindowVisible())
                m_robot.click(d, ui::IDOK);
        });
        CDlgMacroProfSegm dialog;
        for (const MacroProfSegmentedData& s : segments)
            dialog.m_segments.append(s);
        m_result = dialog.doModal();
        return dialog.m_segments;
    }
    static ui::ComboBox& selector(CDlgMacroProfSegm& d) { return *d.getDlgItemAs<ui::ComboBox>(IDC_PS_SELECTOR); }

    ui::Robot m_robot{frametest::gtestFailure()};
    int m_result = 0;
};

} // namespace

TEST_F(ProfSegmTest, WithoutSegmentedProfilesEverythingIsDisabled) {
    run({}, [&](CDlgMacroProfSegm& d) {
        EXPECT_EQ(selector(d).getCount(), 0);
        EXPECT_EQ(d.shownIndex(), -1);
        for (int id : {IDC_PS_NAME, IDC_PS_CLEARANCE, IDC_PS_BREAK, IDC_PS_ADD, IDC_PS_DELETE, IDC_PS_PICK})
            EXPECT_FALSE(d.getDlgItem(id)->isWindowEnabled()) << id;
        EXPECT_FALSE(d.grid().isWindowEnabled());
        EXPECT_EQ(d.getWindowText(), dialString(1027));
    });
}

TEST_F(ProfSegmTest, TheFirstPointOfAProfileWithoutPointsIsAddedEditedAndKept) {
    const Ork_Array<MacroProfSegmentedData> out = run({segment(u"Rail", {}, {})}, [&](CDlgMacroProfSegm& d) {
        EXPECT_EQ(selector(d).getLBText(0), u"Rail - rail");
        EXPECT_EQ(d.getDlgItemText(IDC_PS_CLEARANCE), u"5.00");
        EXPECT_EQ(d.grid().getMaxRows(), 0);
        Ork_StringArray headers;
        d.grid().getColumnHeaderTexts(headers);
        EXPECT_EQ(headers[0], dialString(1032) + u" nr.");
        m_robot.click(d, IDC_PS_ADD);
        ASSERT_EQ(d.grid().getMaxRows(), 1);
        d.grid().ssSetData(1, 1, u"4");
        d.grid().ssSetData(2, 1, u"12.5");
        m_robot.replaceTextOf(d, IDC_PS_NAME, u"Rail 2");
        m_robot.replaceTextOf(d, IDC_PS_CLEARANCE, u"abc");
        m_robot.click(d, IDC_PS_BREAK);
    });
    EXPECT_EQ(m_result, ui::IDOK);
    ASSERT_EQ(out.length(), 1);
    EXPECT_EQ(out[0].name, u"Rail 2");
    EXPECT_EQ(out[0].clearance, 0.0);   // not a number
    EXPECT_TRUE(out[0].breakAtEveryPoint);
    EXPECT_EQ(out[0].pointNumbers, AcArray<int>({4}));
    EXPECT_EQ(out[0].pointValues, AcArray<double>({12.5}));
}

TEST_F(ProfSegmTest, SwitchingKeepsTheEditsOfTheProfileLeftAndDeletingRemovesTheRow) {
    const Ork_Array<MacroProfSegmentedData> out =
        run({segment(u"A", {1, 2, 3}, {10, 20, 30}), segment(u"B", {7}, {70})}, [&](CDlgMacroProfSegm& d) {
            d.grid().ssSetActiveCell(1, 2);
            m_robot.click(d, IDC_PS_DELETE);
            EXPECT_EQ(d.grid().getMaxRows(), 2);
            m_robot.choose(selector(d), 1);
            EXPECT_EQ(d.shownIndex(), 1);
            EXPECT_EQ(d.getDlgItemText(IDC_PS_NAME), u"B");
            EXPECT_EQ(d.grid().getMaxRows(), 1);
            m_robot.choose(selector(d), 0);
            EXPECT_EQ(d.grid().getMaxRows(), 2);
        });
    EXPECT_EQ(out[0].pointNumbers, AcArray<int>({1, 3}));
    EXPECT_EQ(out[0].pointValues, AcArray<double>({10, 30}));
    EXPECT_EQ(out[1].pointNumbers, AcArray<int>({7}));
}

TEST_F(ProfSegmTest, UnequalPointListsAreNeverReadPastAnEnd) {
    const Ork_Array<MacroProfSegmentedData> out =
        run({segment(u"A", {1, 2, 3}, {10})}, [&](CDlgMacroProfSegm& d) { EXPECT_EQ(d.grid().getMaxRows(), 1); });
    EXPECT_EQ(out[0].pointNumbers, AcArray<int>({1}));
}

TEST_F(ProfSegmTest, TheWindowKeepsItsMinimumAndItsStoredSize) {
    ui::Size first;
    run({segment(u"A", {1}, {1})}, [&](CDlgMacroProfSegm& d) {
        first = d.minimumSize();
        const ui::Rect r = d.getWindowRect();
        EXPECT_EQ(first.cx, r.width());
        m_robot.resize(d, 100, 100);
        EXPECT_EQ(d.getWindowRect().width(), first.cx);
        EXPECT_EQ(d.getWindowRect().height(), first.cy);
        const ui::Rect grid = d.grid().getRectInParent();
        m_robot.resize(d, first.cx + 80, first.cy + 40);
        EXPECT_EQ(d.grid().getRectInParent().width(), grid.width() + 80);
        const ui::Canvas picture = ui::renderWindow(d);
        EXPECT_EQ(picture.width(), first.cx + 80);
        std::set<ui::Color> colours;
        for (int y = 2; y < 18; ++y)
            for (int x = 5; x < 120; ++x)
                colours.insert(picture.pixel(x, y));
        EXPECT_GT(colours.size(), 1u);   // the title is drawn on the caption bar
    });
    int w = 0, h = 0;
    ASSERT_TRUE(DlgSizeStore::instance().get(u"DLG_MACRO_PROFSEGMENTED", w, h));
    EXPECT_EQ(w, first.cx + 80);
    run({}, [&](CDlgMacroProfSegm& d) { EXPECT_EQ(d.getWindowRect().width(), first.cx + 80); });
}

TEST_F(ProfSegmTest, TheProfilePagesButtonHandsTheListBackOnlyOnOk) {
    MacroData macro;
    MacroTabData tab;
    tab.name = u"Beam";
    tab.type = MacroTabData::kProfileTab;
    MacroProfData g;
    g.name = u"Main";
    tab.profiles.append(g);
    tab.segments.append(segment(u"Rail", {1}, {10}));
    macro.tabs.append(tab);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    auto& page = *dialog->tabWindows()[0];
    ui::Script script(frametest::gtestFailure());
    script.onModal(IDD_MACRO_PROF_SEGM, [&](ui::Dialog& d) {
        m_robot.replaceTextOf(d, IDC_PS_NAME, u"Rail X");
        m_robot.click(d, ui::IDCANCEL);
    });
    m_robot.click(page, IDC_MP_SEGMENTS);
    EXPECT_EQ(dialog->macro.tabs[0].segments[0].name, u"Rail");
    cadhost::HostLog::clear();
    script.onModal(IDD_MACRO_PROF_SEGM, [&](ui::Dialog& d) {
        m_robot.replaceTextOf(d, IDC_PS_NAME, u"Rail X");
        m_robot.click(d, ui::IDOK);
    });
    m_robot.click(page, IDC_MP_SEGMENTS);
    EXPECT_EQ(dialog->macro.tabs[0].segments[0].name, u"Rail X");
    EXPECT_FALSE(calls(u"UpdateModule").empty());
}

TEST_F(ProfSegmTest, ClearanceAndPointValuesKeepTheirDoublesUntilTheirTextChanges) {
    const Ork_Array<MacroProfSegmentedData> out =
        run({segment(u"A", {1, 2, 3}, {1.23456, 2.34567, 3.45678})}, [&](CDlgMacroProfSegm& d) {
            m_robot.replaceTextOf(d, IDC_PS_NAME, u"A2");
            d.grid().ssSetActiveCell(1, 1);
            m_robot.click(d, IDC_PS_DELETE);
            m_robot.click(d, IDC_PS_ADD);
            d.grid().ssSetData(2, 3, u"9");
        });
    ASSERT_EQ(out[0].pointValues.length(), 3);
    EXPECT_EQ(out[0].pointValues[1], 2.34567);   // moved up, unchanged
    EXPECT_EQ(out[0].pointValues[2], 9.0);
    EXPECT_EQ(out[0].pointValues[0], 0.0);       // the added row
    MacroProfSegmentedData fine = segment(u"B", {}, {});
    fine.clearance = 5.004;
    EXPECT_EQ(run({fine}, [](CDlgMacroProfSegm&) {})[0].clearance, 5.004);
}
