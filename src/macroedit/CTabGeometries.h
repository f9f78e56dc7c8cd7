#pragma once
// Page 1 of the definition editor: the module's geometry objects with their type, object, name, flexibility
// and constraint-geometry flag. Reaching a row highlights its object in the drawing; a flexibility or flag
// chosen goes to the host at once, the names when the editor commits its pages.
#include "nuvo/records/EditConstrData.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

class CTabGeometries : public ui::Dialog {
public:
    static constexpr int kColumns = 5;
    static constexpr int kMinLastColumn = 20;   // the check-box column's width when the grid has room

    explicit CTabGeometries(EditConstrData* data) : m_data(data) {}

    void fill(bool firstFill);
    // Sends the names in column 3 to the host (SetNameTags).
    void commitNames();
    // The highlight of the row reached last goes from the drawing.
    void leave();

    Ork_Spread& grid() { return m_grid; }
    int highlightedRow() const { return m_highlighted; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    void onSize(unsigned type, int cx, int cy) override;
    bool preTranslateMessage(const ui::Msg& msg) override;
    void onOK() override;
    void onCancel() override;

private:
    int rowCount() const;
    void fitColumns();
    void rowReached(int row);
    void flexibilityChanged(int row);
    void constraintGeometrySwitched(int row);

    EditConstrData* m_data;
    Ork_Spread m_grid;
    bool m_initialised = false;
    int m_highlighted = -1;
};
