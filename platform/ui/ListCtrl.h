#pragma once
// List view class ("SysListView32") as the module uses it: a list of thumbnails (text and picture per item)
// with a selection. Programmatic selection does not notify; a user's click selects the item and then sends
// LVN_ITEMCHANGED and NM_CLICK (a double click NM_DBLCLK) as WM_NOTIFY to the parent.
#include "ui/Window.h"

#include <vector>

namespace ui {

class ListCtrl : public Window {
public:
    struct Item {
        std::u16string text;
        int image = -1;  // index into the image list
        std::intptr_t data = 0;
        bool selected = false;
    };

    ListCtrl();
    bool create(std::uint32_t style, const Rect& rect, Window* parent, int id) {
        return Window::create(u"SysListView32", u"", style, rect, parent, id);
    }
    // The thumbnails: one picture per image index, all of one size.
    void setImageList(std::vector<Image> images, Size thumbSize);
    const std::vector<Image>& imageList() const { return m_images; }
    Size thumbnailSize() const { return m_thumb; }

    int insertItem(int index, std::u16string_view text, int image = -1);  // -1 appends; the new index
    bool deleteItem(int index);
    bool deleteAllItems();
    int getItemCount() const { return static_cast<int>(m_items.size()); }
    std::u16string getItemText(int index) const;
    bool setItemText(int index, std::u16string_view text);
    bool setItemData(int index, std::intptr_t data);
    std::intptr_t getItemData(int index) const;
    int getItemImage(int index) const;
    bool setItemSelected(int index, bool selected);  // no notification; LVS_SINGLESEL clears the others
    bool isItemSelected(int index) const;
    int getSelectedCount() const;
    int getNextSelected(int after = -1) const;  // -1 when none
    bool ensureVisible(int index) { return index >= 0 && index < getItemCount(); }
    const std::vector<Item>& items() const { return m_items; }

    void userClick(int index, bool doubleClick = false);

protected:
    LRESULT defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<Item> m_items;
    std::vector<Image> m_images;
    Size m_thumb{64, 64};
};

} // namespace ui
