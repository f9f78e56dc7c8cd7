// The library editor's values page through the real editor: the table given opens on show; choosing another
// asks about unsaved edits (Yes writes, No drops, Cancel keeps them and the list's choice); a Yes whose write
// fails acts as Cancel; OK asks too and stays open on Cancel; an unreadable table shows an empty grid.
#include "profTableTestSupport.h"

#include "support/frameTestSupport.h"

#include "SS/SSExports.h"
#include "os/files.h"
#include "os/textCase.h"
#include "resources/resourceIds.h"
#include "seclib/CDlgEditLibSections.h"
#include "ui/ComboBox.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using seclibtest::LibraryFolder;

class EditLibValues : public frametest::FrameTest {
protected:
    bool run(const std::function<void(CDlgEditLibSections&, CEditLibValuesPage&, ui::Script&)>& drive,
             const Ork_String& name = u"IPE") {
        ui::Script script;
        script.onModal(IDD_EDIT_LIB_SECTIONS, [&](ui::Dialog& d) {
            auto& editor = dynamic_cast<CDlgEditLibSections&>(d);
            ASSERT_NE(editor.valuesPage(), nullptr);
            drive(editor, *editor.valuesPage(), script);
        });
        const bool accepted = StartDlgEditLibSections(m_data, name);
        EXPECT_EQ(script.remaining(), 0);
        return accepted;
    }
    static ui::ComboBox& tables(CEditLibValuesPage& page) {
        return *dynamic_cast<ui::ComboBox*>(page.getDlgItem(IDC_EDITLIB_TABLES));
    }
    // Edits the first value of the first size, as a user's typing does.
    static void edit(CEditLibValuesPage& page) {
        Ork_StringArray row;
        ASSERT_TRUE(page.grid().getRowTexts(1, row));
        row[0] = u"EDITED";
        page.grid().setRowTexts(1, row);
        page.grid().ssSetBool(grid::kSwitchModified, true);
    }
    std::string ipe() const { return m_library.get("prof/IPE.pr"); }
    LibraryFolder m_library;
    DlgEditLibData m_data;
    ui::Robot m_robot;
};

TEST_F(EditLibValues, TheGivenTableIsOnShowWithItsType) {
    run([&](CDlgEditLibSections& d, CEditLibValuesPage& page, ui::Script&) {
        EXPECT_EQ(tables(page).getLBText(page.shownTable()), u"IPE");
        EXPECT_EQ(page.table().name, u"IPE");
        EXPECT_GT(page.grid().getMaxRows(), 1);
        EXPECT_FALSE(page.gridChanged());
        m_robot.click(d, ui::IDCANCEL);
    });
}

TEST_F(EditLibValues, YesWritesNoDropsAndCancelKeepsTheEditsAndTheChoice) {
    const std::string before = ipe();
    run([&](CDlgEditLibSections& d, CEditLibValuesPage& page, ui::Script& script) {
        const int shown = page.shownTable();
        edit(page);
        script.answerBox(ui::IDCANCEL);
        ASSERT_TRUE(m_robot.choose(tables(page), u"HEA"));
        EXPECT_EQ(page.shownTable(), shown);
        EXPECT_EQ(tables(page).getCurSel(), shown) << "the list goes back to the table on show";
        EXPECT_TRUE(page.gridChanged());
        script.answerBox(ui::IDNO);
        ASSERT_TRUE(m_robot.choose(tables(page), u"HEA"));
        EXPECT_EQ(page.table().name, u"HEA");
        EXPECT_EQ(ipe(), before) << "No leaves the file";
        ASSERT_TRUE(m_robot.choose(tables(page), u"IPE"));   // unchanged: no question
        edit(page);
        script.answerBox(ui::IDYES);
        ASSERT_TRUE(m_robot.choose(tables(page), u"HEA"));
        EXPECT_EQ(page.table().name, u"HEA");
        m_robot.click(d, ui::IDCANCEL);
    });
    EXPECT_NE(ipe().find("EDITED"), std::string::npos) << "Yes wrote the edited table";
}

