#pragma once
// The macro dialog, in which a user fills a macro's values tab by tab. It runs modally (StartDlgMacro) or
// modelessly in a slot of the module's table (StartDlgMacroModeless), whose index it keeps: closing a
// modeless one ends it through EndDlgMacroModeless with that index.
//
// For now it holds its record and ends with OK or Cancel; its tabs arrive with the dialog itself.
#include "nuvo/macro/MacroData.h"
#include "ui/Dialog.h"

class CDlgMacro : public ui::Dialog {
public:
    explicit CDlgMacro(ui::Window* parent = nullptr);

    void setIndex(int index) { m_index = index; }
    int index() const { return m_index; }
    // Busy while the dialog is in the middle of a drawing update: it cannot be destroyed then.
    bool isBusy() const { return m_busy; }
    void setBusy(bool busy) { m_busy = busy; }

    MacroData m_data;

protected:
    void onOK() override;
    void onCancel() override;

private:
    int m_index = -1;
    bool m_busy = false;
};
