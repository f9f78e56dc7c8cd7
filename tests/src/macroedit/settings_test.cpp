// The macro settings dialog through real windows: its pages, OK without changes, Escape, the editor's
// Settings button, and the filter and filter-property pages with the host's uneven arrays.
#include "editorTestSupport.h"

#include "macroedit/CDlgMacroSettings.h"
#include "macroedit/CTabMacroFilter.h"
#include "macroedit/CTabMacroFilter2.h"
#include "macroedit/CTabMacroFilterProps.h"
#include "nuvo/records/MacroSettingsData.h"
#include "support/TempFolder.h"
#include "ui/Button.h"
#include "ui/paint/WindowPainter.h"

#include <functional>

namespace {

using editortest::EditorTest;

// A record as the host gives it: every kind with entries, numbers the two decimals cannot show.
MacroSettingsData sampleSettings() {
    MacroSettingsData s;
    MacroFilterData& f = s.filters;
    f.firstEnabled = true;
    f.axisNames = {u"IPE-300", u"HEB-300"};
    f.axisActive = {true, false};
    f.axisModes = {0, 1};
    f.axisFirst = {0.123456789, 45.005};
    f.axisSecond = {89.999999, 180};
    f.sectionNames = {u"IPE-300"};
    f.sectionActive = {true};
    f.sectionRanges.append(AcArray<double>{1.0 / 3.0, 45, 135.125, 180});
    f.pathNames = {u"IPE-300"};
    f.pathActive = {true};
    f.pathFirst = {10.0 / 7.0};
    f.pathSecond = {2500};
    f.sizeNames = {u"IPE-300"};
    f.sizeActive = {false};
    f.sizeValues.append(AcArray<double>{100, 600.0001, 50, 300});
    s.genVars.names = {u"gen_A"};
    s.genVars.values = {1.0 / 7.0};
    s.genVars.firstSetting = 1;
    s.genVars.secondSetting = 2;
    s.groups.names = {u"Plates"};
    s.groups.texts = {u"All plates"};
    s.groups.numbers = {1};
    s.filterPropNames = {u"Grade", u"Coating"};
    s.filterPropValues.append(Ork_StringArray{u"S235", u"S355"});
    s.filterPropValues.append(Ork_StringArray{u"None"});
    s.filterPropImages = {u"EndPlate", u""};
    return s;
}

class SettingsDialog : public frametest::FrameTest {
protected:
    // Runs the dialog on `data`; `drive` does what the user does, then the dialog ends as `drive` left it.
    int run(MacroSettingsData& data, const std::function<void(CDlgMacroSettings&)>& drive) {
        ui::Script script;
        script.onModal(IDD_MACRO_SETTINGS, [&](ui::Dialog& d) {
            drive(dynamic_cast<CDlgMacroSettings&>(d));
            if (!d.isEnded())
                m_robot.click(d, ui::IDOK);
        });
        CDlgMacroSettings dialog;
        dialog.m_data = data;
        const int result = dialog.doModal();
        data = dialog.m_data;
        return result;
    }
    template <typename Page>
    static Page& pageOf(CDlgMacroSettings& d, int index) {
        return *dynamic_cast<Page*>(d.page(index));
    }
    void choosePage(CDlgMacroSettings& d, int index) { m_robot.choose(*d.tabs(), index); }
    static bool enabled(ui::Dialog& page, int id) { return page.getDlgItem(id)->isWindowEnabled(); }
    static int checked(ui::Dialog& page, int id) { return page.getDlgItemAs<ui::Button>(id)->getCheck(); }

