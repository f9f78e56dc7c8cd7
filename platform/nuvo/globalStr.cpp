#include "nuvo/globalStr.h"

#include "cadhost/CommandLine.h"
#include "grid/diagnostics.h"

namespace {

// The grid has no command line of its own; the host library gives it the host's, as soon as it is loaded.
const bool gGridDiagnosticsToCommandLine = [] {
    grid::setDiagnosticSink([](std::u16string_view message) {
        const std::u16string text(message);
        acutPrintf(u"%s", text.c_str());
    });
    return true;
}();

} // namespace

bool getGlobalStr(grid::MemHandle handle, Ork_String& text) {
    std::u16string read;
    if (!grid::GlobalMemory::toText(handle, read))
        return false;
    text = Ork_String(std::move(read));
    return true;
}

bool setGlobalStr(grid::MemHandle& handle, const Ork_String& text) {
    handle = grid::GlobalMemory::fromText(text);
    return handle != 0;
}
