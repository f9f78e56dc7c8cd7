#pragma once
// The clipboard: one text, and data of other formats by name.
#include <cstdint>
#include <string>
#include <vector>

namespace ui {

class Clipboard {
public:
    static void setText(std::u16string text);
    static std::u16string getText();
    static bool hasText();
    static void setData(const std::u16string& format, std::vector<std::uint8_t> data);
    static bool getData(const std::u16string& format, std::vector<std::uint8_t>& data);
    static void empty();
};

} // namespace ui
