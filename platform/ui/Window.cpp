#include "ui/Window.h"

#include "ui/Desktop.h"
#include "ui/Failures.h"
#include "ui/Timers.h"
#include "ui/WindowClasses.h"
#include "ui/textUtil.h"
#include "os/textCase.h"

#include <algorithm>

namespace ui {

Window* const Window::wndTop = nullptr;
Window* const Window::wndBottom = reinterpret_cast<Window*>(std::uintptr_t(1));
Window* const Window::wndTopMost = reinterpret_cast<Window*>(~std::uintptr_t(0));
Window* const Window::wndNoTopMost = reinterpret_cast<Window*>(~std::uintptr_t(1));

Window::Window() { Desktop::registerObject(this); }

Window::~Window() {
    if (m_alive) destroyTree(false);
    Timers::killAllOf(this);
    Desktop::unregisterObject(this);
}

bool Window::createEx(std::uint32_t exStyle, std::u16string_view className, std::u16string_view text,
                      std::uint32_t style, const Rect& rect, Window* parent, int id) {
    if (m_alive) return false;
    if ((style & WS_CHILD) && !ui::isWindow(parent)) return false;
    std::u16string name = WindowClasses::canonicalName(className);
    if (name.empty()) name = std::u16string(className);
    if (Failures::takeCreateFailure(name)) {
        Desktop::log(u"create failed (injected): " + name);
        return false;
    }
    m_className = name;
    m_text = std::u16string(text);
    m_style = style;
    m_exStyle = exStyle;
    m_rect = Rect::fromSize(rect.left, rect.top, std::max(0, rect.width()), std::max(0, rect.height()));
    m_id = id;
    m_alive = true;
    m_destroying = false;
    if (style & WS_CHILD) {
        m_parent = parent;
        m_owner = nullptr;
        parent->attachChild(this, false);
    } else {
        m_parent = nullptr;
        m_owner = ui::isWindow(parent) ? parent : nullptr;
        Desktop::addTopLevel(this, true);
    }
    Desktop::DispatchScope scope;
    if (sendMessage(WM_CREATE) == -1) {
        destroyTree(true);
        return false;
    }
    if (!m_alive) return false;
    Rect client = getClientRect();
    sendMessage(WM_SIZE, SIZE_RESTORED, makeLParam(client.width(), client.height()));
    sendMessage(WM_MOVE, 0, makeLParam(m_rect.left, m_rect.top));
    return m_alive;
}

void Window::attachChild(Window* child, bool atTop) {
    if (atTop)
        m_children.insert(m_children.begin(), child);
    else
        m_children.push_back(child);
}

void Window::detachChild(Window* child) {
    m_children.erase(std::remove(m_children.begin(), m_children.end(), child), m_children.end());
}

void Window::sendDestroy(std::vector<Window*>& order) {
    order.push_back(this);
    m_destroying = true;
    for (Window* c : m_children) c->sendDestroy(order);
}

bool Window::destroyWindow() {
    if (!m_alive || m_destroying) return false;
    if (Failures::takeDestroyFailure()) {
        Desktop::log(u"destroy failed (injected): " + m_className);
        return false;
    }
    destroyTree(true);
    return true;
}

void Window::destroyTree(bool sendMessages) {
    Desktop::DispatchScope scope;
    std::vector<Window*> order;
    sendDestroy(order);
    Window* focus = Desktop::getFocus();
    for (Window* w : order) {
        if (w == focus) Desktop::setFocusRaw(nullptr);
        Timers::killAllOf(w);
    }
    // A destroy hook may delete objects of the tree (a dialog deleting its pages): every step looks again.
    auto live = [](Window* w) { return Desktop::isLiveObject(w); };
    if (sendMessages) {
        // The window first, then its children depth first: a dialog's destroy hook still sees its pages alive.
        for (Window* w : order)
            if (live(w) && w->m_alive) w->sendMessage(WM_DESTROY);
        for (auto it = order.rbegin(); it != order.rend(); ++it)
            if (live(*it) && (*it)->m_alive) (*it)->sendMessage(WM_NCDESTROY);
    }
    if (m_parent)
        m_parent->detachChild(this);
    else
        Desktop::removeTopLevel(this);
    std::vector<Window*> gone;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Window* w = *it;
        if (!live(w)) continue;
        const bool wasAlive = w->m_alive;
        w->m_alive = false;
        w->m_destroying = false;
        w->m_children.clear();
        w->m_parent = nullptr;
        Desktop::windowGone(w);
        if (wasAlive) gone.push_back(w);
    }
    m_parent = nullptr;
    // Objects are told last, children first; framework-owned ones delete themselves once no handler runs.
    for (Window* w : gone)
        if (live(w) && (sendMessages || (w != this && w->m_autoDelete))) w->postNcDestroy();
}

