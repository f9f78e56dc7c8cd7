#include "nuvo/macro/macroValuesFile.h"

#include "nuvo/Ork_PropertiesList.h"
#include "nuvo/macro/MacroData.h"
#include "os/files.h"

#include <functional>
#include <string>

namespace {

constexpr int kFormatVersion = 1;
// More entries than any macro has values: a longer list is not a property file.
constexpr int kMaxValues = 100000;

// The profile group texts a file keeps, by kind name.
struct ProfField {
    const char16_t* kind;
    Ork_String MacroProfData::*text;
};
constexpr ProfField kProfFields[] = {
    {u"section", &MacroProfData::section},
    {u"material", &MacroProfData::material},
    {u"ownedMember", &MacroProfData::ownedMemberName},
    {u"rotation", &MacroProfData::rotation},
    {u"plane", &MacroProfData::plane},
};

// The bolt record's five values by name, in their order.
constexpr const char16_t* kBoltValues[MacroBoltData::kValueCount] = {u"assembly", u"diameter", u"holeTolerance",
                                                                      u"penetration", u"addedLength"};

Ork_String key(int index, const char16_t* field) {
    return Ork_String(u"value.") + Ork_String(index) + Ork_String(u".") + Ork_String(field);
}

// Digits only, no sign or blanks: a state the file keeps is written as a plain number.
bool isWholeNumber(const Ork_String& text, int lo, int hi, int& out) {
    const std::u16string& s = text;
    if (s.empty() || s.size() > 6)
        return false;
    int v = 0;
    for (char16_t c : s) {
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
    }
    if (v < lo || v > hi)
        return false;
    out = v;
    return true;
}

class Writer {
public:
    Ork_PropertiesList list;
    int count = 0;

    void add(const Ork_String& tab, const char16_t* kind, const Ork_String& name, const Ork_String& text,
             int index = -1) {
        list.set(key(count, u"tab"), tab);
        list.set(key(count, u"kind"), Ork_String(kind));
        list.set(key(count, u"name"), name);
        list.set(key(count, u"text"), text);
        if (index >= 0)
            list.set(key(count, u"index"), index);
        ++count;
    }
};

// One entry read from the file.
struct Entry {
    Ork_String tab, kind, name, text;
    int index = -1;
};

// Places one entry into `macro`: false with the reason when the entry is malformed; `placed` false when the
// macro has no such value.
bool place(const Entry& e, MacroData& macro, bool& placed, std::string& why) {
    placed = false;
    int tabIndex = -1;
    MacroTabData* tab = macro.findTab(e.tab, tabIndex) ? macro.getTab(tabIndex) : nullptr;
    auto whole = [&](int lo, int hi, int& out) {
        if (!isWholeNumber(e.text, lo, hi, out)) {
            why = "\"" + e.text.utf8() + "\" is not a whole number from " + std::to_string(lo) + " to " +
                  std::to_string(hi);
            return false;
        }
        return true;
    };
    if (e.kind == u"cell") {
        if (MacroCellData* c = tab ? tab->findCell(e.name) : nullptr) {
            c->value = e.text;
            placed = true;
        }
        return true;
    }
    if (e.kind == u"count1" || e.kind == u"count2") {
        if (MacroPatternData* p = tab ? tab->findPattern(e.name) : nullptr) {
            if (e.kind == u"count1")
                p->nrBolts1 = e.text;
            else if (p->twoDirections)
                p->nrBolts2 = e.text;
            else
                return true;   // a pattern in one direction has no second count
            placed = true;
        }
        return true;
    }
    if (e.kind == u"bolt") {
        for (int v = 0; v < MacroBoltData::kValueCount; ++v) {
            if (e.name == kBoltValues[v]) {
                if (MacroBoltData* b = tab ? tab->getBoltData() : nullptr) {
                    *b->value(v) = e.text;
                    placed = true;
                }
                return true;
            }
        }
        why = "the bolt record has no value \"" + e.name.utf8() + "\"";
        return false;
    }
    for (const ProfField& f : kProfFields) {
        if (e.kind == f.kind) {
            if (MacroProfData* p = tab ? tab->findProfDataWithGroup(e.name) : nullptr) {
                MacroProfData props = *p;
                props.*f.text = e.text;
                tab->setMergedPropsOfGroup(e.name, props);
                placed = true;
            }
            return true;
        }
    }
    if (e.kind == u"cut") {
        int state = 0;
        if (!whole(0, MacroCutData::kStateCount - 1, state))
            return false;
        if (MacroCutData* c = tab ? tab->findCutWithName(e.name) : nullptr) {
            c->state = state;
            placed = true;
        }
        return true;
    }
    if (e.kind == u"array") {
        if (e.index < 0 || e.index > 5) {
            why = "an array value needs an index from 0 to 5";
            return false;
        }
        if (MacroArrayData* a = tab ? tab->findArrayWithName(e.name) : nullptr) {
            while (a->data.values.length() <= e.index)
                a->data.values.append(Ork_String());
            a->data.values[e.index] = e.text;
            placed = true;
        }
        return true;
    }
    if (e.kind == u"block") {
        if (tab && tab->block) {
            tab->block->current = e.text;
            placed = true;
        }
        return true;
    }
    if (e.kind == u"fixed") {
        int fixed = 0;
        if (!whole(0, 1, fixed))
            return false;
        if (tab)
            for (MacroFlexFixData& b : tab->flexFix)
                if (b.constraint == e.name) {
                    b.fixed = fixed == 1;
                    placed = true;
                }
        return true;
    }
    why = "unknown kind \"" + e.kind.utf8() + "\"";
    return false;
}

} // namespace