    ui::Robot m_robot{frametest::gtestFailure()};
};

TEST_F(SettingsDialog, OkWithoutChangesGivesBackTheRecordItWasGiven) {
    const MacroSettingsData given = sampleSettings();
    MacroSettingsData data = given;
    const int result = run(data, [&](CDlgMacroSettings& d) {
        EXPECT_EQ(d.getWindowText(), u"Macro settings");
        ASSERT_EQ(d.tabs()->getItemCount(), CDlgMacroSettings::PageCount);
        EXPECT_EQ(d.tabs()->getItemText(CDlgMacroSettings::GroupsPage), u"Groups");
        EXPECT_TRUE(d.page(CDlgMacroSettings::FilterPage)->isWindowVisible());
        EXPECT_EQ(d.page(CDlgMacroSettings::FilterPage)->getDlgItemText(IDC_MF_FIRST), u"0.12");
        // Every page is seen once; nothing is typed.
        for (int i = 0; i < CDlgMacroSettings::PageCount; ++i) {
            choosePage(d, i);
            EXPECT_TRUE(d.page(i)->isWindowVisible());
        }
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_TRUE(sameSettings(data, given));
    EXPECT_FALSE(data.mappingChanged);
}

TEST_F(SettingsDialog, EscapeInTheFirstFivePagesCancels) {
    for (int i = 0; i < CDlgMacroSettings::MappingPage; ++i) {
        MacroSettingsData data = sampleSettings();
        const int result = run(data, [&](CDlgMacroSettings& d) {
            choosePage(d, i);
            d.page(i)->setFocus();
            m_robot.key(ui::VK_ESCAPE);
            EXPECT_TRUE(d.isEnded()) << "page " << i;
        });
        EXPECT_EQ(result, ui::IDCANCEL) << "page " << i;
    }
}

TEST_F(SettingsDialog, AxisAndSectionEntriesSwitchOnAndOffAndKeepTheirNumbers) {
    MacroSettingsData data = sampleSettings();
    run(data, [&](CDlgMacroSettings& d) {
        auto& page = pageOf<CTabMacroFilter>(d, CDlgMacroSettings::FilterPage);
        // Entry 0 is active: its editors are open; its ranges fill two rows.
        EXPECT_EQ(checked(page, IDC_MF_AXIS_ACTIVE), 1);
        EXPECT_TRUE(enabled(page, IDC_MF_FIRST));
        EXPECT_EQ(checked(page, IDC_MF_MODE1), 1);
        EXPECT_EQ(page.rangeGrid().getMaxRows(), 2);
        // Unchecking active closes the editors and clears the entry's mark in the drop-down.
        m_robot.click(page, IDC_MF_AXIS_ACTIVE);
        EXPECT_FALSE(enabled(page, IDC_MF_FIRST));
        EXPECT_FALSE(page.axis().list().isChecked(0));
        // The second entry: mode 1, its own values; a changed value is taken as typed.
        m_robot.choose(page.axis().list(), 1);
        EXPECT_EQ(checked(page, IDC_MF_MODE2), 1);
        EXPECT_EQ(page.getDlgItemText(IDC_MF_FIRST), u"45.01");
        m_robot.click(page, IDC_MF_AXIS_ACTIVE);
        m_robot.replaceTextOf(page, IDC_MF_SECOND, u"170.5");
        m_robot.click(page, IDC_MF_MODE1);
        // A toggle in the drop-down is the entry's active flag, also of the entry on show.
        m_robot.toggleCheck(page.axis().list(), 1);
        EXPECT_EQ(checked(page, IDC_MF_AXIS_ACTIVE), 0);
        m_robot.toggleCheck(page.axis().list(), 0);
        // A range row of two zeros is dropped; a new row on the grid is row 3.
        m_robot.click(page, IDC_MF_ADD_RANGE);
        EXPECT_EQ(page.rangeGrid().getMaxRows(), 3);
    });
    const MacroFilterData& f = data.filters;
    EXPECT_EQ(f.axisActive, (AcArray<bool>{true, false}));
    EXPECT_EQ(f.axisModes, (AcArray<int>{0, 0}));
    EXPECT_EQ(f.axisFirst, (AcArray<double>{0.123456789, 45.005}));
    EXPECT_EQ(f.axisSecond, (AcArray<double>{89.999999, 170.5}));
    EXPECT_EQ(f.sectionRanges[0], (AcArray<double>{1.0 / 3.0, 45, 135.125, 180}));
}

TEST_F(SettingsDialog, KindsWithoutEntriesOrWithUnevenArraysAreShownDisabledAndLeftAlone) {
    MacroSettingsData data = sampleSettings();
    data.filters.axisNames.removeAll();
    data.filters.axisActive.removeAll();
    data.filters.sectionRanges = {};   // the host gave no ranges for the one entry
    data.filters.sectionRanges.append(AcArray<double>{});
    data.filters.sectionRanges[0] = {0, 0, 5, 10, 20};   // (0, 0) and an odd last value
    data.filters.sizeValues[0] = {1, 2};                   // not four values: not editable
    run(data, [&](CDlgMacroSettings& d) {
        auto& first = pageOf<CTabMacroFilter>(d, CDlgMacroSettings::FilterPage);
        EXPECT_FALSE(enabled(first, IDC_MF_AXIS_LIST));
        EXPECT_FALSE(enabled(first, IDC_MF_AXIS_ACTIVE));
        EXPECT_FALSE(enabled(first, IDC_MF_AXIS_GROUP));
        EXPECT_FALSE(enabled(first, IDC_MF_FIRST));
        EXPECT_EQ(first.rangeGrid().getMaxRows(), 2);   // floor(5 / 2) pairs
        choosePage(d, CDlgMacroSettings::Filter2Page);
        auto& second = pageOf<CTabMacroFilter2>(d, CDlgMacroSettings::Filter2Page);
        EXPECT_FALSE(enabled(second, IDC_MF2_SIZE_ACTIVE));
        EXPECT_FALSE(enabled(second, CTabMacroFilter2::sizeField(0)));
        EXPECT_TRUE(enabled(second, CTabMacroFilter2::pathField(0)));
        m_robot.replaceTextOf(second, CTabMacroFilter2::pathField(1), u"abc");
        m_robot.click(second, IDC_MF2_ENABLE);
    });
    EXPECT_TRUE(data.filters.axisNames.isEmpty());
    EXPECT_EQ(data.filters.sectionRanges[0], (AcArray<double>{5, 10}));
    EXPECT_EQ(data.filters.sizeValues[0], (AcArray<double>{1, 2}));
    EXPECT_EQ(data.filters.pathFirst[0], 10.0 / 7.0);
    EXPECT_EQ(data.filters.pathSecond[0], 0.0);   // not a number
    EXPECT_TRUE(data.filters.secondEnabled);
}

TEST_F(SettingsDialog, FilterPropertiesKeepTheEditsOfThePropertyLeft) {
    MacroSettingsData data = sampleSettings();
    run(data, [&](CDlgMacroSettings& d) {
        choosePage(d, CDlgMacroSettings::FilterPropsPage);
        auto& page = pageOf<CTabMacroFilterProps>(d, CDlgMacroSettings::FilterPropsPage);
        EXPECT_EQ(page.grid().getMaxRows(), 2);
        EXPECT_EQ(page.getDlgItemText(IDC_MFP_IMAGE), u"EndPlate");
        m_robot.replaceTextOf(page, IDC_MFP_IMAGE, u"BasePlate");
        m_robot.choose(*page.getDlgItemAs<ui::ComboBox>(IDC_MFP_PROPERTIES), 1);
        EXPECT_EQ(page.grid().getMaxRows(), 1);
        m_robot.click(page, IDC_MFP_DELETE);
        EXPECT_EQ(page.grid().getMaxRows(), 0);
        m_robot.click(page, IDC_MFP_ADD);   // on the empty grid: row 1
        EXPECT_EQ(page.grid().getMaxRows(), 1);
        m_robot.choose(*page.getDlgItemAs<ui::ComboBox>(IDC_MFP_PROPERTIES), 0);
        EXPECT_EQ(page.getDlgItemText(IDC_MFP_IMAGE), u"BasePlate");
    });
    EXPECT_EQ(data.filterPropImages, (Ork_StringArray{u"BasePlate", u""}));
    EXPECT_EQ(data.filterPropValues[0], (Ork_StringArray{u"S235", u"S355"}));
    EXPECT_EQ(data.filterPropValues[1], (Ork_StringArray{u""}));

    // Value lists and pictures of different counts: nothing is shown, nothing stored.
    MacroSettingsData uneven = sampleSettings();
    uneven.filterPropImages = {u"EndPlate"};
    run(uneven, [&](CDlgMacroSettings& d) {
        auto& page = pageOf<CTabMacroFilterProps>(d, CDlgMacroSettings::FilterPropsPage);
        EXPECT_EQ(page.grid().getMaxRows(), 0);
    });
    EXPECT_EQ(uneven.filterPropImages, (Ork_StringArray{u"EndPlate"}));
    EXPECT_EQ(uneven.filterPropValues.length(), 2);
}

TEST_F(SettingsDialog, EachPageIsPictured) {
    TempFolder folder;
    MacroSettingsData data = sampleSettings();
    run(data, [&](CDlgMacroSettings& d) {
        for (int i = 0; i < CDlgMacroSettings::PageCount; ++i) {
            choosePage(d, i);
            const ui::Canvas picture = ui::renderWindow(d);
            EXPECT_GE(picture.width(), 500);
            EXPECT_GE(picture.height(), 400);
            EXPECT_LE(picture.width(), 1200);
            std::u16string error;
            const auto file = folder.path() / ("settings-" + std::to_string(i) + ".png");
            ASSERT_TRUE(ui::writeWindowPng(d, file, error));
            EXPECT_GT(std::filesystem::file_size(file), 100u);
        }
        m_robot.click(d, ui::IDCANCEL);
    });
}

// ---- Behind the editor's Settings button

TEST_F(EditorTest, SettingsOpenOnTheStoredSettingsAndStoreThemAtOk) {
    open();
    {
        ui::Script script;
        script.onModal(IDD_MACRO_SETTINGS, [&](ui::Dialog& d) {
            auto& vars = *dynamic_cast<CDlgMacroSettings&>(d).page(CDlgMacroSettings::VariablesPage);
            m_robot.choose(*dynamic_cast<CDlgMacroSettings&>(d).tabs(), CDlgMacroSettings::VariablesPage);
            vars.setDlgItemText(IDC_MV_THIRD, u"2");
            m_robot.click(d, ui::IDOK);
        });
        m_robot.click(editor(), IDC_EM_SETTINGS);
    }
    EXPECT_EQ(m_macro.macro().definition.settings[2], 2);
    const auto names = callNames();
    EXPECT_NE(std::find(names.begin(), names.end(), u"SetMacroSettings"), names.end());

    // Cancel stores nothing; a refused fetch opens nothing; a refused store says so.
    cadhost::HostLog::clear();
    {
        ui::Script script;
        script.onModal(IDD_MACRO_SETTINGS, ui::IDCANCEL);
        m_robot.click(editor(), IDC_EM_SETTINGS);
    }
    EXPECT_EQ(callNames(), (std::vector<std::u16string>{u"GetMacroSettings"}));
    nuvo::refuseEditorCall(u"GetMacroSettings");
    m_robot.click(editor(), IDC_EM_SETTINGS);   // no dialog: the script would fail on one
    nuvo::refuseEditorCall(u"SetMacroSettings");
    {
        ui::Script script;
        script.onModal(IDD_MACRO_SETTINGS, ui::IDOK);
        m_robot.click(editor(), IDC_EM_SETTINGS);
    }
    EXPECT_EQ(printed(), "Save failed\n");
}

} // namespace
