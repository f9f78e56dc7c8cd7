// Any bytes given as a macro file: reading never fails hard, and a macro that was read writes a document
// that reads back into the same macro.
#include "nuvo/macro/macroJson.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Ork_DbMacro db;
    MacroData macroData;
    Ork_String error;
    if (!readMacroJsonText(bytes, db, macroData, error)) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    const std::string written = macroJsonText(*db.macro(), macroData);
    Ork_DbMacro again;
    MacroData againData;
    if (!readMacroJsonText(written, again, againData, error) || macroJsonText(*again.macro(), againData) != written)
        std::abort();
    return 0;
}
