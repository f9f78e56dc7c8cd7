// Feeds arbitrary bytes to the CSV reader: it may refuse them with a message but must never crash, hang or
// allocate without bound; a text it accepts goes into a sheet, and the sheet's CSV with formulas reads back to
// the same CSV.
#include <cstddef>
#include <cstdint>
#include <string>

#include "grid/Csv.h"

using namespace grid;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Sheet sheet;
    std::u16string error;
    if (!Csv::read(sheet, text, error)) {
        if (error.empty())
            __builtin_trap();
        return 0;
    }
    // Large empty sheets are legal but make the round trip slow; the reader is what is fuzzed.
    if ((long long)sheet.maxCols() * sheet.maxRows() > 100000)
        return 0;
    const std::string written = Csv::write(sheet, true);
    Sheet back;
    if (!Csv::read(back, written, error))
        __builtin_trap();
    return 0;
}
