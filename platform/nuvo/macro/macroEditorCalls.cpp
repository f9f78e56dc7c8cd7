#include "nuvo/macro/macroEditorCalls.h"

#include "cadhost/HostLog.h"
#include "grid/Sheet.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/crtNumbers.h"
#include "nuvo/naturalOrder.h"
#include "nuvo/macro/Ork_DbMacro.h"
#include "nuvo/records/EditConstrData.h"
#include "nuvo/records/MacroSettingsData.h"
#include "nuvo/textHelpers.h"
#include "os/paths.h"
#include "os/textCase.h"
#include "ui/Services.h"
#include "ui/Window.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace {

// The drawing commands 0..10, as a new constraint is named after its kind; the dimensions carry a value.
struct CommandKind {
    const char16_t* name;
    bool dimension;
    double startValue;
};
constexpr CommandKind kCommandKinds[] = {
    {u"Parallel", false, 0},   {u"Perpendicular", false, 0}, {u"Coincident", false, 0}, {u"Symmetric", false, 0},
    {u"Tangent", false, 0},    {u"Concentric", false, 0},    {u"EqualRadius", false, 0}, {u"Distance", true, 100},
    {u"Angle", true, 90},      {u"Radius", true, 10},        {u"Constraint", false, 0},
};
constexpr int kLastConstraintCommand = 10, kAddModule = 11, kBoltPattern = 12, kCoordSystem = 13;

// The context menu the host offers on a constraint row: texts, and the action codes of its selectable entries.
constexpr int kSwapObjects = 1, kToggleFirst = 2, kToggleSecond = 3;

std::map<std::u16string, int>& refusals() {
    static std::map<std::u16string, int> pending;
    return pending;
}

// Records the call and tells whether a test made it fail.
bool record(const char16_t* name, std::vector<std::u16string> args = {}) {
    cadhost::HostLog::record(name, std::move(args));
    auto it = refusals().find(name);
    if (it == refusals().end())
        return true;
    if (--it->second <= 0)
        refusals().erase(it);
    return false;
}

std::u16string num(long long value) { return Ork_String(static_cast<int>(value)); }
std::u16string idText(AcDbObjectId id) {
    std::u16string out;
    for (char c : std::to_string(id.asOldId()))
        out += static_cast<char16_t>(c);
    return out;
}

