#include "standards/macroProperties.h"

#include "nuvo/macro/macroAccess.h"
#include "nuvo/textHelpers.h"

#include <cmath>

namespace standards {

bool readMacroNumber(const Ork_String& text, double& number) {
    if (!isNumber(text))
        return false;
    number = text.toDouble();
    return std::isfinite(number);
}

ErrorStatus findModuleTab(MacroData* macroData, const Ork_Module* module, MacroTabData*& tab) {
    if (!macroData || !module)
        return eInvalidInput;
    int index = 0;
    if (!macroData->findTab(module->groupOrName(), index))
        return eInvalidInput;
    MacroTabData* found = macroData->getTab(index);
    if (!found)
        return eInvalidInput;
    tab = found;
    return eOk;
}

ErrorStatus accessDistance(Ork_Module* module, MacroTabData* tab, const Ork_String& constraint, Ork_String& value,
                           bool get) {
    if (!get && tab) {
        bool fixed = false, flexible = true;
        if (tab->getFlexFixBtnStatus(constraint, fixed, flexible) && (!fixed || flexible))
            tab->flexFixBtnClicked(constraint, false);
    }
    Ork_String text = value;
    if (getSetConstrVarValue(module, constraint, text, get) != eOk)
        return eInvalidInput;
    if (get)
        value = text;
    return eOk;
}

ErrorStatus accessCutOffset(Ork_Module* module, const Ork_String& cut, int offsetType, Ork_String& value, bool get) {
    if (offsetType < 0 || offsetType > 8)
        return eInvalidInput;
    Ork_CutConstraint* constraint = nullptr;
    if (getCutConstraint(module, cut, constraint) != eOk)
        return eInvalidInput;
    double number = 0.0;
    if (!get && !readMacroNumber(value, number))
        return eInvalidInput;
    if (getSetCutValue(module, constraint, offsetType, number, get) != eOk)
        return eInvalidInput;
    if (get)
        value = Ork_String(number, 7);
    return eOk;
}

ErrorStatus accessBoltData(MacroTabData* tab, bool diameter, Ork_String& value, bool get) {
    MacroBoltData* bolt = tab ? tab->getBoltData() : nullptr;
    if (!bolt)
        return eInvalidInput;
    Ork_String& text = diameter ? bolt->diameter : bolt->holeTolerance;
    double number = 0.0;
    if (get)
        value = text;
    else if (readMacroNumber(value, number))
        text = value;
    else
        return eInvalidInput;
    return eOk;
}

ErrorStatus accessNrBolts(MacroTabData* tab, const Ork_String& pattern, bool firstDirection, Ork_String& value,
                          bool get) {
    Ork_String text = value;
    if (getSetNrBolts(tab, pattern, text, get, firstDirection) != eOk)
        return eInvalidInput;
    if (get)
        value = text;
    return eOk;
}

ErrorStatus accessReverseStart(Ork_Module* module, const Ork_String& pattern, bool firstDirection,
                               Ork_String& value, bool get, AcDbTransaction* transaction) {
    if (!module || !module->isBoltModule())
        return eInvalidInput;
    AcDbObjectId id;
    if (findPattern(module, pattern, id, transaction) != eOk)
        return eInvalidInput;
    bool reversed = value == u"1";
    if (getSetBoltPatternReverses(module, id, firstDirection, get, reversed, transaction) != eOk)
        return eInvalidInput;
    // Read back as written: "1" is a reversed start.
    if (get)
        value = reversed ? u"1" : u"0";
    return eOk;
}

ErrorStatus accessOwnedMember(MacroTabData* tab, const Ork_String& group, Ork_String& value, bool get) {
    MacroProfData props;
    if (!tab || !tab->getMergedPropsOfGroup(group, props))
        return eInvalidInput;
    if (get) {
        value = props.ownedMemberName;
        return eOk;
    }
    props.ownedMemberName = value;
    return tab->setMergedPropsOfGroup(group, props) ? eOk : eInvalidInput;
}

} // namespace standards
