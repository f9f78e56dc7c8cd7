#include "support/macroTestSupport.h"

#include "support/TempFolder.h"
#include "nuvo/macro/macroAccess.h"
#include "os/files.h"

#include <gtest/gtest.h>

namespace {

// Reads a document into a macro that already holds the fixture, so a refusal can be seen to change nothing.
struct Refusal {
    LoadedMacro loaded;
    Ork_String error;

    bool read(const std::string& text) { return readMacroJsonText(text, loaded.db, loaded.data, error); }
    void expectUnchanged() {
        EXPECT_EQ(loaded.macro().name, u"EndPlateConnection");
        EXPECT_EQ(loaded.macro().modules.length(), 4);
        EXPECT_EQ(loaded.data.tabs.length(), 3);
    }
};

} // namespace

TEST(MacroFile, ReadsBothSides) {
    LoadedMacro m;
    EXPECT_EQ(m.macro().name, u"EndPlateConnection");
    Ork_StringArray names;
    m.macro().getModuleNames(names);
    EXPECT_EQ(names, (Ork_StringArray{u"Plate", u"Stiffener", u"Bolts", u"Beam"}));
    EXPECT_EQ(m.module(u"Plate").groupName, u"EndPlate");
    EXPECT_EQ(m.module(u"Plate").findConstraint(u"Height")->value, 300.25);
    EXPECT_TRUE(m.module(u"Plate").findConstraint(u"Height")->dialogSecond);
    EXPECT_FALSE(m.module(u"Plate").findConstraint(u"Height")->dialogFirst);
    EXPECT_EQ(m.module(u"Plate").findCut(u"Cope")->offsets[8], 8.125);
    EXPECT_EQ(m.module(u"Plate").findCut(u"Prep")->offsets[9], 1.5);
    EXPECT_TRUE(m.module(u"Bolts").findPattern(u"P1")->isTwoDirectional());
    EXPECT_TRUE(m.module(u"Bolts").findPattern(u"P1")->reverseStart2);
    EXPECT_FALSE(m.module(u"Bolts").findPattern(u"P2")->isTwoDirectional());
    EXPECT_EQ(m.module(u"Beam").findPlacement(u"Main")->ownedMemberName, u"B1");
    EXPECT_EQ(m.macro().generalVariableValue(u"gen_Width"), 212.5);
    EXPECT_EQ(m.macro().baseProfiles[1].section, u"IPE-300");
    EXPECT_EQ(m.tab(u"BoltGroup").getBoltData()->diameter, u"20");
    EXPECT_EQ(m.tab(u"BoltGroup").findPattern(u"P1")->nrBolts2, u"3");
    EXPECT_EQ(m.tab(u"EndPlate").findCell(u"Width")->value, u"200");
    EXPECT_EQ(m.tab(u"EndPlate").getBoltData(), nullptr);
}

TEST(MacroFile, GivesEveryObjectAnIdTheAccessorsFind) {
    LoadedMacro m;
    AcDbObjectId id;
    ASSERT_EQ(getNamedPrpl(&m.module(u"Beam"), u"Main", id), eOk);
    Ork_String section;
    EXPECT_EQ(getSectionName(id, section, nullptr), eOk);
    EXPECT_EQ(section, u"IPE-200");
    ASSERT_EQ(getBaseProf(&m.db, 0, id), eOk);
    EXPECT_EQ(getMaterial(id, section, nullptr), eOk);
    EXPECT_EQ(section, u"S355");
}

TEST(MacroFile, WritesWhatItReadsAndReadsWhatItWrites) {
    LoadedMacro m;
    m.module(u"Plate").findConstraint(u"Gap")->value = 1.0 / 3.0;
    m.macro().setGeneralVariable(u"gen_New", -0.125);
    const std::string text = macroJsonText(m.macro(), m.data);

    TempFolder temp;
    Ork_String error;
    ASSERT_TRUE(writeMacroJson(temp.folder() + u"out.json", m.macro(), m.data, error)) << error.utf8();
    Ork_DbMacro db;
    MacroData data;
    ASSERT_TRUE(readMacroJson(temp.folder() + u"out.json", db, data, error)) << error.utf8();
    EXPECT_EQ(macroJsonText(*db.macro(), data), text);
    EXPECT_EQ(db.macroWrite()->findModule(u"Plate")->constraints[0].value, 1.0 / 3.0);
    EXPECT_EQ(db.macro()->generalVariableValue(u"gen_New"), -0.125);
}

