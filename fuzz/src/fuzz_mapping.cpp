// Any bytes given as a mapping file: every line reads without failing hard, and every map read from a line
// writes a mapping string that reads back as the same map.
#include "nuvo/Ork_StringArray.h"
#include "os/files.h"
#include "standards/KvMappingFile.h"
#include "standards/KvSSMapping.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Ork_StringArray lines;
    for (auto& line : os::decodeLines(bytes))
        lines.append(Ork_String(std::move(line)));
    KvMappingFile::dropHeader(lines);
    const Ork_StringArray targets = KvMappingFile::targetsOf(lines);
    if (targets.length() != lines.length())
        std::abort();

    for (const Ork_String& line : lines) {
        KvSSMapping mapping;
        if (mapping.initMappingFromLine(line) != eOk)
            continue;
        int unmatched = -1;
        if (mapping.isCompatible(mapping, unmatched) != eOk || unmatched != 0)
            std::abort();
        for (const KvObjectMap& map : mapping.mappedObjects()) {
            Ork_String text, variable;
            KvObjectMap back;
            if (map.setMappingToStrs(text, variable) != eOk || back.getMappingFromStrs(variable, text) != eOk ||
                back.isCompatible(map) != eOk)
                std::abort();
        }
        AcArray<int> indices;
        mapping.getValidVars(true, KvValueType::Double, indices);
        const int count = indices.length();
        if (mapping.sortValidVars(indices, {0, 1, 2}) != eOk || indices.length() != count + 3)
            std::abort();
    }
    return 0;
}
