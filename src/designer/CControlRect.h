#pragma once
// One control window of a designed page, owned by the page: the rectangle it was made for and the window
// itself. The window may already be gone when the page lets go of it (its dialog destroyed it); then only the
// record is freed.
#include "ui/geometry.h"

namespace ui {
class Window;
}

class CControlRect {
public:
    CControlRect(ui::Window* window, const ui::Rect& rect);
    ~CControlRect();
    CControlRect(const CControlRect&) = delete;
    CControlRect& operator=(const CControlRect&) = delete;

    // The window while it lives; null once its dialog has destroyed it.
    ui::Window* window() const;
    int id() const;
    const ui::Rect& rect() const { return m_rect; }
    // Destroys the window if it still lives.
    void destroyWindow();

private:
    ui::Window* m_window;
    ui::Rect m_rect;
};
