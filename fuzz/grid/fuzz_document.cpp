// Feeds arbitrary bytes to the grid document reader: it may refuse them but must never crash, hang or allocate
// without bound, and a document it accepts must be applied to a sheet and written back to a text that reads
// again to the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "grid/GridDocument.h"

using namespace grid;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    GridDocument doc;
    std::u16string error;
    if (!doc.parse(text, error)) {
        if (error.empty())
            __builtin_trap();
        return 0;
    }
    Sheet sheet;
    doc.applyTo(sheet);
    const std::string written = GridDocument::capture(sheet).toText();
    GridDocument again;
    if (!again.parse(written, error))
        __builtin_trap();
    Sheet copy;
    again.applyTo(copy);
    if (GridDocument::capture(copy).toText() != written)
        __builtin_trap();
    return 0;
}
