// The formula window in its three modes, driven as the user and the entry points drive it.
#include "formulaTestSupport.h"

#include "SS/SSExports.h"
#include "ui/Robot.h"

namespace {

using formulatest::CellLine;
using FormulaWindow = formulatest::FormulaTest;

// ---------------------------------------------------------------- single-cell mode (EvaluateSS)

TEST_F(FormulaWindow, EvaluateSSCalculatesTheFirstCellOfItsDocumentAndStaysOpen) {
    std::filesystem::create_directories(m_folder / "a");
    writeSheet("a/t3.sss", 2, 1, {{1, 1, "formula", "B1*3"}, {2, 1, "number", "14"}});
    os::setDriveFolder(u'C', m_folder);
    ui::Script script;
    script.onModal(IDD_FORMULA, [](ui::Dialog& dialog) {
        auto& window = dynamic_cast<CFormula&>(dialog);
        EXPECT_EQ(window.m_mode, CFormula::Mode::SingleCell);
        EXPECT_EQ(window.m_resultText, u"42");
        EXPECT_TRUE(window.isWindowVisible());
        EXPECT_EQ(window.getDlgItemText(IDC_FORMULA_FILE), u"c:\\a\\t3.sss");
        dialog.endDialog(ui::IDOK);
    });
    EvaluateSS();
    os::setDriveFolder(u'C', {});
    EXPECT_NE(printed().find("Loading spreadsheet:c:\\a\\t3.sss\n"), std::string::npos);
}

TEST_F(FormulaWindow, SingleCellModeRecalculatesItsCellAfterTheLoad) {
    const std::u16string path = writeSheet("calc.sss", 2, 1, {{1, 1, "formula", "B1*3"}, {2, 1, "number", "14"}});
    // The formulas evaluated by the time the window is up: a window without a mode only loads.
    auto evaluationsWhenOpen = [&](CFormula::Mode mode) {
        std::uint64_t count = 0;
        ui::Script script;
        script.onModal(IDD_FORMULA, [&](ui::Dialog& dialog) {
            count = dynamic_cast<CFormula&>(dialog).grid().sheet().evaluationCount();
            dialog.endDialog(ui::IDOK);
        });
        CFormula window;
        window.m_mode = mode;
        window.m_path = path;
        window.doModal();
        return count;
    };
    const std::uint64_t loadOnly = evaluationsWhenOpen(CFormula::Mode::None);
    EXPECT_EQ(evaluationsWhenOpen(CFormula::Mode::SingleCell), loadOnly + 1);
}

TEST_F(FormulaWindow, AFileThatCannotBeLoadedLeavesTheEmptyNumberSheet) {
    ui::Script script;
    runSingleCell(script, u"u:\\missing.sss", [](CFormula& window) {
        EXPECT_EQ(window.grid().getMaxCols(), 8);
        EXPECT_EQ(window.grid().getMaxRows(), 10);
        EXPECT_EQ(window.grid().getCellTypeCode(6, 6), 14);   // number cells
        EXPECT_NE(window.grid().getCellTypeCode(7, 7), 14);
        EXPECT_TRUE(window.m_resultText.isEmpty());
    });
    EXPECT_NE(printed().find("Loading spreadsheet:u:\\missing.sss\n"), std::string::npos);
}

TEST_F(FormulaWindow, AutoCalculateTurnsRecalculateOffAndOn) {
    const std::u16string path = writeSheet("calc.sss", 2, 1, {{1, 1, "formula", "B1*2"}, {2, 1, "number", "5"}});
    ui::Script script;
    runSingleCell(script, path, [](CFormula& window) {
        ui::Robot robot;
        ui::Window* recalculate = window.getDlgItem(IDC_FORMULA_RECALC);
        ASSERT_NE(recalculate, nullptr);
        // The document asks for automatic calculation; the window starts with it off, as its box shows.
        EXPECT_EQ(window.isDlgButtonChecked(IDC_FORMULA_AUTO_CALC), ui::BST_UNCHECKED);
        EXPECT_FALSE(window.grid().ssGetBool(7));
        EXPECT_TRUE(recalculate->isWindowEnabled());

        robot.click(window, IDC_FORMULA_AUTO_CALC);
        EXPECT_TRUE(window.grid().ssGetBool(7));
        EXPECT_FALSE(recalculate->isWindowEnabled());

        robot.click(window, IDC_FORMULA_AUTO_CALC);
        EXPECT_FALSE(window.grid().ssGetBool(7));
        EXPECT_TRUE(recalculate->isWindowEnabled());
    });
}

TEST_F(FormulaWindow, RecalculateBringsAStaleSheetUpToDate) {
    const std::u16string path = writeSheet("calc.sss", 2, 1, {{1, 1, "formula", "B1*2"}, {2, 1, "number", "5"}});
    ui::Script script;
    runSingleCell(script, path, [](CFormula& window) {
        window.grid().ssSetData(2, 1, u"21");
        EXPECT_EQ(value(window, 1, 1).numberValue(), 10);   // automatic calculation is off
        ui::Robot().click(window, IDC_FORMULA_RECALC);
        EXPECT_EQ(value(window, 1, 1).numberValue(), 42);
    });
}

TEST_F(FormulaWindow, AReferenceStyleShowsTheFormulasOfColumnFourInColumnOne) {
    const std::u16string path = writeSheet("styles.sss", 4, 5,
                                           {{4, 1, "formula", "B1*2"}, {4, 2, "formula", "SUM(B1:B2)"},
                                            {1, 5, "text", "kept"}});
    ui::Script script;
    runSingleCell(script, path, [](CFormula& window) {
        ui::Robot robot;
        robot.click(window, IDC_FORMULA_STYLE_A1);
        EXPECT_EQ(data(window, 1, 1), u"B1*2");
        EXPECT_EQ(data(window, 1, 2), u"SUM(B1:B2)");
        EXPECT_EQ(data(window, 1, 3), u"");
        EXPECT_EQ(data(window, 1, 5), u"kept");   // (4, 5) has no formula
        robot.click(window, IDC_FORMULA_STYLE_R1C1);
        EXPECT_EQ(window.grid().ssGetBool(7), false);
        Ork_String r1c1;
        window.grid().getCellText(4, 1, r1c1, 1);
        EXPECT_NE(r1c1, u"B1*2");
        EXPECT_EQ(data(window, 1, 1), r1c1);
        EXPECT_GT(window.grid().getColumnTextWidth(1), 0);
    });
}

TEST_F(FormulaWindow, SaveAndLoadUseTheFileField) {
    const std::u16string path = writeSheet("calc.sss", 2, 1, {{1, 1, "formula", "B1*2"}, {2, 1, "number", "5"}});
    ui::Script script;
    runSingleCell(script, path, [](CFormula& window) {
        ui::Robot robot;
        window.grid().ssSetData(2, 1, u"8");
        robot.replaceTextOf(window, IDC_FORMULA_FILE, u"u:\\saved.sss");
        robot.click(window, IDC_FORMULA_SAVE);
        robot.replaceTextOf(window, IDC_FORMULA_FILE, u"u:\\no such folder\\saved.sss");
        robot.click(window, IDC_FORMULA_SAVE);
        robot.click(window, IDC_FORMULA_LOAD);
        robot.replaceTextOf(window, IDC_FORMULA_FILE, u"u:\\saved.sss");
        window.grid().ssSetData(2, 1, u"0");
        robot.click(window, IDC_FORMULA_LOAD);
        EXPECT_EQ(data(window, 2, 1), u"8");
        EXPECT_EQ(value(window, 1, 1).numberValue(), 16);
    });
    EXPECT_NE(printed().find("Save failed\n"), std::string::npos);
    EXPECT_NE(printed().find("Load failed\n"), std::string::npos);
}

// ---------------------------------------------------------------- read mode (ReadSSFile)

TEST_F(FormulaWindow, ReadSSFileGivesTheTitleTheColumnNamesAndEveryRow) {
    ui::Script script;   // the window closes by itself: nobody is asked
    Ork_String title;
    Ork_StringArray names;
    Ork_Array<Ork_StringArray> rows;
    ReadSSFile(u"t:\\small.sss", title, names, rows);
    EXPECT_TRUE(script.log().empty());
    EXPECT_EQ(title, u"Bolt M16");
    ASSERT_EQ(names.length(), 3);
    EXPECT_EQ(names[0], u"Name");
    EXPECT_EQ(names[2], u"Price");
    ASSERT_EQ(rows.length(), 2);
    ASSERT_EQ(rows[0].length(), 3);
    EXPECT_EQ(rows[0][0], u"Bolt M16");
    EXPECT_EQ(rows[0][1], u"12");
    EXPECT_EQ(rows[0][2], u"6");
    ASSERT_EQ(rows[1].length(), 3);
    EXPECT_EQ(rows[1][2], u"on request");
}

TEST_F(FormulaWindow, ReadSSFileOfAMissingFileGivesNothing) {
    ui::Script script;
    Ork_String title = u"old";
    Ork_StringArray names{u"old"};
    Ork_Array<Ork_StringArray> rows;
    rows.append(Ork_StringArray{u"old"});
    ReadSSFile(u"u:\\missing.sss", title, names, rows);
    EXPECT_TRUE(title.isEmpty());
    EXPECT_TRUE(names.isEmpty());
    EXPECT_TRUE(rows.isEmpty());
}

TEST_F(FormulaWindow, ReadSSFileRefusesASheetTooLargeToHoldAsTexts) {
    std::ofstream(m_folder / "huge.sss") << "SS grid 1\nsize 32000 16777216\ncell 1 1 text \"x\"\nend\n";
    ui::Script script;
    Ork_String title;
    Ork_StringArray names;
    Ork_Array<Ork_StringArray> rows;
    ReadSSFile(u"u:\\huge.sss", title, names, rows);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_NE(printed().find("Sheet too large to read"), std::string::npos);
}

} // namespace
