#pragma once
// The DSTV point files dialog: manages the point files and chooses the standard one.
// For now it ends with OK or Cancel; its controls arrive with the dialog itself.
#include "ui/Dialog.h"

class CDlgSelectDstvPointsFile : public ui::Dialog {
public:
    explicit CDlgSelectDstvPointsFile(ui::Window* parent = nullptr);
};