// The shortest text that reads back as the same double.
Ork_String numberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Ork_String::fromUtf8(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

EditConstrData* recordOf(void* handle) { return static_cast<EditConstrData*>(handle); }

Ork_Macro* macroOf(const EditConstrData& data) {
    Ork_DbMacro* db = Ork_DbMacro::findById(data.macroId);
    return db ? db->macroWrite() : nullptr;
}

Ork_Module* currentModule(const EditConstrData& data) {
    Ork_Macro* macro = macroOf(data);
    Ork_Module* module = nullptr;
    return macro && macro->findModuleWrite(data.moduleName, module) == eOk ? module : nullptr;
}

Ork_String expressionText(const Ork_Constraint& c) {
    return c.editor.offers(Ork_ConstraintEditor::kValue) ? numberText(c.value)
           : c.editor.kind >= 0 && c.editor.kind <= kLastConstraintCommand
               ? Ork_String(kCommandKinds[c.editor.kind].name)
               : Ork_String();
}

// A macro file names the pictures of its image buttons relative to the library folder, so that a library
// carries them wherever it lies; the editor is given them as paths it can open.
Ork_StringArray imagePaths(const Ork_StringArray& images) {
    Ork_StringArray out;
    for (int i = 0; i < images.length(); ++i) {
        const Ork_String& entry = images[i];
        out.append(entry == Ork_ConstraintEditor::kRadioBreak || entry.isEmpty() || os::isAbsolutePath(entry)
                       ? entry
                       : Ork_String(Ork_Settings::asFolder(Ork_Settings::libDir()) + entry));
    }
    return out;
}

void fillConstraints(const Ork_Module& m, EditConstrData& d) {
    d.constrRowTexts = {};
    d.constrIds.removeAll();
    d.cutFlags.removeAll();
    d.constrProperties = {};
    d.constrValues.removeAll();
    d.constrNames.removeAll();
    d.firstFlags.removeAll();
    d.secondFlags.removeAll();
    d.optionLists = {};
    d.selectedOptions.removeAll();
    d.imageLists = {};
    d.groupSelections = {};
    bool currentFound = false;
    for (const Ork_Constraint& c : m.constraints) {
        d.constrRowTexts.append(Ork_StringArray{c.name, expressionText(c), c.editor.object1, c.editor.object2});
        d.constrIds.append(c.editor.id);
        currentFound = currentFound || c.editor.id == d.currentConstrId;
        d.cutFlags.append(c.editor.hasCut ? 1 : 0);
        d.constrProperties.append(c.editor.properties);
        d.constrValues.append(numberText(c.value));
        d.constrNames.append(c.name);
        d.firstFlags.append(c.dialogFirst);
        d.secondFlags.append(c.dialogSecond);
        d.optionLists.append(c.editor.options);
        d.selectedOptions.append(c.editor.selectedOption);
        d.imageLists.append(imagePaths(c.editor.images));
        d.groupSelections.append(c.editor.groupSelections);
    }
    if (!currentFound)
        d.currentConstrId = m.constraints.isEmpty() ? 0 : m.constraints[0].editor.id;
}

void fillGeometry(const Ork_Module& m, EditConstrData& d) {
    d.geomRowTexts = {};
    d.geomNames.removeAll();
    d.geomFlexibility.removeAll();
    d.geomConstrFlags.removeAll();
    d.geomIds.removeAll();
    d.geomFlexValues.removeAll();
    for (const Ork_Geometry& g : m.geometry) {
        d.geomRowTexts.append(Ork_StringArray{g.type, g.object, g.name});
        d.geomNames.append(g.name);
        d.geomFlexibility.append(g.flexibility);
        d.geomConstrFlags.append(g.constraintGeometry);
        d.geomIds.append(g.id);
        d.geomFlexValues.append(g.flexValue);
    }
}

void fillVariables(const Ork_Module& m, EditConstrData& d) {
    d.varNames.removeAll();
    d.varValues.removeAll();
    d.varKinds.removeAll();
    for (const Ork_Variable& v : m.variables) {
        d.varNames.append(v.name);
        d.varValues.append(v.value);
        d.varKinds.append(v.kind);
    }
    d.dimNames.removeAll();
    d.dimValues.removeAll();
    for (const Ork_Dimension& dim : m.dimensions) {
        d.dimNames.append(dim.name);
        d.dimValues.append(dim.value);
    }
    d.equations = m.equations;
}

// The record as the macro now is: the module list, and the pages of the current module (empty when the
// macro no longer has it).
void refresh(EditConstrData& d) {
    Ork_Macro* macro = macroOf(d);
    if (!macro)
        return;
    macro->getModuleNames(d.moduleNames);
    const Ork_Module empty;
    const Ork_Module* m = macro->findModule(d.moduleName);
    if (!m)
        m = &empty;
    fillConstraints(*m, d);
    fillGeometry(*m, d);
    fillVariables(*m, d);
}

Ork_Constraint* constraintAt(const EditConstrData& d, int row) {
    Ork_Module* m = currentModule(d);
    return m ? m->constraints.get(row) : nullptr;
}

// Gives ids to what a command added.
void assignIds(const EditConstrData& d) {
    if (Ork_DbMacro* db = Ork_DbMacro::findById(d.macroId))
        db->assignIds();
}

bool isNameChar(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

// The expression with every whole name of a variable or constraint replaced by its value in brackets.
Ork_String substituteNames(const Ork_String& expression, const Ork_Module& m) {
    Ork_String out;
    std::size_t i = 0;
    while (i < expression.size()) {
        if (!isNameChar(expression[i]) || (expression[i] >= u'0' && expression[i] <= u'9')) {
            // A number's digits (and its exponent letters) are not names: copy the run.
            std::size_t j = i + 1;
            if (expression[i] >= u'0' && expression[i] <= u'9')
                while (j < expression.size() && isNameChar(expression[j]))
                    ++j;
            out.append(expression, i, j - i);
            i = j;
            continue;
        }
        std::size_t j = i;
        while (j < expression.size() && isNameChar(expression[j]))
            ++j;
        const Ork_String word(expression.substr(i, j - i));
        bool replaced = false;
        for (const Ork_Variable& v : m.variables)
            if (!replaced && v.name == word) {
                out += u"(" + numberText(v.value) + u")";
                replaced = true;
            }
        for (const Ork_Constraint& c : m.constraints)
            if (!replaced && c.name == word && c.editor.offers(Ork_ConstraintEditor::kValue)) {
                out += u"(" + numberText(c.value) + u")";
                replaced = true;
            }
        if (!replaced)
            out += word;
        i = j;
    }
    return out;
}

Ork_String trimmed(const Ork_String& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && (text[first] == u' ' || text[first] == u'\t'))
        ++first;
    while (last > first && (text[last - 1] == u' ' || text[last - 1] == u'\t'))
        --last;
    return Ork_String(text.substr(first, last - first));
}

// Each "NAME = EXPRESSION" in order; a later equation sees what the earlier ones calculated. An equation
// whose target is unknown or whose expression has no number as its value changes nothing.
void recalculate(Ork_Module& m) {
    for (const Ork_String& equation : m.equations) {
        const int eq = equation.indexOf(u"=");
        if (eq <= 0)
            continue;
        const Ork_String target = trimmed(Ork_String(equation.substr(0, static_cast<std::size_t>(eq))));
        const Ork_String expression = trimmed(Ork_String(equation.substr(static_cast<std::size_t>(eq) + 1)));
        if (target.isEmpty() || expression.isEmpty())
            continue;
        grid::Sheet sheet;
        sheet.setMaxCols(1);
        sheet.setMaxRows(1);
        double value = 0;
        if (!sheet.setFormula(1, 1, u"=" + substituteNames(expression, m)) || !sheet.numberValue(1, 1, value) ||
            !std::isfinite(value))
            continue;
        for (Ork_Variable& v : m.variables)
            if (v.name == target)
                v.value = value;
        for (Ork_Constraint& c : m.constraints)
            if (c.name == target && c.editor.offers(Ork_ConstraintEditor::kValue))
                c.value = value;
    }
}

std::u16string joined(const Ork_StringArray& texts, const char16_t* separator) {
    std::u16string out;
    for (int i = 0; i < texts.length(); ++i) {
        if (i)
            out += separator;
        out += texts[i];
    }
    return out;
}

} // namespace

