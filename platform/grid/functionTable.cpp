#include "grid/Functions.h"

#include <string>

#include "grid/builtins.h"
#include "os/textCase.h"

namespace grid {
namespace {

using namespace fn;
constexpr int kMany = 255;

// Every built-in with its argument limits. Where the common spreadsheets disagree on a limit, the stricter
// one is kept (CEILING and FLOOR need their significance, as in Excel).
constexpr FunctionInfo kFunctions[] = {
    // name            min  max    implementation  laziness
    // math and trigonometry
    {u"ABS",            1,  1,     ABS,            Laziness::None},
    {u"ACOS",           1,  1,     ACOS,           Laziness::None},
    {u"ASIN",           1,  1,     ASIN,           Laziness::None},
    {u"ATAN",           1,  1,     ATAN,           Laziness::None},
    {u"ATAN2",          2,  2,     ATAN2,          Laziness::None},
    {u"CEILING",        2,  2,     CEILING,        Laziness::None},
    {u"COS",            1,  1,     COS,            Laziness::None},
    {u"COSH",           1,  1,     COSH,           Laziness::None},
    {u"DEGREES",        1,  1,     DEGREES,        Laziness::None},
    {u"EVEN",           1,  1,     EVEN,           Laziness::None},
    {u"EXP",            1,  1,     EXP,            Laziness::None},
    {u"FACT",           1,  1,     FACT,           Laziness::None},
    {u"FLOOR",          2,  2,     FLOOR,          Laziness::None},
    {u"INT",            1,  1,     INT,            Laziness::None},
    {u"LN",             1,  1,     LN,             Laziness::None},
    {u"LOG",            1,  2,     LOG,            Laziness::None},
    {u"LOG10",          1,  1,     LOG10,          Laziness::None},
    {u"MOD",            2,  2,     MOD,            Laziness::None},
    {u"ODD",            1,  1,     ODD,            Laziness::None},
    {u"PI",             0,  0,     PI,             Laziness::None},
    {u"POWER",          2,  2,     POWER,          Laziness::None},
    {u"PRODUCT",        1,  kMany, PRODUCT,        Laziness::None},
    {u"RADIANS",        1,  1,     RADIANS,        Laziness::None},
    {u"RAND",           0,  0,     RAND,           Laziness::None},
    {u"ROUND",          2,  2,     ROUND,          Laziness::None},
    {u"ROUNDDOWN",      2,  2,     ROUNDDOWN,      Laziness::None},
    {u"ROUNDUP",        2,  2,     ROUNDUP,        Laziness::None},
    {u"SIGN",           1,  1,     SIGN,           Laziness::None},
    {u"SIN",            1,  1,     SIN,            Laziness::None},
    {u"SINH",           1,  1,     SINH,           Laziness::None},
    {u"SQRT",           1,  1,     SQRT,           Laziness::None},
    {u"SUM",            1,  kMany, SUM,            Laziness::None},
    {u"SUMIF",          2,  3,     SUMIF,          Laziness::None},
    {u"SUMPRODUCT",     1,  kMany, SUMPRODUCT,     Laziness::None},
    {u"TAN",            1,  1,     TAN,            Laziness::None},
    {u"TANH",           1,  1,     TANH,           Laziness::None},
    {u"TRUNC",          1,  2,     TRUNC,          Laziness::None},
    // statistics
    {u"AVERAGE",        1,  kMany, AVERAGE,        Laziness::None},
    {u"COUNT",          1,  kMany, COUNT,          Laziness::None},
    {u"COUNTA",         1,  kMany, COUNTA,         Laziness::None},
    {u"COUNTBLANK",     1,  1,     COUNTBLANK,     Laziness::None},
    {u"COUNTIF",        2,  2,     COUNTIF,        Laziness::None},
    {u"MAX",            1,  kMany, MAX,            Laziness::None},
    {u"MEDIAN",         1,  kMany, MEDIAN,         Laziness::None},
    {u"MIN",            1,  kMany, MIN,            Laziness::None},
    // logic
    {u"AND",            1,  kMany, nullptr,        Laziness::And},
    {u"FALSE",          0,  0,     FALSE_,         Laziness::None},
    {u"IF",             2,  3,     nullptr,        Laziness::If},
    {u"IFERROR",        2,  2,     nullptr,        Laziness::IfError},
    {u"NOT",            1,  1,     NOT,            Laziness::None},
    {u"OR",             1,  kMany, nullptr,        Laziness::Or},
    {u"TRUE",           0,  0,     TRUE_,          Laziness::None},
    // information
    {u"ISBLANK",        1,  1,     ISBLANK,        Laziness::None},
    {u"ISERR",          1,  1,     ISERR,          Laziness::None},
    {u"ISERROR",        1,  1,     ISERROR,        Laziness::None},
    {u"ISLOGICAL",      1,  1,     ISLOGICAL,      Laziness::None},
    {u"ISNA",           1,  1,     ISNA,           Laziness::None},
    {u"ISNUMBER",       1,  1,     ISNUMBER,       Laziness::None},
    {u"ISTEXT",         1,  1,     ISTEXT,         Laziness::None},
    {u"NA",             0,  0,     NA,             Laziness::None},
    // text
    {u"CHAR",           1,  1,     CHAR,           Laziness::None},
    {u"CODE",           1,  1,     CODE,           Laziness::None},
    {u"CONCATENATE",    1,  kMany, CONCATENATE,    Laziness::None},
    {u"EXACT",          2,  2,     EXACT,          Laziness::None},
    {u"FIND",           2,  3,     FIND,           Laziness::None},
    {u"FIXED",          1,  3,     FIXED,          Laziness::None},
    {u"LEFT",           1,  2,     LEFT,           Laziness::None},
    {u"LEN",            1,  1,     LEN,            Laziness::None},
    {u"LOWER",          1,  1,     LOWER,          Laziness::None},
    {u"MID",            3,  3,     MID,            Laziness::None},
    {u"PROPER",         1,  1,     PROPER,         Laziness::None},
    {u"REPLACE",        4,  4,     REPLACE,        Laziness::None},
    {u"REPT",           2,  2,     REPT,           Laziness::None},
    {u"RIGHT",          1,  2,     RIGHT,          Laziness::None},
    {u"SEARCH",         2,  3,     SEARCH,         Laziness::None},
    {u"SUBSTITUTE",     3,  4,     SUBSTITUTE,     Laziness::None},
    {u"TEXT",           2,  2,     TEXT,           Laziness::None},
    {u"TRIM",           1,  1,     TRIM,           Laziness::None},
    {u"UPPER",          1,  1,     UPPER,          Laziness::None},
    {u"VALUE",          1,  1,     VALUE,          Laziness::None},
    // lookup and reference
    {u"CHOOSE",         2,  kMany, nullptr,        Laziness::Choose},
    {u"COLUMN",         0,  1,     COLUMN,         Laziness::None},
    {u"COLUMNS",        1,  1,     COLUMNS,        Laziness::None},
    {u"HLOOKUP",        3,  4,     HLOOKUP,        Laziness::None},
    {u"INDEX",          2,  3,     INDEX,          Laziness::None},
    {u"LOOKUP",         2,  3,     LOOKUP,         Laziness::None},
    {u"MATCH",          2,  3,     MATCH,          Laziness::None},
    {u"ROW",            0,  1,     ROW,            Laziness::None},
    {u"ROWS",           1,  1,     ROWS,           Laziness::None},
    {u"VLOOKUP",        3,  4,     VLOOKUP,        Laziness::None},
};

} // namespace

int findBuiltin(std::u16string_view name) {
    for (std::size_t i = 0; i < std::size(kFunctions); ++i) {
        std::u16string_view n = kFunctions[i].name;
        if (n.size() != name.size())
            continue;
        bool same = true;
        for (std::size_t k = 0; k < n.size() && same; ++k)
            same = os::upperCase(name[k]) == n[k];
        if (same)
            return int(i);
    }
    return -1;
}

const FunctionInfo& builtin(int index) { return kFunctions[index]; }
int builtinCount() { return int(std::size(kFunctions)); }

} // namespace grid