TEST_F(EditLibValues, AYesThatCannotWriteActsAsCancelAndOkStaysOpen) {
    const std::string before = ipe();
    const bool accepted = run([&](CDlgEditLibSections& d, CEditLibValuesPage& page, ui::Script& script) {
        const int shown = page.shownTable();
        edit(page);
        {
            os::FailureInjection failing(os::WriteStage::Write);
            script.answerBox(ui::IDYES).answerBox(ui::IDOK);   // the question, then the failure's message
            ASSERT_TRUE(m_robot.choose(tables(page), u"HEA"));
        }
        EXPECT_EQ(page.shownTable(), shown);
        EXPECT_TRUE(page.gridChanged()) << "the edits stay, marked changed";
        script.answerBox(ui::IDCANCEL);
        m_robot.click(d, ui::IDOK);
        EXPECT_TRUE(d.isWindowVisible()) << "Cancel to the question keeps the editor open";
        script.answerBox(ui::IDNO);
        m_robot.click(d, ui::IDOK);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(ipe(), before);
}

TEST_F(EditLibValues, AnUnreadableTableShowsAnEmptyGrid) {
    m_library.put("prof/HEA.pr", "");
    run([&](CDlgEditLibSections& d, CEditLibValuesPage& page, ui::Script&) {
        ASSERT_GT(page.grid().getMaxRows(), 1);
        ASSERT_TRUE(m_robot.choose(tables(page), u"HEA"));
        EXPECT_EQ(page.grid().getMaxRows(), 0);
        EXPECT_FALSE(page.gridChanged());
        m_robot.click(d, ui::IDCANCEL);
    });
}

} // namespace

namespace {

TEST_F(EditLibValues, NewIsNamedUniquelyWithoutCaseAndHasLanguageColumnsOnly) {
    m_library.put("prof/new table.pr", "2\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\tv\n1\t1\ta\ta\ta\ta\t5\n");
    run([&](CDlgEditLibSections& d, CEditLibValuesPage& page, ui::Script&) {
        m_robot.click(page, IDC_EDITLIB_NEW);
        EXPECT_EQ(page.table().name, u"New table1");
        EXPECT_EQ(tables(page).getLBText(page.shownTable()), u"New table1");
        EXPECT_TRUE(page.gridChanged());
        Ork_ProfValuesTable back = page.table();
        ASSERT_TRUE(back.getFromSS(page.grid()));
        EXPECT_EQ(back.columnNames.length(), 2 + back.getNrLanguages() + 2)
            << "no host language beyond the table's reads back as a value column";
        EXPECT_EQ(back.columnNames[back.columnNames.length() - 1], u"Value2");
        m_robot.click(d, ui::IDCANCEL);
    });
}

TEST_F(EditLibValues, ANewTableDiscardedWithNoLeavesTheList) {
    run([&](CDlgEditLibSections& d, CEditLibValuesPage& page, ui::Script& script) {
        const int entries = tables(page).getCount();
        m_robot.click(page, IDC_EDITLIB_NEW);
        ASSERT_EQ(tables(page).getCount(), entries + 1);
        script.answerBox(ui::IDNO);
        ASSERT_TRUE(m_robot.choose(tables(page), u"HEA"));
        EXPECT_EQ(tables(page).getCount(), entries) << "a table never saved has no file to offer";
        EXPECT_EQ(tables(page).findStringExact(-1, u"New table"), -1);
        EXPECT_EQ(page.table().name, u"HEA");
        EXPECT_EQ(tables(page).getLBText(page.shownTable()), u"HEA");
        m_robot.click(page, IDC_EDITLIB_NEW);
        script.answerBox(ui::IDNO);   // OK asks about it too
        m_robot.click(d, ui::IDOK);
    });
    EXPECT_FALSE(m_data.availableFiles.contains(u"New table"));
    EXPECT_FALSE(m_library.exists("prof/New table.pr"));
}

TEST_F(EditLibValues, ARenameChangingOnlyTheCaseKeepsOneFileWithTheTable) {
    run([&](CDlgEditLibSections& d, CEditLibValuesPage& page, ui::Script& script) {
        script.answerPrompt(u"ipe");
        m_robot.click(page, IDC_EDITLIB_RENAME);
        EXPECT_EQ(page.table().name, u"ipe");
        m_robot.click(d, ui::IDCANCEL);
    });
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_library.temp().path() / "prof"))
        files += os::equalsNoCase(entry.path().stem().u16string(), u"ipe") ? 1 : 0;
    EXPECT_EQ(files, 1) << "the file is rewritten in place, never deleted as the old name";
    Ork_ProfValuesTable back;
    ASSERT_TRUE(back.readFromFile(u"ipe"));
    Ork_ProfValuesTable original;
    ASSERT_TRUE(original.readFromFile(u"IPE"));
    EXPECT_EQ(seclibtest::rowTexts(back.rows), seclibtest::rowTexts(original.rows));
    EXPECT_FALSE(back.rows.isEmpty());
}

TEST_F(EditLibValues, DeleteRemovesTheFileTheEntryAndClearsTheGrid) {
    run([&](CDlgEditLibSections& d, CEditLibValuesPage& page, ui::Script& script) {
        const int entries = tables(page).getCount();
        edit(page);
        script.answerBox(ui::IDNO);
        m_robot.click(page, IDC_EDITLIB_DELETE);
        EXPECT_TRUE(m_library.exists("prof/IPE.pr")) << "No keeps the table";
        script.answerBox(ui::IDYES);
        m_robot.click(page, IDC_EDITLIB_DELETE);
        EXPECT_FALSE(m_library.exists("prof/IPE.pr"));
        EXPECT_EQ(tables(page).getCount(), entries - 1);
        EXPECT_EQ(page.shownTable(), -1);
        EXPECT_EQ(page.grid().getMaxRows(), 0);
        EXPECT_FALSE(page.gridChanged()) << "the deleted table's edits are not asked about again";
        m_robot.click(d, ui::IDOK);
    });
}

} // namespace