void Window::postNcDestroy() {
    if (m_autoDelete) Desktop::deleteLater(this);
}

void Window::takeStateFrom(Window& other) {
    m_className = other.m_className;
    m_text = other.m_text;
    m_style = other.m_style;
    m_exStyle = other.m_exStyle;
    m_rect = other.m_rect;
    m_id = other.m_id;
    m_font = other.m_font;
    m_hasFont = other.m_hasFont;
    m_bigIcon = other.m_bigIcon;
    m_smallIcon = other.m_smallIcon;
}

bool Window::subclassDlgItem(int id, Window& replacement) {
    Window* old = getDlgItem(id);
    if (!old || replacement.m_alive || old == &replacement) return false;
    replacement.takeStateFrom(*old);
    auto it = std::find(m_children.begin(), m_children.end(), old);
    *it = &replacement;
    replacement.m_parent = this;
    replacement.m_alive = true;
    bool hadFocus = Desktop::getFocus() == old;
    Timers::killAllOf(old);
    old->m_alive = false;
    old->m_parent = nullptr;
    // The original's own children (rare for controls) move over too.
    replacement.m_children = std::move(old->m_children);
    old->m_children.clear();
    for (Window* c : replacement.m_children) c->m_parent = &replacement;
    Desktop::windowGone(old);
    if (hadFocus) Desktop::setFocusRaw(&replacement);
    old->postNcDestroy();
    return true;
}

bool Window::isClass(std::u16string_view className) const { return os::equalsNoCase(m_className, className); }

Window* Window::getTopLevelParent() {
    Window* w = this;
    while (w->m_parent && (w->m_style & WS_CHILD)) w = w->m_parent;
    return w;
}

bool Window::isChild(const Window* other) const {
    for (const Window* w = other ? other->m_parent : nullptr; w; w = w->m_parent)
        if (w == this) return true;
    return false;
}

Window* Window::getDlgItem(int id) const {
    for (Window* c : m_children)
        if (c->m_id == id) return c;
    return nullptr;
}

Window* Window::findDescendant(int id) const {
    for (Window* c : m_children) {
        if (c->m_id == id) return c;
        if (Window* d = c->findDescendant(id)) return d;
    }
    return nullptr;
}

std::vector<Window*> Window::children() const { return m_children; }

Window* Window::getNextSibling() const {
    if (!m_parent) return nullptr;
    auto& s = m_parent->m_children;
    auto it = std::find(s.begin(), s.end(), this);
    return (it == s.end() || it + 1 == s.end()) ? nullptr : *(it + 1);
}

Window* Window::getPrevSibling() const {
    if (!m_parent) return nullptr;
    auto& s = m_parent->m_children;
    auto it = std::find(s.begin(), s.end(), this);
    return (it == s.end() || it == s.begin()) ? nullptr : *(it - 1);
}

// ---- Text

void Window::setWindowText(std::u16string_view text) {
    std::u16string t(text);
    sendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&t));
}

std::u16string Window::getWindowText() const { return m_text; }
int Window::getWindowTextLength() const { return static_cast<int>(m_text.size()); }

bool Window::setDlgItemText(int id, std::u16string_view text) {
    Window* w = getDlgItem(id);
    if (!w) return false;
    w->setWindowText(text);
    return true;
}

