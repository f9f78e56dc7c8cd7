// The host's calls behind the definition editor, on a macro loaded from a file.
#include "support/macroTestSupport.h"

#include "cadhost/HostLog.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/macro/macroEditorCalls.h"
#include "nuvo/records/EditConstrData.h"
#include "nuvo/records/MacroSettingsData.h"
#include "ui/Desktop.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

namespace {

class EditorCalls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(prepareEditConstrData(m.db, u"Plate", data));
        cadhost::HostLog::clear();
        nuvo::clearEditorCallRefusals();
    }
    void TearDown() override { nuvo::clearEditorCallRefusals(); }
    Ork_Module& plate() { return m.module(u"Plate"); }

    LoadedMacro m{"nuvo/macros/editor.json"};
    EditConstrData data;
};

TEST_F(EditorCalls, TheRecordIsPreparedFromTheModule) {
    EXPECT_EQ(data.macroId, m.db.objectId());
    EXPECT_EQ(data.moduleNames, (Ork_StringArray{u"Plate", u"Stiffener", u"Plate2"}));
    ASSERT_EQ(data.constrRowTexts.length(), 3);
    EXPECT_EQ(data.constrRowTexts[0], (Ork_StringArray{u"Gap", u"10", u"Edge1", u"Edge2"}));
    // A constraint without a value shows its kind as its expression.
    EXPECT_EQ(data.constrRowTexts[1][1], u"Parallel");
    EXPECT_EQ(data.constrIds, (AcArray<int>{4, 2, 7}));
    EXPECT_EQ(data.currentConstrId, 4);
    EXPECT_EQ(data.cutFlags, (AcArray<int>{0, 0, 1}));
    EXPECT_EQ(data.selectedOptions[1], 1);
    EXPECT_EQ(data.geomRowTexts[2], (Ork_StringArray{u"Arc", u"Plate corner", u"Edge3"}));
    EXPECT_EQ(data.geomConstrFlags, (AcArray<int>{0, 1, 2}));
    EXPECT_EQ(data.geomFlexValues, (AcArray<long>{11, 12, 13}));
    EXPECT_EQ(data.varKinds, (AcArray<short>{0, 3, 7}));
    EXPECT_EQ(data.dimNames, (Ork_StringArray{u"D1", u"D2"}));

    EditConstrData untouched;
    untouched.moduleName = u"kept";
    EXPECT_FALSE(prepareEditConstrData(m.db, u"NoSuchModule", untouched));
    EXPECT_EQ(untouched.moduleName, u"kept");
    EXPECT_TRUE(prepareEditConstrData(m.db, u"", untouched));
    EXPECT_EQ(untouched.moduleName, u"Plate");
}

TEST_F(EditorCalls, ImagePathsOfTheMacroFileAreTakenInTheLibraryFolder) {
    Ork_Settings::setLibDir(u"/lib/here");
    ASSERT_TRUE(prepareEditConstrData(m.db, u"Plate", data));
    Ork_Settings::reset();
    EXPECT_EQ(data.imageLists[2], (Ork_StringArray{u"\\lib\\here\\a.bmp", u"\\lib\\here\\b.bmp", u"%radioBreak%",
                                                   u"\\lib\\here\\c.bmp", u"\\lib\\here\\d.bmp", u"%radioBreak%"}));
    // Absolute paths and the markers stay as they are; the macro keeps what its file says.
    plate().constraints[2].editor.images = {u"/abs/x.bmp", u"c:\\p\\y.bmp", u""};
    ASSERT_TRUE(prepareEditConstrData(m.db, u"Plate", data));
    EXPECT_EQ(data.imageLists[2], (Ork_StringArray{u"/abs/x.bmp", u"c:\\p\\y.bmp", u""}));
    EXPECT_EQ(plate().constraints[2].editor.images[0], u"/abs/x.bmp");
}

