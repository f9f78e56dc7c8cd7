#include "ui/paint/textLayout.h"

#include "ui/paint/bitmapFont.h"

#include <algorithm>

namespace ui {

namespace {

// One visible line: its characters and which of them carry the mnemonic underline.
struct ShownLine {
    std::u16string chars;
    int underlined = -1;
};

ShownLine resolveMnemonics(std::u16string_view line, bool noPrefix) {
    ShownLine shown;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!noPrefix && line[i] == u'&') {
            if (i + 1 < line.size() && line[i + 1] == u'&') {
                shown.chars += u'&';
                ++i;
                continue;
            }
            if (i + 1 < line.size() && shown.underlined < 0) shown.underlined = int(shown.chars.size());
            continue;
        }
        shown.chars += line[i];
    }
    return shown;
}

// How many characters show before each position of the line (marks take no room), so that wrapping a long line
// stays linear.
std::vector<int> shownPrefix(std::u16string_view line, bool noPrefix) {
    std::vector<int> prefix(line.size() + 1, 0);
    int shown = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        prefix[i] = shown;
        if (!noPrefix && line[i] == u'&') {
            if (i + 1 < line.size() && line[i + 1] == u'&') {
                prefix[++i] = shown; // "&&" shows once
                ++shown;
            }
            continue;
        }
        ++shown;
    }
    prefix[line.size()] = shown;
    return prefix;
}

// Splits at "\r\n" and "\n".
std::vector<std::u16string_view> hardLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u'\n') {
            std::size_t end = i;
            if (end > start && text[end - 1] == u'\r') --end;
            lines.push_back(text.substr(start, end - start));
            start = i + 1;
        }
    }
    return lines;
}

void wrapLine(std::u16string_view line, int maxChars, bool noPrefix, std::vector<std::u16string>& out) {
    maxChars = std::max(maxChars, 1);
    const std::vector<int> shown = shownPrefix(line, noPrefix);
    const std::size_t n = line.size();
    std::size_t start = 0;
    while (shown[n] - shown[start] > maxChars) {
        // The last space that keeps the line within the width; without one the word is cut there.
        std::size_t fits = start + 1, space = std::u16string_view::npos;
        for (std::size_t i = start + 1; i < n && shown[i] - shown[start] <= maxChars; ++i) {
            fits = i;
            if (line[i] == u' ') space = i;
        }
        const std::size_t cut = space != std::u16string_view::npos ? space : fits;
        out.emplace_back(line.substr(start, cut - start));
        start = cut;
        while (start < n && line[start] == u' ') ++start;
    }
    out.emplace_back(line.substr(start));
}

} // namespace

std::vector<std::u16string> layoutLines(std::u16string_view text, int width, unsigned flags) {
    std::vector<std::u16string> lines;
    const bool noPrefix = (flags & text::NoPrefix) != 0;
    const int maxChars = (width + 1) / font::kAdvance;
    for (std::u16string_view line : hardLines(text)) {
        if (flags & text::WordBreak)
            wrapLine(line, maxChars, noPrefix, lines);
        else
            lines.emplace_back(line);
    }
    return lines;
}

Size measureText(std::u16string_view text, int width, unsigned flags) {
    const auto lines = layoutLines(text, width, flags);
    int widest = 0;
    for (const auto& line : lines)
        widest = std::max(widest, font::textWidth(resolveMnemonics(line, flags & text::NoPrefix).chars));
    const int height = lines.empty() ? 0 : int(lines.size() - 1) * font::kLineHeight + font::kGlyphHeight;
    return {widest + ((flags & text::Bold) && widest > 0 ? 1 : 0), height};
}

void drawTextInRect(Canvas& canvas, const Rect& rect, std::u16string_view text, Color color, unsigned flags) {
    if (text.empty() || rect.isEmpty()) return;
    // Text stays inside its rectangle, as the platform's text drawing clips.
    const Rect outerClip = canvas.clipRect();
    canvas.setClipRect(rect.intersect(outerClip));
    const auto lines = layoutLines(text, rect.width(), flags);
    // Lines that cannot show at all are not laid out further: a huge text costs no more than a screenful.
    const long long total = (long long)(lines.size() - 1) * font::kLineHeight + font::kGlyphHeight;
    long long y = rect.top;
    if (flags & text::VCenter)
        y = rect.top + (rect.height() - total) / 2;
    else if (flags & text::Bottom)
        y = rect.bottom - total;
    const int maxChars = std::max(0, (rect.width() + 1) / font::kAdvance);
    for (const auto& line : lines) {
        if (y >= rect.bottom) break;
        if (y + font::kGlyphHeight > rect.top) {
            ShownLine shown = resolveMnemonics(line, flags & text::NoPrefix);
            if ((flags & text::EndEllipsis) && int(shown.chars.size()) > maxChars && maxChars >= 3) {
                shown.chars = shown.chars.substr(0, std::size_t(maxChars - 3)) + u"...";
                if (shown.underlined >= maxChars - 3) shown.underlined = -1;
            }
            const int w = font::textWidth(shown.chars) + ((flags & text::Bold) ? 1 : 0);
            long long x = rect.left;
            if ((flags & 0x3) == text::Center)
                x = rect.left + (rect.width() - w) / 2;
            else if ((flags & 0x3) == text::Right)
                x = rect.right - w;
            // Text never starts left of its rectangle: a label wider than its control keeps its beginning.
            x = std::max<long long>(x, rect.left);
            font::drawText(canvas, int(x), int(y), shown.chars, color);
            if (flags & text::Bold) font::drawText(canvas, int(x) + 1, int(y), shown.chars, color);
            if (shown.underlined >= 0) {
                const int ux = int(x) + shown.underlined * font::kAdvance;
                canvas.drawHLine(ux, ux + font::kGlyphWidth - 1, int(y) + font::kGlyphHeight - 1, color);
            }
        }
        y += font::kLineHeight;
    }
    canvas.setClipRect(outerClip);
}

} // namespace ui