std::u16string Window::getDlgItemText(int id) const {
    Window* w = getDlgItem(id);
    return w ? w->getWindowText() : std::u16string();
}

int Window::getDlgItemInt(int id, bool* ok, bool isSigned) const {
    if (ok) *ok = false;
    Window* w = getDlgItem(id);
    if (!w) return 0;
    long long value = 0;
    if (!parseLeadingInt(w->getWindowText(), isSigned, value)) return 0;
    if (ok) *ok = true;
    return static_cast<int>(value);
}

bool Window::setDlgItemInt(int id, int value, bool isSigned) {
    long long v = isSigned ? value : static_cast<long long>(static_cast<unsigned>(value));
    std::string digits = std::to_string(v);
    return setDlgItemText(id, std::u16string(digits.begin(), digits.end()));
}

bool Window::checkDlgButton(int id, int state) {
    Window* w = getDlgItem(id);
    if (!w) return false;
    w->sendMessage(BM_SETCHECK, static_cast<WPARAM>(state));
    return true;
}

int Window::isDlgButtonChecked(int id) const {
    Window* w = getDlgItem(id);
    return w ? static_cast<int>(w->sendMessage(BM_GETCHECK)) : 0;
}

bool Window::checkRadioButton(int firstId, int lastId, int checkId) {
    bool any = false;
    for (Window* c : children()) {
        if (c->m_id < firstId || c->m_id > lastId) continue;
        c->sendMessage(BM_SETCHECK, c->m_id == checkId ? BST_CHECKED : BST_UNCHECKED);
        any = true;
    }
    return any;
}

// ---- Style

void Window::setStyle(std::uint32_t style) {
    bool wasVisible = (m_style & WS_VISIBLE) != 0;
    bool wasEnabled = (m_style & WS_DISABLED) == 0;
    m_style = style;
    if (wasVisible != ((style & WS_VISIBLE) != 0)) invalidate();
    if (wasEnabled != ((style & WS_DISABLED) == 0)) invalidate();
}

bool Window::modifyStyle(std::uint32_t remove, std::uint32_t add) {
    std::uint32_t s = (m_style & ~remove) | add;
    if (s == m_style) return false;
    setStyle(s);
    return true;
}

bool Window::modifyStyleEx(std::uint32_t remove, std::uint32_t add) {
    std::uint32_t s = (m_exStyle & ~remove) | add;
    if (s == m_exStyle) return false;
    m_exStyle = s;
    return true;
}

// ---- Visibility, enabled state, focus

bool Window::showWindow(int cmd) {
    if (!m_alive) return false;
    bool was = (m_style & WS_VISIBLE) != 0;
    bool show = cmd != SW_HIDE;
    if (was != show) {
        if (show)
            m_style |= WS_VISIBLE;
        else
            m_style &= ~WS_VISIBLE;
        sendMessage(WM_SHOWWINDOW, show ? 1 : 0, 0);
        invalidate();
    }
    if (show && !(m_style & WS_CHILD) && cmd != SW_SHOWNA && cmd != SW_SHOWNOACTIVATE)
        Desktop::setForegroundWindow(this);
    if (!show && Desktop::getForegroundWindow() == this) Desktop::setForegroundWindow(m_owner);
    return was;
}

bool Window::isWindowVisible() const {
    if (!m_alive) return false;
    for (const Window* w = this; w; w = w->m_parent)
        if ((w->m_style & WS_VISIBLE) == 0) return false;
    return true;
}

bool Window::enableWindow(bool enable) {
    if (!m_alive) return false;
    bool wasDisabled = (m_style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) return wasDisabled;
    if (enable)
        m_style &= ~WS_DISABLED;
    else
        m_style |= WS_DISABLED;
    if (!enable) {
        Window* focus = Desktop::getFocus();
        if (focus == this || isChild(focus)) {
            focus->sendMessage(WM_KILLFOCUS, 0);
            if (Desktop::getFocus() == focus) Desktop::setFocusRaw(nullptr);
        }
    }
    sendMessage(WM_ENABLE, enable ? 1 : 0);
    invalidate();
    return wasDisabled;
}

