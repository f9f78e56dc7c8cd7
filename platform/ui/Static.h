#pragma once
// Static class: a text label, frame, icon or bitmap. With SS_NOTIFY a click sends STN_CLICKED to the parent;
// without it the static is transparent to the mouse (the click goes to the window below).
#include "ui/Window.h"

namespace ui {

class Static : public Window {
public:
    Static();
    bool create(std::u16string_view text, std::uint32_t style, const Rect& rect, Window* parent, int id = IDC_STATIC) {
        return Window::create(u"Static", text, style, rect, parent, id);
    }
    Image setIcon(const Image& icon);
    Image getIconImage() const { return m_icon; }
    Image setBitmap(const Image& bitmap);
    Image getBitmap() const { return m_bitmap; }
    int hitTest(Point client) override;
    unsigned getDlgCode(const Msg* msg) override { (void)msg; return DLGC_STATIC; }

protected:
    LRESULT defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) override;

private:
    Image m_icon, m_bitmap;
};

} // namespace ui
