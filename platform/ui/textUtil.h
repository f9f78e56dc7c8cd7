#pragma once
// Text helpers of the window system: its reading of a leading integer and its number texts. Texts compare
// without case by the system's one case rule, in os/textCase.h.
#include <string>
#include <string_view>

namespace ui {

// Leading spaces, an optional sign (when `allowSign`), then digits. False when there are no digits.
bool parseLeadingInt(std::u16string_view text, bool allowSign, long long& value);
std::u16string toU16(std::string_view ascii);
std::u16string numberText(long long n);

} // namespace ui