Window* Window::setFocus() {
    Window* old = Desktop::getFocus();
    if (!m_alive || old == this) return old;
    Desktop::DispatchScope scope;
    if (old) {
        old->sendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(this));
        // A kill-focus handler that moved the focus elsewhere (or destroyed us) wins.
        if (Desktop::getFocus() != old || !m_alive) return old;
    }
    Desktop::setFocusRaw(this);
    Window* top = getTopLevelParent();
    if (Desktop::getForegroundWindow() != top) Desktop::setForegroundWindow(top);
    sendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(old));
    return old;
}

Window* Window::getFocus() { return Desktop::getFocus(); }

// ---- Geometry

Insets Window::nonClientInsets() const {
    Insets in;
    if ((m_style & WS_CAPTION) == WS_CAPTION)
        in = Metrics::kCaptionFrame;
    else if (m_exStyle & WS_EX_CLIENTEDGE)
        in = Metrics::kClientEdge;
    else if (m_style & WS_BORDER)
        in = Metrics::kThinBorder;
    if (m_style & WS_VSCROLL) in.right += Metrics::kScrollBarWidth;
    if (m_style & WS_HSCROLL) in.bottom += Metrics::kScrollBarWidth;
    return in;
}

Rect Window::getWindowRect() const {
    if (m_parent && (m_style & WS_CHILD)) return m_parent->clientToScreen(m_rect);
    return m_rect;
}

Rect Window::getClientRect() const {
    Insets in = nonClientInsets();
    return {0, 0, std::max(0, m_rect.width() - in.left - in.right), std::max(0, m_rect.height() - in.top - in.bottom)};
}

Point Window::clientToScreen(Point p) const {
    Rect wr = getWindowRect();
    Insets in = nonClientInsets();
    return {p.x + wr.left + in.left, p.y + wr.top + in.top};
}

Rect Window::clientToScreen(const Rect& r) const {
    Point o = clientToScreen(Point{0, 0});
    return r.offsetBy(o.x, o.y);
}

Point Window::screenToClient(Point p) const {
    Point o = clientToScreen(Point{0, 0});
    return {p.x - o.x, p.y - o.y};
}

Rect Window::screenToClient(const Rect& r) const {
    Point o = clientToScreen(Point{0, 0});
    return r.offsetBy(-o.x, -o.y);
}

bool Window::moveWindow(int x, int y, int cx, int cy, bool repaint) {
    if (!m_alive) return false;
    Rect n = Rect::fromSize(x, y, std::max(0, cx), std::max(0, cy));
    bool moved = n.topLeft() != m_rect.topLeft();
    bool sized = n.size() != m_rect.size();
    m_rect = n;
    Desktop::DispatchScope scope;
    if (moved) sendMessage(WM_MOVE, 0, makeLParam(x, y));
    if (sized && m_alive) {
        Rect c = getClientRect();
        sendMessage(WM_SIZE, SIZE_RESTORED, makeLParam(c.width(), c.height()));
    }
    if (repaint && (moved || sized)) invalidate();
    return true;
}

bool Window::setWindowPos(const Window* insertAfter, int x, int y, int cx, int cy, unsigned flags) {
    if (!m_alive) return false;
    if (!(flags & SWP_NOZORDER)) {
        Window* after = const_cast<Window*>(insertAfter);
        if (after == wndTopMost) m_exStyle |= WS_EX_TOPMOST;
        if (after == wndNoTopMost) m_exStyle &= ~WS_EX_TOPMOST;
        if (m_parent && (m_style & WS_CHILD)) {
            auto& s = m_parent->m_children;
            s.erase(std::remove(s.begin(), s.end(), this), s.end());
            if (after == wndBottom) {
                s.push_back(this);
            } else if (after == wndTop || after == wndTopMost || after == wndNoTopMost) {
                s.insert(s.begin(), this);
            } else {
                auto it = std::find(s.begin(), s.end(), after);
                s.insert(it == s.end() ? s.begin() : it + 1, this);
            }
        } else if (after == wndBottom) {
            Desktop::addTopLevel(this, false);
        } else if (after == wndTop || after == wndTopMost || after == wndNoTopMost) {
            Desktop::addTopLevel(this, true);
        } else {
            Desktop::raiseTopLevel(this, after);
        }
    }
    if (flags & SWP_SHOWWINDOW) showWindow(SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW) showWindow(SW_HIDE);
    Rect r = m_rect;
    if (!(flags & SWP_NOMOVE)) r = Rect::fromSize(x, y, r.width(), r.height());
    if (!(flags & SWP_NOSIZE)) r = Rect::fromSize(r.left, r.top, cx, cy);
    return moveWindow(r, !(flags & SWP_NOREDRAW));
}

