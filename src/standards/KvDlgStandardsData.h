#pragma once
// Everything one standards evaluation travels with: the sheet, the macro and its mapping target (macro mode)
// or the caller's variables (direct mode). The record owns none of the host objects it points to.
#include "SS/ssExport.h"
#include "cadhost/Drawing.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "standards/KvVarCells.h"

#include <cstdint>

class Ork_DbMacro;
class MacroData;

class SS_EXPORT KvDlgStandardsData {
public:
    // The values of `mode`. Macro mode reads the inputs from the macro through the sheet's mapping and writes the
    // outputs back; direct mode takes and gives them in varCells. Any other value only loads the sheet.
    enum : std::int32_t { kMacroMode = 0, kDirectMode = 1 };

    std::int32_t mode = kMacroMode;
    Ork_String file;                            // the standards spreadsheet
    Ork_DbMacro* dbMacro = nullptr;
    Ork_String target;                          // the mapping target, or "Module." + group name
    Ork_String moduleGroup;                     // the group of a "Module." target, else empty
    AcDbTransaction* transaction = nullptr;
    MacroData* macroData = nullptr;
    Ork_StringArray genVarNames;
    Ork_StringArray genVarValues;
    KvVarCells varCells;

    KvDlgStandardsData();
    KvDlgStandardsData(const KvDlgStandardsData& other);
    KvDlgStandardsData& operator=(const KvDlgStandardsData& other);
    KvDlgStandardsData(KvDlgStandardsData&& other) noexcept;
    KvDlgStandardsData& operator=(KvDlgStandardsData&& other) noexcept;
    virtual ~KvDlgStandardsData();

    // Prepares a macro-mode evaluation of `file` for `target`; both pointers must be set, else nothing changes
    // and the result is eInvalidInput. The transaction is the caller's to set.
    ErrorStatus initialize(Ork_DbMacro* dbMacro, const Ork_String& file, const Ork_String& target,
                           MacroData* macroData);
};
