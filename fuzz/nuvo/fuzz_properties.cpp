// Feeds arbitrary bytes to the property-list file parser: it must refuse or accept them without a crash,
// a hang or unbounded memory, and whatever it accepts must write and read back to the same list.
#include "nuvo/Ork_PropertiesList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Ork_PropertiesList list;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!list.fromText(text))
        return 0;
    const std::string written = list.toText();
    Ork_PropertiesList again;
    if (!again.fromText(written) || again.toText() != written)
        std::abort();
    return 0;
}
