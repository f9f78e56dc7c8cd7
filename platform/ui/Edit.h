#pragma once
// Edit class, single or multi-line (ES_MULTILINE; lines separated by "\r\n" as the platform keeps them).
// Setting the text programmatically sends EN_CHANGE (the platform does); typing sends EN_UPDATE and EN_CHANGE
// after each character; losing the focus sends EN_KILLFOCUS. Read-only edits refuse typing but take
// setWindowText. Character positions count UTF-16 units; a selection end of -1 means the end of the text.
#include "ui/Window.h"

namespace ui {

class Edit : public Window {
public:
    Edit();
    bool create(std::uint32_t style, const Rect& rect, Window* parent, int id) {
        return Window::create(u"Edit", u"", style, rect, parent, id);
    }
    bool isMultiLine() const { return (getStyle() & ES_MULTILINE) != 0; }

    // Selection: start == end is the caret. setSel(0, -1) selects all; setSel(-1, ...) removes the selection.
    void setSel(int start, int end, bool noScroll = false);
    void getSel(int& start, int& end) const;
    std::u16string getSelText() const;
    // Replaces the selection (typing does the same); sends EN_UPDATE and EN_CHANGE.
    void replaceSel(std::u16string_view text, bool canUndo = false);
    void clear() { replaceSel(u""); }

    int getLineCount() const;
    std::u16string getLine(int line) const;  // empty for a line that does not exist
    int lineIndex(int line = -1) const;      // first character of the line (-1: the caret's line); -1 when none
    int lineLength(int charIndex = -1) const;
    int lineFromChar(int charIndex = -1) const;

    void setReadOnly(bool readOnly = true);
    bool isReadOnly() const { return (getStyle() & ES_READONLY) != 0; }
    void setLimitText(int maxChars);  // 0: no limit
    int getLimitText() const { return m_limit; }
    bool getModify() const { return m_modified; }
    void setModify(bool modified = true) { m_modified = modified; }
    int scrollCaretCount() const { return m_scrollCaret; }
    void scrollCaret() { ++m_scrollCaret; }

    unsigned getDlgCode(const Msg* msg) override;

protected:
    LRESULT defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) override;
    // The edit's change notifications; a rich edit and the combo's edit part send others.
    virtual void textChangedByUser();
    virtual void textChangedBySetText();

private:
    bool typeChar(char16_t ch);
    int m_selStart = 0, m_selEnd = 0;
    int m_limit = 0;
    bool m_modified = false;
    int m_scrollCaret = 0;
};

} // namespace ui
