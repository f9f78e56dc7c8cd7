#pragma once
// Rich edit class ("RichEdit20W"): a multi-line edit with the same line interface; character formats are
// recorded, not rendered.
#include "ui/Edit.h"
#include "ui/constants.h"

namespace ui {

struct CharFormat {
    Color color = 0;
    bool bold = false;
    bool italic = false;
    std::u16string face;
    int height = 0;
};

class RichEdit : public Edit {
public:
    RichEdit();
    bool create(std::uint32_t style, const Rect& rect, Window* parent, int id) {
        return Window::create(u"RichEdit20W", u"", style | ES_MULTILINE, rect, parent, id);
    }
    void setSelectionCharFormat(const CharFormat& format) { m_format = format; }
    const CharFormat& getSelectionCharFormat() const { return m_format; }
    void setBackgroundColor(Color c) { m_background = c; }
    Color getBackgroundColor() const { return m_background; }

private:
    CharFormat m_format;
    Color m_background = rgb(255, 255, 255);
};

} // namespace ui