TEST_F(EditorCalls, ModulesAreListedSwitchedRenamedAndRemoved) {
    Ork_StringArray names;
    EXPECT_TRUE(MacroGetModules(&data, names));
    EXPECT_EQ(names.length(), 3);
    EXPECT_TRUE(SetCurrentModule(&data, u"Stiffener"));
    EXPECT_EQ(data.constrNames, (Ork_StringArray{u"Thickness"}));
    EXPECT_FALSE(SetCurrentModule(&data, u"Nothing"));
    EXPECT_EQ(data.moduleName, u"Stiffener");

    EXPECT_FALSE(RenameModule(&data, u"Plate"));   // another module has it
    EXPECT_FALSE(RenameModule(&data, u""));
    EXPECT_TRUE(RenameModule(&data, u"Rib"));
    EXPECT_EQ(data.moduleName, u"Rib");
    EXPECT_EQ(data.moduleNames, (Ork_StringArray{u"Plate", u"Rib", u"Plate2"}));

    EXPECT_FALSE(RemoveModule(&data, u"Nothing"));
    EXPECT_TRUE(RemoveModule(&data, u"Plate2"));
    EXPECT_EQ(data.moduleNames, (Ork_StringArray{u"Plate", u"Rib"}));
    EXPECT_EQ(cadhost::HostLog::texts(u"RenameModule"),
              (std::vector<std::u16string>{u"RenameModule(Plate)", u"RenameModule()", u"RenameModule(Rib)"}));
}

TEST_F(EditorCalls, CommandsAddConstraintsModulesAndPatterns) {
    EXPECT_TRUE(StartMacroCommand(&data, 7));
    ASSERT_EQ(data.constrNames.length(), 4);
    EXPECT_EQ(data.constrNames[3], u"Distance1");
    EXPECT_EQ(data.constrValues[3], u"100");
    EXPECT_EQ(data.currentConstrId, data.constrIds[3]);
    EXPECT_EQ(data.constrIds[3], 9);   // above every id of the macro (Stiffener's constraint has 8)
    EXPECT_TRUE(StartMacroCommand(&data, 0));
    EXPECT_EQ(data.constrNames[4], u"Parallel1");
    EXPECT_EQ(data.constrProperties[4], (AcArray<int>{1, 3}));

    EXPECT_TRUE(StartMacroCommand(&data, 11));
    EXPECT_EQ(data.moduleNames[3], u"Module1");
    EXPECT_TRUE(StartMacroCommand(&data, 11));
    EXPECT_EQ(data.moduleNames[4], u"Module2");
    EXPECT_FALSE(StartMacroCommand(&data, 12));    // Plate is no bolt module
    EXPECT_TRUE(StartMacroCommand(&data, 13));
    EXPECT_FALSE(StartMacroCommand(&data, 14));
    EXPECT_FALSE(StartMacroCommand(&data, -1));
    EXPECT_EQ(cadhost::HostLog::texts(u"StartMacroCommand").back(), u"StartMacroCommand(-1)");
}

TEST_F(EditorCalls, AConstraintRowIsWrittenBackFieldByField) {
    data.constrValues[0] = u"12.5";
    data.constrNames[0] = u"Spacing";
    data.firstFlags[0] = false;
    data.secondFlags[0] = true;
    EXPECT_TRUE(UpdateConstraint(&data, 0));
    EXPECT_EQ(plate().constraints[0].name, u"Spacing");
    EXPECT_EQ(plate().constraints[0].value, 12.5);
    EXPECT_FALSE(plate().constraints[0].dialogFirst);
    EXPECT_TRUE(plate().constraints[0].dialogSecond);

    // A value that is no number and a name another constraint has are refused; the rest is taken.
    data.constrValues[0] = u"abc";
    data.constrNames[0] = u"Flush";
    data.firstFlags[0] = true;
    EXPECT_FALSE(UpdateConstraint(&data, 0));
    EXPECT_EQ(plate().constraints[0].value, 12.5);
    EXPECT_EQ(plate().constraints[0].name, u"Spacing");
    EXPECT_TRUE(plate().constraints[0].dialogFirst);
    EXPECT_EQ(data.constrValues[0], u"12.5");   // the record shows the macro again

    // Each call refreshes the whole record from the macro: a caller sets a row just before sending it.
    data.selectedOptions[1] = 0;
    EXPECT_TRUE(UpdateConstraint(&data, 1));
    data.groupSelections[2] = AcArray<int>{1, 2};
    EXPECT_TRUE(UpdateConstraint(&data, 2));
    EXPECT_EQ(plate().constraints[1].editor.selectedOption, 0);
    EXPECT_EQ(plate().constraints[2].editor.groupSelections, (AcArray<int>{1, 2}));
    EXPECT_FALSE(UpdateConstraint(&data, 3));
    EXPECT_FALSE(UpdateConstraint(&data, -1));
}

