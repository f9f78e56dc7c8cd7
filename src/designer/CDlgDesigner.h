#pragma once
// The dialog designer: a user draws a page of controls over a picture and saves it as a designed page.
//
// For now it ends with OK or Cancel; the designer arrives with the dialog itself.
#include "nuvo/Ork_String.h"
#include "ui/Dialog.h"

class CDlgDesigner : public ui::Dialog {
public:
    explicit CDlgDesigner(ui::Window* parent = nullptr);

    Ork_String m_name;  // the designed page to open
};
