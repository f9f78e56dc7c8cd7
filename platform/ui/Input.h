#pragma once
// The route of one input message, as the platform's message loop takes it: first the pre-translate hooks of
// the target window and each of its ancestors, innermost first (any may swallow it); then, for keys, the dialog
// manager of the outermost dialog around the target (Tab, Shift+Tab, Enter, Escape), unless the target asks for
// the key itself (getDlgCode); then the target window. Keys go to the focus window, mouse messages to the window
// under the cursor. The Robot feeds everything through here.
#include "ui/Msg.h"

namespace ui {

// Routes `msg` (its window must be set). Returns false when the window is missing or not a window.
bool dispatchInput(const Msg& msg);

// The outermost dialog that contains `w` (or is `w`), or null.
class Dialog;
Dialog* outermostDialog(Window* w);

} // namespace ui
