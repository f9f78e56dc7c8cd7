#include "standards/KvSSFunctions.h"

#include "grid/ssOperations.h"

namespace {

struct FunctionInfo {
    const char16_t* name;
    short minArgs;
    short maxArgs;
    SSCustomFunctionProc proc;
};

constexpr FunctionInfo kFunctions[] = {
    // name                          min max  callback
    {u"ROUNDTO",                     2,  2,   KvSSFunctions::roundTo},
    {u"GETCELL",                     2,  7,   KvSSFunctions::getCell},
    {u"GETPROFCELL",                 2,  7,   KvSSFunctions::getProfCell},
    {u"SECTIONSIZE",                 2,  2,   KvSSFunctions::sectionSize},
    {u"GETSYSNAME",                  1,  1,   KvSSFunctions::getSysName},
    {u"STDWIDTHWITHTOLERANCE",       6,  6,   KvSSFunctions::stdWidthWithTolerance},
    {u"STDTHICKNESSWITHTOLERANCE",   5,  5,   KvSSFunctions::stdThicknessWithTolerance},
    {u"STDSIZEWITHTOLERANCE",        5,  5,   KvSSFunctions::stdSizeWithTolerance},
    {u"GETARRAYITEM",                2,  2,   KvSSFunctions::getArrayItem},
    {u"TONUMBER",                    1,  1,   KvSSFunctions::toNumber},
    {u"ISNULL",                      1,  1,   KvSSFunctions::isNull},
    {u"ISPOSITIVE",                  1,  1,   KvSSFunctions::isPositive},
};

} // namespace

bool registerStandardsFunctions(ui::Window* grid) {
    for (const FunctionInfo& f : kFunctions)
        if (!SSAddCustomFunctionExt(grid, f.name, f.minArgs, f.maxArgs, f.proc, 0))
            return false;
    return true;
}
