#pragma once
// Button class: push button (default button with BS_DEFPUSHBUTTON), check box (2 and 3 states, automatic or
// not), radio button (automatic ones clear the other automatic radio buttons of their group: the siblings from
// the nearest WS_GROUP at or before it up to the next WS_GROUP), group box. setCheck never notifies; a user's
// click changes the state first and then sends BN_CLICKED to the parent. Automatic 3-state boxes cycle
// unchecked → checked → indeterminate → unchecked.
#include "ui/Window.h"

namespace ui {

class Button : public Window {
public:
    Button();
    bool create(std::u16string_view text, std::uint32_t style, const Rect& rect, Window* parent, int id) {
        return Window::create(u"Button", text, style, rect, parent, id);
    }
    unsigned buttonType() const { return getStyle() & BS_TYPEMASK; }
    bool isPushButton() const { return buttonType() == BS_PUSHBUTTON || buttonType() == BS_DEFPUSHBUTTON; }
    bool isCheckBox() const;
    bool isRadioButton() const;
    bool isGroupBox() const { return buttonType() == BS_GROUPBOX; }

    int getCheck() const { return m_check; }
    void setCheck(int state);  // no notification
    // Changes the button type, keeping the other style bits (BM_SETSTYLE).
    void setButtonStyle(unsigned type, bool redraw = true);
    bool isPushed() const { return m_pushed; }
    // Presses the button as a click does (BM_CLICK): state change, then BN_CLICKED to the parent.
    void click();

    Image setIcon(const Image& icon);
    Image getIconImage() const { return m_icon; }
    Image setBitmap(const Image& bitmap);
    Image getBitmap() const { return m_bitmap; }

    unsigned getDlgCode(const Msg* msg) override;
    int hitTest(Point client) override;

protected:
    LRESULT defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) override;
    // The automatic state change of a click (before BN_CLICKED).
    virtual void applyClickState();

private:
    int m_check = BST_UNCHECKED;
    bool m_pushed = false;
    Image m_icon, m_bitmap;
};

} // namespace ui
