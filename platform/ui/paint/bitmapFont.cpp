#include "ui/paint/bitmapFont.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace ui::font {

namespace {

constexpr char16_t kFirst = u' ';
constexpr char16_t kLast = u'~';
constexpr int kGlyphCount = kLast - kFirst + 1;
constexpr int kPerBlock = 12;

// The glyphs of ' ' to '~' as they look, twelve to a block, each block nine rows of "#" (ink) and "." (paper).
// The first seven rows stand on the baseline; the last two hold descenders (g, j, p, q, y, and ',' and '_').
constexpr const char* kSheet[] = {
    // sp    !     "     #     $     %     &     '     (     )     *     +
    "..... ..#.. .#.#. .#.#. ..#.. ##... .##.. ..#.. ...#. .#... ..... .....",
    "..... ..#.. .#.#. .#.#. .#### ##..# #..#. ..#.. ..#.. ..#.. ..#.. ..#..",
    "..... ..#.. .#.#. ##### #.#.. ...#. #.#.. .#... .#... ...#. #.#.# ..#..",
    "..... ..#.. ..... .#.#. .###. ..#.. .#... ..... .#... ...#. .###. #####",
    "..... ..#.. ..... ##### ..#.# .#... #.#.# ..... .#... ...#. #.#.# ..#..",
    "..... ..... ..... .#.#. ####. #..## #..#. ..... ..#.. ..#.. ..#.. ..#..",
    "..... ..#.. ..... .#.#. ..#.. ...## .##.# ..... ...#. .#... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    // ,     -     .     /     0     1     2     3     4     5     6     7
    "..... ..... ..... ..... .###. ..#.. .###. ##### ...#. ##### ..##. #####",
    "..... ..... ..... ....# #...# .##.. #...# ...#. ..##. #.... .#... ....#",
    "..... ..... ..... ...#. #..## ..#.. ....# ..#.. .#.#. ####. #.... ...#.",
    "..... ##### ..... ..#.. #.#.# ..#.. ...#. ...#. #..#. ....# ####. ..#..",
    "..... ..... ..... .#... ##..# ..#.. ..#.. ....# ##### ....# #...# .#...",
    ".##.. ..... .##.. #.... #...# ..#.. .#... #...# ...#. #...# #...# .#...",
    "..#.. ..... .##.. ..... .###. .###. ##### .###. ...#. .###. .###. .#...",
    ".#... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    // 8     9     :     ;     <     =     >     ?     @     A     B     C
    ".###. .###. ..... ..... ...#. ..... .#... .###. .###. .###. ####. .###.",
    "#...# #...# .##.. .##.. ..#.. ..... ..#.. #...# #...# #...# #...# #...#",
    "#...# #...# .##.. .##.. .#... ##### ...#. ....# ....# #...# #...# #....",
    ".###. .#### ..... ..... #.... ..... ....# ...#. .##.# ##### ####. #....",
    "#...# ....# .##.. .##.. .#... ##### ...#. ..#.. #.#.# #...# #...# #....",
    "#...# ...#. .##.. ..#.. ..#.. ..... ..#.. ..... #.#.# #...# #...# #...#",
    ".###. .##.. ..... .#... ...#. ..... .#... ..#.. .###. #...# ####. .###.",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    // D     E     F     G     H     I     J     K     L     M     N     O
    "###.. ##### ##### .###. #...# .###. ..### #...# #.... #...# #...# .###.",
    "#..#. #.... #.... #...# #...# ..#.. ...#. #..#. #.... ##.## #...# #...#",
    "#...# #.... #.... #.... #...# ..#.. ...#. #.#.. #.... #.#.# ##..# #...#",
    "#...# ####. ####. #.### ##### ..#.. ...#. ##... #.... #.#.# #.#.# #...#",
    "#...# #.... #.... #...# #...# ..#.. ...#. #.#.. #.... #...# #..## #...#",
    "#..#. #.... #.... #...# #...# ..#.. #..#. #..#. #.... #...# #...# #...#",
    "###.. ##### #.... .#### #...# .###. .##.. #...# ##### #...# #...# .###.",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    // P     Q     R     S     T     U     V     W     X     Y     Z     [
    "####. .###. ####. .#### ##### #...# #...# #...# #...# #...# ##### .###.",
    "#...# #...# #...# #.... ..#.. #...# #...# #...# #...# #...# ....# .#...",
    "#...# #...# #...# #.... ..#.. #...# #...# #...# .#.#. .#.#. ...#. .#...",
    "####. #...# ####. .###. ..#.. #...# #...# #.#.# ..#.. ..#.. ..#.. .#...",
    "#.... #.#.# #.#.. ....# ..#.. #...# #...# #.#.# .#.#. ..#.. .#... .#...",
    "#.... #..#. #..#. ....# ..#.. #...# .#.#. #.#.# #...# ..#.. #.... .#...",
    "#.... .##.# #...# ####. ..#.. .###. ..#.. .#.#. #...# ..#.. ##### .###.",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    // \     ]     ^     _     `     a     b     c     d     e     f     g
    "..... .###. ..#.. ..... .#... ..... #.... ..... ....# ..... ..##. .....",
    "#.... ...#. .#.#. ..... ..#.. ..... #.... ..... ....# ..... .#..# .....",
    ".#... ...#. #...# ..... ...#. .###. #.##. .###. .##.# .###. .#... .####",
    "..#.. ...#. ..... ..... ..... ....# ##..# #.... #..## #...# ###.. #...#",
    "...#. ...#. ..... ..... ..... .#### #...# #.... #...# ##### .#... #...#",
    "....# ...#. ..... ..... ..... #...# #...# #...# #...# #.... .#... #...#",
    "..... .###. ..... ..... ..... .#### ####. .###. .#### .###. .#... .####",
    "..... ..... ..... ##### ..... ..... ..... ..... ..... ..... ..... ....#",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .###.",
    // h     i     j     k     l     m     n     o     p     q     r     s
    "#.... ..#.. ...#. #.... .##.. ..... ..... ..... ..... ..... ..... .....",
    "#.... ..... ..... #.... ..#.. ..... ..... ..... ..... ..... ..... .....",
    "#.##. .##.. ..##. #..#. ..#.. ##.#. #.##. .###. ####. .#### #.##. .####",
    "##..# ..#.. ...#. #.#.. ..#.. #.#.# ##..# #...# #...# #...# ##..# #....",
    "#...# ..#.. ...#. ##... ..#.. #.#.# #...# #...# #...# #...# #.... .###.",
    "#...# ..#.. ...#. #.#.. ..#.. #.#.# #...# #...# #...# #...# #.... ....#",
    "#...# .###. ...#. #..#. .###. #.#.# #...# .###. ####. .#### #.... ####.",
    "..... ..... #..#. ..... ..... ..... ..... ..... #.... ....# ..... .....",
    "..... ..... .##.. ..... ..... ..... ..... ..... #.... ....# ..... .....",
    // t     u     v     w     x     y     z     {     |     }     ~
    ".#... ..... ..... ..... ..... ..... ..... ...## ..#.. ##... .....",
    ".#... ..... ..... ..... ..... ..... ..... ..#.. ..#.. ..#.. .....",
    "###.. #...# #...# #...# #...# #...# ##### ..#.. ..#.. ..#.. .#...",
    ".#... #...# #...# #...# .#.#. #...# ...#. .#... ..#.. ...#. #.#.#",
    ".#... #...# #...# #.#.# ..#.. #...# ..#.. ..#.. ..#.. ..#.. ...#.",
    ".#..# #..## .#.#. #.#.# .#.#. #...# .#... ..#.. ..#.. ..#.. .....",
    "..##. .##.# ..#.. .#.#. #...# .#### ##### ...## ..#.. ##... .....",
    "..... ..... ..... ..... ..... ....# ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... .###. ..... ..... ..... ..... .....",
};

// Drawn for every character outside the sheet.
constexpr const char* kBox[kGlyphHeight] = {"#####", "#...#", "#...#", "#...#", "#...#",
                                            "#...#", "#####", ".....", "....."};

using Glyph = std::array<std::uint8_t, kGlyphHeight>; // one bit per column, bit 4 leftmost

constexpr Glyph parseRows(const char* const* rows, int column) {
    Glyph g{};
    for (int r = 0; r < kGlyphHeight; ++r) {
        std::uint8_t bits = 0;
        for (int c = 0; c < kGlyphWidth; ++c)
            if (rows[r][column * (kGlyphWidth + 1) + c] == '#')
                bits = std::uint8_t(bits | (1u << (kGlyphWidth - 1 - c)));
        g[std::size_t(r)] = bits;
    }
    return g;
}

constexpr std::array<Glyph, kGlyphCount + 1> makeGlyphs() {
    std::array<Glyph, kGlyphCount + 1> glyphs{};
    for (int i = 0; i < kGlyphCount; ++i)
        glyphs[std::size_t(i)] = parseRows(kSheet + (i / kPerBlock) * kGlyphHeight, i % kPerBlock);
    glyphs[kGlyphCount] = parseRows(kBox, 0);
    return glyphs;
}

constexpr std::array<Glyph, kGlyphCount + 1> kGlyphs = makeGlyphs();
static_assert(std::size(kSheet) == (kGlyphCount + kPerBlock - 1) / kPerBlock * kGlyphHeight);

const Glyph& glyphOf(char32_t ch) {
    return (ch >= kFirst && ch <= kLast) ? kGlyphs[ch - kFirst] : kGlyphs[kGlyphCount];
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Calls f(character) for each character of one line, a surrogate pair counting once; returns where the line
// ends (the index of its "\n", or the text's size).
template <typename F> std::size_t forEachInLine(std::u16string_view text, std::size_t at, F&& f) {
    while (at < text.size() && text[at] != u'\n') {
        char32_t ch = text[at];
        if (isHighSurrogate(text[at]) && at + 1 < text.size() && isLowSurrogate(text[at + 1])) {
            ch = 0x10000 + ((char32_t(text[at]) - 0xD800) << 10) + (char32_t(text[at + 1]) - 0xDC00);
            ++at;
        }
        ++at;
        if (ch != u'\r') f(ch);
    }
    return at;
}

} // namespace

int textWidth(std::u16string_view text) {
    long long widest = 0;
    std::size_t at = 0;
    for (;;) {
        long long chars = 0;
        at = forEachInLine(text, at, [&](char32_t) { ++chars; });
        widest = std::max(widest, chars);
        if (at >= text.size()) break;
        ++at;
    }
    // A width beyond any canvas is of no use to a caller; keep it in range rather than overflow.
    const long long px = widest == 0 ? 0 : widest * kAdvance - 1;
    return int(std::min<long long>(px, 1 << 30));
}

int textHeight(std::u16string_view text) {
    if (text.empty()) return 0;
    long long lines = 1;
    for (char16_t c : text)
        if (c == u'\n') ++lines;
    return int(std::min<long long>((lines - 1) * kLineHeight + kGlyphHeight, 1 << 30));
}

void drawText(Canvas& canvas, int x, int y, std::u16string_view text, Color color) {
    long long top = y;
    std::size_t at = 0;
    for (;;) {
        long long left = x;
        at = forEachInLine(text, at, [&](char32_t ch) {
            // Characters wholly outside the canvas are skipped without touching pixels.
            if (left + kGlyphWidth > 0 && left < canvas.width() && top + kGlyphHeight > 0 && top < canvas.height()) {
                const Glyph& g = glyphOf(ch);
                for (int r = 0; r < kGlyphHeight; ++r)
                    for (int c = 0; c < kGlyphWidth; ++c)
                        if (g[std::size_t(r)] & (1u << (kGlyphWidth - 1 - c)))
                            canvas.setPixel(int(left + c), int(top + r), color);
            }
            left += kAdvance;
        });
        if (at >= text.size()) break;
        ++at;
        top += kLineHeight;
    }
}

} // namespace ui::font
