#pragma once
// The system's one rule of letter case: how the original platform compared file names and registry keys, and
// what every library here uses to fold, upper-case or compare text without case.
//
// Fixed (not locale-dependent) pairs of capital and small letters: ASCII, Latin-1, Latin Extended-A, Greek
// and Cyrillic. Letters without a one-character partner (ß, ĸ, ŉ, ſ, the dotless ı) stay as they are; the
// capital İ folds to i, whose capital is I. Upper-casing never moves a character into or out of ASCII, so
// names and cell addresses made of ASCII letters are told apart by ASCII letters only.
#include <string>
#include <string_view>

namespace os {

// The small letter of a capital; anything else unchanged.
char16_t foldCase(char16_t c);
std::u16string foldCase(std::u16string_view text);
// The capital of a small letter; anything else unchanged.
char16_t upperCase(char16_t c);
std::u16string upperCase(std::u16string_view text);

// <0, 0 or >0 as a sorts before, with or after b when case is ignored (by folded form).
int compareNoCase(std::u16string_view a, std::u16string_view b);
bool equalsNoCase(std::u16string_view a, std::u16string_view b);
bool startsWithNoCase(std::u16string_view text, std::u16string_view prefix);
// Orders names as the platform lists them: by their folded form, then by the exact text for a stable order.
bool lessNoCase(std::u16string_view a, std::u16string_view b);

} // namespace os