bool prepareEditConstrData(Ork_DbMacro& dbMacro, const Ork_String& moduleName, EditConstrData& data) {
    const Ork_Macro* macro = dbMacro.macro();
    if (!macro || macro->modules.isEmpty())
        return false;
    const Ork_Module* m = moduleName.isEmpty() ? &macro->modules[0] : macro->findModule(moduleName);
    if (!m)
        return false;
    dbMacro.assignIds();
    EditConstrData prepared;
    prepared.macroId = dbMacro.objectId();
    prepared.moduleName = m->name;
    refresh(prepared);
    data = prepared;
    return true;
}

bool MacroGetModules(void* handle, Ork_StringArray& names) {
    if (!record(u"MacroGetModules"))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Macro* macro = d ? macroOf(*d) : nullptr;
    if (!macro)
        return false;
    macro->getModuleNames(names);
    d->moduleNames = names;
    return true;
}

bool SetCurrentModule(void* handle, const Ork_String& moduleName) {
    if (!record(u"SetCurrentModule", {moduleName}))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Macro* macro = d ? macroOf(*d) : nullptr;
    if (!macro || !macro->findModule(moduleName))
        return false;
    d->moduleName = moduleName;
    refresh(*d);
    return true;
}

bool SelectOtherMacro(void* handle) {
    if (!record(u"SelectOtherMacro"))
        return false;
    EditConstrData* d = recordOf(handle);
    if (!d)
        return false;
    ui::PickRequest request;
    request.kind = u"macro";
    for (Ork_DbMacro* db : Ork_DbMacro::all())
        if (db->macro() && db->objectId() != d->macroId)
            request.args.push_back(db->macro()->name);
    const ui::PickResult picked = ui::Services::pick(request);
    if (!picked.ok || picked.values.empty())
        return false;
    for (Ork_DbMacro* db : Ork_DbMacro::all()) {
        const Ork_Macro* macro = db->macro();
        if (macro && macro->name == picked.values[0] && !macro->modules.isEmpty())
            return prepareEditConstrData(*db, {}, *d);
    }
    return false;
}