// Reading grows with the number of general variables, not with its square: 100,000 of them took minutes.
TEST(MacroFile, ReadsAHundredThousandGeneralVariablesInTheirOrder) {
    constexpr int kCount = 100000;
    std::string text = R"({"version": 1, "generalVariables": [)";
    for (int i = 0; i < kCount; ++i)
        text += (i ? ", " : "") + std::string(R"({"name": "gen_)") + std::to_string(i) + R"(", "value": )" +
                std::to_string(i) + "}";
    text += "]}";
    Ork_DbMacro db;
    MacroData data;
    Ork_String error;
    ASSERT_TRUE(readMacroJsonText(text, db, data, error)) << error.utf8();
    Ork_StringArray names;
    AcArray<double> values;
    db.macro()->getGeneralVariables(names, values);
    ASSERT_EQ(names.length(), kCount);
    EXPECT_EQ(names[0], u"gen_0");
    EXPECT_EQ(names[kCount - 1], u"gen_99999");
    EXPECT_EQ(db.macro()->generalVariableValue(u"gen_54321"), 54321.0);
    EXPECT_TRUE(db.macro()->hasGeneralVariable(u"gen_99999"));
    EXPECT_FALSE(db.macro()->hasGeneralVariable(u"GEN_1"));   // names compare exactly

    // Setting one again changes its value in place; removing them all forgets every name.
    Ork_Macro& macro = *db.macroWrite();
    ASSERT_EQ(macro.setGeneralVariable(u"gen_7", -1.5), eOk);
    macro.getGeneralVariables(names, values);
    EXPECT_EQ(names.length(), kCount);
    EXPECT_EQ(values[7], -1.5);
    macro.removeGeneralVariables();
    EXPECT_FALSE(macro.hasGeneralVariable(u"gen_7"));
    ASSERT_EQ(macro.setGeneralVariable(u"gen_7", 2.0), eOk);
    macro.getGeneralVariables(names, values);
    EXPECT_EQ(names, (Ork_StringArray{u"gen_7"}));
    EXPECT_EQ(macro.generalVariableValue(u"gen_7"), 2.0);
}

TEST(MacroFile, SyntaxErrorsNameLineAndColumn) {
    Refusal r;
    EXPECT_FALSE(r.read("{\n  \"name\": \"x\",\n  \"modules\": [ }\n"));
    EXPECT_NE(r.error.utf8().find("line 3"), std::string::npos) << r.error.utf8();
    r.expectUnchanged();
}

TEST(MacroFile, WrongValuesNameTheirPlace) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {R"([])", "an object is expected"},
        {R"({"version": 2})", "version: must be 1 to 1"},
        {R"({"colour": "red"})", "unknown key \"colour\""},
        {R"({"modules": [{"type": 232}]})", "modules[0]: \"name\" is missing"},
        {R"({"modules": [{"name": ""}]})", "modules[0].name: must not be empty"},
        {R"({"modules": [{"name": "A"}, {"name": "A"}]})", "modules[1]: a second module named \"A\""},
        {R"({"modules": [{"name": "A", "constraints": [{"name": "G", "value": "10"}]}]})",
         "modules[0].constraints[0].value: a number is expected"},
        {R"({"modules": [{"name": "A", "cuts": [{"name": "C", "type": 4, "offsets": {"radius": 1}}]}]})",
         "modules[0].cuts[0].offsets.radius: cut type 4 has no such offset"},
        {R"({"modules": [{"name": "A", "cuts": [{"name": "C", "type": 9}]}]})", "modules[0].cuts[0].type: must be 0 to 8"},
        {R"({"modules": [{"name": "A", "type": 231, "patterns": []}]})", "only a bolt module (type 232)"},
        {R"({"modules": [{"name": "A", "type": 232, "patterns": [{"name": "P", "reverse2": true}]}]})",
         "a pattern in one direction has no second direction"},
        {R"({"modules": [{"name": "A", "type": 4294967296}]})", "modules[0].type: must be 0 to"},
        {R"({"tabs": [{"name": "T", "bolt": {"diameter": 20}}]})", "tabs[0].bolt.diameter: a text is expected"},
        {R"({"tabs": [{"name": "T", "flexFix": [{"constraint": "G", "fixed": 1}]}]})", "true or false is expected"},
        {R"({"generalVariables": [{"name": "g", "value": 1}, {"name": "g"}]})", "a second general variable"},
    };
    for (const Case& c : cases) {
        Refusal r;
        EXPECT_FALSE(r.read(c.text)) << c.text;
        EXPECT_NE(r.error.utf8().find(c.message), std::string::npos) << c.text << " gave: " << r.error.utf8();
        r.expectUnchanged();
    }
}

TEST(MacroFile, RefusesDeepNestingAndBadText) {
    Refusal r;
    EXPECT_FALSE(r.read(std::string(100000, '[') + std::string(100000, ']')));
    EXPECT_NE(r.error.utf8().find("nests deeper"), std::string::npos);
    EXPECT_FALSE(r.read("{\"name\": \"\xff\"}"));
    EXPECT_FALSE(r.read(""));
    EXPECT_FALSE(r.read("{} trailing"));
    r.expectUnchanged();
}

TEST(MacroFile, ReadsAByteOrderMarkAndNamesAMissingFile) {
    Refusal r;
    EXPECT_TRUE(r.read("\xEF\xBB\xBF{\"name\": \"Bom\"}"));
    EXPECT_EQ(r.loaded.macro().name, u"Bom");
    Ork_DbMacro db;
    MacroData data;
    EXPECT_FALSE(readMacroJson(u"/no/such/folder/macro.json", db, data, r.error));
    EXPECT_NE(r.error.utf8().find("macro.json: the file cannot be read"), std::string::npos);
}

TEST(MacroFile, AFailedWriteLeavesTheOldFile) {
    LoadedMacro m;
    TempFolder temp;
    const Ork_String path = temp.folder() + u"macro.json";
    Ork_String error;
    ASSERT_TRUE(writeMacroJson(path, m.macro(), m.data, error));
    m.macro().name = u"Changed";
    {
        os::FailureInjection failure(os::WriteStage::Rename);
        EXPECT_FALSE(writeMacroJson(path, m.macro(), m.data, error));
    }
    EXPECT_NE(error.utf8().find("cannot be written"), std::string::npos);
    Ork_DbMacro db;
    MacroData data;
    ASSERT_TRUE(readMacroJson(path, db, data, error));
    EXPECT_EQ(db.macro()->name, u"EndPlateConnection");
}
