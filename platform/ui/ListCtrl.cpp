#include "ui/ListCtrl.h"

namespace ui {

ListCtrl::ListCtrl() = default;

void ListCtrl::setImageList(std::vector<Image> images, Size thumbSize) {
    m_images = std::move(images);
    m_thumb = thumbSize;
    invalidate();
}

int ListCtrl::insertItem(int index, std::u16string_view text, int image) {
    if (index < 0 || index > getItemCount()) index = getItemCount();
    m_items.insert(m_items.begin() + index, Item{std::u16string(text), image, 0, false});
    invalidate();
    return index;
}

bool ListCtrl::deleteItem(int index) {
    if (index < 0 || index >= getItemCount()) return false;
    m_items.erase(m_items.begin() + index);
    invalidate();
    return true;
}

bool ListCtrl::deleteAllItems() {
    m_items.clear();
    invalidate();
    return true;
}

std::u16string ListCtrl::getItemText(int index) const {
    return (index >= 0 && index < getItemCount()) ? m_items[static_cast<size_t>(index)].text : std::u16string();
}

bool ListCtrl::setItemText(int index, std::u16string_view text) {
    if (index < 0 || index >= getItemCount()) return false;
    m_items[static_cast<size_t>(index)].text = std::u16string(text);
    invalidate();
    return true;
}

bool ListCtrl::setItemData(int index, std::intptr_t data) {
    if (index < 0 || index >= getItemCount()) return false;
    m_items[static_cast<size_t>(index)].data = data;
    return true;
}

std::intptr_t ListCtrl::getItemData(int index) const {
    return (index >= 0 && index < getItemCount()) ? m_items[static_cast<size_t>(index)].data : 0;
}

int ListCtrl::getItemImage(int index) const {
    return (index >= 0 && index < getItemCount()) ? m_items[static_cast<size_t>(index)].image : -1;
}

bool ListCtrl::setItemSelected(int index, bool selected) {
    if (index < 0 || index >= getItemCount()) return false;
    if (selected && (getStyle() & LVS_SINGLESEL))
        for (auto& item : m_items) item.selected = false;
    m_items[static_cast<size_t>(index)].selected = selected;
    invalidate();
    return true;
}

bool ListCtrl::isItemSelected(int index) const {
    return index >= 0 && index < getItemCount() && m_items[static_cast<size_t>(index)].selected;
}

int ListCtrl::getSelectedCount() const {
    int n = 0;
    for (const auto& item : m_items) n += item.selected ? 1 : 0;
    return n;
}

int ListCtrl::getNextSelected(int after) const {
    for (int i = after + 1; i < getItemCount(); ++i)
        if (m_items[static_cast<size_t>(i)].selected) return i;
    return -1;
}

void ListCtrl::userClick(int index, bool doubleClick) {
    if (!isWindowEnabled() || index < 0 || index >= getItemCount()) return;
    setFocus();
    // A click selects the item alone.
    for (auto& item : m_items) item.selected = false;
    m_items[static_cast<size_t>(index)].selected = true;
    invalidate();
    notifyParentNm(LVN_ITEMCHANGED);
    notifyParentNm(doubleClick ? NM_DBLCLK : NM_CLICK);
}

LRESULT ListCtrl::defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONDOWN) {
        setFocus();
        return 0;
    }
    return Window::defWindowProc(msg, wParam, lParam);
}

} // namespace ui
