#include "designer/CControlRect.h"

#include "ui/Window.h"

CControlRect::CControlRect(ui::Window* window, const ui::Rect& rect) : m_window(window), m_rect(rect) {}

CControlRect::~CControlRect() { destroyWindow(); }

ui::Window* CControlRect::window() const { return ui::isWindow(m_window) ? m_window : nullptr; }

int CControlRect::id() const {
    const ui::Window* w = window();
    return w ? w->getDlgCtrlID() : 0;
}

void CControlRect::destroyWindow() {
    if (ui::Window* w = window())
        w->destroyWindow();
    m_window = nullptr;
}
