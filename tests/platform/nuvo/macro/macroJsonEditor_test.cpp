// The definition editor's part of macro files: read, written back, refused with its place.
#include "support/macroTestSupport.h"

#include <gtest/gtest.h>

namespace {

const char* kEditorMacro = "nuvo/macros/editor.json";

bool readText(const std::string& text, Ork_String& error) {
    Ork_DbMacro db;
    MacroData data;
    return readMacroJsonText(text, db, data, error);
}

} // namespace

TEST(MacroFileEditorData, ReadsConstraintsGeometryVariablesAndGroups) {
    LoadedMacro m(kEditorMacro);
    const Ork_Module& plate = m.module(u"Plate");
    const Ork_ConstraintEditor& angle = plate.constraints[2].editor;
    EXPECT_EQ(angle.id, 7);
    EXPECT_EQ(angle.kind, 8);
    EXPECT_EQ(angle.object1, u"Edge2");
    EXPECT_EQ(angle.images.length(), 6);
    EXPECT_EQ(angle.groupSelections, (AcArray<int>{2, 1}));
    EXPECT_TRUE(angle.hasCut);
    EXPECT_EQ(plate.constraints[1].editor.options, (Ork_StringArray{u"Same side", u"Opposite side"}));
    EXPECT_EQ(plate.constraints[1].editor.selectedOption, 1);
    ASSERT_EQ(plate.geometry.length(), 3);
    EXPECT_EQ(plate.geometry[2].constraintGeometry, 2);
    EXPECT_EQ(plate.geometry[1].flexValue, 12);
    EXPECT_FALSE(plate.geometry[0].id.isNull());
    EXPECT_NE(plate.geometry[0].id, plate.geometry[1].id);
    EXPECT_EQ(plate.variables[1].value, 100.125);
    EXPECT_EQ(plate.variables[2].kind, 7);
    EXPECT_EQ(plate.dimensions[1].value, u"100.13");
    EXPECT_EQ(plate.equations, (Ork_StringArray{u"T = W / 20", u"H = Gap * 2 + T"}));
    EXPECT_EQ(m.macro().definition.groups[1].number, 5);
    EXPECT_EQ(m.macro().definition.secondText, u"second");
    EXPECT_EQ(m.macro().definition.settings[2], 3);
    // A constraint without editor data gets an id above every id the file gave.
    EXPECT_EQ(m.module(u"Stiffener").constraints[0].editor.id, 8);
}

TEST(MacroFileEditorData, WritesWhatItReadsAndOldFilesStayAsTheyWere) {
    LoadedMacro m(kEditorMacro);
    m.module(u"Plate").variables[0].value = 1.0 / 3.0;
    const std::string text = macroJsonText(m.macro(), m.data);
    Ork_DbMacro db;
    MacroData data;
    Ork_String error;
    ASSERT_TRUE(readMacroJsonText(text, db, data, error)) << error.utf8();
    EXPECT_EQ(macroJsonText(*db.macro(), data), text);
    EXPECT_EQ(db.macro()->findModule(u"Plate")->variables[0].value, 1.0 / 3.0);

    // A macro without editor data is written without the editor's keys.
    LoadedMacro old;
    const std::string oldText = macroJsonText(old.macro(), old.data);
    EXPECT_EQ(oldText.find("\"editor\""), std::string::npos);
    EXPECT_EQ(oldText.find("\"geometry\""), std::string::npos);
}

TEST(MacroFileEditorData, RepeatedConstraintIdsAreMadeUnique) {
    Ork_DbMacro db;
    MacroData data;
    Ork_String error;
    ASSERT_TRUE(readMacroJsonText(R"({"modules": [{"name": "A", "constraints": [
        {"name": "a", "editor": {"id": 3}}, {"name": "b", "editor": {"id": 3}}]}]})", db, data, error))
        << error.utf8();
    const Ork_Module& a = *db.macro()->findModule(u"A");
    EXPECT_EQ(a.constraints[0].editor.id, 3);
    EXPECT_EQ(a.constraints[1].editor.id, 4);
}

TEST(MacroFileEditorData, RefusesWrongValuesNamingTheirPlace) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {R"({"modules": [{"name": "A", "geometry": [{"flexibility": 3}]}]})",
         "modules[0].geometry[0].flexibility: must be 0 to 2"},
        {R"({"modules": [{"name": "A", "geometry": {}}]})", "modules[0].geometry: an array is expected"},
        {R"({"modules": [{"name": "A", "variables": [{"name": "v", "kind": 40000}]}]})",
         "modules[0].variables[0].kind: must be -32768 to 32767"},
        {R"({"modules": [{"name": "A", "variables": [{"name": "v", "colour": 1}]}]})", "unknown key \"colour\""},
        {R"({"modules": [{"name": "A", "equations": [1]}]})", "modules[0].equations[0]: a text is expected"},
        {R"({"modules": [{"name": "A", "constraints": [{"name": "c", "editor": {"kind": 11}}]}]})",
         "modules[0].constraints[0].editor.kind: must be 0 to 10"},
        {R"({"modules": [{"name": "A", "constraints": [{"name": "c", "editor": {"properties": [4]}}]}]})",
         "modules[0].constraints[0].editor.properties[0]: must be 0 to 3"},
        {R"({"modules": [{"name": "A", "constraints": [{"name": "c", "editor": {"option": 0}}]}]})",
         "modules[0].constraints[0].editor.option: there is no such option"},
        {R"({"modules": [{"name": "A", "constraints": [{"name": "c", "editor": {"objects": ["a", "b", "c"]}}]}]})",
         "at most two objects"},
        {R"({"editor": {"settings": [1, 2]}})", "editor.settings: three settings are expected"},
        {R"({"editor": {"groups": [{"name": "g", "number": 1.5}]}})", "editor.groups[0].number: a whole number"},
        // The main reader still refuses what it refused, also with editor keys about.
        {R"({"modules": [{"geometry": []}]})", "modules[0]: \"name\" is missing"},
    };
    for (const auto& c : cases) {
        Ork_String error;
        EXPECT_FALSE(readText(c.text, error)) << c.text;
        EXPECT_NE(error.utf8().find(c.message), std::string::npos) << c.text << " gave: " << error.utf8();
    }
}

TEST(MacroFileEditorData, ARefusedFileChangesNothing) {
    LoadedMacro m(kEditorMacro);
    Ork_String error;
    EXPECT_FALSE(readMacroJsonText(R"({"modules": [{"name": "A", "geometry": [{"flexibility": -1}]}]})", m.db, m.data,
                                   error));
    EXPECT_EQ(m.macro().name, u"EditorPlate");
    EXPECT_EQ(m.module(u"Plate").geometry.length(), 3);
}
