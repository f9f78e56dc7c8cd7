#pragma once
// A window of the headless window system: its whole state (class, style, text, rectangles, parent and children
// in z-order, font, icons, visibility, enabled state) lives in this object, and everything that happens to it
// arrives as a message through windowProc, as on the platform the module was written for.
//
// Ownership: an object that calls create() on itself stays owned by its creator (a dialog object, a member
// control); destroying its window leaves the object alive but detached (isWindow() false). Windows the
// framework makes by class name (createWindow, dialog templates) are owned by the framework and deleted once
// destroyed — never while one of their handlers is running (deletion waits until the outermost message returns).
//
// Behaviour of a window class lives in defWindowProc (what the platform's class procedure does); the on...
// handlers are what a derived class overrides, and their default calls callDefault(), so an override that
// calls its base keeps the class behaviour, as with the framework the module was written for.
#include "ui/Font.h"
#include "ui/Metrics.h"
#include "ui/Msg.h"
#include "ui/constants.h"
#include "ui/geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Dialog;

// A picture handle: a resource id and the bytes of the picture (BMP or ICO as stored). Decoding belongs to the
// painting part; the window system only carries pictures from resources to the windows that show them.
struct Image {
    int resourceId = 0;
    std::shared_ptr<const std::vector<std::uint8_t>> bytes;
    Size size;  // in pixels when known
    bool isIcon = false;
    bool isNull() const { return resourceId == 0 && !bytes; }
    friend bool operator==(const Image& a, const Image& b) {
        return a.resourceId == b.resourceId && a.bytes == b.bytes && a.isIcon == b.isIcon;
    }
};

// Minimum and maximum tracking size asked before a user resize (WM_GETMINMAXINFO).
struct MinMaxInfo {
    Size minTrackSize{1, 1};
    Size maxTrackSize{Metrics::kScreenWidth * 2, Metrics::kScreenHeight * 2};
};

// Hit-test answers.
inline constexpr int HTTRANSPARENT = -1;
inline constexpr int HTNOWHERE = 0;
inline constexpr int HTCLIENT = 1;

