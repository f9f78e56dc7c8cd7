#pragma once
// Pictures of windows: a window and its visible descendants drawn into a canvas, simply but legibly, so that
// anyone can look at a dialog (writeWindowPng) and tests can check what shows where.
//
// The framework's own classes (dialogs, statics, buttons, edits, combo boxes, tab controls, list views) are
// drawn here. Other classes — a library's custom control such as the grid — register a painter under their
// class name; a class with neither shows as a labelled placeholder box.
#include "ui/Window.h"
#include "ui/paint/Canvas.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace ui {

// Draws the client area of `window`, whose rectangle on the canvas is `client`; the canvas is clipped to it.
// The frame and the children are drawn by the caller.
using PaintFunction = std::function<void(Canvas& canvas, const Window& window, const Rect& client)>;

class WindowPainter {
public:
    // Registers (or replaces) the painter of a class, compared ignoring case; an empty function removes it.
    // A registered painter is used also for the framework's own classes.
    static void registerPainter(std::u16string_view className, PaintFunction paint);
    static bool hasPainter(std::u16string_view className);

    // One window's own steps, after its class has drawn its client area and before its children: `erase`
    // lays the background, then `paint` draws on it (a dialog that shows a picture behind its controls).
    // Labels draw only their text, so such a background shows around it. Empty functions remove the steps;
    // the owner of the steps removes them before the window goes.
    static void setWindowSteps(const Window* window, PaintFunction erase, PaintFunction paint);
    static bool hasWindowSteps(const Window* window);
};

// The window with its frame and all visible descendants, at the window's own size (at most Canvas::kMaxSide
// each way). The window itself is drawn even when hidden; hidden descendants are not.
Canvas renderWindow(const Window& window);

// The same as a PNG file, written atomically.
bool writeWindowPng(const Window& window, const std::filesystem::path& path, std::u16string& error);

} // namespace ui
