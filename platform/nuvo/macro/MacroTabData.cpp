#include "nuvo/macro/MacroTabData.h"

#include "nuvo/hostTexts.h"
#include "nuvo/textHelpers.h"

#include <algorithm>

namespace {

constexpr int kMixedText = 695;

template <typename T, typename P>
T* findIn(Ork_Array<T>& list, P matches) {
    for (T& item : list)
        if (matches(item))
            return &item;
    return nullptr;
}

int codeOf(int base, int index) { return base - std::min(index, macrochange::kPerKind - 1); }

void add(AcArray<int>& codes, int code) {
    for (int i = 0; i < codes.length(); ++i)
        if (codes[i] == code)
            return;
    codes.append(code);
}

// Two texts for one number, written differently ("10" and "10.0"): the value stays, only its text changed.
bool sameNumber(const Ork_String& a, const Ork_String& b) {
    return isNumber(a) && isNumber(b) && a.toDouble() == b.toDouble();
}

// Compares one text value: a changed text goes to `changed`, a rewritten number to `unchanged`.
void compareText(const Ork_String& now, const Ork_String& before, int code, AcArray<int>& changed,
                 AcArray<int>& unchanged) {
    if (now == before)
        return;
    add(sameNumber(now, before) ? unchanged : changed, code);
}

bool samePatternProps(const MacroPatternProps& a, const MacroPatternProps& b) {
    auto sameDir = [](const MacroPatternDirection& x, const MacroPatternDirection& y) {
        return x.offsetType == y.offsetType && x.triState == y.triState && x.text1 == y.text1 &&
               x.text2 == y.text2 && x.on == y.on && x.values == y.values;
    };
    return sameDir(a.first, b.first) && sameDir(a.second, b.second) && a.triState1051 == b.triState1051 &&
           std::equal(std::begin(a.alternation), std::end(a.alternation), std::begin(b.alternation)) &&
           a.patternType == b.patternType;
}

bool sameBoltSettings(const MacroBoltData& a, const MacroBoltData& b) {
    auto sameSlot = [](const MacroBoltSlot& x, const MacroBoltSlot& y) {
        return x.active == y.active && x.radius == y.radius && x.length == y.length && x.angle == y.angle &&
               x.fourth == y.fourth && x.position == y.position;
    };
    return std::equal(std::begin(a.flags), std::end(a.flags), std::begin(b.flags)) && a.extraCount == b.extraCount &&
           a.extraOption == b.extraOption &&
           std::equal(std::begin(a.nutsWashers), std::end(a.nutsWashers), std::begin(b.nutsWashers)) &&
           a.holeFlags == b.holeFlags && a.holeTexts == b.holeTexts &&
           std::equal(a.slots.begin(), a.slots.end(), b.slots.begin(), b.slots.end(), sameSlot);
}

bool sameGroup(const MacroProfData& a, const MacroProfData& b) {
    if (!a.samePlacement(b) || a.members.size() != b.members.size())
        return false;
    for (std::size_t i = 0; i < a.members.size(); ++i)
        if (!a.members[i].samePlacement(b.members[i]) || a.members[i].objectId != b.members[i].objectId)
            return false;
    return true;
}

// A merged text that shows "mixed" stands for each profile's own value, which stays.
void mergeText(Ork_String& target, const Ork_String& merged) {
    if (merged != dialString(kMixedText))
        target = merged;
}

} // namespace

MacroCellData* MacroTabData::findCell(const Ork_String& cell) {
    return findIn(cells, [&](const MacroCellData& c) { return c.name == cell; });
}

MacroPatternData* MacroTabData::findPattern(const Ork_String& pattern) {
    return findIn(patterns, [&](const MacroPatternData& p) { return p.name == pattern; });
}

MacroProfData* MacroTabData::findProfDataWithGroup(const Ork_String& group) {
    return findIn(profiles, [&](const MacroProfData& p) { return p.name == group; });
}

MacroArrayData* MacroTabData::findArrayWithName(const Ork_String& array) {
    return findIn(arrays, [&](const MacroArrayData& a) { return a.data.name == array; });
}

MacroCutData* MacroTabData::findCutWithName(const Ork_String& cut) {
    return findIn(cuts, [&](const MacroCutData& c) { return c.name == cut; });
}

// Reference 0 means "not shown": it never identifies a button.
MacroArrayData* MacroTabData::findArrayWithBtnId(int id) {
    return id > 0 ? findIn(arrays, [&](const MacroArrayData& a) { return a.dlgRefButton == id; }) : nullptr;
}

