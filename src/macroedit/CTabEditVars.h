#pragma once
// Page 2 of the definition editor: the module's variables (name, value, kind), its dimension values and its
// equations. Committing sends variables and equations to the host (UpdateVarsEqs), which recalculates them;
// the page then shows what the host calculated.
#include "base/KvDlgLayout.h"
#include "macroedit/gridRows.h"
#include "nuvo/CButtonST.h"
#include "nuvo/records/EditConstrData.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

class CTabEditVars : public ui::Dialog {
public:
    explicit CTabEditVars(EditConstrData* data) : m_data(data) {}

    void fill(bool firstFill);
    // Reads the page into the record and calls UpdateVarsEqs. Nothing before initialisation.
    void commit();
    // The page becomes current: commit, then fill.
    void activate();

    Ork_Spread& variablesGrid() { return m_variables; }
    Ork_Spread& dimensionsGrid() { return m_dimensions; }
    bool isInitialised() const { return m_initialised; }
    // The kind list: host texts 900, 895, 893, 901, 902, 1325, 1326, 1327.
    static Ork_StringArray kindList();

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    void onSize(unsigned type, int cx, int cy) override;
    bool preTranslateMessage(const ui::Msg& msg) override;
    void onOK() override {}
    void onCancel() override {}

private:
    void addRow();
    void deleteRow();
    void formatRow(int row);

    EditConstrData* m_data;
    Ork_Spread m_variables;
    Ork_Spread m_dimensions;
    CButtonST m_add, m_delete;
    KvDlgLayout m_layout;
    bool m_initialised = false;
    macroedit::StoredCells<double> m_values;
    macroedit::StoredCells<short> m_kinds;
};
