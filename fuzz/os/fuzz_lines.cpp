// Any bytes given as a line file: decoding never fails, and lines written as UTF-8 read back the same.
#include "os/files.h"
#include "os/utf16.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto lines = os::decodeLines(bytes);
    // Lines holding a break, or text UTF-8 cannot carry (lone surrogates), cannot come back unchanged.
    for (auto& line : lines) line = os::toUtf16(os::toUtf8(line));
    for (const auto& line : lines)
        if (line.find_first_of(u"\r\n") != std::u16string::npos) return 0;
    if (!lines.empty() && lines[0].starts_with(u"\uFEFF")) return 0;
    if (os::decodeLines(os::encodeLines(lines)) != lines) std::abort();
    return 0;
}
