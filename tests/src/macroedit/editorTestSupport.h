#pragma once
// The definition editor opened on the editor test macro (tests/data/nuvo/macros/editor.json), module "Plate",
// as a live window the test drives, with the host's calls recorded from the moment it is open.
#include "support/frameTestSupport.h"
#include "support/macroTestSupport.h"

#include "grid/SpreadWindow.h"
#include "macroedit/CDlgEditMacro.h"
#include "macroedit/CTabEditConstraints.h"
#include "macroedit/CTabEditVars.h"
#include "macroedit/CTabGeometries.h"
#include "macroedit/CTabMacroCommands.h"
#include "nuvo/macro/macroEditorCalls.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"
#include "ui/Robot.h"
#include "ui/Script.h"
#include "ui/TabCtrl.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace editortest {

class EditorTest : public frametest::FrameTest {
protected:
    void SetUp() override {
        frametest::FrameTest::SetUp();
        nuvo::clearEditorCallRefusals();
    }
    void TearDown() override {
        closeEditor();
        nuvo::clearEditorCallRefusals();
        frametest::FrameTest::TearDown();
    }

    // Opens the editor as a shown window (as the modeless entry point does) on the module.
    CDlgEditMacro& open(const char16_t* module = u"Plate") {
        m_editor = std::make_unique<CDlgEditMacro>();
        EXPECT_TRUE(prepareEditConstrData(m_macro.db, module, m_editor->m_data));
        EXPECT_TRUE(m_editor->create(IDD_EDIT_MACRO, nullptr, ui::Dialog::Show::Visible));
        cadhost::HostLog::clear();
        return *m_editor;
    }
    void closeEditor() {
        if (m_editor && m_editor->isWindow())
            m_editor->destroyWindow();
        m_editor.reset();
    }
    CDlgEditMacro& editor() { return *m_editor; }
    CTabEditConstraints& constraints() { return *m_editor->constraintsPage(); }
    CTabGeometries& geometry() { return *m_editor->geometryPage(); }
    CTabEditVars& variables() { return *m_editor->variablesPage(); }
    Ork_Module& module(const char16_t* name) { return m_macro.module(name); }

    // The host calls since the editor opened, leaving out the display refreshes.
    static std::vector<std::u16string> calls() {
        std::vector<std::u16string> out;
        for (const std::u16string& c : cadhost::HostLog::texts())
            if (c != u"acedUpdateDisplay")
                out.push_back(c);
        return out;
    }
    static std::vector<std::u16string> callNames() {
        std::vector<std::u16string> out;
        for (const cadhost::HostCall& c : cadhost::HostLog::calls())
            if (c.name != u"acedUpdateDisplay")
                out.push_back(c.name);
        return out;
    }
    // Clicks the grid's cell (row 0 a header) as a user does.
    void clickCell(Ork_Spread& grid, int column, int row, bool right = false) {
        auto* g = grid::SpreadWindow::fromWindow(&grid);
        ASSERT_NE(g, nullptr);
        const ui::Rect r = g->cellRect(column, row);
        ASSERT_GT(r.width(), 0) << "cell " << column << "," << row << " is not shown";
        if (right)
            m_robot.rightClickAt(grid, ui::test::centre(r));
        else
            m_robot.clickAt(grid, ui::test::centre(r));
    }
    void chooseTab(int index) { m_robot.choose(*editor().tabs(), index); }

    LoadedMacro m_macro{"nuvo/macros/editor.json"};
    std::unique_ptr<CDlgEditMacro> m_editor;
    ui::Robot m_robot{frametest::gtestFailure()};
};

} // namespace editortest
