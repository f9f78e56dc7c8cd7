// The standards mapping page on a copy of the sample library: the list of spreadsheets, the variable grid
// of the one chosen, and what reaches the mapping files and the record.
#include "macroedit/CDlgMacroSettings.h"
#include "macroedit/CTabMacroMapping.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/randomString.h"
#include "resources/resourceIds.h"
#include "support/TempFolder.h"
#include "support/frameTestSupport.h"
#include "support/macroTestSupport.h"

#include "grid/SpreadWindow.h"
#include "ui/Robot.h"
#include "ui/Script.h"
#include "ui/TabCtrl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class MappingPage : public frametest::FrameTest {
protected:
    void SetUp() override {
        frametest::FrameTest::SetUp();
        const fs::path samples = fs::path(SS_SOURCE_DIR) / "samples" / "library";
        fs::copy(samples / "Connection Standards", m_library.path() / "Connection Standards", fs::copy_options::recursive);
        Ork_Settings::setLibDir(Ork_String::fromUtf8(m_library.path().string()));
        Ork_String error;
        ASSERT_TRUE(readMacroJson(Ork_String::fromUtf8((samples / "Macros" / "EndPlateConnection.json").string()), m_db,
                                  m_macroData, error))
            << error.utf8();
        AcDbTransaction transaction;
        ASSERT_EQ(m_available.initAllVarsFromMacro(&m_db, &transaction), eOk);
        m_data.names = {u"EndPlate", u"Childs\\FilletWeld", u"EndPlate"};
        m_data.keys = {u"BeamToColumn", u"Module.Welds", u""};
        m_data.moduleNames = {u"Plate", u"Bolts", u"Welds"};
        m_data.availableObjects = &m_available;
        nuvo::setRandomSource(nuvo::seededRandomSource(11));
    }
    void TearDown() override {
        nuvo::setRandomSource({});
        if (m_page.isWindow())
            m_page.destroyWindow();
        Ork_Settings::reset();
        frametest::FrameTest::TearDown();
    }
    CTabMacroMapping& open() {
        ui::DialogTemplate t;
        t.size = {560, 380};
        m_host.createIndirect(t, nullptr, ui::Dialog::Show::Visible);
        m_page.setData(&m_data);
        EXPECT_TRUE(m_page.create(IDD_MACRO_MAPPING, &m_host, true));
        return m_page;
    }
    static Ork_String cell(Ork_Spread& grid, int column, int row) {
        Ork_String text;
        grid.getCellText(column, row, text, Ork_Spread::kTextData);
        return text;
    }
    // The row of the variable grid whose name column shows `name`; 0 when none does.
    int variableRow(const char16_t* name) {
        for (int r = 1; r <= m_page.variableGrid().getMaxRows(); ++r)
            if (cell(m_page.variableGrid(), 1, r) == name)
                return r;
        return 0;
    }
    void clickRow(int row) {
        auto* g = grid::SpreadWindow::fromWindow(&m_page.sheetList());
        ASSERT_NE(g, nullptr);
        m_robot.clickAt(m_page.sheetList(), ui::test::centre(g->cellRect(1, row)));
    }
    fs::path mapFile() const { return m_library.path() / "Connection Standards" / "EndPlate.map"; }

    TempFolder m_library;
    Ork_DbMacro m_db;
    MacroData m_macroData;
    KvSSMapping m_available;
    TabMappingData m_data;
    ui::Dialog m_host;
    CTabMacroMapping m_page;
    ui::Robot m_robot{frametest::gtestFailure()};
};

TEST_F(MappingPage, ListsTheSheetsAndShowsTheInputsAndOutputsOfTheOneChosen) {
    CTabMacroMapping& page = open();
    Ork_Spread& list = page.sheetList();
    ASSERT_EQ(list.getMaxRows(), 3);
    EXPECT_EQ(cell(list, 1, 2), u"Childs\\FilletWeld");
    EXPECT_EQ(cell(list, 2, 1), u"<Entire macro>");
    EXPECT_EQ(cell(list, 2, 2), u"Welds");
    // The first sheet's variables: the sections, the types, the stored mapping preselected.
    Ork_Spread& vars = page.variableGrid();
    EXPECT_EQ(cell(vars, Ork_Spread::kHeader, 2), u"Input");
    const int thickness = variableRow(u"Thickness");
    ASSERT_GT(thickness, 0);
    EXPECT_EQ(cell(vars, Ork_Spread::kHeader, thickness), u"Decim");
    EXPECT_EQ(cell(vars, 2, thickness), u"EndPlate.Thickness");
    EXPECT_FALSE(page.links().empty());

    // A sheet mapped to a module shows no variables, and its row never writes.
    const std::string before = fileText(mapFile());
    clickRow(2);
    EXPECT_EQ(page.currentIndex(), 1);
    EXPECT_EQ(vars.getMaxRows(), 0);
    clickRow(1);
    EXPECT_EQ(fileText(mapFile()), before);   // unchanged: nothing written
    bool modified = true;
    ASSERT_TRUE(page.commit(modified));
    EXPECT_FALSE(modified);
    EXPECT_EQ(m_data.keys[0], u"BeamToColumn");
}

