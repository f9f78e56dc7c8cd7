#pragma once
// The window classes, by name (compared ignoring case, as the platform does). The framework's own controls are
// registered from the start: "Button", "Edit", "Static", "ComboBox", "SysTabControl32", "SysListView32",
// "tooltips_class32", "RichEdit20W", "#32770" (a dialog) and "ToolbarWindow32"; libraries add their own
// (the grid library its "fpUSpread70") with a factory that makes an object of their control class.
#include "ui/Window.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace ui {

class WindowClasses {
public:
    using Factory = std::function<std::unique_ptr<Window>()>;
    // Registers or replaces a class. False for an empty name or no factory.
    static bool registerClass(std::u16string_view name, Factory factory);
    static bool isRegistered(std::u16string_view name);
    // A new, not yet created object of the class; null when the class is unknown.
    static std::unique_ptr<Window> make(std::u16string_view name);
    // The name as registered ("Edit" for "EDIT"); empty when unknown.
    static std::u16string canonicalName(std::u16string_view name);
};

} // namespace ui
