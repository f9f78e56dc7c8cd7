#pragma once
// UTF-16 <-> UTF-8 conversion. Text lives in UTF-16 inside the module (as on its original host); files, the
// command line and the console speak UTF-8. Invalid sequences on either side become U+FFFD, never a failure.
#include <string>
#include <string_view>

namespace os {

std::string toUtf8(std::u16string_view text);
std::u16string toUtf16(std::string_view utf8);

// Latin-1 (one byte, one character) for the 8-bit files; characters above U+00FF become '?'.
std::string toLatin1(std::u16string_view text);
std::u16string fromLatin1(std::string_view bytes);

} // namespace os
