#pragma once
// A dialog with a placeholder frame, and a grid made in its place, on a desktop with the module attached.
#include "support/frameTestSupport.h"

#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"

#include <memory>

namespace sheettest {

inline constexpr int kPlaceholderId = 1196;

// A captioned dialog of 400 x 300 whose placeholder covers (10, 10) to (310, 210).
inline ui::DialogTemplate gridDialogTemplate() {
    ui::DialogTemplate t;
    t.id = 0;
    t.caption = u"Grid";
    t.size = {400, 300};
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_VISIBLE;
    t.add(u"Static", kPlaceholderId, u"", ui::WS_CHILD | ui::WS_VISIBLE, {10, 10, 310, 210});
    t.add(u"Button", ui::IDOK, u"OK", ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP, {320, 10, 390, 30});
    return t;
}

class SheetTest : public frametest::FrameTest {
protected:
    void SetUp() override {
        frametest::FrameTest::SetUp();
        m_dialog = std::make_unique<ui::Dialog>();
        ASSERT_TRUE(m_dialog->createIndirect(gridDialogTemplate(), nullptr, ui::Dialog::Show::Visible));
        m_grid = std::make_unique<Ork_Spread>();
    }
    void TearDown() override {
        m_grid.reset();
        if (m_dialog && m_dialog->isWindow())
            m_dialog->destroyWindow();
        m_dialog.reset();
        frametest::FrameTest::TearDown();
    }
    // The grid made in place with `cols` x `rows` cells.
    Ork_Spread& grid(int cols = 3, int rows = 4) {
        EXPECT_TRUE(m_grid->createInPlace(m_dialog.get(), kPlaceholderId));
        EXPECT_TRUE(m_grid->setMaxCols(cols));
        EXPECT_TRUE(m_grid->setMaxRows(rows));
        return *m_grid;
    }
    Ork_String text(int col, int row, int kind = Ork_Spread::kTextValue) {
        Ork_String t;
        m_grid->getCellText(col, row, t, kind);
        return t;
    }
    // Fills the column with texts from row 1.
    void fillColumn(int col, std::initializer_list<const char16_t*> texts) {
        int row = 1;
        for (const char16_t* t : texts)
            m_grid->ssSetData(col, row++, t);
    }

    std::unique_ptr<ui::Dialog> m_dialog;
    std::unique_ptr<Ork_Spread> m_grid;
};

} // namespace sheettest