MacroPatternData* MacroTabData::findPatternWithBtnId(int id) {
    return id > 0 ? findIn(patterns, [&](const MacroPatternData& p) { return p.dlgRefButton == id; }) : nullptr;
}

MacroProfData* MacroTabData::findProfDataWithButtonId(int id) {
    return id > 0 ? findIn(profiles, [&](const MacroProfData& p) { return p.dlgRefPick == id || p.dlgRefAdvanced == id; })
                  : nullptr;
}

MacroPatternData* MacroTabData::findPatternWithRow(int row) {
    return row > 0 ? findIn(patterns, [&](const MacroPatternData& p) { return p.dlgRefButton == -row; }) : nullptr;
}

MacroArrayData* MacroTabData::findArrayWithRow(int row) {
    return row > 0 ? findIn(arrays, [&](const MacroArrayData& a) { return a.dlgRefButton == -row; }) : nullptr;
}

bool MacroTabData::getMergedPropsOfGroup(const Ork_String& group, MacroProfData& props) const {
    const MacroProfData* p = const_cast<MacroTabData*>(this)->findProfDataWithGroup(group);
    if (!p)
        return false;
    props = *p;
    return true;
}

bool MacroTabData::setMergedPropsOfGroup(const Ork_String& group, const MacroProfData& props) {
    MacroProfData* p = findProfDataWithGroup(group);
    if (!p)
        return false;
    p->copyPlacementFrom(props);
    for (MacroProfData& member : p->members) {
        const MacroProfData own = member;
        member.copyPlacementFrom(props);
        member.section = own.section;
        member.material = own.material;
        member.ownedMemberName = own.ownedMemberName;
        member.rotation = own.rotation;
        member.plane = own.plane;
        mergeText(member.section, props.section);
        mergeText(member.material, props.material);
        mergeText(member.ownedMemberName, props.ownedMemberName);
        mergeText(member.rotation, props.rotation);
        mergeText(member.plane, props.plane);
        if (props.offsetMixed) {
            member.offsetType = own.offsetType;
            member.offsetMixed = false;
        }
    }
    return true;
}

void MacroTabData::getProfGroups(Ork_StringArray& groups) const {
    groups = Ork_StringArray();
    for (const MacroProfData& p : profiles)
        groups.append(p.name);
}

bool MacroTabData::getProfIdsOfGroup(const Ork_String& group, AcArray<AcDbObjectId>& ids) const {
    const MacroProfData* p = const_cast<MacroTabData*>(this)->findProfDataWithGroup(group);
    if (!p)
        return false;
    ids = AcArray<AcDbObjectId>();
    for (const MacroProfData& m : p->members)
        ids.append(m.objectId);
    return true;
}

bool MacroTabData::getProfDataIndx(const Ork_String& group, int index, MacroProfData& data) const {
    const MacroProfData* p = const_cast<MacroTabData*>(this)->findProfDataWithGroup(group);
    if (!p || index < 0 || index >= static_cast<int>(p->members.size()))
        return false;
    data = p->members[static_cast<std::size_t>(index)];
    return true;
}

bool MacroTabData::setProfDataIndx(const Ork_String& group, int index, const MacroProfData& data) {
    MacroProfData* p = findProfDataWithGroup(group);
    if (!p || index < 0 || index >= static_cast<int>(p->members.size()))
        return false;
    p->members[static_cast<std::size_t>(index)].copyPlacementFrom(data);
    return true;
}

