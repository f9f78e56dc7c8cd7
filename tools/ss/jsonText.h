#pragma once
// A text as a JSON string literal, for the commands' --json output.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace sscmd {

inline std::string jsonText(std::string_view utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

// The value of a Double or Integer variable as a JSON number, so a script needs no conversion: "20" -> 20,
// "1.50" -> 1.5; an empty value is null. A text that is no number (an error text such as "#VALUE!") stays a
// string rather than being lost.
inline std::string jsonNumber(std::string_view utf8) {
    std::size_t first = 0, last = utf8.size();
    while (first < last && (utf8[first] == ' ' || utf8[first] == '\t'))
        ++first;
    while (last > first && (utf8[last - 1] == ' ' || utf8[last - 1] == '\t'))
        --last;
    if (first == last)
        return "null";
    const std::string_view text = utf8.substr(first, last - first);
    double value = 0;
    const char* begin = text.data() + (text[0] == '+' ? 1 : 0);
    const auto [end, ec] = std::from_chars(begin, text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return jsonText(utf8);
    if (value == 0)
        value = 0;   // "-0" is written 0
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);   // shortest exact writing
    return std::string(buffer, written.ptr);
}

} // namespace sscmd
