#pragma once
// Windows and dialogs for the tests: they record what reaches them and run hooks the test sets.
#include "ui/Dialog.h"
#include "ui/Resources.h"
#include "ui/Window.h"

#include <functional>
#include <string>
#include <vector>

namespace ui::test {

inline std::string num(long long v) { return std::to_string(v); }

// A plain window that records its messages.
class RecordingWindow : public Window {
public:
    std::vector<std::string> events;
    std::function<LRESULT(unsigned, WPARAM, LPARAM, bool&)> onMessage;

protected:
    LRESULT windowProc(unsigned msg, WPARAM w, LPARAM l) override {
        if (onMessage) {
            bool handled = false;
            LRESULT r = onMessage(msg, w, l, handled);
            if (handled) return r;
        }
        return Window::windowProc(msg, w, l);
    }
    bool onCommand(int id, int code) override {
        events.push_back("command " + num(id) + " " + num(code));
        return true;
    }
    bool onNotify(int id, int code, LRESULT& result) override {
        events.push_back("notify " + num(id) + " " + num(code));
        result = 0;
        return true;
    }
    void onSize(unsigned, int cx, int cy) override { events.push_back("size " + num(cx) + "x" + num(cy)); }
    void onSetFocus(Window*) override { events.push_back("setfocus"); }
    void onKillFocus(Window*) override { events.push_back("killfocus"); }
    void onRButtonDown(unsigned, Point p) override { events.push_back("rbutton " + num(p.x) + "," + num(p.y)); }
    void onLButtonDown(unsigned flags, Point p) override {
        events.push_back("lbutton " + num(p.x) + "," + num(p.y) + ((flags & MK_SHIFT) ? " shift" : ""));
    }
    void onTimer(std::uintptr_t id) override { events.push_back("timer " + num(static_cast<long long>(id))); }
    void onDestroy() override { events.push_back("destroy"); }
};

// A dialog whose handlers are hooks; it records commands, notifications and its own life.
class HookDialog : public Dialog {
public:
    using Dialog::Dialog;
    std::vector<std::string> events;
    std::function<bool(HookDialog&)> init;
    std::function<bool(HookDialog&, int, int)> command;
    std::function<void(HookDialog&)> ok, cancel, destroyed;
    std::function<bool(const Msg&)> pretranslate;
    std::function<void(MinMaxInfo&)> minMax;

    bool preTranslateMessage(const Msg& msg) override {
        if (msg.message == WM_KEYDOWN) events.push_back("pretranslate " + num(static_cast<long long>(msg.wParam)));
        return pretranslate ? pretranslate(msg) : Dialog::preTranslateMessage(msg);
    }

protected:
    bool onInitDialog() override {
        events.push_back("init");
        return init ? init(*this) : Dialog::onInitDialog();
    }
    bool onCommand(int id, int code) override {
        events.push_back("command " + num(id) + " " + num(code));
        if (command && command(*this, id, code)) return true;
        return Dialog::onCommand(id, code);
    }
    bool onNotify(int id, int code, LRESULT& result) override {
        events.push_back("notify " + num(id) + " " + num(code));
        result = 0;
        return true;
    }
    void onOK() override {
        events.push_back("ok");
        if (ok)
            ok(*this);
        else
            Dialog::onOK();
    }
    void onCancel() override {
        events.push_back("cancel");
        if (cancel)
            cancel(*this);
        else
            Dialog::onCancel();
    }
    void onDestroy() override {
        events.push_back("destroy");
        if (destroyed) destroyed(*this);
    }
    void onGetMinMaxInfo(MinMaxInfo& info) override {
        if (minMax) minMax(info);
    }
};

// The resource module the tests register their templates in.
inline ResourceModule& testResources() { return Resources::addModule(u"tests"); }

// A small dialog: an edit 100, a check box 101, OK and Cancel.
inline DialogTemplate simpleTemplate(int id) {
    DialogTemplate t;
    t.id = id;
    t.caption = u"Simple";
    t.size = {200, 100};
    t.add(u"Edit", 100, u"", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, {10, 10, 110, 30}, WS_EX_CLIENTEDGE)
        .add(u"Button", 101, u"Check", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, {10, 40, 110, 60})
        .add(u"Button", IDOK, u"OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {120, 10, 190, 30})
        .add(u"Button", IDCANCEL, u"Cancel", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, {120, 40, 190, 60});
    return t;
}

inline void registerSimple(int id) { testResources().addDialog(simpleTemplate(id)); }

} // namespace ui::test
