#pragma once
// The host's flat icon button: a template's push button replaced by an image button that shows an icon (or a
// bitmap with a transparent colour), flat until hovered, with a tooltip. The section library editor's grid
// and order buttons are made of it.
#include "ui/ImageButton.h"

#include <string_view>

class CButtonST : public ui::ImageButton {
public:
    // Takes the place of the dialog's button `id`, flat, with the icon and the tooltip. False (nothing
    // changed) when the dialog has no such control or no module holds the icon.
    bool attach(ui::Window& dialog, int id, int iconId, std::u16string_view tooltip);

    bool setIcon(int iconId) { return setIconResource(iconId); }
    bool setBitmaps(int bitmapId, ui::Color transparent) { return setBitmapResource(bitmapId, transparent); }
};
