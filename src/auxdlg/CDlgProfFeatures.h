#pragma once
// The profile features dialog: edits the host's profile features record.
// For now it ends with OK or Cancel; its controls arrive with the dialog itself.
// Its record, the host's DlgProfFeaturesData, joins it when the host library provides that record.
#include "ui/Dialog.h"

class CDlgProfFeatures : public ui::Dialog {
public:
    explicit CDlgProfFeatures(ui::Window* parent = nullptr);
};