namespace {

TEST_F(EditLibValues, RenameWritesTheNewFileFirstAndRefusesANameInUse) {
    run([&](CDlgEditLibSections& d, CEditLibValuesPage& page, ui::Script& script) {
        script.answerPrompt(u"hea").answerBox(ui::IDOK);   // HEA listed: refused with a message
        m_robot.click(page, IDC_EDITLIB_RENAME);
        EXPECT_EQ(page.table().name, u"IPE");
        {
            os::FailureInjection failing(os::WriteStage::Write);
            script.answerPrompt(u"IPE2").answerBox(ui::IDOK);
            m_robot.click(page, IDC_EDITLIB_RENAME);
        }
        EXPECT_TRUE(m_library.exists("prof/IPE.pr")) << "the old file stays when the new one cannot be written";
        EXPECT_EQ(page.table().name, u"IPE");
        script.answerPrompt(u"IPE2");
        m_robot.click(page, IDC_EDITLIB_RENAME);
        EXPECT_FALSE(m_library.exists("prof/IPE.pr"));
        EXPECT_TRUE(m_library.exists("prof/IPE2.pr"));
        EXPECT_EQ(page.table().name, u"IPE2");
        EXPECT_EQ(tables(page).getLBText(page.shownTable()), u"IPE2");
        Ork_ProfValuesTable back;
        ASSERT_TRUE(back.getFromSS(page.grid()));
        EXPECT_EQ(back.name, u"IPE2") << "the row headers carry the new name";
        m_robot.click(d, ui::IDCANCEL);
    });
}

} // namespace

#include "seclib/sectionTypes.h"

namespace {

// The first type with exactly `count` value labels; 0 when none has.
int typeWithLabels(int count) {
    for (int n = 1; n <= kSectionTypeCount; ++n)
        if (sectionTypeValueLabels(n).length() == count)
            return n;
    return 0;
}

TEST_F(EditLibValues, ATypeChangeRelabelsAndAsksBeforeDroppingColumns) {
    const int twoValues = typeWithLabels(2);
    ASSERT_NE(twoValues, 0);
    run([&](CDlgEditLibSections& d, CEditLibValuesPage& page, ui::Script& script) {
        auto& types = *dynamic_cast<ui::ComboBox*>(page.getDlgItem(IDC_EDITLIB_SECTION_TYPE));
        const int columns = page.grid().getMaxCols();   // IPE: 2 + 4 languages + 5 values
        script.answerBox(ui::IDNO);
        ASSERT_TRUE(m_robot.choose(types, twoValues - 1));
        EXPECT_EQ(page.grid().getMaxCols(), columns) << "No keeps the extra columns";
        EXPECT_TRUE(page.gridChanged());
        Ork_StringArray headers;
        page.grid().getColumnHeaderTexts(headers);
        EXPECT_EQ(headers[6], sectionTypeValueLabels(twoValues)[0]);
        EXPECT_EQ(headers[2], u"English") << "language columns are kept";
        script.answerBox(ui::IDYES);
        ASSERT_TRUE(m_robot.choose(types, twoValues - 1));
        EXPECT_EQ(page.grid().getMaxCols(), 2 + 4 + 2);
        // A type needing more columns than the grid has gets them, empty, without a question.
        ASSERT_TRUE(m_robot.choose(types, 0));
        EXPECT_EQ(page.grid().getMaxCols(), 2 + 4 + sectionTypeValueLabels(1).length());
        m_robot.click(d, ui::IDCANCEL);   // Cancel drops the edits without a question
    });
}

TEST_F(EditLibValues, AGridButtonAndTheOptionsKeepEveryRowHeaderOnTheTableName) {
    run([&](CDlgEditLibSections& d, CEditLibValuesPage& page, ui::Script& script) {
        const int rows = page.grid().getMaxRows();
        m_robot.click(page, 1198);   // append a row
        EXPECT_EQ(page.grid().getMaxRows(), rows + 1);
        EXPECT_TRUE(page.gridChanged());
        script.onModal(IDD_SS_OPTIONS, [](ui::Dialog& options) { options.endDialog(ui::IDOK); });
        m_robot.click(page, IDC_EDITLIB_OPTIONS);
        Ork_ProfValuesTable back;
        ASSERT_TRUE(back.getFromSS(page.grid()));
        EXPECT_EQ(back.name, u"IPE");
        EXPECT_EQ(static_cast<int>(back.rows.length()), rows + 1);
        script.answerBox(ui::IDNO);
        m_robot.click(d, ui::IDOK);
    });
}

} // namespace
