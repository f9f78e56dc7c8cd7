#pragma once
// The date a bill is stamped with: the local time of a clock that tests (and a host that wants a fixed date)
// can set, written as "%d %B, %Y (%H:%M)" with English month names whatever the locale.
#include "nuvo/Ork_String.h"

#include <ctime>
#include <functional>

using BillClock = std::function<std::tm()>;

// The clock's local time; the system's local time unless a clock was set.
std::tm billLocalTime();
// An empty clock goes back to the system's.
void setBillClock(BillClock clock);

// "08 May, 2024 (09:05)".
Ork_String billDateText(const std::tm& time);
