#pragma once
// A font as a value: face, height in pixels, weight and the three decorations. Fonts are descriptions only;
// their measures come from the metrics table (Metrics.h), the same on every machine.
#include <string>

namespace ui {

inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;

struct Font {
    std::u16string face = u"MS Shell Dlg";
    int height = 13;  // pixels; a negative height (the platform's "character height") counts as its magnitude
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool isBold() const { return weight >= 600; }
    friend bool operator==(const Font&, const Font&) = default;
};

// The font dialogs get unless their template names another.
inline Font defaultDialogFont() { return Font{}; }

} // namespace ui
