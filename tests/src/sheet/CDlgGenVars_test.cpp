// The general variables dialog through its real window: both grids as the record gives them, merged names,
// the row buttons, the "..." chooser adding drawings of the macro folder to a row's filter, OK and Cancel,
// and its size.
#include "support/frameTestSupport.h"

#include "support/TempFolder.h"

#include "SS/SSExports.h"
#include "nuvo/DlgSizeStore.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "sheet/CDlgGenVars.h"
#include "ui/Robot.h"
#include "ui/Script.h"
#include "ui/paint/WindowPainter.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using ui::test::centre;

class GenVars : public frametest::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        DlgSizeStore::useFile(m_folder.folder() + u"sizes.txt");
        Ork_Settings::setLibDir(m_folder.folder() + u"library\\");
        m_data.dwgGenVars = {u"gen_grade", u"gen_grade", u"gen_bolt"};
        m_data.dwgGenValues = {u"S235", u"S355", u"M20"};
        m_data.dwgGenFilters = {u"Halls\\A.dwg", u"Halls\\B.dwg", u""};
        m_data.stdGenVars = {u"gen_weld"};
        m_data.stdGenValues = {u"4"};
        m_data.stdGenOverrides = {u"1"};
        m_data.stdGenFilters = {u"Halls"};
    }
    void TearDown() override {
        Ork_Settings::reset();
        FrameTest::TearDown();
    }
    bool run(const std::function<void(CDlgGenVars&, ui::Script&)>& drive) {
        ui::Script script;
        script.onModal(IDD_GEN_VARS, [&](ui::Dialog& d) { drive(dynamic_cast<CDlgGenVars&>(d), script); });
        const bool accepted = StartDlgGenVars(m_data);
        EXPECT_EQ(script.remaining(), 0);
        return accepted;
    }
    static Ork_String cell(Ork_Spread& g, int col, int row) {
        Ork_String t;
        g.getCellText(col, row, t, Ork_Spread::kTextData);
        return t;
    }
    static Ork_StringArray column(Ork_Spread& g, int col) {
        Ork_StringArray out;
        for (int row = 1; row <= g.getMaxRows(); ++row)
            out.append(cell(g, col, row));
        return out;
    }
    void clickCell(Ork_Spread& g, int col, int row) { m_robot.clickAt(g, centre(g.cellRect(col, row))); }
    Ork_String macros() const { return m_folder.folder() + u"library\\Macros\\"; }

    TempFolder m_folder;
    KvAutoStandardsData m_data;
    ui::Robot m_robot;
};

TEST_F(GenVars, ShowsBothListsUnderTheirHeadersWithTheRowButtonsAndMergedNames) {
    EXPECT_FALSE(run([&](CDlgGenVars& d, ui::Script&) {
        EXPECT_EQ(d.getWindowText(), dialString(1764));
        EXPECT_EQ(d.getDlgItemText(IDC_GENVARS_DWG_GROUP), dialString(1762));
        EXPECT_EQ(d.getDlgItemText(IDC_GENVARS_STD_GROUP), dialString(1763));
        EXPECT_EQ(d.getDlgItemText(IDC_GENVARS_STD_ADD), dialString(606));
        Ork_Spread& dwg = d.dwgGrid();
        Ork_Spread& std = d.stdGrid();
        ASSERT_EQ(dwg.getMaxCols(), CDlgGenVars::kDwgColumns);
        ASSERT_EQ(std.getMaxCols(), CDlgGenVars::kStdColumns);
        ASSERT_EQ(dwg.getMaxRows(), 3);
        Ork_StringArray headers;
        std.getColumnHeaderTexts(headers);
        EXPECT_EQ(headers[2], dialString(1765));
        EXPECT_EQ(headers[3], dialString(347));
        EXPECT_EQ(column(dwg, 2), (Ork_StringArray{u"S235", u"S355", u"M20"}));
        EXPECT_EQ(cell(std, 4, 1), u"Halls");
        // One name cell for the two gen_grade rows; the button column keeps its 16 pixels.
        EXPECT_EQ(dwg.cellRect(1, 1), dwg.cellRect(1, 2));
        EXPECT_NE(dwg.cellRect(1, 2), dwg.cellRect(1, 3));
        EXPECT_EQ(dwg.cellRect(4, 1).width(), 16);
        EXPECT_EQ(dwg.getCellTypeCode(4, 1), std.getCellTypeCode(5, 1));
        m_robot.click(d, ui::IDCANCEL);
    }));
    EXPECT_EQ(m_data.dwgGenVars.length(), 3) << "Cancel leaves the record";
}

