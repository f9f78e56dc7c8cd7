// Any bytes given as a macro property file: reading never fails hard, a refused file changes nothing, and the
// values of a file that was read write a file that reads back into the same values.
#include "nuvo/macro/MacroData.h"
#include "nuvo/macro/macroValuesFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// A macro with one value of every kind a property file places.
MacroData sampleMacro() {
    MacroData m;
    m.name = u"M";
    MacroTabData t;
    t.name = u"T";
    MacroCellData cell;
    cell.name = u"A";
    cell.value = u"1";
    t.cells.append(cell);
    MacroPatternData p;
    p.name = u"P";
    p.twoDirections = true;
    p.props.patternType = 2;
    t.patterns.append(p);
    t.bolt = MacroBoltData();
    MacroProfData g;
    g.name = u"G";
    g.members.push_back(MacroProfData());
    t.profiles.append(g);
    MacroCutData c;
    c.name = u"C";
    t.cuts.append(c);
    MacroArrayData a;
    a.data.name = u"R";
    t.arrays.append(a);
    t.block = MacroBlockData();
    MacroFlexFixData f;
    f.constraint = u"A";
    t.flexFix.append(f);
    m.tabs.append(t);
    return m;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    MacroData macro = sampleMacro();
    const std::string untouched = macroValuesText(macro);
    int unplaced = 0;
    Ork_String error;
    if (!readMacroValuesText(bytes, macro, unplaced, error)) {
        if (error.isEmpty() || macroValuesText(macro) != untouched)
            std::abort();
        return 0;
    }
    if (unplaced < 0)
        std::abort();
    const std::string written = macroValuesText(macro);
    MacroData again = sampleMacro();
    if (!readMacroValuesText(written, again, unplaced, error) || unplaced != 0 || macroValuesText(again) != written)
        std::abort();
    return 0;
}