std::string macroValuesText(const MacroData& macro) {
    Writer w;
    w.list.set(u"format", kFormatVersion);
    w.list.set(u"macro", macro.name);
    for (const MacroTabData& t : macro.tabs) {
        for (const MacroCellData& c : t.cells)
            w.add(t.name, u"cell", c.name, c.value);
        for (const MacroPatternData& p : t.patterns) {
            w.add(t.name, u"count1", p.name, p.nrBolts1);
            if (p.twoDirections)
                w.add(t.name, u"count2", p.name, p.nrBolts2);
        }
        if (const MacroBoltData* b = t.getBoltData())
            for (int v = 0; v < MacroBoltData::kValueCount; ++v)
                w.add(t.name, u"bolt", kBoltValues[v], *b->value(v));
        for (const MacroProfData& p : t.profiles)
            for (const ProfField& f : kProfFields)
                w.add(t.name, f.kind, p.name, p.*f.text);
        for (const MacroCutData& c : t.cuts)
            w.add(t.name, u"cut", c.name, Ork_String(c.state));
        for (const MacroArrayData& a : t.arrays)
            for (int i = 0; i < a.data.values.length() && i < 6; ++i)
                w.add(t.name, u"array", a.data.name, a.data.values[i], i);
        if (t.block)
            w.add(t.name, u"block", Ork_String(), t.block->current);
        for (const MacroFlexFixData& b : t.flexFix)
            w.add(t.name, u"fixed", b.constraint, Ork_String(b.fixed ? 1 : 0));
    }
    w.list.set(u"value.count", w.count);
    return w.list.toText();
}

bool readMacroValuesText(std::string_view utf8, MacroData& macro, int& unplaced, Ork_String& error) {
    if (utf8.size() > kMaxMacroValuesBytes) {
        error = u"the property file is larger than 4 MiB";
        return false;
    }
    Ork_PropertiesList list;
    if (!list.fromText(utf8)) {
        error = list.lastError();
        return false;
    }
    int version = 0, count = 0;
    if (!list.get(u"format", version) || version != kFormatVersion) {
        error = u"\"format\" must be 1";
        return false;
    }
    if (!list.get(u"value.count", count) || count < 0 || count > kMaxValues) {
        error = u"\"value.count\" must be 0 to 100000";
        return false;
    }
    MacroData staged = macro;
    int missing = 0;
    for (int i = 0; i < count; ++i) {
        Entry e;
        std::string why;
        if (!list.get(key(i, u"tab"), e.tab) || !list.get(key(i, u"kind"), e.kind) ||
            !list.get(key(i, u"name"), e.name) || !list.get(key(i, u"text"), e.text)) {
            why = "tab, kind, name and text are needed";
        } else if (list.has(key(i, u"index")) && !list.get(key(i, u"index"), e.index)) {
            why = "the index must be a whole number";
        }
        bool placed = false;
        if (why.empty())
            place(e, staged, placed, why);
        if (!why.empty()) {
            error = Ork_String::fromUtf8("value " + std::to_string(i) + ": " + why);
            return false;
        }
        if (!placed)
            ++missing;
    }
    macro = staged;
    unplaced = missing;
    return true;
}

bool writeMacroValues(const Ork_String& path, const MacroData& macro, Ork_String& error) {
    if (!os::writeBytes(path, macroValuesText(macro))) {
        error = path + u": the file cannot be written";
        return false;
    }
    return true;
}

bool readMacroValues(const Ork_String& path, MacroData& macro, int& unplaced, Ork_String& error) {
    std::string bytes;
    bool tooLarge = false;
    if (!os::readBytes(path, bytes, kMaxMacroValuesBytes, tooLarge)) {
        error = path + (tooLarge ? u": the property file is larger than 4 MiB" : u": the file cannot be read");
        return false;
    }
    Ork_String why;
    if (!readMacroValuesText(bytes, macro, unplaced, why)) {
        error = path + u": " + why;
        return false;
    }
    return true;
}
