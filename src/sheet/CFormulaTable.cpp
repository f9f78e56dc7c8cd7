// The sheet function "FROMTABLE": a value looked up in another sheet file, computed in a formula window of its
// own.
//
//   FROMTABLE(file, cell)                          the value of that cell of the table
//   FROMTABLE(file, cell, target)                  no value; the cell's text goes into `target` of the caller
//   FROMTABLE(file, key column, result column, key)  the result column's value in the first row whose key
//                                                  column holds the key; columns are named by their headers
//
// Names and keys compare ignoring case, whole texts only.
#include "sheet/CFormula.h"

#include "base/calculatingDocuments.h"
#include "cadhost/CommandLine.h"
#include "grid/GlobalMemory.h"
#include "grid/Value.h"
#include "nuvo/globalStr.h"
#include "resources/resourceIds.h"
#include "sheet/formulaChain.h"

#include <bit>
#include <string>

namespace {

// The grid's type codes of the cells the result is read from.
constexpr int kCodeGeneral = 0, kCodeInteger = 10, kCodeCheckBox = 12;
constexpr int kCodeNumber = 14, kCodeFloat2 = 15, kCodeFloat3 = 16;

bool isValidString(const SSValueRecord& arg) {
    return arg.status == SSStatusValid && arg.type == SSTypeString;
}

// Reads a string argument and frees its block, as the grid expects of whoever reads it.
bool takeString(SSValueRecord& arg, Ork_String& text) {
    const bool read = getGlobalStr(arg.hValue, text);
    grid::GlobalMemory::free(arg.hValue);
    return read;
}

} // namespace

int CFormula::fromTableFunction(SSValueRecord* result, SSValueRecord* args, std::int16_t count) {
    if (!result)
        return 1;
    result->status = SSStatusNoValue;
    Ork_Spread* calling = formulaChain::calcGrid();
    if (!calling || !args)
        return 1;
    // Every look-up nests one more window; a chain of tables that never ends would never come back.
    if (formulaChain::size() >= kMaxNesting)
        return 1;
    if (count >= 1 && isValidString(args[0])) {
        std::u16string table;
        if (grid::GlobalMemory::toText(args[0].hValue, table) &&
            formulaChain::holdsFile(calculatingDocuments::documentKey(table)))
            return 1;   // the table is being calculated already: looking it up again would never end
    }
    CFormula* caller = formulaChain::windowOf(calling);
    std::u16string key;
    const bool remember = caller && caller->m_calculating && lookupKey(*calling, args, count, key);
    if (remember) {
        if (const LookupOutcome* outcome = caller->rememberedLookup(key)) {
            caller->replay(*outcome, *result, *calling);
            return 1;
        }
    }
    CFormula window;
    window.m_mode = Mode::TableLookup;
    window.m_result = result;
    window.m_args = args;
    window.m_argCount = count;
    window.m_callingGrid = calling;
    window.doModal();
    if (remember) {
        LookupOutcome outcome = window.m_outcome;
        outcome.result = *result;
        if (result->status == SSStatusValid && result->type == SSTypeString) {
            std::u16string text;
            grid::GlobalMemory::toText(result->hValue, text);
            outcome.resultText = Ork_String(std::move(text));
        }
        caller->m_rememberedLookups.emplace_back(std::move(key), std::move(outcome));
    }
    return 1;
}

bool CFormula::lookupKey(Ork_Spread& calling, const SSValueRecord* args, int count, std::u16string& key) {
    key.clear();
    auto addText = [&key](const std::u16string& text) {
        key += Ork_String(static_cast<int>(text.size()));
        key += u':';
        key += text;
    };
    auto addNumber = [&key](long long n) {
        const std::string digits = std::to_string(n);
        key.append(digits.begin(), digits.end());
        key += u',';
    };
    for (int i = 0; i < count; ++i) {
        const SSValueRecord& arg = args[i];
        key += char16_t(u'a' + arg.status);
        key += char16_t(u'a' + arg.type);
        switch (arg.type) {
        case SSTypeLong: addNumber(arg.lValue); break;
        case SSTypeDouble: addNumber(std::bit_cast<long long>(arg.dValue)); break;
        case SSTypeString: {
            std::u16string text;
            if (!grid::GlobalMemory::toText(arg.hValue, text))
                return false;
            addText(text);
            break;
        }
        case SSTypeCellRef:
            if (count == 4) {
                // A key argument stands for the cell's text, which may still change while the document loads.
                Ork_String text;
                calling.getCellText(arg.cell.col, arg.cell.row, text, Ork_Spread::kTextData);
                addText(text);
            } else {
                addNumber(arg.cell.col);
                addNumber(arg.cell.row);
            }
            break;
        case SSTypeRange:
            addNumber(arg.range.col1);
            addNumber(arg.range.row1);
            addNumber(arg.range.col2);
            addNumber(arg.range.row2);
            break;
        default: return false;
        }
    }
    return true;
}

const CFormula::LookupOutcome* CFormula::rememberedLookup(const std::u16string& key) const {
    for (const auto& [remembered, outcome] : m_rememberedLookups)
        if (remembered == key)
            return &outcome;
    return nullptr;
}

void CFormula::replay(const LookupOutcome& outcome, SSValueRecord& result, Ork_Spread& calling) const {
    result = outcome.result;
    if (result.status == SSStatusValid && result.type == SSTypeString) {
        result.hValue = 0;
        if (!setGlobalStr(result.hValue, outcome.resultText))
            result.status = SSStatusUnreadable;
    }
    if (outcome.wrote)
        calling.ssSetData(outcome.column, outcome.row, outcome.written.c_str());
    printResult(result);
}