bool StartMacroCommand(void* handle, int code) {
    if (!record(u"StartMacroCommand", {num(code)}))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Macro* macro = d ? macroOf(*d) : nullptr;
    if (!macro)
        return false;
    Ork_Module* m = currentModule(*d);
    if (code >= 0 && code <= kLastConstraintCommand) {
        if (!m)
            return false;
        const CommandKind& kind = kCommandKinds[code];
        Ork_StringArray names;
        for (const Ork_Constraint& c : m->constraints)
            names.append(c.name);
        Ork_Constraint c;
        c.name = findNonExistingString(names, Ork_String(kind.name) + u"1");
        c.value = kind.startValue;
        c.editor.kind = code;
        if (!kind.dimension)
            c.editor.properties = {Ork_ConstraintEditor::kName, Ork_ConstraintEditor::kFlags};
        if (m->geometry.length() > 0)
            c.editor.object1 = m->geometry[0].name.isEmpty() ? m->geometry[0].object : m->geometry[0].name;
        if (m->geometry.length() > 1)
            c.editor.object2 = m->geometry[1].name.isEmpty() ? m->geometry[1].object : m->geometry[1].name;
        m->constraints.append(c);
        assignIds(*d);
        d->currentConstrId = m->constraints[m->constraints.length() - 1].editor.id;
    } else if (code == kAddModule) {
        Ork_StringArray names;
        macro->getModuleNames(names);
        Ork_Module added;
        added.name = findNonExistingString(names, u"Module1");
        macro->modules.append(added);
    } else if (code == kBoltPattern) {
        if (!m || !m->isBoltModule())
            return false;
        Ork_StringArray names;
        for (const Ork_BoltPattern& p : m->patterns)
            names.append(p.name);
        Ork_BoltPattern pattern;
        pattern.name = findNonExistingString(names, u"P1");
        m->patterns.append(pattern);
        assignIds(*d);
    } else if (code != kCoordSystem) {
        return false;
    }
    refresh(*d);
    return true;
}

bool RenameModule(void* handle, const Ork_String& newName) {
    if (!record(u"RenameModule", {newName}))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Macro* macro = d ? macroOf(*d) : nullptr;
    Ork_Module* m = d ? currentModule(*d) : nullptr;
    if (!m || newName.isEmpty())
        return false;
    if (const Ork_Module* other = macro->findModule(newName); other && other != m)
        return false;
    m->name = newName;
    d->moduleName = newName;
    refresh(*d);
    return true;
}

bool RemoveModule(void* handle, const Ork_String& moduleName) {
    if (!record(u"RemoveModule", {moduleName}))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Macro* macro = d ? macroOf(*d) : nullptr;
    if (!macro)
        return false;
    for (int i = 0; i < macro->modules.length(); ++i)
        if (macro->modules[i].name == moduleName) {
            macro->modules.removeAt(i);
            refresh(*d);
            return true;
        }
    return false;
}

bool UpdateConstraint(void* handle, int row) {
    if (!record(u"UpdateConstraint", {num(row)}))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Module* m = d ? currentModule(*d) : nullptr;
    Ork_Constraint* c = m ? m->constraints.get(row) : nullptr;
    if (!c)
        return false;
    bool all = true;
    if (c->editor.offers(Ork_ConstraintEditor::kValue) && row < d->constrValues.length()) {
        const Ork_String& text = d->constrValues[row];
        if (isNumber(text) && std::isfinite(_wtof(text.c_str())))
            c->value = _wtof(text.c_str());
        else
            all = false;
    }
    if (c->editor.offers(Ork_ConstraintEditor::kName) && row < d->constrNames.length()) {
        const Ork_String& name = d->constrNames[row];
        const Ork_Constraint* other = m->findConstraint(name);
        if (name.isEmpty() || (other && other != c))
            all = false;
        else
            c->name = name;
    }
    if (c->editor.offers(Ork_ConstraintEditor::kFlags)) {
        if (row < d->firstFlags.length())
            c->dialogFirst = d->firstFlags[row];
        if (row < d->secondFlags.length())
            c->dialogSecond = d->secondFlags[row];
    }
    if (c->editor.offers(Ork_ConstraintEditor::kOptions) && row < d->selectedOptions.length()) {
        const int option = d->selectedOptions[row];
        if (option >= -1 && option < c->editor.options.length())
            c->editor.selectedOption = option;
        else
            all = false;
    }
    if (const AcArray<int>* groups = d->groupSelections.get(row))
        c->editor.groupSelections = *groups;
    refresh(*d);
    return all;
}

