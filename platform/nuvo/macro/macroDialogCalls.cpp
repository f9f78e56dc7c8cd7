#include "nuvo/macro/macroDialogCalls.h"

#include "cadhost/Drawing.h"
#include "cadhost/HostLog.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/MacroData.h"
#include "nuvo/textHelpers.h"
#include "ui/Services.h"

#include <string>

namespace {

using cadhost::HostLog;

std::u16string num(long long v) {
    std::u16string out;
    for (char c : std::to_string(v))
        out += static_cast<char16_t>(c);
    return out;
}

std::u16string flag(bool b) { return b ? u"1" : u"0"; }

struct ClashState {
    bool on = false;
};
ClashState& clash() {
    static ClashState state;
    return state;
}

// The host's offset types and base-plane entries: host texts in a fixed order.
constexpr int kOffsetTypeTexts[] = {10481, 10482, 10483, 10484, 10485};
constexpr int kBasePlaneTexts[] = {10486, 10487, 10488, 695};

// Object ids come back from a pick as whole numbers; anything else is not an object.
bool objectIdFromText(const std::u16string& text, AcDbObjectId& id) {
    if (text.empty() || text.size() > 18)
        return false;
    long long v = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
    }
    if (v == 0)
        return false;
    id = AcDbObjectId(v);
    return true;
}

bool pickPlane(ui::Window* owner, const char16_t* kind, Ork_String& plane, AcDbObjectId& id,
               const char16_t* planeText) {
    HostLog::record(kind == std::u16string(u"coordSys") ? u"selectCoordSys" : u"UserSelectPlane");
    const ui::PickResult r = ui::Services::pick({owner, kind, {}});
    if (!r.ok)
        return false;
    AcDbObjectId picked;
    if (!r.values.empty() && !objectIdFromText(r.values[0], picked))
        return false;
    plane = planeText ? Ork_String(planeText) : (r.values.size() > 1 ? Ork_String(r.values[1]) : Ork_String(u"zp"));
    id = picked;
    return true;
}

} // namespace

bool setAllToMacro(MacroData& macro, const MacroData& before) {
    Ork_StringArray tabs;
    Ork_Array<AcArray<int>> changes;
    macro.differences(before, tabs, changes);
    std::vector<std::u16string> args;
    for (const Ork_String& t : tabs)
        args.push_back(t);
    HostLog::record(u"setAllToMacro", args);
    return !tabs.isEmpty();
}

bool SelectOtherMacros(ui::Window* owner, MacroData& macro) {
    HostLog::record(u"SelectOtherMacros", {macro.name});
    const ui::PickResult r = ui::Services::pick({owner, u"otherMacros", {macro.name}});
    if (!r.ok)
        return false;
    int added = 0;
    for (const std::u16string& v : r.values) {
        AcDbObjectId id;
        if (!objectIdFromText(v, id))
            continue;
        bool known = false;
        for (int i = 0; i < macro.objects.length(); ++i)
            known = known || macro.objects[i] == id;
        if (known)
            continue;
        macro.objects.append(id);
        macro.macroNames.append(macro.name);
        ++added;
    }
    return added > 0;
}

bool UpdateAllFilterModified(MacroData& macro, bool first, int choice) {
    HostLog::record(u"UpdateAllFilterModified", {flag(first), num(choice)});
    MacroFilterChoice& f = first ? macro.filter1 : macro.filter2;
    if (choice < 0 || choice >= f.items.length())
        return false;
    f.choice = choice;
    return true;
}

bool swapBlockRefs(MacroData& macro, const Ork_String& tab, const Ork_String& path) {
    HostLog::record(u"swapBlockRefs", {tab, path});
    int index = -1;
    MacroTabData* t = macro.findTab(tab, index) ? macro.getTab(index) : nullptr;
    if (!t || !t->block)
        return false;
    t->block->current = removeExtension(getFileName(path));
    return true;
}

void clashInitDlgStarted(int slot) { HostLog::record(u"clashInitDlgStarted", {num(slot)}); }
void clashResetInfo(int slot) { HostLog::record(u"clashResetInfo", {num(slot)}); }

bool clashcheck(int slot, const AcArray<AcDbObjectId>& objects) {
    HostLog::record(u"clashcheck", {num(slot), num(objects.length())});
    return clash().on;
}

bool clashGetStatus() {
    HostLog::record(u"clashGetStatus");
    return clash().on;
}

void clashSetStatus(bool on) {
    HostLog::record(u"clashSetStatus", {flag(on)});
    clash().on = on;
}

void clashDlgClosed(int slot) { HostLog::record(u"clashDlgClosed", {num(slot)}); }

bool GetAssemblies(Ork_StringArray& names) {
    HostLog::record(u"GetAssemblies");
    names = Ork_StringArray{u"M8.8", u"M10.9", u"HV10.9"};
    return true;
}

bool GetMergedDiameters(const Ork_String& assembly, AcArray<double>& diameters) {
    HostLog::record(u"GetMergedDiameters", {assembly});
    diameters = AcArray<double>();
    if (assembly.isEmpty())
        return false;
    // A high-strength set starts at a larger size than plain bolts do.
    const bool highStrength = assembly.rfind(u"HV", 0) == 0;
    for (double d : {12.0, 16.0, 20.0, 24.0, 27.0, 30.0})
        if (!highStrength || d >= 16.0)
            diameters.append(d);
    return true;
}

bool DlgSelectProf(ui::Window* owner, Ork_String& section) {
    HostLog::record(u"DlgSelectProf", {section});
    const ui::PickResult r = ui::Services::pick({owner, u"profile", {section}});
    if (!r.ok || r.values.empty() || r.values[0].empty())
        return false;
    section = r.values[0];
    return true;
}

bool selectCoordSys(ui::Window* owner, Ork_String& plane, AcDbObjectId& id) {
    return pickPlane(owner, u"coordSys", plane, id, u"xp");
}

bool UserSelectPlane(ui::Window* owner, Ork_String& plane, AcDbObjectId& id) {
    return pickPlane(owner, u"plane", plane, id, nullptr);
}

void getOffsetTypeTexts(Ork_StringArray& texts) {
    texts = Ork_StringArray();
    for (int n : kOffsetTypeTexts)
        texts.append(dialString(n));
}

void getBasePlaneTexts(Ork_StringArray& texts) {
    texts = Ork_StringArray();
    for (int n : kBasePlaneTexts)
        texts.append(dialString(n));
}

int offsetTypeFromText(const Ork_String& text) {
    for (int i = 0; i < static_cast<int>(std::size(kOffsetTypeTexts)); ++i)
        if (dialString(kOffsetTypeTexts[i]) == text)
            return i;
    return -1;
}

bool DlgOpenSave(ui::Window* owner, bool open, const Ork_String& folder, const Ork_StringArray& names,
                 Ork_String& chosen) {
    HostLog::record(u"DlgOpenSave", {flag(open), folder});
    ui::FileDialogRequest request;
    request.owner = owner;
    request.open = open;
    request.title = dialString(open ? 978 : 979);
    request.filter = u"Property files (*.txt)|*.txt||";
    request.defaultExt = u"txt";
    request.initialDir = folder;
    if (!names.isEmpty())
        request.fileName = names[0];
    const auto answer = ui::Services::fileDialog(request);
    if (!answer || answer->empty())
        return false;
    // Only the name counts: a typed folder or extension never takes the file out of the property folder.
    Ork_String name = removeExtension(getFileName(Ork_String((*answer)[0])));
    if (name.isEmpty() || name == u"." || name == u".." || hasInvalidFileNameChars(name))
        return false;
    chosen = name;
    return true;
}
