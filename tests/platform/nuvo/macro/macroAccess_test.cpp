#include "support/macroTestSupport.h"

#include "nuvo/macro/macroAccess.h"

#include <gtest/gtest.h>

TEST(ModuleGroups, ListGroupMembersAndUngroupedModulesByName) {
    LoadedMacro m;
    Ork_StringArray names;
    ASSERT_EQ(getModNamesOfGroup(&m.macro(), u"EndPlate", names), eOk);
    EXPECT_EQ(names, (Ork_StringArray{u"Plate", u"Stiffener"}));
    ASSERT_EQ(getModNamesOfGroup(&m.macro(), u"Beam", names), eOk);
    EXPECT_EQ(names, (Ork_StringArray{u"Beam"}));
    // The macro-level properties belong to the empty group: it lists nothing and succeeds.
    ASSERT_EQ(getModNamesOfGroup(&m.macro(), u"", names), eOk);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_EQ(getModNamesOfGroup(&m.macro(), u"NoSuchGroup", names), eInvalidInput);
    EXPECT_EQ(getModNamesOfGroup(nullptr, u"EndPlate", names), eInvalidInput);
}

TEST(Constraints, ReadWithSevenDecimalsAndRefuseTextThatIsNoNumber) {
    LoadedMacro m;
    Ork_Module& plate = m.module(u"Plate");
    Ork_String value;
    ASSERT_EQ(getSetConstrVarValue(&plate, u"Height", value, true), eOk);
    EXPECT_EQ(value, u"300.2500000");
    value = u"12.5";
    ASSERT_EQ(getSetConstrVarValue(&plate, u"Height", value, false), eOk);
    EXPECT_EQ(plate.findConstraint(u"Height")->value, 12.5);
    for (const char16_t* bad : {u"", u"abc", u"12abc"}) {
        value = bad;
        EXPECT_EQ(getSetConstrVarValue(&plate, u"Height", value, false), eInvalidInput);
    }
    EXPECT_EQ(plate.findConstraint(u"Height")->value, 12.5);
    EXPECT_EQ(getSetConstrVarValue(&plate, u"Nothing", value, true), eInvalidInput);
}

TEST(Constraints, DialogVariablesCarryBothFlags) {
    LoadedMacro m;
    Ork_StringArray names;
    AcArray<bool> first, second;
    ASSERT_EQ(getDialogVariables(&m.module(u"Plate"), names, first, second), eOk);
    EXPECT_EQ(names, (Ork_StringArray{u"Gap", u"Width", u"Height", u"Internal"}));
    EXPECT_EQ(first, (AcArray<bool>{true, true, false, false}));
    EXPECT_EQ(second, (AcArray<bool>{true, false, true, false}));
}

TEST(Cuts, OffsetsExistOnlyWhereTheConstraintTypeOffersThem) {
    LoadedMacro m;
    Ork_Module& plate = m.module(u"Plate");
    Ork_CutConstraint* cope = nullptr;
    ASSERT_EQ(getCutConstraint(&plate, u"Cope", cope), eOk);
    double value = 0;
    EXPECT_EQ(getSetCutValue(&plate, cope, 8, value, true), eOk);
    EXPECT_EQ(value, 8.125);
    value = 9;
    EXPECT_EQ(getSetCutValue(&plate, cope, 4, value, false), eOk);
    EXPECT_EQ(cope->offsets[4], 9);
    EXPECT_EQ(getSetCutValue(&plate, cope, 1, value, true), eInvalidInput);    // a cope has no polygon offset
    EXPECT_EQ(getSetCutValue(&plate, cope, 99, value, true), eInvalidInput);
    EXPECT_EQ(getSetCutValue(&plate, cope, -1, value, false), eInvalidInput);

    AcArray<int> types;
    ASSERT_EQ(getCutOffsets(8, types), eOk);
    EXPECT_EQ(types, (AcArray<int>{6, 9}));
    EXPECT_EQ(getCutOffsets(42, types), eInvalidInput);
    Ork_StringArray names;
    AcArray<int> constraintTypes;
    ASSERT_EQ(getCutConstraints(&plate, names, constraintTypes), eOk);
    EXPECT_EQ(names, (Ork_StringArray{u"Cope", u"Prep"}));
    EXPECT_EQ(constraintTypes, (AcArray<int>{7, 8}));
}