// ---- Fonts and icons

void Window::setFont(const Font& font, bool redraw) {
    sendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(&font), redraw ? 1 : 0);
}

Font Window::getFont() const {
    for (const Window* w = this; w; w = w->m_parent)
        if (w->m_hasFont) return w->m_font;
    return defaultDialogFont();
}

Image Window::setIcon(const Image& icon, bool big) {
    Image& slot = big ? m_bigIcon : m_smallIcon;
    Image old = slot;
    slot = icon;
    invalidate();
    return old;
}

// ---- Messages

LRESULT Window::sendMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
    if (!m_alive) return 0;
    Desktop::DispatchScope scope;
    Msg saved = m_current;
    m_current = Msg{this, msg, wParam, lParam, Desktop::cursorPos(), Timers::now()};
    LRESULT r = windowProc(msg, wParam, lParam);
    m_current = saved;
    return r;
}

bool Window::postMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
    if (!m_alive) return false;
    Desktop::post(this, msg, wParam, lParam);
    return true;
}

LRESULT Window::sendDlgItemMessage(int id, unsigned msg, WPARAM wParam, LPARAM lParam) {
    Window* w = getDlgItem(id);
    return w ? w->sendMessage(msg, wParam, lParam) : 0;
}

bool Window::preTranslateMessage(const Msg& msg) {
    (void)msg;
    return false;
}

unsigned Window::getDlgCode(const Msg* msg) {
    (void)msg;
    return 0;
}

int Window::hitTest(Point client) {
    (void)client;
    return HTCLIENT;
}

