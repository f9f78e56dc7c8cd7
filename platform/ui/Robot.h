#pragma once
// Drives windows the way a person does, through the same routes as real input (Input.h): clicks are hit-tested
// (a click on a disabled control lands on the window below it), keys go to the focus window through the
// pre-translate hooks and the dialog manager, typing goes character by character. Posted messages and deferred
// deletions are processed after each action. Actions that cannot reach their target report a failure through
// the failure handler (the same kind as Script's) and return false.
#include "ui/Script.h"
#include "ui/Window.h"

#include <cstdint>
#include <string_view>

namespace ui {

class ComboBox;
class TabCtrl;
class ListCtrl;

// Modifier keys held during a key or a click.
enum Modifiers : unsigned { ModNone = 0, ModShift = 1, ModCtrl = 2, ModAlt = 4 };

class Robot {
public:
    explicit Robot(Script::FailureHandler onFailure = {});

    // Left click in the middle of `w` (or at a client point). True when the click reached `w` itself.
    bool click(Window& w, unsigned mods = ModNone);
    bool click(Window& parent, int childId, unsigned mods = ModNone);  // a descendant by id
    bool clickAt(Window& w, Point client, unsigned mods = ModNone);
    bool doubleClickAt(Window& w, Point client, unsigned mods = ModNone);
    bool rightClick(Window& w, unsigned mods = ModNone);
    bool rightClickAt(Window& w, Point client, unsigned mods = ModNone);
    bool mouseDown(Window& w, Point client, bool right = false, unsigned mods = ModNone);
    bool mouseUp(Window& w, Point client, bool right = false, unsigned mods = ModNone);
    bool mouseMove(Window& w, Point client, unsigned mods = ModNone);

    // Focuses `w` (as a click into it would, without the click) and types `text` character by character.
    bool type(Window& w, std::u16string_view text);
    // Selects all of `w`'s text and types `text` over it.
    bool replaceText(Window& w, std::u16string_view text);
    // replaceText on a descendant found by id.
    bool replaceTextOf(Window& parent, int childId, std::u16string_view text);

    // Chooses an item as a user does (the control notifies its parent). A combo box opens its list
    // (CBN_DROPDOWN), takes the choice (CBN_SELCHANGE) and closes it (CBN_CLOSEUP).
    bool choose(ComboBox& combo, int index);
    bool choose(ComboBox& combo, std::u16string_view itemText);  // the item equal to the text, ignoring case
    bool choose(TabCtrl& tabs, int index);
    bool choose(ListCtrl& list, int index, bool doubleClick = false);
    bool toggleCheck(ComboBox& combo, int index);

    // A key pressed and released at the focus window (Tab, Shift+Tab, Enter, Escape, Space, F3, F5...).
    bool key(unsigned vk, unsigned mods = ModNone);
    bool keyDown(unsigned vk, unsigned mods = ModNone);
    bool keyUp(unsigned vk, unsigned mods = ModNone);

    // A user's resize of a top-level window (respecting its minimum tracking size) or of any window to a new
    // window size.
    bool resize(Window& w, int cx, int cy);
    // The close box of a top-level window (WM_CLOSE).
    bool close(Window& w);
    // Advances the virtual clock, firing due timers.
    void advance(std::uint64_t ms);

private:
    bool mouse(Window& w, Point client, unsigned down, unsigned up, unsigned mods, bool requireTarget);
    void fail(const std::string& message);
    void setModifiers(unsigned mods);
    Script::FailureHandler m_onFailure;
};

} // namespace ui
