#include "nuvo/records/DlgMacroCutsData.h"

#include "cadhost/HostLog.h"

#include <algorithm>
#include <cwctype>

namespace {

// The offsets of each cut type, 1 to 6.
const std::vector<std::vector<const char16_t*>> kDefaultOffsets = {
    {u"Offset"},
    {u"Offset", u"LengthOffset"},
    {u"InsideOffset", u"OutsideOffset"},
    {u"CenterOffset", u"LengthOffset"},
    {u"Offset1", u"Offset2"},
    {u"Radius"},
};

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool isNumber(const std::u16string& s) {
    std::size_t i = s.size() > 0 && (s[0] == u'-' || s[0] == u'+') ? 1 : 0;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i]))
            digits = true;
        else if (s[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

bool isGeneralName(const std::u16string& s) {
    const std::u16string prefix = u"gen_";
    if (s.size() <= prefix.size() || s.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(s.begin() + static_cast<std::ptrdiff_t>(prefix.size()), s.end(), [](char16_t c) {
        return isDigit(c) || c == u'_' || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}

std::u16string lower(const std::u16string& s) {
    std::u16string out = s;
    for (char16_t& c : out)
        if (c < 0x80)
            c = static_cast<char16_t>(std::towlower(c));
    return out;
}

} // namespace

DlgMacroCutsData::DlgMacroCutsData() = default;
DlgMacroCutsData::DlgMacroCutsData(const DlgMacroCutsData& other) = default;
DlgMacroCutsData& DlgMacroCutsData::operator=(const DlgMacroCutsData& other) = default;
DlgMacroCutsData::~DlgMacroCutsData() = default;

bool DlgMacroCutsData::GetDefaultValues(int type, Ork_StringArray& names, Ork_StringArray& varNames,
                                        AcArray<bool>& flags) const {
    cadhost::HostLog::record(u"GetDefaultValues", {Ork_String(type)});
    names = Ork_StringArray();
    varNames = Ork_StringArray();
    flags = AcArray<bool>();
    if (type < kFirstType || type > kLastType)
        return false;
    for (const char16_t* name : kDefaultOffsets[static_cast<std::size_t>(type - 1)]) {
        names.append(name);
        varNames.append(u"0");
        flags.append(false);
    }
    return true;
}

bool DlgMacroCutsData::CutNameInUse(const Ork_String& macro, const Ork_String& module, const Ork_String& name) const {
    cadhost::HostLog::record(u"CutNameInUse", {macro, module, name});
    const MacroInDlg* m = macros.find(macro);
    if (!m)
        return false;
    const std::u16string wanted = lower(name);
    for (const Ork_String& used : m->cutNames)
        if (lower(used) == wanted)
            return true;
    return false;
}

bool DlgMacroCutsData::AreVarNamesValid() const {
    cadhost::HostLog::record(u"AreVarNamesValid");
    for (const Ork_String& name : offsetVarNames)
        if (!isNumber(name) && !isGeneralName(name))
            return false;
    return true;
}

bool operator==(const DlgMacroCutsData& a, const DlgMacroCutsData& b) {
    return a.editExisting == b.editExisting && a.cutType == b.cutType && a.cutName == b.cutName &&
           a.offsetNames == b.offsetNames && a.offsetVarNames == b.offsetVarNames && a.offsetFlags == b.offsetFlags &&
           a.value == b.value && a.sideFlag == b.sideFlag && a.secondSideFlag == b.secondSideFlag &&
           a.option == b.option && std::equal(std::begin(a.checks), std::end(a.checks), std::begin(b.checks)) &&
           a.target == b.target && a.targetModule == b.targetModule && a.macros == b.macros;
}