class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // ---- Life
    // Makes this object a window. `rect` is in the parent's client coordinates for a child (WS_CHILD), in
    // screen coordinates otherwise; `parent` is the owner of a top-level window. A child goes to the bottom of
    // its siblings' z-order (so creation order is Tab order); a top-level window to the top. Sends WM_CREATE
    // (onCreate may refuse) and then WM_SIZE and WM_MOVE. Fails when the object already is a window, when a child has no
    // parent, or when a creation failure was injected (Failures.h).
    bool createEx(std::uint32_t exStyle, std::u16string_view className, std::u16string_view text,
                  std::uint32_t style, const Rect& rect, Window* parent, int id);
    bool create(std::u16string_view className, std::u16string_view text, std::uint32_t style, const Rect& rect,
                Window* parent, int id) {
        return createEx(0, className, text, style, rect, parent, id);
    }
    // Destroys the window and all its descendants: WM_DESTROY goes to the window first, then to each child
    // (depth first), WM_NCDESTROY in reverse, then postNcDestroy. The focus, if inside, is dropped without
    // kill-focus (no notifications from a window on its way out). A destroy hook may delete child objects. False when the object is not a window or a
    // destruction failure was injected (then nothing changes).
    bool destroyWindow();
    bool isWindow() const { return m_alive; }
    // Replaces the child with this id by `replacement` (an object of a compatible class, e.g. an ImageButton
    // for a template's button): the replacement takes over class, style, text, rectangle, font, id and place in
    // the z-order; the original is destroyed. What a dialog does to attach member controls to its template.
    bool subclassDlgItem(int id, Window& replacement);

    // ---- Identity and tree
    const std::u16string& getClassName() const { return m_className; }
    bool isClass(std::u16string_view className) const;  // ignoring case, as the platform compares class names
    int getDlgCtrlID() const { return m_id; }
    void setDlgCtrlID(int id) { m_id = id; }
    Window* getParent() const { return m_parent; }
    Window* getOwner() const { return m_owner; }  // the window given as parent to a top-level window
    bool isChildWindow() const { return (m_style & WS_CHILD) != 0; }
    Window* getTopLevelParent();             // the nearest ancestor (or self) that is not a child window
    bool isChild(const Window* other) const; // `other` is a descendant of this window
    Window* getDlgItem(int id) const;        // a direct child with that id (the first in z-order)
    template <class T> T* getDlgItemAs(int id) const { return dynamic_cast<T*>(getDlgItem(id)); }
    Window* findDescendant(int id) const;    // depth first, z-order
    std::vector<Window*> children() const;   // z-order, topmost first
    Window* getNextSibling() const;          // below this one in z-order
    Window* getPrevSibling() const;
    virtual Dialog* asDialog() { return nullptr; }

    // ---- Text
    void setWindowText(std::u16string_view text);
    std::u16string getWindowText() const;
    int getWindowTextLength() const;
    bool setDlgItemText(int id, std::u16string_view text);
    std::u16string getDlgItemText(int id) const;
    // Leading integer of a child's text (optional sign when `isSigned`); ok false when there is none.
    int getDlgItemInt(int id, bool* ok = nullptr, bool isSigned = true) const;
    bool setDlgItemInt(int id, int value, bool isSigned = true);
    // Check state of a child button (no notification, as programmatic checks never notify).
    bool checkDlgButton(int id, int state);
    int isDlgButtonChecked(int id) const;
    // Checks `checkId` and clears every other button of ids first..last.
    bool checkRadioButton(int firstId, int lastId, int checkId);

    // ---- Style
    std::uint32_t getStyle() const { return m_style; }
    std::uint32_t getExStyle() const { return m_exStyle; }
    void setStyle(std::uint32_t style);
    void setExStyle(std::uint32_t exStyle) { m_exStyle = exStyle; }
    bool modifyStyle(std::uint32_t remove, std::uint32_t add);   // true when the style changed
    bool modifyStyleEx(std::uint32_t remove, std::uint32_t add);

    // ---- Visibility and enabled state
    // Returns whether the window was visible before, as the platform does.
    bool showWindow(int cmd);
    bool isWindowVisible() const;  // this window and all its ancestors have WS_VISIBLE
    // Returns whether the window was disabled before. Disabling the focus window takes the focus away.
    bool enableWindow(bool enable = true);
    bool isWindowEnabled() const { return m_alive && (m_style & WS_DISABLED) == 0; }

    // ---- Focus (kill-focus goes to the old window before set-focus goes to the new one)
    Window* setFocus();  // returns the window that had the focus
    static Window* getFocus();
    bool hasFocus() const { return getFocus() == this; }

    // ---- Geometry
    Rect getWindowRect() const;   // screen coordinates
    Rect getClientRect() const;   // (0, 0, client width, client height)
    Rect getRectInParent() const { return m_rect; }  // what moveWindow set: parent client or screen
    Insets nonClientInsets() const;
    Point clientToScreen(Point p) const;
    Rect clientToScreen(const Rect& r) const;
    Point screenToClient(Point p) const;
    Rect screenToClient(const Rect& r) const;
    // Sends WM_MOVE / WM_SIZE when the position / size changed.
    bool moveWindow(int x, int y, int cx, int cy, bool repaint = true);
    bool moveWindow(const Rect& r, bool repaint = true) { return moveWindow(r.left, r.top, r.width(), r.height(), repaint); }
    // Special places in the z-order for setWindowPos.
    static Window* const wndTop;
    static Window* const wndBottom;
    static Window* const wndTopMost;
    static Window* const wndNoTopMost;
    bool setWindowPos(const Window* insertAfter, int x, int y, int cx, int cy, unsigned flags);
    bool bringWindowToTop() { return setWindowPos(wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }
    bool isTopMost() const { return (m_exStyle & WS_EX_TOPMOST) != 0; }

    // ---- Fonts and icons
    // A window without a font of its own uses its parent's (a dialog's controls get the dialog's font).
    void setFont(const Font& font, bool redraw = true);
    Font getFont() const;
    bool hasOwnFont() const { return m_hasFont; }
    Image setIcon(const Image& icon, bool big);  // returns the previous one
    Image getIcon(bool big) const { return big ? m_bigIcon : m_smallIcon; }

    // ---- Messages
    LRESULT sendMessage(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queued: delivered when the outermost message returns (or the Robot or the clock pumps).
    bool postMessage(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT sendDlgItemMessage(int id, unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Hook for messages on their way to the focus window: called for the focus window and each ancestor in
    // turn, before the dialog manager. True swallows the message.
    virtual bool preTranslateMessage(const Msg& msg);
    // What keys the window wants from the dialog manager (DLGC_ bits).
    virtual unsigned getDlgCode(const Msg* msg);
    // Hit test in client coordinates: HTTRANSPARENT lets the point fall through to the window below.
    virtual int hitTest(Point client);

    // ---- Timers (WM_TIMER, see Timers.h for window-less timers)
    std::uintptr_t setTimer(std::uintptr_t id, unsigned elapseMs);
    bool killTimer(std::uintptr_t id);

    // ---- Painting bookkeeping (the painter reads the state; this only counts requests)
    void invalidate(bool erase = true);
    void updateWindow() {}
    int invalidateCount() const { return m_invalidateCount; }
    void setRedraw(bool on) { m_redraw = on; }
    bool redrawEnabled() const { return m_redraw; }

    // ---- Foreground and activation
    bool setForegroundWindow();
    static Window* getForegroundWindow();

    // ---- Per-window data (the platform's user data slot)
    void setUserData(std::intptr_t data) { m_userData = data; }
    std::intptr_t getUserData() const { return m_userData; }

    // A framework-owned object is deleted (deferred) once its window is destroyed.
    void setAutoDelete(bool on) { m_autoDelete = on; }
    bool autoDelete() const { return m_autoDelete; }

    // The message being handled, as the framework keeps it for callDefault().
    const Msg& currentMessage() const { return m_current; }

protected:
    virtual LRESULT windowProc(unsigned msg, WPARAM wParam, LPARAM lParam);
    // The class behaviour. The base answers WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH, WM_SETFONT,
    // WM_GETFONT, WM_CLOSE (destroys the window) and DM_ messages with 0.
    virtual LRESULT defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam);
    LRESULT callDefault();

    // Handlers (defaults call callDefault()).
    virtual bool onCreate() { return true; }   // false refuses the creation
    virtual void onDestroy() { callDefault(); }
    virtual void onNcDestroy() { callDefault(); }
    // After the window is gone (the object may delete itself here; the framework-owned default is deletion).
    virtual void postNcDestroy();
    virtual void onSize(unsigned type, int cx, int cy) { (void)type; (void)cx; (void)cy; callDefault(); }
    virtual void onMove(int x, int y) { (void)x; (void)y; callDefault(); }
    virtual void onGetMinMaxInfo(MinMaxInfo& info) { (void)info; }
    // Command notifications from children and menus: id and notification code. True when handled.
    virtual bool onCommand(int id, int code) { (void)id; (void)code; return false; }
    // WM_NOTIFY from children. True when handled; `result` is the answer.
    virtual bool onNotify(int id, int code, LRESULT& result) { (void)id; (void)code; (void)result; return false; }
    virtual void onTimer(std::uintptr_t id) { (void)id; callDefault(); }
    virtual void onKeyDown(unsigned vk, unsigned repeat, unsigned flags) { (void)vk; (void)repeat; (void)flags; callDefault(); }
    virtual void onKeyUp(unsigned vk, unsigned repeat, unsigned flags) { (void)vk; (void)repeat; (void)flags; callDefault(); }
    virtual void onChar(char16_t ch, unsigned repeat, unsigned flags) { (void)ch; (void)repeat; (void)flags; callDefault(); }
    virtual void onLButtonDown(unsigned flags, Point p) { (void)flags; (void)p; callDefault(); }
    virtual void onLButtonUp(unsigned flags, Point p) { (void)flags; (void)p; callDefault(); }
    virtual void onLButtonDblClk(unsigned flags, Point p) { (void)flags; (void)p; callDefault(); }
    virtual void onRButtonDown(unsigned flags, Point p) { (void)flags; (void)p; callDefault(); }
    virtual void onRButtonUp(unsigned flags, Point p) { (void)flags; (void)p; callDefault(); }
    virtual void onMouseMove(unsigned flags, Point p) { (void)flags; (void)p; callDefault(); }
    virtual bool onSetCursor(Window* w, unsigned hit, unsigned msg) { (void)w; (void)hit; (void)msg; return false; }
    virtual void onSetFocus(Window* old) { (void)old; callDefault(); }
    virtual void onKillFocus(Window* next) { (void)next; callDefault(); }
    virtual void onShowWindow(bool show, unsigned status) { (void)show; (void)status; callDefault(); }
    virtual void onEnable(bool enable) { (void)enable; callDefault(); }
    virtual void onClose() { callDefault(); }

    // Sends WM_COMMAND (id, code) to the direct parent; what every control does to notify.
    void notifyParent(int code);
    // Sends WM_NOTIFY with this window's id and `code` to the direct parent; returns the parent's answer.
    LRESULT notifyParentNm(int code);

    // The stored text, for classes that keep it in step with their own state.
    void setTextInternal(std::u16string text) { m_text = std::move(text); }
    const std::u16string& textInternal() const { return m_text; }


private:
    friend class Desktop;
    friend class WindowClasses;
    friend class Dialog;
    void attachChild(Window* child, bool atTop);
    void detachChild(Window* child);
    void destroyTree(bool sendMessages);
    void sendDestroy(std::vector<Window*>& order);
    void killOwnTimers();
    void takeStateFrom(Window& other);

    std::u16string m_className;
    std::u16string m_text;
    std::uint32_t m_style = 0;
    std::uint32_t m_exStyle = 0;
    Rect m_rect;
    int m_id = 0;
    Window* m_parent = nullptr;
    Window* m_owner = nullptr;
    std::vector<Window*> m_children;  // z-order, top first
    Font m_font;
    bool m_hasFont = false;
    Image m_bigIcon, m_smallIcon;
    bool m_alive = false;
    bool m_autoDelete = false;
    bool m_destroying = false;
    bool m_redraw = true;
    int m_invalidateCount = 0;
    std::intptr_t m_userData = 0;
    Msg m_current;
};

// Creates a framework-owned window of a registered class (WindowClasses.h); null when the class is unknown or
// the creation fails.
Window* createWindow(std::u16string_view className, std::u16string_view text, std::uint32_t style, const Rect& rect,
                     Window* parent, int id, std::uint32_t exStyle = 0);

// Whether `w` still is a live window (the platform's IsWindow): false for null, destroyed or deleted ones.
bool isWindow(const Window* w);

} // namespace ui
