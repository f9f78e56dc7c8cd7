#pragma once
// The macro selection dialog: a filtered list of macro names, some of them disabled, and an option.
//
// For now it holds its fields and ends with OK or Cancel; the list arrives with the dialog itself.
#include "cadhost/AcArray.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "ui/Dialog.h"

class CDlgSelectMacro : public ui::Dialog {
public:
    explicit CDlgSelectMacro(ui::Window* parent = nullptr);

    // The filter: names offered, which of them can be chosen, and the caller's two filter values.
    void initFilter(const Ork_StringArray& names, const AcArray<bool>& enabled, int first, int second);

    Ork_String m_title;
    Ork_StringArray m_names;
    AcArray<bool> m_enabled;
    int m_filterFirst = 0;
    int m_filterSecond = 0;
    Ork_String m_chosen;
    bool m_option = false;
    bool m_flag = false;

protected:
    bool onInitDialog() override;
};
