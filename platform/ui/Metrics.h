#pragma once
// The one metrics table: every size the framework computes comes from here, so that a dialog laid out by the
// module has the same pixels on every machine. Text is measured as if every character had the font's average
// width: deterministic, and close enough for the module's fitting and sizing.
#include "ui/Font.h"
#include "ui/geometry.h"

#include <string_view>

namespace ui {

struct Insets {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct Metrics {
    // A window with a caption: a border and a caption bar. Callers allow (5, 20) for it when they turn screen
    // rectangles into client ones.
    static constexpr Insets kCaptionFrame{5, 20, 5, 5};
    static constexpr Insets kThinBorder{1, 1, 1, 1};    // WS_BORDER
    static constexpr Insets kClientEdge{2, 2, 2, 2};    // WS_EX_CLIENTEDGE
    static constexpr int kScrollBarWidth = 17;          // vertical scroll bar width, horizontal one's height
    static constexpr int kTabHeaderHeight = 21;         // one row of tab headers
    static constexpr int kTabMargin = 2;                // the tab control's frame around its display area
    static constexpr int kTabItemPadding = 6;           // each side of a tab header's text
    static constexpr int kScreenWidth = 1920;
    static constexpr int kScreenHeight = 1080;
    static constexpr int kIconSize = 32;
    static constexpr int kSmallIconSize = 16;
};

// The platform's system-metrics query, answered from the table.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;
int getSystemMetrics(int index);  // 0 for an index the table does not hold

struct TextMetrics {
    int height = 0;          // ascent + descent
    int ascent = 0;
    int descent = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int externalLeading = 0;
};

// Character cell of a font: height |font.height| (13 when 0), width half the height (rounded down, at least 1),
// one more for bold.
TextMetrics textMetrics(const Font& font);
int charWidth(const Font& font);
int charHeight(const Font& font);
// Width of the longest line, height of all lines (lines end at "\n" or "\r\n"); an empty text is one line high.
Size textExtent(const Font& font, std::u16string_view text);

} // namespace ui
