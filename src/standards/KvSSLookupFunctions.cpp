// The sheet functions that look values up or convert them: ROUNDTO, GETCELL, GETPROFCELL, SECTIONSIZE,
// GETSYSNAME, GETARRAYITEM, TONUMBER, ISNULL and ISPOSITIVE.
#include "standards/KvDataFiles.h"
#include "standards/KvSSFunctions.h"
#include "standards/KvSSValueRecord.h"

#include "nuvo/numberHelpers.h"
#include "nuvo/sections/Ork_SectionTableManager.h"
#include "nuvo/sections/sectionValues.h"
#include "nuvo/textHelpers.h"

namespace KvSSFunctions {

namespace rec = KvSSValueRecord;

namespace {

// Keys are compared as the data files write numbers: 200 is looked up as "200.000000".
constexpr int kKeyDecimals = 6;

int lookUp(SSValueRecord* result, SSValueRecord* args, std::int16_t count, bool sectionNames) {
    rec::setEmpty(*result);
    Ork_String name, path;
    if (count < 2 || !rec::readText(args[0], name) || !KvDataFiles::resolveDataFile(name, path))
        return false;
    const auto rows = KvDataFiles::dataTable(path);
    if (!rows)
        return false;
    Ork_StringArray keys;
    for (int i = 1; i < count; ++i) {
        double number = 0;
        Ork_String text;
        if (rec::readNumber(args[i], number))
            keys.append(Ork_String(number, kKeyDecimals));
        else if (rec::readText(args[i], text))
            keys.append(text);
        else
            break;
    }
    Ork_String value;
    if (!KvDataFiles::lookupDataTable(*rows, KvDataFiles::joinKeys(keys), sectionNames, value))
        return false;
    return rec::setText(*result, value);
}

} // namespace

int roundTo(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    rec::setEmpty(*result);
    double value = 0, step = 0;
    if (count < 2 || !rec::readNumber(args[0], value) || !rec::readNumber(args[1], step))
        return false;
    rec::setNumber(*result, ObjectExportRoundTo(value, step));
    return true;
}

int getCell(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    return lookUp(result, args, count, false);
}

int getProfCell(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    return lookUp(result, args, count, true);
}

int sectionSize(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    rec::setEmpty(*result);
    Ork_String section, text;
    double number = 0;
    int n = 0;
    if (count < 2 || !rec::readText(args[0], section) || !rec::readNumber(args[1], number) ||
        !rec::truncateToInt(number, n))
        return false;
    // Values count from 1 in the sheet; there is no value 0 or below to hand to the host's 0-based columns.
    if (n < 1 || getSectionValue(section, n - 1, text) != eOk)
        return false;
    rec::setNumber(*result, text.toDouble());
    return true;
}

int getSysName(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    rec::setEmpty(*result);
    Ork_String name;
    if (count < 1 || !rec::readText(args[0], name))
        return false;
    Ork_String systemName;
    if (!Ork_SectionTableManager::instance().getSystemName(name, systemName))
        systemName = name;
    return rec::setText(*result, systemName);
}

int getArrayItem(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    rec::setEmpty(*result);
    Ork_String list;
    double number = 0;
    if (count < 2 || !rec::readText(args[0], list) || !rec::readNumber(args[1], number))
        return false;
    int n = 0;
    // An index outside the list (or no index at all) gives the empty text, not a failure. The items are those
    // strToArr(list, ';') gives; only the one asked for is taken out (a sheet reads a list item by item).
    std::u16string_view item;
    if (rec::truncateToInt(number, n) && n >= 1 && !list.isEmpty()) {
        const std::u16string_view items(list);
        std::size_t start = 0;
        for (int k = 1; k < n && start != std::u16string_view::npos; ++k) {
            const std::size_t separator = items.find(u';', start);
            start = separator == std::u16string_view::npos ? separator : separator + 1;
        }
        if (start != std::u16string_view::npos)
            item = items.substr(start, items.find(u';', start) - start);
    }
    return rec::setText(*result, Ork_String(item.data(), item.size()));
}

int toNumber(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    rec::setEmpty(*result);
    Ork_String text;
    if (count < 1 || !rec::readText(args[0], text))
        return false;
    rec::setNumber(*result, text.toDouble());
    return true;
}

int isNull(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    rec::setEmpty(*result);
    if (count < 1)
        return false;
    double number = 0;
    Ork_String text;
    if (rec::isBlank(args[0]))
        rec::setNumber(*result, 1);
    else if (rec::readText(args[0], text))
        rec::setNumber(*result, text.isEmpty() ? 1 : 0);
    else if (rec::readNumber(args[0], number))
        rec::setNumber(*result, number == 0 ? 1 : 0);
    else
        return false;
    return true;
}

int isPositive(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    rec::setEmpty(*result);
    if (count < 1)
        return false;
    double number = 0;
    Ork_String text;
    if (rec::isBlank(args[0]))
        rec::setNumber(*result, 0);
    else if (rec::readText(args[0], text))
        rec::setNumber(*result, !text.isEmpty() && text.toDouble() > 0 ? 1 : 0);
    else if (rec::readNumber(args[0], number))
        rec::setNumber(*result, number > 0 ? 1 : 0);
    else
        return false;
    return true;
}

} // namespace KvSSFunctions
