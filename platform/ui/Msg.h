#pragma once
// One message as it travels through the pre-translate hooks: which window it is for, its number, its two
// parameters, and the cursor position and virtual time at which it was made.
#include "ui/geometry.h"

#include <cstdint>

namespace ui {

class Window;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct Msg {
    Window* window = nullptr;
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    Point pt;                  // screen position of the cursor
    std::uint64_t time = 0;    // virtual clock, milliseconds
};

constexpr unsigned loWord(std::uintptr_t v) { return static_cast<unsigned>(v & 0xFFFF); }
constexpr unsigned hiWord(std::uintptr_t v) { return static_cast<unsigned>((v >> 16) & 0xFFFF); }
constexpr WPARAM makeWParam(unsigned lo, unsigned hi) { return (WPARAM(hi & 0xFFFF) << 16) | WPARAM(lo & 0xFFFF); }
constexpr LPARAM makeLParam(int lo, int hi) {
    return static_cast<LPARAM>((std::uint32_t(std::uint16_t(hi)) << 16) | std::uint16_t(lo));
}
// A 16-bit notification code as a signed int (WM_COMMAND carries it in 16 bits).
constexpr int notifyCode(WPARAM wParam) { return static_cast<int>(static_cast<std::int16_t>(hiWord(wParam))); }
constexpr Point pointFromLParam(LPARAM l) {
    return {static_cast<std::int16_t>(l & 0xFFFF), static_cast<std::int16_t>((l >> 16) & 0xFFFF)};
}

// What WM_NOTIFY's second parameter points to.
struct NotifyHeader {
    Window* from = nullptr;
    int idFrom = 0;
    int code = 0;
};

} // namespace ui
