// Any bytes given as a registry file: the parser accepts or refuses them without crashing, and what it accepts
// writes back to a file that reads back to the same text.
#include "os/RegistryHive.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    os::RegistryHive hive;
    std::string error;
    if (!hive.parse(text, error)) {
        if (error.rfind("line ", 0) != 0) std::abort(); // every refusal names its line
        return 0;
    }
    const std::string written = hive.serialize("HKEY_CURRENT_USER");
    os::RegistryHive again;
    if (!again.parse(written, error) || again.serialize("HKEY_CURRENT_USER") != written) std::abort();
    return 0;
}