bool DeleteConstraint(void* handle, int row) {
    if (!record(u"DeleteConstraint", {num(row)}))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Module* m = d ? currentModule(*d) : nullptr;
    if (!m || !m->constraints.get(row))
        return false;
    m->constraints.removeAt(row);
    refresh(*d);
    return true;
}

bool SortConstraints(void* handle, int column, int previousColumn) {
    if (!record(u"SortConstraints", {num(column), num(previousColumn)}))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Module* m = d ? currentModule(*d) : nullptr;
    if (!m || column < 1)
        return false;
    std::vector<Ork_Constraint> rows;
    for (const Ork_Constraint& c : m->constraints)
        rows.push_back(c);
    auto text = [](const Ork_Constraint& c, int col) {
        const Ork_StringArray texts{c.name, expressionText(c), c.editor.object1, c.editor.object2};
        return col >= 1 && col <= texts.length() ? texts[col - 1] : Ork_String();
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const Ork_Constraint& a, const Ork_Constraint& b) {
        const int first = naturalCompare(text(a, column), text(b, column));
        return first != 0 ? first < 0 : naturalCompare(text(a, previousColumn), text(b, previousColumn)) < 0;
    });
    m->constraints = {};
    for (const Ork_Constraint& c : rows)
        m->constraints.append(c);
    refresh(*d);
    return true;
}

bool HighlightConstraint(void*, int row) { return record(u"HighlightConstraint", {num(row)}); }

bool UnHighlightConstraints(void*) { return record(u"UnHighlightConstraints"); }

bool VarNameInUse(void* handle, const Ork_String& name, bool& inUse) {
    if (!record(u"VarNameInUse", {name}))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Macro* macro = d ? macroOf(*d) : nullptr;
    const Ork_Module* m = d ? currentModule(*d) : nullptr;
    if (!macro || !m)
        return false;
    Ork_StringArray general;
    AcArray<double> values;
    macro->getGeneralVariables(general, values);
    bool found = general.contains(name, false);
    for (const Ork_Constraint& c : m->constraints)
        found = found || c.name.equal(name, true);
    for (const Ork_Variable& v : m->variables)
        found = found || v.name.equal(name, true);
    inUse = found;
    return true;
}

bool ConstrContextMenu(void* handle, int row, Ork_StringArray& texts, AcArray<int>& codes, AcArray<int>& checked) {
    if (!record(u"ConstrContextMenu", {num(row)}))
        return false;
    EditConstrData* d = recordOf(handle);
    const Ork_Constraint* c = d ? constraintAt(*d, row) : nullptr;
    if (!c)
        return false;
    texts = {u"Swap objects", u"%BREAK%", u"Dialog variable", u"Second dialog variable"};
    codes = {kSwapObjects, kToggleFirst, kToggleSecond};
    checked.removeAll();
    if (c->dialogFirst)
        checked.append(2);
    if (c->dialogSecond)
        checked.append(3);
    return true;
}

bool ContextMenuAction(void* handle, int row, int code) {
    if (!record(u"ContextMenuAction", {num(row), num(code)}))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Constraint* c = d ? constraintAt(*d, row) : nullptr;
    if (!c)
        return false;
    if (code == kSwapObjects)
        std::swap(c->editor.object1, c->editor.object2);
    else if (code == kToggleFirst)
        c->dialogFirst = !c->dialogFirst;
    else if (code == kToggleSecond)
        c->dialogSecond = !c->dialogSecond;
    else
        return false;
    refresh(*d);
    return true;
}

bool StartEditMacroCutDlg(AcDbObjectId macroId, const Ork_String& moduleName, int constraintId, bool& flag) {
    if (!record(u"StartEditMacroCutDlg", {idText(macroId), moduleName, num(constraintId)}))
        return false;
    Ork_DbMacro* db = Ork_DbMacro::findById(macroId);
    Ork_Macro* macro = db ? db->macroWrite() : nullptr;
    Ork_Module* m = nullptr;
    if (!macro || macro->findModuleWrite(moduleName, m) != eOk)
        return false;
    for (const Ork_Constraint& c : m->constraints)
        if (c.editor.id == constraintId && c.editor.hasCut) {
            // The host's cut editor closes on Escape, and the key's release reaches the editor after it.
            flag = true;
            return true;
        }
    return false;
}

