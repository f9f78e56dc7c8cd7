#include "standards/KvDlgStandardsData.h"

#include "nuvo/textHelpers.h"

// Special members are defined here, out of line, so that they are part of the module's exported interface.
KvDlgStandardsData::KvDlgStandardsData() = default;
KvDlgStandardsData::KvDlgStandardsData(const KvDlgStandardsData& other) = default;
KvDlgStandardsData& KvDlgStandardsData::operator=(const KvDlgStandardsData& other) = default;
KvDlgStandardsData::KvDlgStandardsData(KvDlgStandardsData&& other) noexcept = default;
KvDlgStandardsData& KvDlgStandardsData::operator=(KvDlgStandardsData&& other) noexcept = default;
KvDlgStandardsData::~KvDlgStandardsData() = default;

ErrorStatus KvDlgStandardsData::initialize(Ork_DbMacro* dbMacro_, const Ork_String& file_, const Ork_String& target_,
                                           MacroData* macroData_) {
    if (!dbMacro_ || !macroData_)
        return eInvalidInput;
    Ork_String group;
    if (target_.startsWith(u"Module."))
        getSubstrAfter(target_, u'.', group, false);
    moduleGroup = group;
    mode = kMacroMode;
    file = file_;
    target = target_;
    dbMacro = dbMacro_;
    macroData = macroData_;
    return eOk;
}
