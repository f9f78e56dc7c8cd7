#include "ui/ComboBox.h"

#include "os/textCase.h"

#include <algorithm>

namespace ui {

ComboBox::ComboBox() = default;

void ComboBox::syncListText() {
    if (isEditable()) return;
    setTextInternal(m_curSel >= 0 ? m_items[static_cast<size_t>(m_curSel)].text : std::u16string());
}

void ComboBox::resetContent() {
    m_items.clear();
    m_curSel = -1;
    setTextInternal({});
    m_editStart = m_editEnd = 0;
    invalidate();
}

int ComboBox::addString(std::u16string_view text) {
    if (getStyle() & CBS_SORT) {
        // After every item that sorts with it, ignoring case: equal texts keep the order they came in.
        auto it = std::upper_bound(m_items.begin(), m_items.end(), text, [](std::u16string_view t, const Item& item) {
            return os::compareNoCase(t, item.text) < 0;
        });
        int index = static_cast<int>(it - m_items.begin());
        return insertString(index, text);
    }
    return insertString(-1, text);
}

int ComboBox::insertString(int index, std::u16string_view text) {
    if (index < -1 || index > getCount()) return CB_ERR;
    if (index == -1) index = getCount();
    m_items.insert(m_items.begin() + index, Item{std::u16string(text), 0, false, {}});
    if (m_curSel >= index) ++m_curSel;
    invalidate();
    return index;
}

int ComboBox::deleteString(int index) {
    if (index < 0 || index >= getCount()) return CB_ERR;
    m_items.erase(m_items.begin() + index);
    if (m_curSel == index)
        m_curSel = -1;
    else if (m_curSel > index)
        --m_curSel;
    syncListText();
    invalidate();
    return getCount();
}

std::u16string ComboBox::getLBText(int index) const {
    if (index < 0 || index >= getCount()) return {};
    return m_items[static_cast<size_t>(index)].text;
}

int ComboBox::getLBText(int index, std::u16string& out) const {
    if (index < 0 || index >= getCount()) return CB_ERR;
    out = m_items[static_cast<size_t>(index)].text;
    return static_cast<int>(out.size());
}

int ComboBox::getLBTextLen(int index) const {
    if (index < 0 || index >= getCount()) return CB_ERR;
    return static_cast<int>(m_items[static_cast<size_t>(index)].text.size());
}

int ComboBox::setCurSel(int index) {
    if (index < 0 || index >= getCount()) {
        m_curSel = -1;
        setTextInternal({});
        m_editStart = m_editEnd = 0;
        invalidate();
        return CB_ERR;
    }
    m_curSel = index;
    setTextInternal(m_items[static_cast<size_t>(index)].text);
    m_editStart = 0;
    m_editEnd = static_cast<int>(textInternal().size());
    invalidate();
    return index;
}

int ComboBox::findString(int startAfter, std::u16string_view prefix) const {
    const int n = getCount();
    if (n == 0) return CB_ERR;
    int start = (startAfter < -1 || startAfter >= n) ? -1 : startAfter;
    for (int k = 1; k <= n; ++k) {
        int i = (start + k) % n;
        if (os::startsWithNoCase(m_items[static_cast<size_t>(i)].text, prefix)) return i;
    }
    return CB_ERR;
}

int ComboBox::findStringExact(int startAfter, std::u16string_view text) const {
    const int n = getCount();
    if (n == 0) return CB_ERR;
    int start = (startAfter < -1 || startAfter >= n) ? -1 : startAfter;
    for (int k = 1; k <= n; ++k) {
        int i = (start + k) % n;
        if (os::equalsNoCase(m_items[static_cast<size_t>(i)].text, text)) return i;
    }
    return CB_ERR;
}

int ComboBox::selectString(int startAfter, std::u16string_view prefix) {
    int i = findString(startAfter, prefix);
    if (i == CB_ERR) return CB_ERR;
    return setCurSel(i);
}

bool ComboBox::setItemData(int index, std::uintptr_t data) {
    if (index < 0 || index >= getCount()) return false;
    m_items[static_cast<size_t>(index)].data = data;
    return true;
}

std::uintptr_t ComboBox::getItemData(int index) const {
    if (index < 0 || index >= getCount()) return static_cast<std::uintptr_t>(CB_ERR);
    return m_items[static_cast<size_t>(index)].data;
}

bool ComboBox::setItemChecked(int index, bool checked) {
    if (index < 0 || index >= getCount()) return false;
    m_items[static_cast<size_t>(index)].checked = checked;
    invalidate();
    return true;
}

bool ComboBox::getItemChecked(int index) const {
    return index >= 0 && index < getCount() && m_items[static_cast<size_t>(index)].checked;
}

bool ComboBox::setItemPicture(int index, const Image& picture) {
    if (index < 0 || index >= getCount()) return false;
    m_items[static_cast<size_t>(index)].picture = picture;
    invalidate();
    return true;
}

Image ComboBox::getItemPicture(int index) const {
    if (index < 0 || index >= getCount()) return {};
    return m_items[static_cast<size_t>(index)].picture;
}

void ComboBox::setEditSel(int start, int end) {
    const int len = static_cast<int>(textInternal().size());
    if (start < 0) {
        m_editStart = m_editEnd;
        return;
    }
    if (end < 0) end = len;
    m_editStart = std::min({start, end, len});
    m_editEnd = std::min(std::max(start, end), len);
}

void ComboBox::showDropDown(bool show) {
    if (show == m_dropped) return;
    m_dropped = show;
    notifyParent(show ? CBN_DROPDOWN : CBN_CLOSEUP);
}

void ComboBox::userSelect(int index) {
    if (!isWindowEnabled() || index < 0 || index >= getCount()) return;
    m_curSel = index;
    syncListText();
    invalidate();
    notifyParent(CBN_SELCHANGE);
    // The edit part follows only after the notification, as on the platform: a handler that reads the window
    // text during CBN_SELCHANGE still sees the old text.
    if (ui::isWindow(this) && isEditable() && m_curSel == index) {
        setTextInternal(m_items[static_cast<size_t>(index)].text);
        m_editStart = 0;
        m_editEnd = static_cast<int>(textInternal().size());
    }
}

void ComboBox::userType(std::u16string_view text) {
    for (char16_t c : text) sendMessage(WM_CHAR, c);
}

void ComboBox::userToggleCheck(int index) {
    if (!isWindowEnabled() || index < 0 || index >= getCount()) return;
    m_items[static_cast<size_t>(index)].checked = !m_items[static_cast<size_t>(index)].checked;
    invalidate();
    notifyParent(CBN_SELCHANGE);
}

unsigned ComboBox::getDlgCode(const Msg* msg) {
    (void)msg;
    unsigned code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (isEditable()) code |= DLGC_HASSETSEL;
    if (m_dropped) code |= DLGC_WANTALLKEYS;  // Enter and Escape close the list
    return code;
}

LRESULT ComboBox::defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETTEXT:
        // Only the edit part takes a text; a list-only combo box refuses it.
        if (!isEditable()) return CB_ERR;
        Window::defWindowProc(msg, wParam, lParam);
        m_editStart = m_editEnd = 0;
        return 1;
    case WM_CHAR: {
        if (!isWindowEnabled()) return 0;
        char16_t ch = static_cast<char16_t>(wParam);
        if (!isEditable()) {
            // Typing in a list selects the next item starting with that character.
            if (ch < 0x20) return 0;
            int i = findString(m_curSel, std::u16string(1, ch));
            if (i != CB_ERR && i != m_curSel) userSelect(i);
            return 0;
        }
        std::u16string t = textInternal();
        if (ch == u'\b') {
            if (m_editStart == m_editEnd && m_editStart > 0) --m_editStart;
            t.erase(static_cast<size_t>(m_editStart), static_cast<size_t>(m_editEnd - m_editStart));
        } else if (ch >= 0x20) {
            if (m_limit > 0 && static_cast<int>(t.size()) - (m_editEnd - m_editStart) >= m_limit) return 0;
            t.replace(static_cast<size_t>(m_editStart), static_cast<size_t>(m_editEnd - m_editStart), 1, ch);
            ++m_editStart;
        } else {
            return 0;
        }
        m_editEnd = m_editStart;
        setTextInternal(std::move(t));
        invalidate();
        notifyParent(CBN_EDITUPDATE);
        notifyParent(CBN_EDITCHANGE);
        return 0;
    }
    case WM_KEYDOWN:
        if ((wParam == VK_RETURN || wParam == VK_ESCAPE) && m_dropped) {
            showDropDown(false);
        } else if (wParam == VK_DOWN && m_curSel + 1 < getCount()) {
            userSelect(m_curSel + 1);
        } else if (wParam == VK_UP && m_curSel > 0) {
            userSelect(m_curSel - 1);
        }
        return 0;
    case WM_LBUTTONDOWN:
        setFocus();
        return 0;
    case WM_SETFOCUS:
        notifyParent(CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        if (m_dropped) showDropDown(false);
        notifyParent(CBN_KILLFOCUS);
        return 0;
    case CB_GETCURSEL:
        return m_curSel;
    case CB_SETCURSEL:
        return setCurSel(static_cast<int>(static_cast<std::intptr_t>(wParam)));
    case CB_GETCOUNT:
        return getCount();
    case CB_RESETCONTENT:
        resetContent();
        return 0;
    case CB_ADDSTRING:
        return lParam ? addString(*reinterpret_cast<const std::u16string*>(lParam)) : CB_ERR;
    case CB_DELETESTRING:
        return deleteString(static_cast<int>(wParam));
    case CB_GETEDITSEL:
        return makeLParam(m_editStart, m_editEnd);
    default:
        return Window::defWindowProc(msg, wParam, lParam);
    }
}

} // namespace ui
