#pragma once
// A dialog template: what a dialog resource holds. Rectangles are in pixels (no dialog units), the dialog's
// size is its client size, and each control's rectangle is in the dialog's client coordinates.
#include "ui/Font.h"
#include "ui/constants.h"
#include "ui/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

struct ControlTemplate {
    std::u16string className;  // "Button", "Edit", "Static", "ComboBox", "SysTabControl32", ... or a custom class
    int id = IDC_STATIC;
    std::u16string text;
    std::uint32_t style = WS_CHILD | WS_VISIBLE;  // WS_CHILD is added when missing
    std::uint32_t exStyle = 0;
    Rect rect;
};

struct DialogTemplate {
    int id = 0;
    std::u16string caption;
    Size size{200, 100};  // client size
    // A top-level dialog gets a caption frame; a page (WS_CHILD) none. WS_VISIBLE makes a modeless dialog
    // shown on creation.
    std::uint32_t style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    std::uint32_t exStyle = 0;
    Font font = defaultDialogFont();
    std::vector<ControlTemplate> controls;

    bool visible() const { return (style & WS_VISIBLE) != 0; }
    // Builder helpers, so that a template reads as a table.
    DialogTemplate& add(std::u16string className, int id, std::u16string text, std::uint32_t style, Rect rect,
                        std::uint32_t exStyle = 0) {
        controls.push_back({std::move(className), id, std::move(text), style, exStyle, rect});
        return *this;
    }
};

} // namespace ui