TEST_F(MappingPage, AChangedMappingGoesUnderAFreshKeyAndTheOldLineStays) {
    CTabMacroMapping& page = open();
    Ork_Spread& vars = page.variableGrid();
    const int width = variableRow(u"Width");
    ASSERT_GT(width, 0);
    vars.ssSetData(2, width, u"EndPlate.Height");   // the user takes another object for Width
    clickRow(3);                                    // leaving the row saves it
    const Ork_String key = m_data.keys[0];
    EXPECT_EQ(key.size(), 24u);
    EXPECT_NE(key, u"BeamToColumn");
    EXPECT_TRUE(page.isModified());
    const std::string text = fileText(mapFile());
    EXPECT_NE(text.find("BeamToColumn="), std::string::npos);
    EXPECT_NE(text.find(key.utf8() + "="), std::string::npos);
    // The same sheet twice keeps its own key: the third row was never stored.
    EXPECT_EQ(m_data.keys[2], u"");
}

TEST_F(MappingPage, RowsAreAddedRemovedAndMovedWithinTheList) {
    CTabMacroMapping& page = open();
    clickRow(1);
    m_robot.click(page, IDC_MM_UP);   // the first row cannot go up
    EXPECT_EQ(m_data.names[0], u"EndPlate");
    m_robot.click(page, IDC_MM_DOWN);
    EXPECT_EQ(m_data.names[1], u"EndPlate");
    EXPECT_EQ(m_data.keys[1], u"BeamToColumn");
    EXPECT_EQ(m_data.keys[0], u"Module.Welds");
    m_robot.click(page, IDC_MM_ADD);
    ASSERT_EQ(m_data.names.length(), 4);
    EXPECT_EQ(m_data.names[1], u"");
    EXPECT_EQ(m_data.names[2], u"EndPlate");   // the rows below stay
    m_robot.click(page, IDC_MM_REMOVE);
    EXPECT_EQ(m_data.names.length(), 3);
    EXPECT_TRUE(page.isModified());
}

TEST_F(MappingPage, NothingIsWrittenWithoutAKeyOrWhereTheFileCannotBeWritten) {
    m_data.names = {u"EndPlate", u"Childs\\FilletWeld"};
    m_data.keys = {u"BeamToColumn", u"Module.Welds"};
    CTabMacroMapping& page = open();
    const int width = variableRow(u"Width");
    ASSERT_GT(width, 0);
    page.variableGrid().ssSetData(2, width, u"EndPlate.Height");
    nuvo::setRandomSource([](std::uint32_t&) { return false; });
    const std::string before = fileText(mapFile());
    clickRow(2);
    EXPECT_EQ(fileText(mapFile()), before);
    EXPECT_EQ(m_data.keys[0], u"BeamToColumn");
    EXPECT_FALSE(page.isModified());

    // Back on the first row, its mapping file unwritable: "Save failed", the key kept.
    nuvo::setRandomSource(nuvo::seededRandomSource(3));
    clickRow(1);
    page.variableGrid().ssSetData(2, variableRow(u"Width"), u"EndPlate.Height");
    fs::rename(mapFile(), mapFile().string() + ".kept");
    fs::create_directory(mapFile());   // a folder where the file should be: nothing can replace it
    clickRow(2);
    fs::remove(mapFile());
    fs::rename(mapFile().string() + ".kept", mapFile());
    EXPECT_EQ(m_data.keys[0], u"BeamToColumn");
    EXPECT_EQ(fileText(mapFile()), before);
    EXPECT_NE(printed().find("Save failed\n"), std::string::npos);
    EXPECT_FALSE(page.isModified());
}

