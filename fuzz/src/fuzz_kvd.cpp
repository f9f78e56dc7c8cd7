// Any bytes as a settings file (.kvd): they read without failing hard, every entry has a key, and the
// settings taken from them write a list that reads back as the same settings.
#include "spread/KvSSSettings.h"
#include "spread/Ork_SimplePropsList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    Ork_SimplePropsList list;
    list.fromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    for (int i = 0; i < list.length(); ++i) {
        int index = -1;
        if (list.keyAt(i).isEmpty() || !list.has(list.keyAt(i), index) || index != i)
            std::abort();
    }
    KvSSSettings settings;
    settings.fromPropsList(list);
    Ork_SimplePropsList written;
    settings.toPropsList(written);
    Ork_String text;
    written.toText(text);
    Ork_SimplePropsList back;
    back.fromText(text);
    KvSSSettings reread;
    reread.fromPropsList(back);
    if (reread.m_defaultFont != settings.m_defaultFont || reread.m_defaultTextHeight != settings.m_defaultTextHeight ||
        reread.m_footerFile != settings.m_footerFile || reread.m_smartPrint != settings.m_smartPrint ||
        reread.m_varNames != settings.m_varNames || reread.m_varValues != settings.m_varValues)
        std::abort();
    return 0;
}