TEST_F(GenVars, OkReturnsEveryRowAlsoTheMergedOnesAndAnEmptyRecordAsOneEmptyRow) {
    ASSERT_TRUE(run([&](CDlgGenVars& d, ui::Script&) {
        d.dwgGrid().ssSetData(2, 3, u"M24");
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(m_data.dwgGenVars, (Ork_StringArray{u"gen_grade", u"gen_grade", u"gen_bolt"}));
    EXPECT_EQ(m_data.dwgGenValues, (Ork_StringArray{u"S235", u"S355", u"M24"}));
    EXPECT_EQ(m_data.stdGenOverrides, (Ork_StringArray{u"1"}));

    m_data = KvAutoStandardsData();
    ASSERT_TRUE(run([&](CDlgGenVars& d, ui::Script&) {
        EXPECT_EQ(d.dwgGrid().getMaxRows(), 1);
        EXPECT_EQ(d.stdGrid().getMaxRows(), 1);
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(m_data.dwgGenVars, (Ork_StringArray{u""}));
    EXPECT_EQ(m_data.dwgGenFilters, (Ork_StringArray{u""}));
    EXPECT_EQ(m_data.stdGenOverrides, (Ork_StringArray{u""}));
}

TEST_F(GenVars, ListsOfUnequalLengthLoseNoElement) {
    m_data.stdGenVars = {u"a"};
    m_data.stdGenValues = {u"1", u"2", u"3"};
    m_data.stdGenOverrides = {};
    m_data.stdGenFilters = {u"f", u"g"};
    ASSERT_TRUE(run([&](CDlgGenVars& d, ui::Script&) {
        EXPECT_EQ(d.stdGrid().getMaxRows(), 3);
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(m_data.stdGenVars, (Ork_StringArray{u"a", u"", u""}));
    EXPECT_EQ(m_data.stdGenValues, (Ork_StringArray{u"1", u"2", u"3"}));
    EXPECT_EQ(m_data.stdGenFilters, (Ork_StringArray{u"f", u"g", u""}));
}

TEST_F(GenVars, AddRemoveAndMoveWorkOnTheSelectedRowAndStopAtTheEnds) {
    ASSERT_TRUE(run([&](CDlgGenVars& d, ui::Script&) {
        Ork_Spread& dwg = d.dwgGrid();
        clickCell(dwg, 2, 3);
        m_robot.click(d, IDC_GENVARS_DWG_DOWN);   // the last row goes nowhere
        EXPECT_EQ(column(dwg, 2), (Ork_StringArray{u"S235", u"S355", u"M20"}));
        m_robot.click(d, IDC_GENVARS_DWG_UP);
        EXPECT_EQ(column(dwg, 2), (Ork_StringArray{u"S235", u"M20", u"S355"}));
        EXPECT_NE(dwg.cellRect(1, 1), dwg.cellRect(1, 2)) << "the names are merged again after the move";
        clickCell(dwg, 2, 1);
        m_robot.click(d, IDC_GENVARS_DWG_UP);   // the first row goes nowhere
        EXPECT_EQ(cell(dwg, 2, 1), u"S235");
        m_robot.click(d, IDC_GENVARS_DWG_ADD);   // an empty row before the selected one
        EXPECT_EQ(column(dwg, 2), (Ork_StringArray{u"", u"S235", u"M20", u"S355"}));
        clickCell(dwg, 2, 3);
        m_robot.click(d, IDC_GENVARS_DWG_REMOVE);
        EXPECT_EQ(column(dwg, 2), (Ork_StringArray{u"", u"S235", u"S355"}));
        m_robot.click(d, IDC_GENVARS_STD_REMOVE);
        EXPECT_EQ(d.stdGrid().getMaxRows(), 0);
        m_robot.click(d, IDC_GENVARS_STD_ADD);   // an empty grid gets row 1
        EXPECT_EQ(d.stdGrid().getMaxRows(), 1);
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(m_data.dwgGenVars, (Ork_StringArray{u"", u"gen_grade", u"gen_grade"}));
    EXPECT_EQ(m_data.dwgGenFilters, (Ork_StringArray{u"", u"Halls\\A.dwg", u"Halls\\B.dwg"}));
    EXPECT_EQ(m_data.stdGenVars, (Ork_StringArray{u""}));
}

TEST_F(GenVars, TheChooserAddsDrawingsOfTheMacroFolderToTheRowsFilter) {
    ASSERT_TRUE(run([&](CDlgGenVars& d, ui::Script& script) {
        Ork_Spread& dwg = d.dwgGrid();
        script.answerFiles({macros() + u"x.dwg", macros() + u"Sub/y.dwg", m_folder.folder() + u"elsewhere.dwg",
                            macros() + u"..\\escaped.dwg"});
        clickCell(dwg, 4, 1);
        EXPECT_EQ(cell(dwg, 3, 1), u"Halls\\A.dwg;x.dwg;Sub\\y.dwg");
        ASSERT_EQ(script.fileRequests().size(), 1u);
        const ui::FileDialogRequest& asked = script.fileRequests()[0];
        EXPECT_TRUE(asked.multiSelect);
        EXPECT_EQ(asked.defaultExt, u"dwg");
        EXPECT_EQ(asked.initialDir, macros());
        EXPECT_EQ(asked.title, u"Select the drawings and folders that apply to this general variable");
        script.answerFiles({macros() + u"x.dwg"});
        clickCell(dwg, 4, 3);   // an empty filter gets no leading ";"
        EXPECT_EQ(cell(dwg, 3, 3), u"x.dwg");
        script.cancelFile();
        clickCell(dwg, 4, 3);
        EXPECT_EQ(cell(dwg, 3, 3), u"x.dwg");
        script.answerFiles({macros() + u"s.dwg"});
        clickCell(d.stdGrid(), 5, 1);
        EXPECT_EQ(cell(d.stdGrid(), 4, 1), u"Halls;s.dwg");
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(m_data.dwgGenFilters, (Ork_StringArray{u"Halls\\A.dwg;x.dwg;Sub\\y.dwg", u"Halls\\B.dwg", u"x.dwg"}));
    EXPECT_EQ(m_data.stdGenFilters, (Ork_StringArray{u"Halls;s.dwg"}));
}

TEST_F(GenVars, TheSizeIsStoredRestoredAndNeverBelowTheFirst) {
    ui::Rect first;
    run([&](CDlgGenVars& d, ui::Script&) {
        first = d.getWindowRect();
        const ui::Rect dwg = d.dwgGrid().getRectInParent(), std = d.stdGrid().getRectInParent();
        const ui::Rect ok = d.getDlgItem(ui::IDOK)->getRectInParent();
        const ui::Rect add = d.getDlgItem(IDC_GENVARS_DWG_ADD)->getRectInParent();
        m_robot.resize(d, first.width() + 100, first.height() + 100);
        EXPECT_EQ(d.dwgGrid().getRectInParent().width(), dwg.width() + 100);
        EXPECT_GT(d.dwgGrid().getRectInParent().height(), dwg.height()) << "both grids share the height";
        EXPECT_GT(d.stdGrid().getRectInParent().height(), std.height());
        EXPECT_GE(d.stdGrid().getRectInParent().top, d.dwgGrid().getRectInParent().bottom);
        EXPECT_EQ(d.getDlgItem(ui::IDOK)->getRectInParent().top, ok.top + 100);
        EXPECT_EQ(d.getDlgItem(IDC_GENVARS_DWG_ADD)->getRectInParent().left, add.left + 100);
        EXPECT_EQ(d.getDlgItem(IDC_GENVARS_DWG_ADD)->getRectInParent().top, add.top) << "beside its grid's top";
        m_robot.resize(d, 50, 50);
        EXPECT_EQ(d.getWindowRect().width(), first.width());
        m_robot.resize(d, first.width() + 40, first.height() + 30);
        m_robot.click(d, ui::IDCANCEL);
    });
    int width = 0, height = 0;
    ASSERT_TRUE(DlgSizeStore::instance().get(u"DLG_GENVARS", width, height));
    EXPECT_EQ(width, first.width() + 40);
    run([&](CDlgGenVars& d, ui::Script&) {
        EXPECT_EQ(d.getWindowRect().width(), first.width() + 40);
        EXPECT_EQ(d.getWindowRect().height(), first.height() + 30);
        m_robot.click(d, ui::IDCANCEL);
    });
}

TEST_F(GenVars, ItsPictureShowsTheGroupsAndHeaders) {
    run([&](CDlgGenVars& d, ui::Script&) {
        const ui::Canvas picture = ui::renderWindow(d);
        EXPECT_GE(picture.width(), 400);
        EXPECT_GE(picture.height(), 300);
        EXPECT_LE(picture.width(), 1200);
        const ui::Rect group = d.getDlgItem(IDC_GENVARS_DWG_GROUP)->getWindowRect();
        const ui::Rect window = d.getWindowRect();
        int dark = 0;   // the group's caption, drawn on its top edge
        for (int y = group.top - window.top; y < group.top - window.top + 12; ++y)
            for (int x = group.left - window.left; x < group.left - window.left + 150; ++x)
                dark += (picture.pixel(x, y) & 0xFFFFFF) < 0x404040 ? 1 : 0;
        EXPECT_GT(dark, 20);
        m_robot.click(d, ui::IDCANCEL);
    });
}

} // namespace
