#include "ui/Static.h"

namespace ui {

Static::Static() = default;

Image Static::setIcon(const Image& icon) {
    Image old = m_icon;
    m_icon = icon;
    invalidate();
    return old;
}

Image Static::setBitmap(const Image& bitmap) {
    Image old = m_bitmap;
    m_bitmap = bitmap;
    invalidate();
    return old;
}

int Static::hitTest(Point client) {
    (void)client;
    return (getStyle() & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
}

LRESULT Static::defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONUP:
        if (getStyle() & SS_NOTIFY) notifyParent(STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (getStyle() & SS_NOTIFY) notifyParent(STN_DBLCLK);
        return 0;
    default:
        return Window::defWindowProc(msg, wParam, lParam);
    }
}

} // namespace ui
