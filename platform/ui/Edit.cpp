#include "ui/Edit.h"

#include "os/textCase.h"

#include <algorithm>

namespace ui {

namespace {

// Line starts of a text; a line ends at "\r\n", "\n" or "\r".
std::vector<int> lineStarts(const std::u16string& t) {
    std::vector<int> starts{0};
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n') {
            starts.push_back(static_cast<int>(i + 2));
            ++i;
        } else if (t[i] == u'\n' || t[i] == u'\r') {
            starts.push_back(static_cast<int>(i + 1));
        }
    }
    return starts;
}

int lineEnd(const std::u16string& t, int start) {
    int i = start;
    while (i < static_cast<int>(t.size()) && t[i] != u'\r' && t[i] != u'\n') ++i;
    return i;
}

} // namespace

Edit::Edit() = default;

void Edit::setSel(int start, int end, bool noScroll) {
    (void)noScroll;
    const int len = getWindowTextLength();
    if (start < 0) {
        m_selStart = m_selEnd;
        return;
    }
    if (end < 0) end = len;
    start = std::min(start, len);
    end = std::min(end, len);
    m_selStart = std::min(start, end);
    m_selEnd = std::max(start, end);
}

void Edit::getSel(int& start, int& end) const {
    start = m_selStart;
    end = m_selEnd;
}

std::u16string Edit::getSelText() const {
    return textInternal().substr(static_cast<size_t>(m_selStart), static_cast<size_t>(m_selEnd - m_selStart));
}

void Edit::replaceSel(std::u16string_view text, bool canUndo) {
    (void)canUndo;
    std::u16string t = textInternal();
    std::u16string insert(text);
    if (m_limit > 0) {
        int room = m_limit - (static_cast<int>(t.size()) - (m_selEnd - m_selStart));
        if (room < static_cast<int>(insert.size())) insert.resize(static_cast<size_t>(std::max(0, room)));
    }
    t.replace(static_cast<size_t>(m_selStart), static_cast<size_t>(m_selEnd - m_selStart), insert);
    setTextInternal(std::move(t));
    m_selStart = m_selEnd = m_selStart + static_cast<int>(insert.size());
    m_modified = true;
    invalidate();
    textChangedByUser();
}

int Edit::getLineCount() const {
    if (!isMultiLine()) return 1;
    return static_cast<int>(lineStarts(textInternal()).size());
}

std::u16string Edit::getLine(int line) const {
    const std::u16string& t = textInternal();
    if (!isMultiLine()) return line == 0 ? t : std::u16string();
    auto starts = lineStarts(t);
    if (line < 0 || line >= static_cast<int>(starts.size())) return {};
    int s = starts[static_cast<size_t>(line)];
    return t.substr(static_cast<size_t>(s), static_cast<size_t>(lineEnd(t, s) - s));
}

int Edit::lineFromChar(int charIndex) const {
    if (charIndex < 0) charIndex = m_selStart;
    if (!isMultiLine()) return 0;
    auto starts = lineStarts(textInternal());
    auto it = std::upper_bound(starts.begin(), starts.end(), charIndex);
    return static_cast<int>(it - starts.begin()) - 1;
}

int Edit::lineIndex(int line) const {
    if (line < 0) line = lineFromChar(-1);
    if (!isMultiLine()) return line == 0 ? 0 : -1;
    auto starts = lineStarts(textInternal());
    return line < static_cast<int>(starts.size()) ? starts[static_cast<size_t>(line)] : -1;
}

int Edit::lineLength(int charIndex) const {
    int line = lineFromChar(charIndex);
    return static_cast<int>(getLine(line).size());
}

void Edit::setReadOnly(bool readOnly) {
    if (readOnly)
        modifyStyle(0, ES_READONLY);
    else
        modifyStyle(ES_READONLY, 0);
}

void Edit::setLimitText(int maxChars) { m_limit = std::max(0, maxChars); }

unsigned Edit::getDlgCode(const Msg* msg) {
    (void)msg;
    unsigned code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    // A multi-line edit that wants Enter keeps it from the dialog manager.
    if (isMultiLine() && (getStyle() & ES_WANTRETURN)) code |= DLGC_WANTALLKEYS;
    return code;
}

