#include "ui/ToolTip.h"

#include <algorithm>

namespace ui {

ToolTip::ToolTip() = default;

bool ToolTip::create(Window* owner, std::uint32_t style) {
    return createEx(WS_EX_TOPMOST, u"tooltips_class32", u"", WS_POPUP | style, Rect{}, owner, 0);
}

bool ToolTip::addTool(Window* tool, std::u16string_view text) {
    if (!tool) return false;
    for (auto& t : m_tools)
        if (t.window == tool) {
            t.text = std::u16string(text);
            return true;
        }
    m_tools.push_back({tool, std::u16string(text)});
    return true;
}

bool ToolTip::delTool(Window* tool) {
    auto it = std::find_if(m_tools.begin(), m_tools.end(), [&](const Tool& t) { return t.window == tool; });
    if (it == m_tools.end()) return false;
    m_tools.erase(it);
    return true;
}

bool ToolTip::updateTipText(std::u16string_view text, Window* tool) {
    for (auto& t : m_tools)
        if (t.window == tool) {
            t.text = std::u16string(text);
            return true;
        }
    return false;
}

std::u16string ToolTip::getText(const Window* tool) const {
    for (const auto& t : m_tools)
        if (t.window == tool) return t.text;
    return {};
}

} // namespace ui
