#include "ui/ImageButton.h"

#include "ui/Resources.h"

namespace ui {

bool ImageButton::setIconResource(int iconId) {
    Image icon = Resources::loadIcon(iconId);
    if (icon.isNull()) return false;
    setIcon(icon);
    return true;
}

bool ImageButton::setBitmapResource(int bitmapId, Color transparent) {
    Image bmp = Resources::loadBitmap(bitmapId);
    if (bmp.isNull()) return false;
    setBitmapImage(bmp, transparent);
    return true;
}

void ImageButton::setBitmapImage(const Image& bitmap, Color transparent) {
    setBitmap(bitmap);
    m_transparent = transparent;
    m_hasTransparent = true;
}

void ImageButton::setCheckBox(bool on) {
    if (on) {
        modifyStyle(0, BS_PUSHLIKE);
        setButtonStyle(BS_AUTOCHECKBOX);
    } else {
        setCheck(BST_UNCHECKED);
        modifyStyle(BS_PUSHLIKE, 0);
        setButtonStyle(BS_PUSHBUTTON);
    }
}

} // namespace ui
