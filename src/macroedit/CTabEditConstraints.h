#pragma once
// Page 0 of the definition editor: the constraints and dimensions of the module, and the editors of the
// selected one (value, name, option list, two flags and up to five image buttons in at most two exclusive
// groups). Selecting a row highlights its constraint in the drawing; every change goes to the host
// (UpdateConstraint) when the row is left. Header clicks sort the list, a right click offers the host's
// actions on the row, and the cut button opens the host's cut editor.
#include "nuvo/CButtonST.h"
#include "nuvo/records/EditConstrData.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"
#include "ui/ImageButton.h"
#include "ui/Menu.h"

#include <array>
#include <utility>
#include <vector>

class CTabEditConstraints : public ui::Dialog {
public:
    static constexpr int kImageButtons = 5;

    explicit CTabEditConstraints(EditConstrData* data) : m_data(data) {}

    // Shows the record's constraints; the row of the current constraint id (else row 0) becomes current.
    void fill(bool firstFill);
    // Sends the current row's editors to the host when they differ from the record. Nothing without a row.
    void commitCurrentRow();
    // The page becomes current: commit, then refill.
    void activate();
    // The page is left: the drawing's constraint highlights go.
    void leave();
    void focusName();

    Ork_Spread& grid() { return m_grid; }
    int currentRow() const { return m_currentRow; }
    int buttonsInUse() const { return m_buttonsInUse; }
    bool swallowsNextEscape() const { return m_swallowEscape; }
    ui::ImageButton& imageButton(int index) { return m_images[static_cast<std::size_t>(index)]; }
    // The entries of the context menu shown last, separators included.
    const std::vector<ui::MenuItem>& lastMenu() const { return m_lastMenu; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    void onSize(unsigned type, int cx, int cy) override;
    bool preTranslateMessage(const ui::Msg& msg) override;
    // Enter and Escape that reach the page itself: the host's command line says so, the page stays.
    void onOK() override;
    void onCancel() override;

private:
    int rowCount() const;
    void selectRow(int row);
    void showRowEditors(int row);
    void showImages(int row);
    void imageClicked(int index);
    // One entry per exclusive group: the number (1-based) of its checked button, 0 when none is.
    AcArray<int> readGroupSelections() const;
    void checkName();
    void activeCellMoved(int row);
    void headerClicked(int column);
    void contextMenu(int column, int row);
    void deleteRow();
    void openCutEditor();
    void fitColumns();
    void showEditor(int id, bool show);

    EditConstrData* m_data;
    Ork_Spread m_grid;
    std::array<ui::ImageButton, kImageButtons> m_images;
    CButtonST m_delete;
    bool m_initialised = false;
    int m_currentRow = -1;
    int m_buttonsInUse = 0;
    int m_secondGroupStart = -1;
    // The exclusive groups as button index ranges [first, last).
    std::vector<std::pair<int, int>> m_groups;
    AcArray<int> m_menuCodes;
    std::vector<ui::MenuItem> m_lastMenu;
    int m_previousSortColumn = 0;
    bool m_swallowEscape = false;
    bool m_checkingName = false;
};
