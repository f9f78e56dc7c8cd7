#include "macroedit/selectionRecent.h"

#include "ui/Timers.h"

#include <cstdint>

namespace macroedit {
namespace {

constexpr unsigned kSelectionRecentMs = 2000;

bool gRecent = false;
std::uintptr_t gTimer = 0;

} // namespace

void startSelectionRecent() {
    if (gTimer)
        ui::Timers::killTimer(gTimer);
    gRecent = true;
    gTimer = ui::Timers::setTimer(kSelectionRecentMs, [](std::uintptr_t id) {
        ui::Timers::killTimer(id);
        if (id == gTimer) {
            gTimer = 0;
            gRecent = false;
        }
    });
}

bool isSelectionRecent() { return gRecent; }

void stopSelectionRecent() {
    if (gTimer)
        ui::Timers::killTimer(gTimer);
    gTimer = 0;
    gRecent = false;
}

} // namespace macroedit