void CFormula::evaluateFromTable() {
    if (!m_result || !m_args || !m_callingGrid)
        return;
    m_result->status = SSStatusNoValue;
    const int count = m_argCount;
    if (count < 1)
        return;
    for (int i = 0; i < count; ++i)
        if (m_args[i].status != SSStatusValid)
            return;
    if (m_args[0].type != SSTypeString)
        return;
    Ork_String table;
    if (!takeString(m_args[0], table))
        return;
    m_path = table;
    setDlgItemText(IDC_FORMULA_FILE, m_path);
    if (formulaChain::holdsFile(calculatingDocuments::documentKey(table), this) || !loadSheet(table))
        return;

    int column = 0, row = 0;
    if (!findTarget(column, row))
        return;
    recalculateCell(column, row);
    if (count == 3) {
        if (m_args[2].type == SSTypeCellRef) {
            m_outcome.wrote = true;
            m_outcome.column = m_args[2].cell.col;
            m_outcome.row = m_args[2].cell.row;
            m_grid.getCellText(column, row, m_outcome.written, Ork_Spread::kTextData);
            m_callingGrid->ssSetData(m_outcome.column, m_outcome.row, m_outcome.written.c_str());
        }
        return;
    }
    m_result->status = readResult(column, row) ? SSStatusValid : SSStatusUnreadable;
    printResult(*m_result);
}

bool CFormula::findTarget(int& column, int& row) {
    const int count = m_argCount;
    if (count == 2 || count == 3) {
        if (m_args[1].type != SSTypeCellRef)
            return false;
        column = m_args[1].cell.col;
        row = m_args[1].cell.row;
        return true;
    }
    if (count != 4)
        return false;
    Ork_String keyName, resultName, key;
    if (!argumentText(m_args[1], keyName) || !argumentText(m_args[2], resultName) || !argumentText(m_args[3], key))
        return false;
    int keyColumn = 0;
    return findColumnByHeader(keyName, keyColumn) && findColumnByHeader(resultName, column) &&
           findRowByKey(keyColumn, key, row);
}

bool CFormula::findColumnByHeader(const Ork_String& name, int& column) {
    const int columns = m_grid.getMaxCols();
    for (int c = 1; c <= columns; ++c) {
        Ork_String header;
        m_grid.getCellText(c, Ork_Spread::kHeader, header, Ork_Spread::kTextData);
        if (header.equal(name, true)) {
            column = c;
            return true;
        }
    }
    return false;
}

bool CFormula::findRowByKey(int keyColumn, const Ork_String& key, int& row) {
    const int rows = m_grid.getMaxRows();
    for (int r = 1; r <= rows; ++r) {
        Ork_String text;
        m_grid.getCellText(keyColumn, r, text, Ork_Spread::kTextData);
        if (text.equal(key, true)) {
            row = r;   // the first occurrence wins
            return true;
        }
    }
    return false;
}

bool CFormula::argumentText(SSValueRecord& arg, Ork_String& text) {
    text.clear();
    if (arg.status != SSStatusValid)
        return false;
    switch (arg.type) {
    case SSTypeLong: text = Ork_String(static_cast<int>(arg.lValue)); return true;
    // The shortest text that reads back as the same number: 200 is "200", as a key column shows it.
    case SSTypeDouble: text = Ork_String(grid::Value::number(arg.dValue).toText()); return true;
    case SSTypeString: return takeString(arg, text);
    case SSTypeCellRef:
        return m_callingGrid && m_callingGrid->getCellText(arg.cell.col, arg.cell.row, text, Ork_Spread::kTextData);
    default:
        return false;   // a range stands for no one text
    }
}

bool CFormula::readResult(int column, int row) {
    Ork_String data;
    double number = 0;
    switch (m_grid.getCellTypeCode(column, row)) {
    case kCodeInteger:
    case kCodeCheckBox:
        m_result->type = SSTypeLong;
        m_result->lValue = 0;
        if (!m_grid.getCellText(column, row, data, Ork_Spread::kTextData))
            return false;
        m_result->lValue = data.toInt();
        return true;
    case kCodeNumber:
    case kCodeFloat2:
    case kCodeFloat3:
        m_result->type = SSTypeDouble;
        m_result->dValue = 0;
        if (!m_grid.ssGetFloat(column, row, number))
            return false;
        m_result->dValue = number;
        return true;
    case kCodeGeneral:
        // A cell without a type of its own is a number when it holds one: this grid's floating cell.
        if (m_grid.ssGetFloat(column, row, number)) {
            m_result->type = SSTypeDouble;
            m_result->dValue = number;
            return true;
        }
        [[fallthrough]];
    default:
        m_result->type = SSTypeString;
        m_result->hValue = 0;
        // A failed allocation has been reported by the allocator ("Reallocate failed").
        return m_grid.getCellText(column, row, data, Ork_Spread::kTextData) && setGlobalStr(m_result->hValue, data);
    }
}

void CFormula::printResult(const SSValueRecord& result) {
    if (result.status != SSStatusValid)
        return;
    switch (result.type) {
    case SSTypeLong: acutPrintf(u"Result is long: %i\n", static_cast<int>(result.lValue)); break;
    case SSTypeDouble: acutPrintf(u"Result is double: %f\n", result.dValue); break;
    case SSTypeString: {
        std::u16string text;
        grid::GlobalMemory::toText(result.hValue, text);
        acutPrintf(u"Result is string: %s\n", text.c_str());
        break;
    }
    case SSTypeCellRef: acutPrintf(u"Result is cell\n"); break;
    case SSTypeRange: acutPrintf(u"Result is range\n"); break;
    default: break;
    }
}
