#include "standards/KvVarCells.h"

#include "cadhost/MainWindow.h"
#include "base/SSTimers.h"
#include "nuvo/Ork_Settings.h"
#include "standards/KvDlgStandardsData.h"
#include "ui/Services.h"
#include "ui/constants.h"

// Special members are defined here, out of line, so that they are part of the module's exported interface.
KvVarCells::KvVarCells() = default;
KvVarCells::KvVarCells(const KvVarCells& other) = default;
KvVarCells& KvVarCells::operator=(const KvVarCells& other) = default;
KvVarCells::KvVarCells(KvVarCells&& other) noexcept = default;
KvVarCells& KvVarCells::operator=(KvVarCells&& other) noexcept = default;
KvVarCells::~KvVarCells() = default;

ErrorStatus KvVarCells::findVarCell(const Ork_String& name, int& index) const {
    for (int i = 0; i < cells_.length(); ++i) {
        if (cells_[i].name.equal(name, false)) {
            index = i;
            return eOk;
        }
    }
    return eInvalidInput;
}

namespace {

void warnMissingMacroValue(const KvVarCell& cell, const KvDlgStandardsData& standardsData) {
    if (!Ork_Settings::standardsMessages())
        return;
    const bool input = cell.isInput();
    const Ork_String text = Ork_String(u"The following ") + (input ? u"Input" : u"Output") +
                            u" variable couldn't be " + (input ? u"retrieved" : u"set") + u" : \n" + cell.name +
                            u"\nMake sure the variable exists in the macro or module.\n" + u"Spreadsheet : " +
                            standardsData.file;
    ui::messageBox(adsw_acadMainWnd(), text, u"", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

} // namespace

ErrorStatus KvVarCells::getFromMacro(const KvDlgStandardsData& standardsData) {
    {
        Ork_TimerScope timer(gInitMapping);
        ErrorStatus initialised = eOk;
        if (!standardsData.moduleGroup.isEmpty())
            initialised = mapping_.initFromModuleGroup(standardsData.moduleGroup);
        else if (!standardsData.dbMacro)
            return eInvalidInput;
        else
            initialised = mapping_.initFromMacro(standardsData);
        if (initialised != eOk)
            return eOk;
    }
    Ork_TimerScope timer(gInitFromMacro);
    for (KvVarCell& cell : cells_) {
        if (cell.isLocal()) {
            cell.setNewValue(Ork_String());
            continue;
        }
        if (cell.setValueFromMacro(mapping_, standardsData) != eOk)
            warnMissingMacroValue(cell, standardsData);
    }
    return eOk;
}

ErrorStatus KvVarCells::setToMacro(const KvDlgStandardsData& standardsData) const {
    for (const KvVarCell& cell : cells_)
        if (cell.isOutput())
            cell.setValueToMacro(mapping_, standardsData);
    return eOk;
}

ErrorStatus KvVarCells::setValuesToSS(Ork_Spread& sheet) const {
    for (const KvVarCell& cell : cells_)
        if (cell.setValueToSS(sheet) != eOk)
            return eInvalidInput;
    return eOk;
}

ErrorStatus KvVarCells::getValuesFromSS(Ork_Spread& sheet) {
    for (KvVarCell& cell : cells_) {
        if (!cell.isOutput())
            continue;
        Ork_String text;
        if (cell.getCurrentValue(sheet, text) != eOk)
            return eInvalidInput;
        cell.setNewValue(text);
    }
    return eOk;
}

bool KvVarCells::hasSameInput(const KvVarCells& other) const {
    for (const KvVarCell& cell : cells_) {
        if (!cell.isInput())
            continue;
        int index = -1;
        if (other.findVarCell(cell.name, index) != eOk)
            return false;
        const KvVarCell& namesake = other[index];
        if (namesake.valueType != cell.valueType || namesake.value != cell.value)
            return false;
    }
    return true;
}
