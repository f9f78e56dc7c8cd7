#include "cutRecordJson.h"

namespace sscmd {
namespace {

bool readMacroChoice(RecordReader& r, MacroInDlg& m) {
    return r.text("name", m.name, true) && r.texts("modules", m.modules) && r.texts("cutNames", m.cutNames);
}

} // namespace

bool readCutRecord(RecordReader& r, DlgMacroCutsData& cut) {
    std::vector<bool> flags, checks;
    std::vector<MacroInDlg> macros;
    const bool read = r.flag("editExisting", cut.editExisting) && r.number("cutType", cut.cutType) &&
                      r.text("cutName", cut.cutName) && r.texts("offsetNames", cut.offsetNames) &&
                      r.texts("offsetVarNames", cut.offsetVarNames) && r.flags("offsetFlags", flags) &&
                      r.text("value", cut.value) && r.flag("sideFlag", cut.sideFlag) &&
                      r.flag("secondSideFlag", cut.secondSideFlag) && r.number("option", cut.option) &&
                      r.flags("checks", checks) && r.number("target", cut.target) &&
                      r.text("targetModule", cut.targetModule) &&
                      r.objects("macros", [&](RecordReader& item) {
                          MacroInDlg m;
                          if (!readMacroChoice(item, m))
                              return false;
                          macros.push_back(m);
                          return true;
                      }) &&
                      r.text("chosenMacro", cut.macros.chosen);
    if (!read)
        return false;
    if (checks.size() > 3)
        return r.refuse("checks", "at most three flags expected");
    if (cut.target != DlgMacroCutsData::kThisMacro && cut.target != DlgMacroCutsData::kOtherMacro)
        return r.refuse("target", "1 (this macro) or 2 (another macro) expected");
    if (cut.option < 0 || cut.option >= DlgMacroCutsData::kOptionCount)
        return r.refuse("option", "0 to 3 expected");
    cut.offsetFlags = AcArray<bool>();
    for (bool f : flags)
        cut.offsetFlags.append(f);
    for (std::size_t i = 0; i < 3; ++i)
        cut.checks[i] = i < checks.size() && checks[i];
    cut.macros.macros = macros;
    return true;
}

Json cutRecordJson(const DlgMacroCutsData& cut) {
    Json flags = Json::array();
    for (bool f : cut.offsetFlags)
        flags.push_back(f);
    Json macros = Json::array();
    for (const MacroInDlg& m : cut.macros.macros)
        macros.push_back({{"name", textJson(m.name)}, {"modules", textsJson(m.modules)}, {"cutNames", textsJson(m.cutNames)}});
    return {{"editExisting", cut.editExisting},
            {"cutType", cut.cutType},
            {"cutName", textJson(cut.cutName)},
            {"offsetNames", textsJson(cut.offsetNames)},
            {"offsetVarNames", textsJson(cut.offsetVarNames)},
            {"offsetFlags", flags},
            {"value", textJson(cut.value)},
            {"sideFlag", cut.sideFlag},
            {"secondSideFlag", cut.secondSideFlag},
            {"option", cut.option},
            {"checks", {cut.checks[0], cut.checks[1], cut.checks[2]}},
            {"target", cut.target},
            {"targetModule", textJson(cut.targetModule)},
            {"macros", macros},
            {"chosenMacro", textJson(cut.macros.chosen)}};
}

} // namespace sscmd
