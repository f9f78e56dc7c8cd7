#pragma once
// Tab control class ("SysTabControl32"): a row of tab headers over a display area where pages (child dialogs)
// are placed. setCurSel does not notify; a user's choice sends TCN_SELCHANGING (a non-zero answer keeps the
// old tab), changes the selection and sends TCN_SELCHANGE, both as WM_NOTIFY to the parent. The display area
// is the client area less the header row and a margin (Metrics); outside the header row the control lets
// clicks through to the pages below it.
#include "ui/Window.h"

#include <vector>

namespace ui {

class TabCtrl : public Window {
public:
    struct Item {
        std::u16string text;
        int image = -1;
        std::intptr_t data = 0;
    };

    TabCtrl();
    bool create(std::uint32_t style, const Rect& rect, Window* parent, int id) {
        return Window::create(u"SysTabControl32", u"", style, rect, parent, id);
    }
    int insertItem(int index, std::u16string_view text, std::intptr_t data = 0);  // index of the new item, or -1
    bool deleteItem(int index);
    bool deleteAllItems();
    int getItemCount() const { return static_cast<int>(m_items.size()); }
    std::u16string getItemText(int index) const;
    bool setItemText(int index, std::u16string_view text);
    std::intptr_t getItemData(int index) const;
    int getCurSel() const { return m_curSel; }
    int setCurSel(int index);  // the previous selection, or -1 for a bad index (nothing changes)
    // The header of item `index` in client coordinates (one row, each header as wide as its text plus padding).
    bool getItemRect(int index, Rect& rect) const;
    // Display area in client coordinates.
    Rect getDisplayRect() const;
    // The platform's adjust: larger=false turns a window rectangle into its display area, true the reverse.
    void adjustRect(bool larger, Rect& rect) const;
    // Moves `page` (a sibling or a child of the control) over the display area.
    bool placePage(Window& page) const;
    const std::vector<Item>& items() const { return m_items; }

    // A user's click on a tab (the Robot calls this). False when the parent refused the change or the index is bad.
    bool userSelect(int index);

    int hitTest(Point client) override;

protected:
    LRESULT defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<Item> m_items;
    int m_curSel = -1;
};

} // namespace ui
