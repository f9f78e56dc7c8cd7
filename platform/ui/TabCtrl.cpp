#include "ui/TabCtrl.h"

namespace ui {

TabCtrl::TabCtrl() = default;

int TabCtrl::insertItem(int index, std::u16string_view text, std::intptr_t data) {
    if (index < 0) return -1;
    if (index > getItemCount()) index = getItemCount();
    m_items.insert(m_items.begin() + index, Item{std::u16string(text), -1, data});
    // The first tab becomes the selected one, as on the platform.
    if (m_curSel < 0)
        m_curSel = 0;
    else if (m_curSel >= index && getItemCount() > 1)
        ++m_curSel;
    invalidate();
    return index;
}

bool TabCtrl::deleteItem(int index) {
    if (index < 0 || index >= getItemCount()) return false;
    m_items.erase(m_items.begin() + index);
    if (m_curSel == index)
        m_curSel = -1;
    else if (m_curSel > index)
        --m_curSel;
    invalidate();
    return true;
}

bool TabCtrl::deleteAllItems() {
    m_items.clear();
    m_curSel = -1;
    invalidate();
    return true;
}

std::u16string TabCtrl::getItemText(int index) const {
    if (index < 0 || index >= getItemCount()) return {};
    return m_items[static_cast<size_t>(index)].text;
}

bool TabCtrl::setItemText(int index, std::u16string_view text) {
    if (index < 0 || index >= getItemCount()) return false;
    m_items[static_cast<size_t>(index)].text = std::u16string(text);
    invalidate();
    return true;
}

std::intptr_t TabCtrl::getItemData(int index) const {
    if (index < 0 || index >= getItemCount()) return 0;
    return m_items[static_cast<size_t>(index)].data;
}

int TabCtrl::setCurSel(int index) {
    if (index < 0 || index >= getItemCount()) return -1;
    int previous = m_curSel;
    m_curSel = index;
    invalidate();
    return previous;
}

bool TabCtrl::getItemRect(int index, Rect& rect) const {
    if (index < 0 || index >= getItemCount()) return false;
    const Font font = getFont();
    int x = Metrics::kTabMargin;
    for (int i = 0; i < getItemCount(); ++i) {
        int w = textExtent(font, m_items[static_cast<size_t>(i)].text).cx + 2 * Metrics::kTabItemPadding;
        if (i == index) {
            rect = {x, 0, x + w, Metrics::kTabHeaderHeight};
            return true;
        }
        x += w;
    }
    return false;
}

Rect TabCtrl::getDisplayRect() const {
    Rect r = getClientRect();
    r.deflate(Metrics::kTabMargin, Metrics::kTabHeaderHeight + Metrics::kTabMargin, Metrics::kTabMargin,
              Metrics::kTabMargin);
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

void TabCtrl::adjustRect(bool larger, Rect& rect) const {
    const int m = Metrics::kTabMargin, h = Metrics::kTabHeaderHeight;
    if (larger)
        rect.deflate(-m, -(h + m), -m, -m);
    else
        rect.deflate(m, h + m, m, m);
}

bool TabCtrl::placePage(Window& page) const {
    if (!isWindow() || !page.isWindow()) return false;
    Rect screen = clientToScreen(getDisplayRect());
    Window* parent = page.getParent();
    Rect r = parent ? parent->screenToClient(screen) : screen;
    return page.moveWindow(r);
}

bool TabCtrl::userSelect(int index) {
    if (!isWindowEnabled() || index < 0 || index >= getItemCount()) return false;
    if (index == m_curSel) return true;
    if (notifyParentNm(TCN_SELCHANGING) != 0) return false;
    m_curSel = index;
    invalidate();
    notifyParentNm(TCN_SELCHANGE);
    return true;
}

int TabCtrl::hitTest(Point client) {
    return client.y < Metrics::kTabHeaderHeight ? HTCLIENT : HTTRANSPARENT;
}

LRESULT TabCtrl::defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN: {
        Point p = pointFromLParam(lParam);
        for (int i = 0; i < getItemCount(); ++i) {
            Rect r;
            if (getItemRect(i, r) && r.contains(p)) {
                userSelect(i);
                break;
            }
        }
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RIGHT && m_curSel + 1 < getItemCount()) userSelect(m_curSel + 1);
        if (wParam == VK_LEFT && m_curSel > 0) userSelect(m_curSel - 1);
        return 0;
    case TCM_GETCURSEL:
        return m_curSel;
    case TCM_SETCURSEL:
        return setCurSel(static_cast<int>(wParam));
    case TCM_GETITEMCOUNT:
        return getItemCount();
    default:
        return Window::defWindowProc(msg, wParam, lParam);
    }
}

} // namespace ui