bool MacroTabData::advBtnForEveryGroup() const {
    if (profiles.isEmpty())
        return false;
    for (const MacroProfData& p : profiles)
        if (p.dlgRefAdvanced <= 0)
            return false;
    return true;
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

bool MacroTabData::flexFixBtnClicked(const Ork_String& group, const Ork_String& entry, bool checked) {
    for (MacroFlexFixData& b : flexFix) {
        if (b.group == group && b.constraint == entry) {
            if (b.fixed == !checked)
                return false;
            b.fixed = !checked;
            return true;
        }
    }
    return false;
}

bool MacroTabData::hasBtnFlexFix(const Ork_String& entry) const {
    for (const MacroFlexFixData& b : flexFix)
        if (b.constraint == entry)
            return true;
    return false;
}

bool MacroTabData::findFlexFixGroup(const Ork_String& group, Ork_Array<MacroFlexFixData>& entries) const {
    entries = Ork_Array<MacroFlexFixData>();
    for (const MacroFlexFixData& b : flexFix)
        if (b.group == group)
            entries.append(b);
    return !entries.isEmpty();
}

void MacroTabData::removeAllDlgReferences() {
    for (MacroCellData& c : cells)
        c.dlgRef = 0;
    for (MacroPatternData& p : patterns)
        p.dlgRef1 = p.dlgRef2 = p.dlgRefButton = 0;
    if (bolt) {
        std::fill(std::begin(bolt->dlgRefs), std::end(bolt->dlgRefs), 0);
        bolt->dlgRefButton = 0;
    }
    for (MacroProfData& p : profiles)
        p.dlgRefSection = p.dlgRefPick = p.dlgRefOffset = p.dlgRefRotation = p.dlgRefAdvanced = 0;
    for (MacroArrayData& a : arrays) {
        std::fill(std::begin(a.dlgRefs), std::end(a.dlgRefs), 0);
        a.dlgRefEntry = 0;
        a.entryIndex = -1;
        a.dlgRefButton = 0;
    }
    for (MacroCutData& c : cuts)
        c.dlgRef = 0;
    if (block)
        block->dlgRef = 0;
}

void MacroTabData::differences(const MacroTabData& before, AcArray<int>& changed, AcArray<int>& unchanged) const {
    using namespace macrochange;
    changed = AcArray<int>();
    unchanged = AcArray<int>();
    // Records are compared by position: a dialog never adds or removes values, it only edits them. A list
    // that changed length is one change of its kind.
    for (int i = 0; i < cells.length(); ++i) {
        if (i >= before.cells.length())
            add(changed, i);
        else
            compareText(cells[i].value, before.cells[i].value, i, changed, unchanged);
    }
    for (int i = 0; i < patterns.length(); ++i) {
        const int code = codeOf(kPatternBase, i);
        if (i >= before.patterns.length()) {
            add(changed, code);
            continue;
        }
        const MacroPatternData& now = patterns[i];
        const MacroPatternData& was = before.patterns[i];
        compareText(now.nrBolts1, was.nrBolts1, code, changed, unchanged);
        compareText(now.nrBolts2, was.nrBolts2, code, changed, unchanged);
        if (!samePatternProps(now.props, was.props))
            add(changed, codeOf(kPatternPropsBase, i));
    }
    if (bolt.has_value() != before.bolt.has_value()) {
        add(changed, kBolt);
    } else if (bolt) {
        for (int v = 0; v < MacroBoltData::kValueCount; ++v)
            compareText(*bolt->value(v), *before.bolt->value(v), kBolt, changed, unchanged);
        if (!sameBoltSettings(*bolt, *before.bolt))
            add(changed, kBolt);
    }
    if (profiles.length() != before.profiles.length())
        add(changed, kProfile);
    for (int i = 0; i < std::min(profiles.length(), before.profiles.length()); ++i)
        if (!sameGroup(profiles[i], before.profiles[i]))
            add(changed, kProfile);
    for (int i = 0; i < arrays.length(); ++i)
        if (i >= before.arrays.length() || !(arrays[i].data == before.arrays[i].data))
            add(changed, codeOf(kArrayBase, i));
    for (int i = 0; i < cuts.length(); ++i)
        if (i >= before.cuts.length() || cuts[i].state != before.cuts[i].state)
            add(changed, codeOf(kCutBase, i));
    if (block.has_value() != before.block.has_value() || (block && block->current != before.block->current))
        add(changed, kBlock);
    bool flexSame = flexFix.length() == before.flexFix.length();
    for (int i = 0; flexSame && i < flexFix.length(); ++i)
        flexSame = flexFix[i].fixed == before.flexFix[i].fixed;
    if (!flexSame)
        add(changed, kFlexFix);
    bool segmentsSame = segments.length() == before.segments.length();
    for (int i = 0; segmentsSame && i < segments.length(); ++i)
        segmentsSame = segments[i] == before.segments[i];
    if (!segmentsSame)
        add(changed, kSegments);
    // A value that changed in one part and only in its text in another is a change.
    AcArray<int> kept;
    for (int i = 0; i < unchanged.length(); ++i) {
        bool alsoChanged = false;
        for (int k = 0; k < changed.length(); ++k)
            alsoChanged = alsoChanged || changed[k] == unchanged[i];
        if (!alsoChanged)
            kept.append(unchanged[i]);
    }
    unchanged = kept;
}
