#pragma once
// The module's child layout of a resizable dialog: the platform's one layout engine (ui/ChildLayout.h), under
// the name the module's dialogs use. The host's CResizer stands on the same engine.
#include "ui/ChildLayout.h"

class KvDlgLayout : public ui::ChildLayout {};