TEST_F(EditorCalls, ConstraintsAreSortedDeletedAndOfferTheirMenu) {
    EXPECT_TRUE(SortConstraints(&data, 1, 2));
    EXPECT_EQ(data.constrNames, (Ork_StringArray{u"Angle1", u"Flush", u"Gap"}));
    EXPECT_TRUE(SortConstraints(&data, 3, 1));   // Edge1 twice: the previous column decides
    EXPECT_EQ(data.constrNames, (Ork_StringArray{u"Flush", u"Gap", u"Angle1"}));
    EXPECT_TRUE(DeleteConstraint(&data, 0));
    EXPECT_EQ(data.constrNames, (Ork_StringArray{u"Gap", u"Angle1"}));
    EXPECT_FALSE(DeleteConstraint(&data, 2));

    Ork_StringArray texts;
    AcArray<int> codes, checked;
    ASSERT_TRUE(ConstrContextMenu(&data, 1, texts, codes, checked));
    EXPECT_EQ(texts[1], u"%BREAK%");
    EXPECT_EQ(codes.length(), 3);
    EXPECT_EQ(checked, (AcArray<int>{2, 3}));
    EXPECT_TRUE(ContextMenuAction(&data, 1, codes[1]));
    EXPECT_FALSE(data.firstFlags[1]);
    EXPECT_TRUE(ContextMenuAction(&data, 1, codes[0]));
    EXPECT_EQ(data.constrRowTexts[1][2], u"Edge3");
    EXPECT_FALSE(ContextMenuAction(&data, 1, 99));

    bool inUse = false;
    EXPECT_TRUE(VarNameInUse(&data, u"gap", inUse));
    EXPECT_TRUE(inUse);
    EXPECT_TRUE(VarNameInUse(&data, u"GEN_GAP", inUse));
    EXPECT_TRUE(inUse);
    EXPECT_TRUE(VarNameInUse(&data, u"Free", inUse));
    EXPECT_FALSE(inUse);

    bool swallow = false;
    EXPECT_TRUE(StartEditMacroCutDlg(data.macroId, u"Plate", 7, swallow));
    EXPECT_TRUE(swallow);
    swallow = false;
    EXPECT_FALSE(StartEditMacroCutDlg(data.macroId, u"Plate", 4, swallow));   // Gap has no cut
    EXPECT_FALSE(swallow);
}

TEST_F(EditorCalls, GeometryTakesFlexibilityFlagsAndNames) {
    const AcDbObjectId second = data.geomIds[1];
    EXPECT_TRUE(UpdateGeomFlexibility(&data, second, 12, 3));
    EXPECT_EQ(data.geomFlexibility[1], 2);
    EXPECT_FALSE(UpdateGeomFlexibility(&data, second, 12, 4));
    EXPECT_FALSE(UpdateGeomFlexibility(&data, second, 12, 0));
    EXPECT_TRUE(UpdateConstrGeom(&data, second, 0));
    EXPECT_EQ(data.geomConstrFlags[1], 0);
    EXPECT_FALSE(UpdateConstrGeom(&data, data.geomIds[2], 1));   // the host's own flag 2 stays
    EXPECT_EQ(data.geomConstrFlags[2], 2);
    EXPECT_TRUE(SetNameTags(&data, data.geomIds, Ork_StringArray{u"A", u"B", u"C"}));
    EXPECT_EQ(data.geomNames, (Ork_StringArray{u"A", u"B", u"C"}));
    EXPECT_FALSE(SetNameTags(&data, data.geomIds, Ork_StringArray{u"X"}));   // lengths differ: what pairs is taken
    EXPECT_EQ(data.geomNames[0], u"X");
    EXPECT_EQ(cadhost::HostLog::texts(u"SetNameTags")[0], u"SetNameTags(A|B|C)");
}