TEST(BoltPatterns, ReverseFlagsPerDirection) {
    LoadedMacro m;
    Ork_Module& bolts = m.module(u"Bolts");
    AcDbObjectId p1, p2;
    ASSERT_EQ(findPattern(&bolts, u"P1", p1, nullptr), eOk);
    ASSERT_EQ(findPattern(&bolts, u"P2", p2, nullptr), eOk);
    bool reversed = false;
    ASSERT_EQ(getSetBoltPatternReverses(&bolts, p1, false, true, reversed, nullptr), eOk);
    EXPECT_TRUE(reversed);
    reversed = true;
    ASSERT_EQ(getSetBoltPatternReverses(&bolts, p1, true, false, reversed, nullptr), eOk);
    EXPECT_TRUE(bolts.findPattern(u"P1")->reverseStart1);
    // A pattern in one direction has no second one.
    EXPECT_EQ(getSetBoltPatternReverses(&bolts, p2, false, true, reversed, nullptr), eInvalidInput);
    // Patterns belong to bolt modules.
    EXPECT_EQ(findPattern(&m.module(u"Plate"), u"P1", p1, nullptr), eInvalidInput);
    EXPECT_EQ(getSetBoltPatternReverses(&m.module(u"Plate"), p1, true, true, reversed, nullptr), eInvalidInput);

    AcArray<AcDbObjectId> ids;
    ASSERT_EQ(getPatternIds(&bolts, ids), eOk);
    ASSERT_EQ(ids.length(), 2);
    Ork_BoltPattern* pattern = nullptr;
    ASSERT_EQ(getPattern(ids[0], pattern), eOk);
    EXPECT_EQ(pattern->typeCode, 282);
    EXPECT_EQ(getPattern(AcDbObjectId(), pattern), eInvalidInput);
}

TEST(BoltPatterns, CountsAreWholeNumbersStoredWithoutDecimals) {
    LoadedMacro m;
    MacroTabData& tab = m.tab(u"BoltGroup");
    Ork_String value;
    ASSERT_EQ(getSetNrBolts(&tab, u"P1", value, true, false), eOk);
    EXPECT_EQ(value, u"3");
    value = u"5.0000000";
    ASSERT_EQ(getSetNrBolts(&tab, u"P1", value, false, true), eOk);
    EXPECT_EQ(tab.findPattern(u"P1")->nrBolts1, u"5");
    for (const char16_t* bad : {u"2.5", u"-1", u"many", u""}) {
        value = bad;
        EXPECT_EQ(getSetNrBolts(&tab, u"P1", value, false, true), eInvalidInput) << Ork_String(bad).utf8();
    }
    EXPECT_EQ(tab.findPattern(u"P1")->nrBolts1, u"5");
    EXPECT_EQ(getSetNrBolts(&tab, u"P2", value, true, false), eInvalidInput);
    EXPECT_EQ(getSetNrBolts(nullptr, u"P1", value, true, true), eInvalidInput);
}

TEST(ObjectIds, NameTheObjectsOfLiveMacrosOnly) {
    AcDbObjectId id;
    {
        LoadedMacro m;
        ASSERT_EQ(getBaseProf(&m.db, 1, id), eOk);
        Ork_String section;
        ASSERT_EQ(getSectionName(id, section, nullptr), eOk);
        EXPECT_EQ(section, u"IPE-300");
        AcArray<AcDbObjectId> ids;
        ASSERT_EQ(mapBaseProfIds(&m.db, ids), eOk);
        EXPECT_EQ(ids.length(), 2);
        EXPECT_EQ(getBaseProf(&m.db, 2, id), eInvalidInput);
        EXPECT_EQ(getBaseProf(&m.db, -1, id), eInvalidInput);
    }
    Ork_String section = u"kept";
    EXPECT_EQ(getSectionName(id, section, nullptr), eInvalidInput);
    EXPECT_EQ(section, u"kept");
}

TEST(ObjectIds, ACopiedMacroGetsIdsOfItsOwn) {
    LoadedMacro m;
    Ork_DbMacro copy(m.macro());
    AcDbObjectId original, copied;
    ASSERT_EQ(getNamedPrpl(&m.module(u"Beam"), u"Main", original), eOk);
    Ork_Module* beam = nullptr;
    ASSERT_EQ(copy.macroWrite()->findModuleWrite(u"Beam", beam), eOk);
    ASSERT_EQ(getNamedPrpl(beam, u"Main", copied), eOk);
    EXPECT_NE(original, copied);
    beam->findPlacement(u"Main")->material = u"S460";
    Ork_String material;
    ASSERT_EQ(getMaterial(original, material, nullptr), eOk);
    EXPECT_EQ(material, u"S235");
    ASSERT_EQ(getMaterial(copied, material, nullptr), eOk);
    EXPECT_EQ(material, u"S460");
}

TEST(ObjectIds, AMacroWithoutRecordHasNoBaseProfiles) {
    Ork_DbMacro empty;
    AcArray<AcDbObjectId> ids;
    AcDbObjectId id;
    EXPECT_EQ(mapBaseProfIds(&empty, ids), eInvalidInput);
    EXPECT_EQ(getBaseProf(&empty, 0, id), eInvalidInput);
    EXPECT_EQ(mapBaseProfIds(nullptr, ids), eInvalidInput);
}
