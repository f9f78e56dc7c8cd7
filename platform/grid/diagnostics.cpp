#include "grid/diagnostics.h"

#include <cstdio>
#include <mutex>

#include "os/utf16.h"

namespace grid {
namespace {

std::mutex gSinkMutex;
DiagnosticSink& sinkSlot() {
    static DiagnosticSink sink;
    return sink;
}

} // namespace

void setDiagnosticSink(DiagnosticSink sink) {
    std::lock_guard lock(gSinkMutex);
    sinkSlot() = std::move(sink);
}

void reportDiagnostic(std::u16string_view message) {
    DiagnosticSink sink;
    {
        std::lock_guard lock(gSinkMutex);
        sink = sinkSlot();
    }
    // Called outside the lock: a sink may itself report (or replace the sink) without deadlocking.
    if (sink) {
        sink(message);
        return;
    }
    std::string utf8 = os::toUtf8(message);
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
}

} // namespace grid