TEST_F(EditorCalls, VariablesAreTakenAndTheEquationsRecalculatedInOrder) {
    data.varValues[0] = 400;
    data.varNames.append(u"Extra");
    data.varValues.append(1.5);   // no kind given: kind 0
    data.equations.append(u"Gap = W / 40");
    data.equations.append(u"Nothing = 3");
    data.equations.append(u"T = W / 0");   // an error value changes nothing
    ASSERT_TRUE(UpdateVarsEqs(&data));
    // T = 400 / 20 = 20; H = Gap * 2 + T with Gap still 10 = 40; then Gap = 10.
    EXPECT_EQ(data.varValues, (AcArray<double>{400, 40, 20, 1.5}));
    EXPECT_EQ(data.varKinds[3], 0);
    EXPECT_EQ(plate().constraints[0].value, 10);
    EXPECT_EQ(plate().equations.length(), 5);
    EXPECT_EQ(cadhost::HostLog::texts(u"UpdateVarsEqs")[0],
              u"UpdateVarsEqs(W=400 H=100.125 T=0 Extra=1.5, T = W / 20; H = Gap * 2 + T; Gap = W / 40; "
              u"Nothing = 3; T = W / 0)");
}

TEST_F(EditorCalls, RefusedCallsAreRecordedAndChangeNothing) {
    nuvo::refuseEditorCall(u"RenameModule");
    EXPECT_FALSE(RenameModule(&data, u"Rib"));
    EXPECT_EQ(data.moduleName, u"Plate");
    EXPECT_EQ(cadhost::HostLog::texts(u"RenameModule").size(), 1u);
    EXPECT_TRUE(RenameModule(&data, u"Rib"));   // only the next call was refused

    nuvo::refuseEditorCall(u"DeleteConstraint", 2);
    EXPECT_FALSE(DeleteConstraint(&data, 0));
    EXPECT_FALSE(DeleteConstraint(&data, 0));
    EXPECT_EQ(m.module(u"Rib").constraints.length(), 3);
}

TEST_F(EditorCalls, AnotherMacroIsPickedByName) {
    LoadedMacro other;   // EndPlateConnection
    ui::Script script;
    script.answerPick({true, {u"EndPlateConnection"}});
    EXPECT_TRUE(SelectOtherMacro(&data));
    EXPECT_EQ(data.macroId, other.db.objectId());
    EXPECT_EQ(data.moduleName, u"Plate");
    EXPECT_EQ(data.moduleNames.length(), 4);
    script.answerPick({true, {u"NoSuchMacro"}});
    EXPECT_FALSE(SelectOtherMacro(&data));
    EXPECT_EQ(data.macroId, other.db.objectId());
}

TEST_F(EditorCalls, SettingsGoBothWays) {
    MacroSettingsData settings;
    ASSERT_TRUE(GetMacroSettings(data.macroId, settings));
    EXPECT_EQ(settings.genVars.names, (Ork_StringArray{u"gen_Gap"}));
    EXPECT_EQ(settings.genVars.thirdSetting, 3);
    EXPECT_EQ(settings.groups.numbers, (AcArray<int>{1, 5}));
    settings.genVars.names = {u"a", u"b"};
    settings.genVars.values = {1};
    settings.groups.names.append(u"Third");
    ASSERT_TRUE(SetMacroSettings(data.macroId, settings));
    EXPECT_EQ(m.macro().generalVariableValue(u"b"), 0);
    EXPECT_FALSE(m.macro().hasGeneralVariable(u"gen_Gap"));
    EXPECT_EQ(m.macro().definition.groups[2].number, 0);
    EXPECT_FALSE(GetMacroSettings(AcDbObjectId(), settings));
}

} // namespace
