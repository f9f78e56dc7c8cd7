// Feeds arbitrary bytes to the formula parser and, when it accepts them, to the evaluator and the text
// rebuilder: none may crash, hang, recurse without bound or allocate without bound, and a rebuilt text must
// parse again to the same program.
#include <cstddef>
#include <cstdint>
#include <string>

#include "grid/FormulaParser.h"
#include "grid/Sheet.h"

using namespace grid;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    // The first byte chooses the reference style; the rest is UTF-16 built from byte pairs, with ASCII bytes
    // taken alone so that the interesting inputs stay short.
    const RefStyle style = (data[0] & 1) ? RefStyle::R1C1 : RefStyle::A1;
    std::u16string text;
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] < 0x80 || i + 1 >= size)
            text += char16_t(data[i]);
        else {
            text += char16_t((data[i] << 8) | data[i + 1]);
            ++i;
        }
    }
    Formula formula;
    if (!parseFormula(text, 3, 3, style, formula))
        return 0;
    const std::u16string rebuilt = formula.toText(3, 3, style);
    Formula again;
    if (!parseFormula(rebuilt, 3, 3, style, again) || again.key() != formula.key())
        __builtin_trap();

    static Sheet* sheet = [] {
        auto* s = new Sheet;
        s->setMaxCols(8);
        s->setMaxRows(8);
        s->setData(1, 1, u"1");
        s->setData(2, 1, u"text");
        s->setData(1, 2, u"2.5");
        s->setFormula(2, 2, u"1/0");
        return s;
    }();
    sheet->setRefStyle(style == RefStyle::R1C1 ? 2 : 1);
    sheet->setFormula(3, 3, text);
    sheet->valueText(3, 3);
    sheet->formula(3, 3);
    return 0;
}
