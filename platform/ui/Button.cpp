#include "ui/Button.h"

namespace ui {

Button::Button() = default;

bool Button::isCheckBox() const {
    unsigned t = buttonType();
    return t == BS_CHECKBOX || t == BS_AUTOCHECKBOX || t == BS_3STATE || t == BS_AUTO3STATE;
}

bool Button::isRadioButton() const {
    unsigned t = buttonType();
    return t == BS_RADIOBUTTON || t == BS_AUTORADIOBUTTON;
}

void Button::setCheck(int state) {
    if (!isCheckBox() && !isRadioButton()) return;
    unsigned t = buttonType();
    bool threeState = t == BS_3STATE || t == BS_AUTO3STATE;
    if (state == BST_INDETERMINATE && !threeState) state = BST_CHECKED;
    if (state < 0 || state > 2) state = BST_UNCHECKED;
    if (state != m_check) {
        m_check = state;
        invalidate();
    }
}

void Button::setButtonStyle(unsigned type, bool redraw) {
    setStyle((getStyle() & ~BS_TYPEMASK) | (type & BS_TYPEMASK));
    if (m_check == BST_INDETERMINATE && buttonType() != BS_3STATE && buttonType() != BS_AUTO3STATE)
        m_check = BST_CHECKED;
    if (redraw) invalidate();
}

void Button::applyClickState() {
    switch (buttonType()) {
    case BS_AUTOCHECKBOX:
        setCheck(m_check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED);
        break;
    case BS_AUTO3STATE:
        setCheck(m_check == BST_UNCHECKED ? BST_CHECKED
                 : m_check == BST_CHECKED ? BST_INDETERMINATE
                                          : BST_UNCHECKED);
        break;
    case BS_AUTORADIOBUTTON: {
        // The group: from the nearest sibling at or before this one that starts a group (WS_GROUP) up to the
        // next one that starts another.
        Window* parent = getParent();
        if (parent) {
            std::vector<Window*> sibs = parent->children();
            size_t self = 0;
            while (self < sibs.size() && sibs[self] != this) ++self;
            size_t first = self;
            while (first > 0 && (sibs[first]->getStyle() & WS_GROUP) == 0) --first;
            for (size_t i = first; i < sibs.size(); ++i) {
                if (i > first && (sibs[i]->getStyle() & WS_GROUP)) break;
                auto* b = dynamic_cast<Button*>(sibs[i]);
                if (b && b != this && b->buttonType() == BS_AUTORADIOBUTTON) b->setCheck(BST_UNCHECKED);
            }
        }
        setCheck(BST_CHECKED);
        break;
    }
    default:
        break;
    }
}

void Button::click() {
    if (!isWindowEnabled() || isGroupBox()) return;
    applyClickState();
    notifyParent(BN_CLICKED);
}

Image Button::setIcon(const Image& icon) {
    Image old = m_icon;
    m_icon = icon;
    invalidate();
    return old;
}

Image Button::setBitmap(const Image& bitmap) {
    Image old = m_bitmap;
    m_bitmap = bitmap;
    invalidate();
    return old;
}

unsigned Button::getDlgCode(const Msg* msg) {
    (void)msg;
    switch (buttonType()) {
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

int Button::hitTest(Point client) {
    (void)client;
    return isGroupBox() ? HTTRANSPARENT : HTCLIENT;
}

LRESULT Button::defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case BM_GETCHECK:
        return m_check;
    case BM_SETCHECK:
        setCheck(static_cast<int>(wParam));
        return 0;
    case BM_GETSTATE:
        return m_check | (m_pushed ? 0x4 : 0) | (hasFocus() ? 0x8 : 0);
    case BM_SETSTYLE:
        setButtonStyle(static_cast<unsigned>(wParam), lParam != 0);
        return 0;
    case BM_CLICK:
        click();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (isGroupBox()) return 0;
        if (msg == WM_LBUTTONDBLCLK && (isRadioButton() || (getStyle() & BS_NOTIFY))) {
            notifyParent(BN_DOUBLECLICKED);
            return 0;
        }
        setFocus();
        m_pushed = true;
        return 0;
    case WM_LBUTTONUP:
        if (m_pushed) {
            m_pushed = false;
            if (getClientRect().contains(pointFromLParam(lParam))) click();
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) m_pushed = true;
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && m_pushed) {
            m_pushed = false;
            click();
        }
        return 0;
    case WM_SETFOCUS:
        if (getStyle() & BS_NOTIFY) notifyParent(BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        m_pushed = false;
        if (getStyle() & BS_NOTIFY) notifyParent(BN_KILLFOCUS);
        return 0;
    default:
        return Window::defWindowProc(msg, wParam, lParam);
    }
}

} // namespace ui
