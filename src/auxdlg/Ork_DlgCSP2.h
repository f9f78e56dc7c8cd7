#pragma once
// The cutting-stock optimisation dialog: edits the host's optimisation record.
// For now it ends with OK or Cancel; its controls arrive with the dialog itself.
// Its record, the host's DlgCSP2Data, joins it when the host library provides that record.
#include "ui/Dialog.h"

class Ork_DlgCSP2 : public ui::Dialog {
public:
    explicit Ork_DlgCSP2(ui::Window* parent = nullptr);
};