bool HighlightObject(void*, AcDbObjectId id) { return record(u"HighlightObject", {idText(id)}); }

bool UnHighlightObject(void*, AcDbObjectId id) { return record(u"UnHighlightObject", {idText(id)}); }

bool UpdateGeomFlexibility(void* handle, AcDbObjectId id, long flexValue, int flexibility) {
    if (!record(u"UpdateGeomFlexibility", {idText(id), num(flexValue), num(flexibility)}))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Geometry* g = Ork_DbMacro::findGeometryById(id);
    if (!d || !g || flexibility < 1 || flexibility > Ork_Geometry::kFlexibilityCount)
        return false;
    g->flexibility = flexibility - 1;
    g->flexValue = flexValue;
    refresh(*d);
    return true;
}

bool UpdateConstrGeom(void* handle, AcDbObjectId id, int state) {
    if (!record(u"UpdateConstrGeom", {idText(id), num(state)}))
        return false;
    EditConstrData* d = recordOf(handle);
    Ork_Geometry* g = Ork_DbMacro::findGeometryById(id);
    if (!d || !g || (state != 0 && state != 1) || (g->constraintGeometry != 0 && g->constraintGeometry != 1))
        return false;
    g->constraintGeometry = state;
    refresh(*d);
    return true;
}

bool SetNameTags(void* handle, const AcArray<AcDbObjectId>& ids, const Ork_StringArray& names) {
    if (!record(u"SetNameTags", {joined(names, u"|")}))
        return false;
    EditConstrData* d = recordOf(handle);
    if (!d)
        return false;
    const int n = std::min(ids.length(), names.length());
    bool all = ids.length() == names.length();
    for (int i = 0; i < n; ++i) {
        if (Ork_Geometry* g = Ork_DbMacro::findGeometryById(ids[i]))
            g->name = names[i];
        else
            all = false;
    }
    refresh(*d);
    return all;
}

bool UpdateVarsEqs(void* handle) {
    EditConstrData* d = recordOf(handle);
    std::u16string variables;
    if (d)
        for (int i = 0; i < d->varNames.length(); ++i) {
            if (i)
                variables += u" ";
            variables += d->varNames[i] + u"=" + numberText(i < d->varValues.length() ? d->varValues[i] : 0.0);
        }
    if (!record(u"UpdateVarsEqs", {variables, d ? joined(d->equations, u"; ") : std::u16string()}))
        return false;
    Ork_Module* m = d ? currentModule(*d) : nullptr;
    if (!m)
        return false;
    m->variables = {};
    for (int i = 0; i < d->varNames.length(); ++i) {
        Ork_Variable v;
        v.name = d->varNames[i];
        v.value = i < d->varValues.length() ? d->varValues[i] : 0.0;
        v.kind = i < d->varKinds.length() ? d->varKinds[i] : 0;
        m->variables.append(v);
    }
    m->equations = d->equations;
    recalculate(*m);
    refresh(*d);
    return true;
}

void BeginEditorCommand(ui::Window* dialog) {
    cadhost::HostLog::record(u"BeginEditorCommand");
    if (dialog && dialog->isWindow())
        dialog->showWindow(ui::SW_HIDE);
}

void CompleteEditorCommand(ui::Window* dialog) {
    cadhost::HostLog::record(u"CompleteEditorCommand");
    if (dialog && dialog->isWindow())
        dialog->showWindow(ui::SW_SHOW);
}

namespace {
std::function<void()>& duringZoom() {
    static std::function<void()> action;
    return action;
}
} // namespace

void ZoomCommand() {
    cadhost::HostLog::record(u"ZoomCommand");
    // While the host zooms, the user has the drawing; a test's action stands for what happens meanwhile.
    if (auto action = std::exchange(duringZoom(), nullptr))
        action();
}

