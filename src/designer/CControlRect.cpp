#include "designer/CControlRect.h"

#include "ui/Window.h"

CControlRect::CControlRect() : ui::RectTracker(ui::Rect{}, solidLine | resizeOutside) { handleSize = kHandleSize; }

CControlRect::CControlRect(ui::Window* window, const ui::Rect& r) : CControlRect() {
    m_window = window;
    rect = r;
}

CControlRect::~CControlRect() { destroyWindow(); }

bool CControlRect::createWindow(std::uint32_t exStyle, const char16_t* className, const Ork_String& text,
                                std::uint32_t style, const ui::Rect& r, ui::Window* parent, int id) {
    if (window())
        return false;
    if (!r.isEmpty())
        rect = r;
    m_window = ui::createWindow(className, text, style | ui::WS_CHILD | ui::WS_VISIBLE, rect, parent, id, exStyle);
    return m_window != nullptr;
}

void CControlRect::moveTo(const ui::Rect& r) {
    rect = r;
    if (ui::Window* w = window())
        w->moveWindow(r);
}

bool CControlRect::trackAndMove(ui::Window* dialog, ui::Point p) {
    if (!track(dialog, p))
        return false;
    moveTo(rect);
    return true;
}

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
