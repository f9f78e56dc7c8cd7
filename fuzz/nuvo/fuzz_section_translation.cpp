// Any bytes given as the section-name translation table: the reader accepts or refuses them without
// crashing, and every row it accepts has exactly two texts.
#include "nuvo/sectionTranslation.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Ork_Array<Ork_StringArray> rows;
    Ork_String error;
    if (!nuvo::parseSectionTranslation(bytes, rows, error)) {
        if (error.isEmpty())
            std::abort();  // a refusal always says why
        return 0;
    }
    for (int i = 0; i < rows.length(); ++i)
        if (rows[i].length() != 2)
            std::abort();
    return 0;
}
