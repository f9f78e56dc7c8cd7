#include "ui/Clipboard.h"

#include <map>

namespace ui {

namespace {
struct State {
    bool hasText = false;
    std::u16string text;
    std::map<std::u16string, std::vector<std::uint8_t>> data;
};
State& st() {
    static State s;
    return s;
}
} // namespace

void Clipboard::setText(std::u16string text) {
    st().text = std::move(text);
    st().hasText = true;
}
std::u16string Clipboard::getText() { return st().text; }
bool Clipboard::hasText() { return st().hasText; }
void Clipboard::setData(const std::u16string& format, std::vector<std::uint8_t> data) {
    st().data[format] = std::move(data);
}
bool Clipboard::getData(const std::u16string& format, std::vector<std::uint8_t>& data) {
    auto it = st().data.find(format);
    if (it == st().data.end()) return false;
    data = it->second;
    return true;
}
void Clipboard::empty() { st() = State{}; }

} // namespace ui
