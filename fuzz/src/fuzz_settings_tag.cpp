// Any text as a sheet's settings tag (one byte one character, so 0xA4 is the separator): it parses without
// failing hard, writes a text that reads back as the same entries, and settings taken from it keep their
// variable names and values paired.
#include "spread/KvSSSettings.h"
#include "spread/Ork_SimplePropsList.h"
#include "os/utf16.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Doubles are written with two decimals, so only their type survives a round; everything else survives whole.
bool sameEntries(const Ork_SimplePropsList& a, const Ork_SimplePropsList& b) {
    if (a.length() != b.length())
        return false;
    for (int i = 0; i < a.length(); ++i) {
        if (a.keyAt(i) != b.keyAt(i) || a.valueAt(i).type != b.valueAt(i).type)
            return false;
        if (a.valueAt(i).type != Ork_SimplePropsList::kDouble && a.valueAt(i).toText() != b.valueAt(i).toText())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const Ork_String text(os::fromLatin1(std::string_view(reinterpret_cast<const char*>(data), size)));
    Ork_SimplePropsList list;
    if (list.fromText(text) == text.isEmpty())
        std::abort();
    Ork_String written;
    list.toText(written);
    Ork_SimplePropsList back;
    back.fromText(written);
    if (!sameEntries(list, back))
        std::abort();

    KvSSSettings settings;
    settings.fromPropsList(list);
    if (settings.m_varNames.length() != settings.m_varValues.length())
        std::abort();
    Ork_SimplePropsList again;
    settings.toPropsList(again);
    KvSSSettings reread;
    reread.fromPropsList(again);
    if (reread.m_varNames != settings.m_varNames || reread.m_varValues != settings.m_varValues ||
        reread.m_headerFile != settings.m_headerFile || reread.m_marginTop != settings.m_marginTop ||
        reread.m_border != settings.m_border)
        std::abort();
    return 0;
}
