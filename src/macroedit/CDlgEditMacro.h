#pragma once
// The macro definition editor: constraints, geometry, variables and drawing commands of a macro. It runs
// modally (StartDlgEditConstrModal) or as the single modeless constraints editor (StartDlgEditConstraints),
// which ends through EndDlgEditConstraints when the user closes it.
//
// For now it holds its record and ends with OK or Cancel; its tabs arrive with the editor itself.
#include "nuvo/records/EditConstrData.h"
#include "ui/Dialog.h"

class CDlgEditMacro : public ui::Dialog {
public:
    explicit CDlgEditMacro(ui::Window* parent = nullptr);

    void setModeless(bool modeless) { m_modeless = modeless; }
    bool isModeless() const { return m_modeless; }
    void setConstraintsMode(bool on) { m_constraintsMode = on; }
    bool isConstraintsMode() const { return m_constraintsMode; }

    EditConstrData m_data;

protected:
    void onOK() override;
    void onCancel() override;

private:
    bool m_modeless = false;
    bool m_constraintsMode = false;
};
