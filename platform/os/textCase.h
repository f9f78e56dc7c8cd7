#pragma once
// Case-insensitive comparison of UTF-16 names, as the original platform compared file names and registry keys.
// Folding is fixed (not locale-dependent): ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic letters.
#include <string>
#include <string_view>

namespace os {

char16_t foldCase(char16_t c);
std::u16string foldCase(std::u16string_view text);
// <0, 0 or >0 as a sorts before, with or after b when case is ignored.
int compareNoCase(std::u16string_view a, std::u16string_view b);
bool equalsNoCase(std::u16string_view a, std::u16string_view b);
// Orders names as the platform lists them: by their folded form, then by the exact text for a stable order.
bool lessNoCase(std::u16string_view a, std::u16string_view b);

} // namespace os
