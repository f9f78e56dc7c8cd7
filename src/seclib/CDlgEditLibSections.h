#pragma once
// The section library editor: groups, types and value tables of the library, on three tabs.
// For now it ends with OK or Cancel; its controls arrive with the dialog itself.
// Its record, the host's DlgEditLibData, joins it when the host library provides that record.
#include "ui/Dialog.h"

class CDlgEditLibSections : public ui::Dialog {
public:
    explicit CDlgEditLibSections(ui::Window* parent = nullptr);
};
