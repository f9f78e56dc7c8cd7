#include "ui/Input.h"

#include "ui/Desktop.h"
#include "ui/Dialog.h"
#include "ui/Window.h"

#include <vector>

namespace ui {

Dialog* outermostDialog(Window* w) {
    Dialog* found = nullptr;
    for (Window* p = w; p; p = p->isChildWindow() ? p->getParent() : nullptr)
        if (Dialog* d = p->asDialog()) found = d;
    return found;
}

bool dispatchInput(const Msg& msg) {
    if (!ui::isWindow(msg.window)) return false;
    Desktop::DispatchScope scope;
    // The chain is taken first: a hook may destroy windows on it.
    std::vector<Window*> chain;
    for (Window* w = msg.window; w; w = w->isChildWindow() ? w->getParent() : nullptr) chain.push_back(w);
    for (Window* w : chain)
        if (ui::isWindow(w) && w->preTranslateMessage(msg)) return true;
    const bool key = msg.message >= WM_KEYDOWN && msg.message <= WM_SYSKEYUP;
    if (key && ui::isWindow(msg.window)) {
        Dialog* dialog = outermostDialog(msg.window);
        if (dialog && dialog->isDialogMessage(msg)) return true;
    }
    if (ui::isWindow(msg.window)) msg.window->sendMessage(msg.message, msg.wParam, msg.lParam);
    return true;
}

} // namespace ui
