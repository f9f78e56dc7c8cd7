#include "sheet/billDate.h"

#include <cstdio>

namespace {

BillClock& installedClock() {
    static BillClock c;
    return c;
}

constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

} // namespace

std::tm billLocalTime() {
    if (installedClock())
        return installedClock()();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

void setBillClock(BillClock c) { installedClock() = std::move(c); }

Ork_String billDateText(const std::tm& time) {
    // Month names of the C library follow the locale; the bill's are always English.
    const int month = time.tm_mon >= 0 && time.tm_mon < 12 ? time.tm_mon : 0;
    char text[96];
    std::snprintf(text, sizeof text, "%02d %s, %d (%02d:%02d)", time.tm_mday, kMonths[month], time.tm_year + 1900,
                  time.tm_hour, time.tm_min);
    return Ork_String::fromUtf8(text);
}