TEST_F(MappingPage, ASheetThatCannotLoadOrEscapesTheFolderClearsTheGridAndIsNeverSaved) {
    m_data.names = {u"EndPlate", u"Missing", u"..\\Macros\\x"};
    m_data.keys = {u"BeamToColumn", u"", u""};
    CTabMacroMapping& page = open();
    EXPECT_GT(page.variableGrid().getMaxRows(), 0);
    clickRow(2);
    EXPECT_EQ(page.variableGrid().getMaxRows(), 0);
    EXPECT_TRUE(page.links().empty());
    clickRow(3);
    EXPECT_EQ(page.variableGrid().getMaxRows(), 0);
    bool modified = true;
    ASSERT_TRUE(page.commit(modified));
    EXPECT_EQ(m_data.keys[1], u"");
    EXPECT_EQ(m_data.keys[2], u"");
    EXPECT_FALSE(fs::exists(m_library.path() / "Connection Standards" / "Missing.map"));
}

TEST_F(MappingPage, AVariableNewlyMappedIsSavedThoughEveryStoredMapStillHolds) {
    {
        std::ofstream out(mapFile(), std::ios::app | std::ios::binary);
        out << "Partial=Thickness\xC6\x92" "EndPlate\xE2\x80\xA2" "Distance Thickness\n";
    }
    m_data.keys[0] = u"Partial";
    CTabMacroMapping& page = open();
    const int thickness = variableRow(u"Thickness"), width = variableRow(u"Width");
    ASSERT_GT(width, 0);
    EXPECT_EQ(cell(page.variableGrid(), 2, thickness), u"EndPlate.Thickness");
    EXPECT_EQ(cell(page.variableGrid(), 2, width), u"");
    // Left as it is: equal both ways, nothing written.
    const std::string before = fileText(mapFile());
    clickRow(2);
    EXPECT_EQ(fileText(mapFile()), before);
    EXPECT_EQ(m_data.keys[0], u"Partial");
    // Width mapped as well: the stored maps all still hold, yet the mapping is a new one.
    clickRow(1);
    page.variableGrid().ssSetData(2, variableRow(u"Width"), u"EndPlate.Width");
    clickRow(2);
    EXPECT_NE(m_data.keys[0], u"Partial");
    EXPECT_EQ(m_data.keys[0].size(), 24u);
    EXPECT_NE(fileText(mapFile()).find("Partial="), std::string::npos);
}

TEST_F(MappingPage, AModuleRowTurnedToTheEntireMacroHasNoKeyUntilItIsSaved) {
    CTabMacroMapping& page = open();
    page.sheetList().ssSetData(2, 2, u"<Entire macro>");
    bool modified = false;
    ASSERT_TRUE(page.commit(modified));
    EXPECT_TRUE(modified);
    EXPECT_EQ(m_data.keys[1], u"");
    EXPECT_EQ(m_data.keys[0], u"BeamToColumn");
}

TEST_F(MappingPage, TheSettingsDialogTellsAChangedMappingAndACancelKeepsWhatWasWritten) {
    for (const bool ok : {true, false}) {
        CDlgMacroSettings dialog;
        dialog.m_data.mapping = m_data;
        ui::Script script;
        script.onModal(IDD_MACRO_SETTINGS, [&](ui::Dialog& d) {
            auto& settings = dynamic_cast<CDlgMacroSettings&>(d);
            m_robot.choose(*settings.tabs(), CDlgMacroSettings::MappingPage);
            auto& mapping = *dynamic_cast<CTabMacroMapping*>(settings.page(CDlgMacroSettings::MappingPage));
            for (int r = 1; r <= mapping.variableGrid().getMaxRows(); ++r)
                if (cell(mapping.variableGrid(), 1, r) == u"Width")
                    mapping.variableGrid().ssSetData(2, r, u"EndPlate.Height");
            auto* g = grid::SpreadWindow::fromWindow(&mapping.sheetList());
            m_robot.clickAt(mapping.sheetList(), ui::test::centre(g->cellRect(1, 2)));   // written now
            m_robot.click(d, ok ? ui::IDOK : ui::IDCANCEL);
        });
        const int result = dialog.doModal();
        EXPECT_EQ(result, ok ? ui::IDOK : ui::IDCANCEL);
        const Ork_String key = dialog.m_data.mapping.keys[0];
        EXPECT_EQ(key.size(), 24u);
        EXPECT_NE(fileText(mapFile()).find(key.utf8() + "="), std::string::npos) << "the line stays either way";
        if (ok) {
            EXPECT_TRUE(dialog.m_data.mappingChanged);
        }
    }
}

} // namespace
