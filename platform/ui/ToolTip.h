#pragma once
// Tooltip class ("tooltips_class32"): texts attached to tool windows, queried by tests and by the painter.
#include "ui/Window.h"

#include <vector>

namespace ui {

class ToolTip : public Window {
public:
    ToolTip();
    // A hidden top-level tooltip window owned by `owner`.
    bool create(Window* owner, std::uint32_t style = 0);
    bool addTool(Window* tool, std::u16string_view text);
    bool delTool(Window* tool);
    bool updateTipText(std::u16string_view text, Window* tool);
    std::u16string getText(const Window* tool) const;  // empty when the tool is not known
    int getToolCount() const { return static_cast<int>(m_tools.size()); }
    void activate(bool on) { m_active = on; }
    bool isActive() const { return m_active; }
    // The framework's habit of relaying mouse messages to the tooltip; recorded, nothing more.
    void relayEvent(const Msg& msg) { (void)msg; ++m_relayed; }
    int relayedCount() const { return m_relayed; }

private:
    struct Tool {
        const Window* window;
        std::u16string text;
    };
    std::vector<Tool> m_tools;
    bool m_active = true;
    int m_relayed = 0;
};

} // namespace ui