// The macro's filters; a kind the macro has no entries of offers one per base profile, switched off, as the
// host lists the members a macro may be attached to.
MacroFilterData filtersOf(const Ork_Macro& macro) {
    MacroFilterData f = macro.definition.filters;
    Ork_StringArray members;
    for (const Ork_BaseProfile& p : macro.baseProfiles)
        members.append(p.section.isEmpty() ? Ork_String(u"Prof" + Ork_String(members.length())) : p.section);
    for (int i = 0; i < members.length(); ++i) {
        if (macro.definition.filters.axisNames.isEmpty()) {
            f.axisNames.append(members[i]);
            f.axisActive.append(false);
            f.axisModes.append(0);
            f.axisFirst.append(0.0);
            f.axisSecond.append(0.0);
        }
        if (macro.definition.filters.sectionNames.isEmpty()) {
            f.sectionNames.append(members[i]);
            f.sectionActive.append(false);
            f.sectionRanges.append(AcArray<double>{});
        }
        if (macro.definition.filters.pathNames.isEmpty()) {
            f.pathNames.append(members[i]);
            f.pathActive.append(false);
            f.pathFirst.append(0.0);
            f.pathSecond.append(0.0);
        }
        if (macro.definition.filters.sizeNames.isEmpty()) {
            f.sizeNames.append(members[i]);
            f.sizeActive.append(false);
            f.sizeValues.append(AcArray<double>{0.0, 0.0, 0.0, 0.0});
        }
    }
    return f;
}

bool GetMacroSettings(AcDbObjectId macroId, MacroSettingsData& data) {
    if (!record(u"GetMacroSettings", {idText(macroId)}))
        return false;
    Ork_DbMacro* db = Ork_DbMacro::findById(macroId);
    const Ork_Macro* macro = db ? db->macro() : nullptr;
    if (!macro)
        return false;
    MacroSettingsData got;
    got.filters = filtersOf(*macro);
    got.filterPropNames = macro->definition.filterProperties.names;
    got.filterPropValues = macro->definition.filterProperties.values;
    got.filterPropImages = macro->definition.filterProperties.images;
    got.mapping.names = macro->definition.sheetMappings.names;
    got.mapping.keys = macro->definition.sheetMappings.keys;
    macro->getModuleNames(got.mapping.moduleNames);
    macro->getGeneralVariables(got.genVars.names, got.genVars.values);
    got.genVars.firstSetting = macro->definition.settings[0];
    got.genVars.secondSetting = macro->definition.settings[1];
    got.genVars.thirdSetting = macro->definition.settings[2];
    got.groups.firstText = macro->definition.firstText;
    got.groups.secondText = macro->definition.secondText;
    for (const Ork_MacroGroup& g : macro->definition.groups) {
        got.groups.names.append(g.name);
        got.groups.texts.append(g.text);
        got.groups.numbers.append(g.number);
    }
    data = got;
    return true;
}

bool SetMacroSettings(AcDbObjectId macroId, const MacroSettingsData& data) {
    if (!record(u"SetMacroSettings", {idText(macroId)}))
        return false;
    Ork_DbMacro* db = Ork_DbMacro::findById(macroId);
    Ork_Macro* macro = db ? db->macroWrite() : nullptr;
    if (!macro)
        return false;
    macro->definition.filters = data.filters;
    macro->definition.filterProperties = {data.filterPropNames, data.filterPropValues, data.filterPropImages};
    macro->definition.sheetMappings = {data.mapping.names, data.mapping.keys};
    macro->removeGeneralVariables();
    for (int i = 0; i < data.genVars.names.length(); ++i)
        macro->setGeneralVariable(data.genVars.names[i], i < data.genVars.values.length() ? data.genVars.values[i] : 0.0);
    macro->definition.settings = {data.genVars.firstSetting, data.genVars.secondSetting, data.genVars.thirdSetting};
    macro->definition.firstText = data.groups.firstText;
    macro->definition.secondText = data.groups.secondText;
    macro->definition.groups = {};
    for (int i = 0; i < data.groups.names.length(); ++i) {
        Ork_MacroGroup g;
        g.name = data.groups.names[i];
        g.text = i < data.groups.texts.length() ? data.groups.texts[i] : Ork_String();
        g.number = i < data.groups.numbers.length() ? data.groups.numbers[i] : 0;
        macro->definition.groups.append(g);
    }
    return true;
}

namespace nuvo {

void refuseEditorCall(const std::u16string& name, int count) {
    if (count > 0)
        refusals()[name] = count;
}

void clearEditorCallRefusals() { refusals().clear(); }

void duringNextZoom(std::function<void()> action) { duringZoom() = std::move(action); }

} // namespace nuvo
