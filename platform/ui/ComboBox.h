#pragma once
// Combo box class: list-only (CBS_DROPDOWNLIST: the text is the selected item's) or editable (CBS_DROPDOWN,
// CBS_SIMPLE: an edit part of its own). Indexes count from 0; -1 (CB_ERR) means none. Programmatic selection
// never notifies. A user's choice sets the selection and then sends CBN_SELCHANGE; as on the platform, the edit
// part of an editable combo takes the chosen item's text only after CBN_SELCHANGE has returned. Typing into the
// edit part sends CBN_EDITUPDATE and CBN_EDITCHANGE; losing the focus CBN_KILLFOCUS. Items may carry a check
// mark (check-list combos) and a picture.
#include "ui/Window.h"

#include <vector>

namespace ui {

class ComboBox : public Window {
public:
    struct Item {
        std::u16string text;
        std::uintptr_t data = 0;
        bool checked = false;
        Image picture;
    };

    ComboBox();
    bool create(std::uint32_t style, const Rect& rect, Window* parent, int id) {
        return Window::create(u"ComboBox", u"", style, rect, parent, id);
    }
    bool isEditable() const { return (getStyle() & CBS_TYPEMASK) != CBS_DROPDOWNLIST; }

    void resetContent();
    int addString(std::u16string_view text);                // sorted in place with CBS_SORT (ignoring case)
    int insertString(int index, std::u16string_view text);  // -1 appends; CB_ERR beyond the count
    int deleteString(int index);                            // the new count, or CB_ERR
    int getCount() const { return static_cast<int>(m_items.size()); }
    std::u16string getLBText(int index) const;              // empty for a bad index
    int getLBText(int index, std::u16string& out) const;    // length, or CB_ERR
    int getLBTextLen(int index) const;
    int getCurSel() const { return m_curSel; }
    int setCurSel(int index);                               // CB_ERR (and no selection) for a bad index or -1
    // First item after `startAfter` (-1: from the start) that begins with `prefix`, ignoring case; wraps around.
    int findString(int startAfter, std::u16string_view prefix) const;
    // The same for an item equal to `text` ignoring case (the platform's exact find).
    int findStringExact(int startAfter, std::u16string_view text) const;
    // findString, then selects it (no notification); CB_ERR when none.
    int selectString(int startAfter, std::u16string_view prefix);
    bool setItemData(int index, std::uintptr_t data);
    std::uintptr_t getItemData(int index) const;
    bool setItemChecked(int index, bool checked);
    bool getItemChecked(int index) const;
    bool setItemPicture(int index, const Image& picture);
    Image getItemPicture(int index) const;
    const std::vector<Item>& items() const { return m_items; }

    // The edit part's selection (editable combos).
    void setEditSel(int start, int end);
    void getEditSel(int& start, int& end) const { start = m_editStart; end = m_editEnd; }
    void showDropDown(bool show = true);
    bool getDroppedState() const { return m_dropped; }
    void limitText(int maxChars) { m_limit = maxChars; }

    // What a user does (the Robot calls these; they notify).
    void userSelect(int index);
    void userType(std::u16string_view text);   // replaces the edit part's selection, character by character
    void userToggleCheck(int index);           // check-list: flips the item, then CBN_SELCHANGE

    unsigned getDlgCode(const Msg* msg) override;

protected:
    LRESULT defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) override;

private:
    void syncListText();
    std::vector<Item> m_items;
    int m_curSel = -1;
    int m_editStart = 0, m_editEnd = 0;
    int m_limit = 0;
    bool m_dropped = false;
};

} // namespace ui
