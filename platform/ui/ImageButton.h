#pragma once
// A button showing an icon, or a bitmap with a transparent colour: flat or not, text beside or below the
// image, optionally a check button (push-like, keeps its state), with a tooltip text. The host's icon buttons
// are made of it. Attach one to a template's button with subclassDlgItem.
#include "ui/Button.h"

namespace ui {

class ImageButton : public Button {
public:
    enum class Align { Horizontal, Vertical };  // Vertical: text below the image

    ImageButton() = default;
    bool setIconResource(int iconId);   // from the resource chain; false when no module has it
    void setIconImage(const Image& icon) { setIcon(icon); }
    bool setBitmapResource(int bitmapId, Color transparent);
    void setBitmapImage(const Image& bitmap, Color transparent);
    Color transparentColor() const { return m_transparent; }
    bool hasTransparentColor() const { return m_hasTransparent; }
    void setFlat(bool flat = true) { m_flat = flat; }
    bool isFlat() const { return m_flat; }
    void setAlign(Align align) { m_align = align; }
    Align align() const { return m_align; }
    // Makes the button a push-like automatic check box (true) or a push button (false).
    void setCheckBox(bool on);
    bool isCheckBoxMode() const { return isCheckBox(); }
    void setTooltipText(std::u16string_view text) { m_tooltip = text; }
    const std::u16string& tooltipText() const { return m_tooltip; }

private:
    Color m_transparent = 0;
    bool m_hasTransparent = false;
    bool m_flat = false;
    Align m_align = Align::Horizontal;
    std::u16string m_tooltip;
};

} // namespace ui
