#include "ui/Robot.h"

#include "os/utf16.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Edit.h"
#include "ui/Input.h"
#include "ui/ListCtrl.h"
#include "ui/TabCtrl.h"
#include "ui/Timers.h"

namespace ui {

namespace {

std::string describe(const Window& w) {
    std::string s = os::toUtf8(w.getClassName()) + " " + std::to_string(w.getDlgCtrlID());
    if (!w.getWindowText().empty()) s += " \"" + os::toUtf8(w.getWindowText()) + "\"";
    return s;
}

Point centre(const Window& w) {
    Rect c = w.getClientRect();
    return {c.width() / 2, c.height() / 2};
}

// One turn of the message loop: what the action posted is delivered before it returns.
struct Action {
    Desktop::DispatchScope scope;
    ~Action() { Desktop::pumpPosted(); }
};

unsigned mouseFlags(unsigned mods) {
    return ((mods & ModShift) ? MK_SHIFT : 0) | ((mods & ModCtrl) ? MK_CONTROL : 0);
}

} // namespace

Robot::Robot(Script::FailureHandler onFailure) : m_onFailure(std::move(onFailure)) {}

void Robot::fail(const std::string& message) {
    Desktop::log(u"robot failure: " + os::toUtf16(message));
    if (m_onFailure)
        m_onFailure(message);
    else if (Script::defaultFailureHandler())
        Script::defaultFailureHandler()(message);
}

void Robot::setModifiers(unsigned mods) {
    Desktop::setKeyDown(VK_SHIFT, (mods & ModShift) != 0);
    Desktop::setKeyDown(VK_CONTROL, (mods & ModCtrl) != 0);
    Desktop::setKeyDown(VK_MENU, (mods & ModAlt) != 0);
}

bool Robot::mouse(Window& w, Point client, unsigned down, unsigned up, unsigned mods, bool requireTarget) {
    if (!ui::isWindow(&w)) {
        fail("mouse on a window that does not exist");
        return false;
    }
    Action action;
    const Point screen = w.clientToScreen(client);
    Window* hit = Desktop::windowFromPoint(screen);
    if (!hit) {
        if (requireTarget) fail("click on " + describe(w) + ": nothing visible there");
        return false;
    }
    if (requireTarget && hit != &w) {
        fail("click on " + describe(w) + " reached " + describe(*hit) +
             (w.isWindowVisible() ? (w.isWindowEnabled() ? " (covered)" : " (it is disabled)") : " (it is hidden)"));
    }
    if (!hit->isWindowEnabled()) return false;  // a disabled window swallows the click
    setModifiers(mods);
    Desktop::setCursorPos(screen);
    const bool right = down == WM_RBUTTONDOWN;
    const unsigned flags = mouseFlags(mods) | (right ? MK_RBUTTON : MK_LBUTTON);
    Point p = hit->screenToClient(screen);
    if (down) {
        Desktop::setKeyDown(right ? VK_RBUTTON : VK_LBUTTON, true);
        dispatchInput(Msg{hit, down, flags, makeLParam(p.x, p.y), screen, Timers::now()});
    }
    if (up && ui::isWindow(hit)) {
        Desktop::setKeyDown(right ? VK_RBUTTON : VK_LBUTTON, false);
        p = hit->screenToClient(screen);
        dispatchInput(Msg{hit, up, mouseFlags(mods), makeLParam(p.x, p.y), screen, Timers::now()});
    }
    setModifiers(ModNone);
    return hit == &w;
}

bool Robot::click(Window& w, unsigned mods) { return mouse(w, centre(w), WM_LBUTTONDOWN, WM_LBUTTONUP, mods, true); }

bool Robot::click(Window& parent, int childId, unsigned mods) {
    Window* w = parent.findDescendant(childId);
    if (!w) {
        fail("click on control " + std::to_string(childId) + ": " + describe(parent) + " has no such control");
        return false;
    }
    return click(*w, mods);
}

bool Robot::clickAt(Window& w, Point client, unsigned mods) {
    return mouse(w, client, WM_LBUTTONDOWN, WM_LBUTTONUP, mods, false);
}

bool Robot::doubleClickAt(Window& w, Point client, unsigned mods) {
    bool ok = mouse(w, client, WM_LBUTTONDOWN, WM_LBUTTONUP, mods, false);
    return mouse(w, client, WM_LBUTTONDBLCLK, WM_LBUTTONUP, mods, false) && ok;
}

bool Robot::rightClick(Window& w, unsigned mods) { return mouse(w, centre(w), WM_RBUTTONDOWN, WM_RBUTTONUP, mods, true); }

bool Robot::rightClickAt(Window& w, Point client, unsigned mods) {
    return mouse(w, client, WM_RBUTTONDOWN, WM_RBUTTONUP, mods, false);
}

bool Robot::mouseDown(Window& w, Point client, bool right, unsigned mods) {
    return mouse(w, client, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, 0, mods, false);
}

bool Robot::mouseUp(Window& w, Point client, bool right, unsigned mods) {
    return mouse(w, client, 0, right ? WM_RBUTTONUP : WM_LBUTTONUP, mods, false);
}

bool Robot::mouseMove(Window& w, Point client, unsigned mods) {
    return mouse(w, client, WM_MOUSEMOVE, 0, mods, false);
}

namespace {
bool usable(const Window& w) { return ui::isWindow(&w) && w.isWindowVisible() && w.isWindowEnabled(); }
} // namespace

bool Robot::type(Window& w, std::u16string_view text) {
    if (!usable(w)) {
        fail("typing into " + (ui::isWindow(&w) ? describe(w) : std::string("a window that does not exist")) +
             ": it is not visible and enabled");
        return false;
    }
    Action action;
    if (Desktop::getFocus() != &w) {
        w.setFocus();
        // As a click at the end of the text: the caret goes there.
        if (auto* combo = dynamic_cast<ComboBox*>(&w)) {
            int end = combo->getWindowTextLength();
            combo->setEditSel(end, end);
        } else if (auto* edit = dynamic_cast<Edit*>(&w)) {
            int end = edit->getWindowTextLength();
            edit->setSel(end, end);
        }
    }
    for (char16_t c : text) {
        if (!ui::isWindow(&w)) break;
        dispatchInput(Msg{&w, WM_CHAR, c == u'\n' ? WPARAM(u'\r') : WPARAM(c), 0, Desktop::cursorPos(), Timers::now()});
    }
    return true;
}

bool Robot::replaceText(Window& w, std::u16string_view text) {
    if (!usable(w)) {
        fail("typing into " + (ui::isWindow(&w) ? describe(w) : std::string("a window that does not exist")) +
             ": it is not visible and enabled");
        return false;
    }
    Action action;
    if (Desktop::getFocus() != &w) w.setFocus();
    if (auto* combo = dynamic_cast<ComboBox*>(&w))
        combo->setEditSel(0, -1);
    else
        w.sendMessage(EM_SETSEL, 0, -1);
    if (text.empty()) {
        dispatchInput(Msg{&w, WM_CHAR, WPARAM(u'\b'), 0, Desktop::cursorPos(), Timers::now()});
        return true;
    }
    return type(w, text);
}

bool Robot::replaceTextOf(Window& parent, int childId, std::u16string_view text) {
    Window* w = parent.findDescendant(childId);
    if (!w) {
        fail("typing into control " + std::to_string(childId) + ": " + describe(parent) + " has no such control");
        return false;
    }
    return replaceText(*w, text);
}

bool Robot::choose(ComboBox& combo, int index) {
    if (!usable(combo)) {
        fail("choosing in " + describe(combo) + ": it is not visible and enabled");
        return false;
    }
    if (index < 0 || index >= combo.getCount()) {
        fail("choosing item " + std::to_string(index) + " of " + describe(combo) + ", which has " +
             std::to_string(combo.getCount()));
        return false;
    }
    Action action;
    combo.setFocus();
    combo.showDropDown(true);
    combo.userSelect(index);
    if (ui::isWindow(&combo)) combo.showDropDown(false);
    return true;
}

bool Robot::choose(ComboBox& combo, std::u16string_view itemText) {
    int index = combo.findStringExact(-1, itemText);
    if (index == CB_ERR) {
        fail("choosing \"" + os::toUtf8(itemText) + "\" in " + describe(combo) + ": no such item");
        return false;
    }
    return choose(combo, index);
}

bool Robot::choose(TabCtrl& tabs, int index) {
    Rect r;
    if (!usable(tabs) || !tabs.getItemRect(index, r)) {
        fail("choosing tab " + std::to_string(index) + " of " + (ui::isWindow(&tabs) ? describe(tabs) : std::string("?")));
        return false;
    }
    mouse(tabs, {(r.left + r.right) / 2, (r.top + r.bottom) / 2}, WM_LBUTTONDOWN, WM_LBUTTONUP, ModNone, true);
    return ui::isWindow(&tabs) && tabs.getCurSel() == index;
}

bool Robot::choose(ListCtrl& list, int index, bool doubleClick) {
    if (!usable(list) || index < 0 || index >= list.getItemCount()) {
        fail("choosing item " + std::to_string(index) + " of " + (ui::isWindow(&list) ? describe(list) : std::string("?")));
        return false;
    }
    Action action;
    list.userClick(index, doubleClick);
    return true;
}

bool Robot::toggleCheck(ComboBox& combo, int index) {
    if (!usable(combo) || index < 0 || index >= combo.getCount()) {
        fail("toggling item " + std::to_string(index) + " of " + (ui::isWindow(&combo) ? describe(combo) : std::string("?")));
        return false;
    }
    Action action;
    combo.userToggleCheck(index);
    return true;
}

bool Robot::keyDown(unsigned vk, unsigned mods) {
    Window* target = Desktop::getFocus();
    if (!target) target = Desktop::getForegroundWindow();
    if (!ui::isWindow(target)) {
        fail("key " + std::to_string(vk) + ": no window has the focus");
        return false;
    }
    Action action;
    setModifiers(mods);
    Desktop::setKeyDown(vk, true);
    dispatchInput(Msg{target, WM_KEYDOWN, vk, 0, Desktop::cursorPos(), Timers::now()});
    // The characters a key makes (the platform's translation), for the keys that make one in an edit.
    char16_t ch = 0;
    if (!(mods & (ModCtrl | ModAlt))) {
        if (vk == VK_SPACE) ch = u' ';
        if (vk == VK_BACK) ch = u'\b';
    }
    if (ch) {
        Window* now = Desktop::getFocus();
        if (ui::isWindow(now)) dispatchInput(Msg{now, WM_CHAR, ch, 0, Desktop::cursorPos(), Timers::now()});
    }
    return true;
}

bool Robot::keyUp(unsigned vk, unsigned mods) {
    Window* target = Desktop::getFocus();
    if (!target) target = Desktop::getForegroundWindow();
    Action action;
    setModifiers(mods);
    Desktop::setKeyDown(vk, false);
    if (ui::isWindow(target)) dispatchInput(Msg{target, WM_KEYUP, vk, 0, Desktop::cursorPos(), Timers::now()});
    setModifiers(ModNone);
    return ui::isWindow(target);
}

bool Robot::key(unsigned vk, unsigned mods) {
    if (!keyDown(vk, mods)) return false;
    keyUp(vk, mods);
    return true;
}

bool Robot::resize(Window& w, int cx, int cy) {
    if (!ui::isWindow(&w)) {
        fail("resizing a window that does not exist");
        return false;
    }
    Action action;
    MinMaxInfo info;
    w.sendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    cx = std::clamp(cx, info.minTrackSize.cx, std::max(info.minTrackSize.cx, info.maxTrackSize.cx));
    cy = std::clamp(cy, info.minTrackSize.cy, std::max(info.minTrackSize.cy, info.maxTrackSize.cy));
    Rect r = w.getRectInParent();
    return w.moveWindow(r.left, r.top, cx, cy);
}

bool Robot::close(Window& w) {
    if (!ui::isWindow(&w)) {
        fail("closing a window that does not exist");
        return false;
    }
    Action action;
    w.sendMessage(WM_CLOSE);
    return true;
}

void Robot::advance(std::uint64_t ms) {
    Action action;
    Timers::advance(ms);
}

} // namespace ui
