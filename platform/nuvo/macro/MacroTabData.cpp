#include "nuvo/macro/MacroTabData.h"

MacroCellData* MacroTabData::findCell(const Ork_String& cell) {
    for (MacroCellData& c : cells)
        if (c.name == cell)
            return &c;
    return nullptr;
}

MacroPatternData* MacroTabData::findPattern(const Ork_String& pattern) {
    for (MacroPatternData& p : patterns)
        if (p.name == pattern)
            return &p;
    return nullptr;
}

bool MacroTabData::getMergedPropsOfGroup(const Ork_String& group, MacroProfData& props) const {
    for (const MacroProfData& p : profiles) {
        if (p.name == group) {
            props = p;
            return true;
        }
    }
    return false;
}

bool MacroTabData::setMergedPropsOfGroup(const Ork_String& group, const MacroProfData& props) {
    for (MacroProfData& p : profiles) {
        if (p.name == group) {
            p.section = props.section;
            p.material = props.material;
            p.ownedMemberName = props.ownedMemberName;
            return true;
        }
    }
    return false;
}

bool MacroTabData::getFlexFixBtnStatus(const Ork_String& constraint, bool& first, bool& second) const {
    for (const MacroFlexFixData& b : flexFix) {
        if (b.constraint == constraint) {
            first = b.fixed;
            second = !b.fixed;
            return true;
        }
    }
    return false;
}

bool MacroTabData::flexFixBtnClicked(const Ork_String& constraint, bool /*byUser*/) {
    for (MacroFlexFixData& b : flexFix) {
        if (b.constraint == constraint) {
            b.fixed = !b.fixed;
            return true;
        }
    }
    return false;
}
