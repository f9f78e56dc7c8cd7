#pragma once
// Text helpers of the window system: the platform's case-insensitive comparisons (ASCII and Latin-1 letters)
// and its reading of a leading integer.
#include <string>
#include <string_view>

namespace ui {

char16_t foldCase(char16_t c);
bool equalsNoCase(std::u16string_view a, std::u16string_view b);
bool startsWithNoCase(std::u16string_view text, std::u16string_view prefix);
// Less-than ignoring case, for sorted combo boxes.
bool lessNoCase(std::u16string_view a, std::u16string_view b);
// Leading spaces, an optional sign (when `allowSign`), then digits. False when there are no digits.
bool parseLeadingInt(std::u16string_view text, bool allowSign, long long& value);
std::u16string toU16(std::string_view ascii);
std::u16string numberText(long long n);

} // namespace ui
