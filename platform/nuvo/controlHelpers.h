#pragma once
// The host's helpers for the controls of a dialog: filling a combo box with a list of texts, and showing or
// hiding one control.
#include "nuvo/Ork_StringArray.h"

namespace ui {
class Window;
}

// Empties the combo box and adds the items in order (a sorted combo box sorts them). False, nothing
// changed, when `combo` is not a live combo box.
bool FillCombo(ui::Window* combo, const Ork_StringArray& items);
// Shows or hides the child `id` of `dialog`; false when there is no such child.
bool ShowOrHideCtrl(ui::Window* dialog, int id, bool show);

// A three-state check box becomes a two-state one for good (after the user has clicked it, its
// indeterminate state is gone); an indeterminate check becomes unchecked. False for no check box.
bool disableTriState(ui::Window* checkBox);
// Sets a check box to `state` without notifying; an indeterminate state turns a two-state box into a
// three-state one so that it can show it. False for no check box.
bool changeCheckStatus(ui::Window* checkBox, int state);