LRESULT Window::callDefault() { return defWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

LRESULT Window::windowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return onCreate() ? 0 : -1;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case WM_NCDESTROY:
        onNcDestroy();
        return 0;
    case WM_SIZE:
        onSize(static_cast<unsigned>(wParam), pointFromLParam(lParam).x, pointFromLParam(lParam).y);
        return 0;
    case WM_MOVE:
        onMove(pointFromLParam(lParam).x, pointFromLParam(lParam).y);
        return 0;
    case WM_GETMINMAXINFO:
        onGetMinMaxInfo(*reinterpret_cast<MinMaxInfo*>(lParam));
        return 0;
    case WM_COMMAND:
        if (onCommand(static_cast<int>(loWord(wParam)), notifyCode(wParam))) return 0;
        return defWindowProc(msg, wParam, lParam);
    case WM_NOTIFY: {
        const auto* h = reinterpret_cast<const NotifyHeader*>(lParam);
        LRESULT result = 0;
        if (h && onNotify(h->idFrom, h->code, result)) return result;
        return defWindowProc(msg, wParam, lParam);
    }
    case WM_TIMER:
        onTimer(static_cast<std::uintptr_t>(wParam));
        return 0;
    case WM_KEYDOWN:
        onKeyDown(static_cast<unsigned>(wParam), 1, 0);
        return 0;
    case WM_KEYUP:
        onKeyUp(static_cast<unsigned>(wParam), 1, 0);
        return 0;
    case WM_CHAR:
        onChar(static_cast<char16_t>(wParam), 1, 0);
        return 0;
    case WM_LBUTTONDOWN:
        onLButtonDown(static_cast<unsigned>(wParam), pointFromLParam(lParam));
        return 0;
    case WM_LBUTTONUP:
        onLButtonUp(static_cast<unsigned>(wParam), pointFromLParam(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        onLButtonDblClk(static_cast<unsigned>(wParam), pointFromLParam(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        onRButtonDown(static_cast<unsigned>(wParam), pointFromLParam(lParam));
        return 0;
    case WM_RBUTTONUP:
        onRButtonUp(static_cast<unsigned>(wParam), pointFromLParam(lParam));
        return 0;
    case WM_MOUSEMOVE:
        onMouseMove(static_cast<unsigned>(wParam), pointFromLParam(lParam));
        return 0;
    case WM_SETCURSOR:
        return onSetCursor(reinterpret_cast<Window*>(wParam), loWord(static_cast<WPARAM>(lParam)),
                           hiWord(static_cast<WPARAM>(lParam)))
                   ? 1
                   : 0;
    case WM_SETFOCUS:
        onSetFocus(reinterpret_cast<Window*>(wParam));
        return 0;
    case WM_KILLFOCUS:
        onKillFocus(reinterpret_cast<Window*>(wParam));
        return 0;
    case WM_SHOWWINDOW:
        onShowWindow(wParam != 0, static_cast<unsigned>(lParam));
        return 0;
    case WM_ENABLE:
        onEnable(wParam != 0);
        return 0;
    case WM_CLOSE:
        onClose();
        return 0;
    case WM_GETDLGCODE:
        return getDlgCode(reinterpret_cast<const Msg*>(lParam));
    default:
        return defWindowProc(msg, wParam, lParam);
    }
}

LRESULT Window::defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETTEXT:
        if (lParam) m_text = *reinterpret_cast<const std::u16string*>(lParam);
        invalidate();
        return 1;
    case WM_GETTEXT:
        if (lParam) *reinterpret_cast<std::u16string*>(lParam) = m_text;
        return static_cast<LRESULT>(m_text.size());
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(m_text.size());
    case WM_SETFONT:
        if (wParam) {
            m_font = *reinterpret_cast<const Font*>(wParam);
            m_hasFont = true;
        }
        if (lParam) invalidate();
        return 0;
    case WM_CLOSE:
        destroyWindow();
        return 0;
    default:
        return 0;
    }
}

void Window::notifyParent(int code) {
    if (!m_alive || !ui::isWindow(m_parent)) return;
    m_parent->sendMessage(WM_COMMAND, makeWParam(static_cast<unsigned>(m_id), static_cast<unsigned>(code)),
                          reinterpret_cast<LPARAM>(this));
}

LRESULT Window::notifyParentNm(int code) {
    if (!m_alive || !ui::isWindow(m_parent)) return 0;
    NotifyHeader h{this, m_id, code};
    return m_parent->sendMessage(WM_NOTIFY, static_cast<WPARAM>(m_id), reinterpret_cast<LPARAM>(&h));
}

// ---- Timers, painting, foreground

std::uintptr_t Window::setTimer(std::uintptr_t id, unsigned elapseMs) { return Timers::setTimer(this, id, elapseMs); }
bool Window::killTimer(std::uintptr_t id) { return Timers::killTimer(this, id); }

void Window::invalidate(bool erase) {
    (void)erase;
    ++m_invalidateCount;
}

bool Window::setForegroundWindow() {
    if (!m_alive) return false;
    Desktop::setForegroundWindow(getTopLevelParent());
    return true;
}

Window* Window::getForegroundWindow() { return Desktop::getForegroundWindow(); }

// ---- Free functions

Window* createWindow(std::u16string_view className, std::u16string_view text, std::uint32_t style, const Rect& rect,
                     Window* parent, int id, std::uint32_t exStyle) {
    std::unique_ptr<Window> w = WindowClasses::make(className);
    if (!w) {
        Desktop::log(u"unknown window class: " + std::u16string(className));
        return nullptr;
    }
    if (!w->createEx(exStyle, className, text, style, rect, parent, id)) return nullptr;
    // Owned by the framework from here on; a failed creation was still ours to delete.
    w->setAutoDelete(true);
    return w.release();
}

bool isWindow(const Window* w) { return w && Desktop::isLiveObject(w) && w->isWindow(); }

} // namespace ui