void Edit::textChangedByUser() {
    notifyParent(EN_UPDATE);
    notifyParent(EN_CHANGE);
}

void Edit::textChangedBySetText() {
    notifyParent(EN_UPDATE);
    notifyParent(EN_CHANGE);
}

bool Edit::typeChar(char16_t ch) {
    if (isReadOnly() || !isWindowEnabled()) return false;
    if (ch == u'\b') {
        if (m_selStart == m_selEnd) {
            if (m_selStart == 0) return false;
            const std::u16string& t = textInternal();
            // Backspace after a line break takes the whole "\r\n".
            bool crlf = m_selStart >= 2 && t[static_cast<size_t>(m_selStart - 1)] == u'\n' &&
                        t[static_cast<size_t>(m_selStart - 2)] == u'\r';
            m_selStart -= crlf ? 2 : 1;
        }
        replaceSel(u"");
        return true;
    }
    if (ch == u'\r' || ch == u'\n') {
        if (!isMultiLine()) return false;
        replaceSel(u"\r\n");
        return true;
    }
    if (ch == u'\t' && !isMultiLine()) return false;
    if (ch < 0x20 && ch != u'\t') return false;
    if ((getStyle() & ES_NUMBER) && (ch < u'0' || ch > u'9')) return false;
    if (getStyle() & ES_LOWERCASE) ch = os::foldCase(ch);
    if (getStyle() & ES_UPPERCASE) ch = os::upperCase(ch);
    if (m_limit > 0 && getWindowTextLength() - (m_selEnd - m_selStart) >= m_limit) {
        notifyParent(EN_MAXTEXT);
        return false;
    }
    replaceSel(std::u16string(1, ch));
    return true;
}

LRESULT Edit::defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETTEXT: {
        Window::defWindowProc(msg, wParam, lParam);
        m_selStart = m_selEnd = 0;
        m_modified = false;
        textChangedBySetText();
        return 1;
    }
    case WM_CHAR:
        typeChar(static_cast<char16_t>(wParam));
        return 0;
    case WM_KEYDOWN: {
        const int len = getWindowTextLength();
        switch (wParam) {
        case VK_RETURN:
            // Reaches a multi-line edit only when it asked for Enter (ES_WANTRETURN).
            if (isMultiLine()) typeChar(u'\r');
            return 0;
        case VK_DELETE:
            if (isReadOnly()) return 0;
            if (m_selStart == m_selEnd) {
                if (m_selEnd >= len) return 0;
                ++m_selEnd;
            }
            replaceSel(u"");
            return 0;
        case VK_HOME:
            m_selStart = m_selEnd = 0;
            return 0;
        case VK_END:
            m_selStart = m_selEnd = len;
            return 0;
        case VK_LEFT:
            m_selStart = m_selEnd = std::max(0, m_selStart - (m_selStart == m_selEnd ? 1 : 0));
            return 0;
        case VK_RIGHT:
            m_selStart = m_selEnd = std::min(len, m_selEnd + (m_selStart == m_selEnd ? 1 : 0));
            return 0;
        default:
            return 0;
        }
    }
    case WM_LBUTTONDOWN:
        setFocus();
        return 0;
    case WM_SETFOCUS:
        notifyParent(EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        notifyParent(EN_KILLFOCUS);
        return 0;
    case EM_SETSEL:
        setSel(static_cast<int>(static_cast<std::intptr_t>(wParam)), static_cast<int>(lParam));
        return 0;
    case EM_GETSEL:
        return makeLParam(m_selStart, m_selEnd);
    case EM_REPLACESEL:
        if (lParam) replaceSel(*reinterpret_cast<const std::u16string*>(lParam), wParam != 0);
        return 0;
    case EM_GETLINECOUNT:
        return getLineCount();
    case EM_SETREADONLY:
        setReadOnly(wParam != 0);
        return 1;
    default:
        return Window::defWindowProc(msg, wParam, lParam);
    }
}

} // namespace ui
