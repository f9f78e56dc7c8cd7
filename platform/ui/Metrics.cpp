#include "ui/Metrics.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

int getSystemMetrics(int index) {
    const Insets frame = Metrics::kCaptionFrame;
    switch (index) {
    case SM_CXSCREEN:
        return Metrics::kScreenWidth;
    case SM_CYSCREEN:
        return Metrics::kScreenHeight;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return Metrics::kScrollBarWidth;
    case SM_CYCAPTION:
        return frame.top - frame.bottom;  // the caption bar above the frame's own border
    case SM_CXBORDER:
    case SM_CYBORDER:
        return Metrics::kThinBorder.left;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return frame.left;
    case SM_CXICON:
    case SM_CYICON:
        return Metrics::kIconSize;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return Metrics::kSmallIconSize;
    default:
        return 0;
    }
}

int charHeight(const Font& font) {
    int h = std::abs(font.height);
    return h == 0 ? 13 : h;
}

int charWidth(const Font& font) { return std::max(1, charHeight(font) / 2) + (font.isBold() ? 1 : 0); }

TextMetrics textMetrics(const Font& font) {
    TextMetrics tm;
    tm.height = charHeight(font);
    tm.descent = tm.height / 5;
    tm.ascent = tm.height - tm.descent;
    tm.aveCharWidth = charWidth(font);
    tm.maxCharWidth = tm.aveCharWidth * 2;
    tm.externalLeading = 0;
    return tm;
}

Size textExtent(const Font& font, std::u16string_view text) {
    int lines = 1, longest = 0, current = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        if (c == u'\n' || c == u'\r') {
            ++lines;
            current = 0;
            continue;
        }
        longest = std::max(longest, ++current);
    }
    return {longest * charWidth(font), lines * charHeight(font)};
}

} // namespace ui
