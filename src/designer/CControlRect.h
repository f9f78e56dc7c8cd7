#pragma once
// One control window of a designed page, owned by the page: a tracker rectangle (solid line, 5-pixel handles
// outside, all eight of them whatever its size) and the window it stands for. The window may already be gone
// when the page lets go of it (its dialog destroyed it); then only the record is freed.
#include "nuvo/Ork_String.h"
#include "ui/RectTracker.h"
#include "ui/geometry.h"

#include <cstdint>

namespace ui {
class Window;
}

class CControlRect : public ui::RectTracker {
public:
    static constexpr int kHandleSize = 5;

    CControlRect();
    CControlRect(ui::Window* window, const ui::Rect& rect);
    ~CControlRect() override;
    CControlRect(const CControlRect&) = delete;
    CControlRect& operator=(const CControlRect&) = delete;

    bool selected = false;

    // Every handle, also on a control too small for edge handles: a designer must be able to grow it.
    unsigned getHandleMask() const override { return 0xFF; }

    // Creates the window (child and visible added to `style`); a non-empty `rect` becomes the tracker
    // rectangle first. False when the rectangle already has a window or the creation fails.
    bool createWindow(std::uint32_t exStyle, const char16_t* className, const Ork_String& text, std::uint32_t style,
                      const ui::Rect& rect, ui::Window* parent, int id);
    // The tracker rectangle and the window go to `r`.
    void moveTo(const ui::Rect& r);
    // The user drags from `p` (a handle resizes, the body moves); the window follows. True when it moved.
    bool trackAndMove(ui::Window* dialog, ui::Point p);

    // The window while it lives; null once its dialog has destroyed it.
    ui::Window* window() const;
    int id() const;
    // Destroys the window if it still lives.
    void destroyWindow();

private:
    ui::Window* m_window = nullptr;
};
