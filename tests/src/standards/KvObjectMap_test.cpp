#include "standardsFixture.h"

#include "standards/KvObjectMap.h"
#include "standards/KvVarCell.h"

#include <gtest/gtest.h>

namespace {

const Ork_String kBullet(u'\u2022');

KvObjectMap parsed(const Ork_String& mapping, ErrorStatus expected = eOk) {
    KvObjectMap map;
    EXPECT_EQ(map.getMappingFromStrs(u"Var", mapping), expected) << mapping.utf8();
    return map;
}

// Maps read and written against the end-plate macro, with the section tables of a test library.
class MacroMaps : public ::testing::Test {
protected:
    TempLibrary library;
    StandardsMacro m;

    Ork_String get(const Ork_String& mapping, ErrorStatus expected = eOk) {
        Ork_String value = u"untouched";
        EXPECT_EQ(parsed(mapping).getMacroVarValue(&m.db, &m.data, value, &m.transaction), expected) << mapping.utf8();
        return value;
    }
    ErrorStatus set(const Ork_String& mapping, const Ork_String& value) {
        return parsed(mapping).setMacroVarValue(&m.db, &m.data, value, &m.transaction);
    }
    static Ork_String map(const char16_t* object, const char16_t* keywordAndProperty) {
        return Ork_String(object) + kBullet + keywordAndProperty;
    }
};

} // namespace

TEST(MappingStrings, NeedTheBulletBetweenObjectAndKeyword) {
    KvObjectMap map = parsed(u"EndPlate" + kBullet + u"Distance Gap");
    EXPECT_EQ(map.object, u"EndPlate");
    EXPECT_EQ(map.kind, KvMapKind::Distance);
    EXPECT_EQ(map.property, u"Gap");
    EXPECT_EQ(map.variable, u"Var");

    KvObjectMap untouched(u"O", u"P", u"V", KvMapKind::GenVar, 1, u"C");
    EXPECT_EQ(untouched.getMappingFromStrs(u"Var", u"EndPlate Distance Gap"), eInvalidInput);
    EXPECT_EQ(untouched.object, u"O");
    EXPECT_EQ(untouched.kind, KvMapKind::GenVar);
    EXPECT_EQ(untouched.variable, u"V");
    parsed(u"EndPlate" + kBullet + u"Length Gap", eInvalidInput);
    parsed(u"", eInvalidInput);
    parsed(kBullet, eInvalidInput);
}

TEST(MappingStrings, KeywordsArePrefixesAndThePropertyFollowsTheFirstBlank) {
    EXPECT_TRUE(parsed(u"A" + kBullet + u"Distance").property.isEmpty());
    KvObjectMap glued = parsed(u"A" + kBullet + u"DistanceGap");
    EXPECT_EQ(glued.kind, KvMapKind::Distance);
    EXPECT_TRUE(glued.property.isEmpty());
    KvObjectMap cut = parsed(u"A" + kBullet + u"CutOffsetX y");
    EXPECT_EQ(cut.kind, KvMapKind::CutOffset);
    EXPECT_EQ(cut.property, u"y");
    EXPECT_EQ(parsed(u"A" + kBullet + u"Distance Gap two  words").property, u"Gap two  words");
    // Blanks around the rest go, those inside stay.
    KvObjectMap padded = parsed(u" A " + kBullet + u"  Distance  Gap  ");
    EXPECT_EQ(padded.object, u" A ");
    EXPECT_EQ(padded.property, u" Gap");
    // Only the first bullet separates.
    parsed(u"A" + kBullet + u"B" + kBullet + u"Distance Gap", eInvalidInput);
}

TEST(MappingStrings, EveryKeywordReadsBackAsItsKind) {
    for (int k = 1; k <= 21; ++k) {
        const KvMapKind kind = static_cast<KvMapKind>(k);
        KvObjectMap written(u"Group", u"Prop", u"V", kind);
        Ork_String mapping, variable;
        ASSERT_EQ(written.setMappingToStrs(mapping, variable), eOk);
        EXPECT_EQ(mapping, u"Group" + kBullet + mapKindInfo(kind)->keyword + u" Prop");
        EXPECT_EQ(variable, u"V");
        KvObjectMap read;
        ASSERT_EQ(read.getMappingFromStrs(variable, mapping), eOk);
        EXPECT_EQ(read.kind, kind);
        EXPECT_EQ(read.isCompatible(written), eOk);
    }
}

TEST(MappingStrings, AMapWithoutKindCannotBeWritten) {
    Ork_String mapping = u"kept", variable = u"kept";
    EXPECT_EQ(KvObjectMap(u"A", u"B", u"V", KvMapKind::None).setMappingToStrs(mapping, variable), eInvalidInput);
    EXPECT_EQ(KvObjectMap(u"A", u"B", u"V", static_cast<KvMapKind>(22)).setMappingToStrs(mapping, variable), eInvalidInput);
    EXPECT_EQ(mapping, u"kept");
}

TEST(MappingStrings, CompatibleMapsReachTheSamePropertyWhateverTheirVariables) {
    const KvObjectMap map(u"A", u"Gap", u"V1", KvMapKind::Distance);
    EXPECT_EQ(map.isCompatible(KvObjectMap(u"A", u"Gap", u"V2", KvMapKind::Distance, 0, u"c")), eOk);
    EXPECT_EQ(map.isCompatible(KvObjectMap(u"a", u"Gap", u"V1", KvMapKind::Distance)), eInvalidInput);
    EXPECT_EQ(map.isCompatible(KvObjectMap(u"A", u"gap", u"V1", KvMapKind::Distance)), eInvalidInput);
    EXPECT_EQ(map.isCompatible(KvObjectMap(u"A", u"Gap", u"V1", KvMapKind::GenVar)), eInvalidInput);
}

TEST(MappingStrings, FromArraysPairsTheCellsNameWithItsMappingString) {
    const Ork_StringArray names{u"Gap", u"Width", u"Depth"};
    const Ork_StringArray mappings{u"A" + kBullet + u"Distance Gap", u"A" + kBullet + u"Distance Width"};
    KvObjectMap map;
    ASSERT_EQ(map.mapFromArrays(names, mappings, KvVarCell(u"Width", KvCellType::Input, KvValueType::Double)), eOk);
    EXPECT_EQ(map.property, u"Width");
    EXPECT_EQ(map.variable, u"Width");
    EXPECT_EQ(map.mapFromArrays(names, mappings, KvVarCell(u"Depth", KvCellType::Input, KvValueType::Double)),
              eInvalidInput);
    EXPECT_EQ(map.mapFromArrays(names, mappings, KvVarCell(u"width", KvCellType::Input, KvValueType::Double)),
              eInvalidInput);
    EXPECT_EQ(map.mapFromArrays(names, {u"bad", u"bad"}, KvVarCell(u"Gap", KvCellType::Input, KvValueType::Double)),
              eInvalidInput);
}

TEST_F(MacroMaps, DistancesReachEveryModuleOfTheGroupAndFixFlexibleOnes) {
    EXPECT_EQ(get(map(u"EndPlate", u"Distance Gap")), u"10.0000000");
    EXPECT_EQ(get(map(u"EndPlate", u"Distance Height")), u"300.2500000");
    ASSERT_EQ(set(map(u"EndPlate", u"Distance Gap"), u"14.5"), eOk);
    EXPECT_EQ(m.module(u"Plate").findConstraint(u"Gap")->value, 14.5);
    EXPECT_EQ(m.module(u"Stiffener").findConstraint(u"Gap")->value, 14.5);
    bool fixed = false, flexible = true;
    ASSERT_TRUE(m.tab(u"EndPlate").getFlexFixBtnStatus(u"Gap", fixed, flexible));
    EXPECT_TRUE(fixed);
    // A fixed distance is not pressed again.
    ASSERT_EQ(set(map(u"EndPlate", u"Distance Width"), u"210"), eOk);
    ASSERT_TRUE(m.tab(u"EndPlate").getFlexFixBtnStatus(u"Width", fixed, flexible));
    EXPECT_TRUE(fixed);
    EXPECT_EQ(m.module(u"Plate").findConstraint(u"Width")->value, 210);
    // Without a button the value is set all the same.
    ASSERT_EQ(set(map(u"EndPlate", u"Distance Height"), u"1"), eOk);
    EXPECT_EQ(m.module(u"Plate").findConstraint(u"Height")->value, 1);
}

TEST_F(MacroMaps, AGroupThatDoesNotExistFailsAPropertyItLacksDoesNot) {
    get(map(u"NoGroup", u"Distance Gap"), eInvalidInput);
    EXPECT_EQ(set(map(u"NoGroup", u"Distance Gap"), u"1"), eInvalidInput);
    // Module-level results are the modules' own affair: the value stays as it was.
    EXPECT_EQ(get(map(u"EndPlate", u"Distance Nothing")), u"untouched");
}

TEST_F(MacroMaps, GeneralVariablesReadWithEightDecimals) {
    EXPECT_EQ(get(u"" + kBullet + u"GenVar gen_Width"), u"212.50000000");
    ASSERT_EQ(set(kBullet + u"GenVar gen_Width", u"7.25"), eOk);
    EXPECT_EQ(m.macro().generalVariableValue(u"gen_Width"), 7.25);
    EXPECT_EQ(set(kBullet + u"GenVar gen_Width", u"wide"), eInvalidInput);    // no number: refused, not 0
    EXPECT_EQ(m.macro().generalVariableValue(u"gen_Width"), 7.25);
}

TEST_F(MacroMaps, CutOffsetsReadWithSevenDecimals) {
    EXPECT_EQ(get(map(u"EndPlate", u"CutOffset Cope")), u"5.0000000");
    EXPECT_EQ(get(map(u"EndPlate", u"CutInsideOffset Cope")), u"10.0000000");
    EXPECT_EQ(get(map(u"EndPlate", u"CutOutsideOffset Cope")), u"12.0000000");
    EXPECT_EQ(get(map(u"EndPlate", u"CutChamferOffset1 Cope")), u"3.0000000");
    EXPECT_EQ(get(map(u"EndPlate", u"CutChamferOffset2 Cope")), u"4.0000000");
    EXPECT_EQ(get(map(u"EndPlate", u"CutRadius Cope")), u"8.1250000");
    EXPECT_EQ(get(map(u"EndPlate", u"CutChamferOffset2 Corner")), u"25.0000000");
    ASSERT_EQ(set(map(u"EndPlate", u"CutRadius Cope"), u"9.5"), eOk);
    EXPECT_EQ(m.module(u"Plate").findCut(u"Cope")->offsets[8], 9.5);
    // A cope has no polygon offset: nothing is read.
    EXPECT_EQ(get(map(u"EndPlate", u"CutPolyOffset Cope")), u"untouched");
}

TEST_F(MacroMaps, BaseProfilesGiveSectionNamesAndSectionValues) {
    EXPECT_EQ(get(kBullet + u"PrPlName Prof0"), u"HEA-200");
    EXPECT_EQ(get(kBullet + u"PrPlName Prof1"), u"IPE-300");
    EXPECT_EQ(get(kBullet + u"PrPlMaterial Prof1"), u"IPE-300");
    EXPECT_EQ(set(kBullet + u"PrPlName Prof0", u"HEA-220"), eInvalidInput);
    for (const char16_t* bad : {u"PrPlName Prof2", u"PrPlName Prof", u"PrPlName ProfX", u"PrPlName Prof-1",
                                u"PrPlName Base0", u"PrPlName"})
        get(kBullet + bad, eInvalidInput);

    EXPECT_EQ(get(kBullet + u"MemberSectionSize Prof0;0"), u"190");
    EXPECT_EQ(get(kBullet + u"MemberSectionSize Prof0;4"), u"18");
    EXPECT_EQ(get(kBullet + u"MemberSectionSize Prof1;1"), u"150");
    EXPECT_EQ(set(kBullet + u"MemberSectionSize Prof0;0", u"1"), eInvalidInput);
    for (const char16_t* bad : {u"MemberSectionSize Prof0;5", u"MemberSectionSize Prof0", u"MemberSectionSize Prof0;",
                                u"MemberSectionSize Prof0;x", u"MemberSectionSize Prof3;0",
                                u"MemberSectionSize Prof0;99999999999"})
        get(kBullet + bad, eInvalidInput);
}

TEST_F(MacroMaps, BoltPatternsCountsAndReverseFlags) {
    EXPECT_EQ(get(map(u"BoltGroup", u"PatternNrBolts1 P1")), u"2");
    EXPECT_EQ(get(map(u"BoltGroup", u"PatternNrBolts2 P1")), u"3");
    ASSERT_EQ(set(map(u"BoltGroup", u"PatternNrBolts1 P2"), u"6"), eOk);
    EXPECT_EQ(m.tab(u"BoltGroup").findPattern(u"P2")->nrBolts1, u"6");

    EXPECT_EQ(get(map(u"BoltGroup", u"PatternReverseStart1 P1")), u"0");
    EXPECT_EQ(get(map(u"BoltGroup", u"PatternReverseStart2 P1")), u"1");
    ASSERT_EQ(set(map(u"BoltGroup", u"PatternReverseStart1 P1"), u"1"), eOk);
    EXPECT_TRUE(m.module(u"Bolts").findPattern(u"P1")->reverseStart1);
    EXPECT_EQ(get(map(u"BoltGroup", u"PatternReverseStart1 P1")), u"1");    // read back as written
    ASSERT_EQ(set(map(u"BoltGroup", u"PatternReverseStart1 P1"), u"yes"), eOk);
    EXPECT_FALSE(m.module(u"Bolts").findPattern(u"P1")->reverseStart1);
    EXPECT_EQ(get(map(u"BoltGroup", u"PatternReverseStart1 P1")), u"0");
    // Pattern kinds on a group without bolt module reach nothing.
    EXPECT_EQ(get(map(u"EndPlate", u"PatternNrBolts1 P1")), u"untouched");
}

TEST_F(MacroMaps, BoltDiameterAndHoleOffset) {
    EXPECT_EQ(get(map(u"BoltGroup", u"BoltsDiameter")), u"20");
    EXPECT_EQ(get(map(u"BoltGroup", u"BoltsHoleOffset")), u"2");
    ASSERT_EQ(set(map(u"BoltGroup", u"BoltsDiameter"), u"24"), eOk);
    ASSERT_EQ(set(map(u"BoltGroup", u"BoltsHoleOffset"), u"3"), eOk);
    EXPECT_EQ(m.tab(u"BoltGroup").getBoltData()->diameter, u"24");
    EXPECT_EQ(m.tab(u"BoltGroup").getBoltData()->holeTolerance, u"3");
}

TEST_F(MacroMaps, NumericPropertiesRefuseTextsThatAreNoNumbers) {
    // An error value's text, a word, nothing at all: refused by the map, never written as 0 or as text.
    for (const char16_t* text : {u"#VALUE!", u"#DIV/0!", u"wide", u"", u"12 mm"}) {
        const Ork_String t = text;
        EXPECT_EQ(set(map(u"EndPlate", u"CutOffset Cope"), t), eInvalidInput) << t.utf8();
        EXPECT_EQ(set(map(u"EndPlate", u"CutRadius Cope"), t), eInvalidInput) << t.utf8();
        EXPECT_EQ(set(map(u"BoltGroup", u"BoltsDiameter"), t), eInvalidInput) << t.utf8();
        EXPECT_EQ(set(map(u"BoltGroup", u"BoltsHoleOffset"), t), eInvalidInput) << t.utf8();
        EXPECT_EQ(set(kBullet + u"GenVar gen_Gap", t), eInvalidInput) << t.utf8();
        EXPECT_EQ(set(map(u"EndPlate", u"Distance Gap"), t), eInvalidInput) << t.utf8();
    }
    EXPECT_EQ(m.module(u"Plate").findCut(u"Cope")->offsets[0], 5);
    EXPECT_EQ(m.module(u"Plate").findCut(u"Cope")->offsets[8], 8.125);
    EXPECT_EQ(m.tab(u"BoltGroup").getBoltData()->diameter, u"20");
    EXPECT_EQ(m.tab(u"BoltGroup").getBoltData()->holeTolerance, u"2");
    EXPECT_EQ(m.macro().generalVariableValue(u"gen_Gap"), 12);
    EXPECT_EQ(m.module(u"Plate").findConstraint(u"Gap")->value, 10);
    // Numbers in any usual writing still go in.
    ASSERT_EQ(set(map(u"BoltGroup", u"BoltsDiameter"), u" 24.0 "), eOk);
    ASSERT_EQ(set(map(u"EndPlate", u"CutOffset Cope"), u"-1.5e1"), eOk);
    EXPECT_EQ(m.module(u"Plate").findCut(u"Cope")->offsets[0], -15);
}

TEST_F(MacroMaps, OwnedMemberNames) {
    EXPECT_EQ(get(map(u"Beam", u"OwnedMemberName Main")), u"B1");
    ASSERT_EQ(set(map(u"Beam", u"OwnedMemberName Main"), u"B9"), eOk);
    EXPECT_EQ(get(map(u"Beam", u"OwnedMemberName Main")), u"B9");
    EXPECT_EQ(get(map(u"Beam", u"OwnedMemberName Other")), u"untouched");
}

TEST_F(MacroMaps, MapsWithoutKindOrMacroFail) {
    Ork_String value = u"untouched";
    const KvObjectMap none(u"EndPlate", u"Gap", u"V", KvMapKind::None);
    EXPECT_EQ(none.getMacroVarValue(&m.db, &m.data, value, nullptr), eInvalidInput);
    const KvObjectMap gap(u"EndPlate", u"Gap", u"V", KvMapKind::Distance);
    EXPECT_EQ(gap.getMacroVarValue(nullptr, &m.data, value, nullptr), eInvalidInput);
    Ork_DbMacro empty;
    EXPECT_EQ(gap.getMacroVarValue(&empty, &m.data, value, nullptr), eInvalidInput);
    EXPECT_EQ(value, u"untouched");
}

namespace {

// Name-encoded access in one module of the end-plate macro.
class NamedAccess : public MacroMaps {
protected:
    Ork_String get(const char16_t* module, const Ork_String& name, KvValueType type, ErrorStatus expected = eOk) {
        Ork_String value = u"untouched";
        EXPECT_EQ(KvObjectMap::getSetVarByName(name, type, &m.module(module), &m.macro(), &m.data, value, true, nullptr),
                  expected)
            << name.utf8();
        return value;
    }
    ErrorStatus set(const char16_t* module, const Ork_String& name, KvValueType type, const Ork_String& value) {
        Ork_String text = value;
        return KvObjectMap::getSetVarByName(name, type, &m.module(module), &m.macro(), &m.data, text, false, nullptr);
    }
};

constexpr KvValueType kDouble = KvValueType::Double;
constexpr KvValueType kInt = KvValueType::Int;
constexpr KvValueType kString = KvValueType::String;

} // namespace

TEST_F(NamedAccess, GeneralVariablesWithFourDecimals) {
    EXPECT_EQ(get(u"Plate", u"gen.Width", kDouble), u"212.5000");
    EXPECT_EQ(get(u"Plate", u"gen.Gap", kInt), u"12.0000");
    ASSERT_EQ(set(u"Plate", u"gen.Width", kDouble, u"100"), eOk);
    EXPECT_EQ(m.macro().generalVariableValue(u"gen_Width"), 100);
    get(u"Plate", u"gen.Missing", kDouble, eInvalidInput);
    EXPECT_EQ(set(u"Plate", u"gen.Missing", kDouble, u"1"), eInvalidInput);
    EXPECT_FALSE(m.macro().hasGeneralVariable(u"gen_Missing"));
    get(u"Plate", u"gen.Width", kString, eInvalidInput);
}

TEST_F(NamedAccess, PlacementNamesAndMaterialsAreRead) {
    EXPECT_EQ(get(u"Beam", u"Main.Name", kString), u"IPE-200");
    EXPECT_EQ(get(u"Beam", u"Main.Material", kString), u"S235");
    EXPECT_EQ(set(u"Beam", u"Main.Name", kString, u"IPE-220"), eInvalidInput);
    get(u"Beam", u"Other.Name", kString, eInvalidInput);
}

TEST_F(NamedAccess, EveryCutSuffix) {
    EXPECT_EQ(get(u"Plate", u"Cope.Cut", kDouble), u"5.0000000");
    EXPECT_EQ(get(u"Plate", u"Cope.CutInside", kDouble), u"10.0000000");
    EXPECT_EQ(get(u"Plate", u"Cope.CutOutside", kDouble), u"12.0000000");
    EXPECT_EQ(get(u"Plate", u"Cope.Chamfer1", kDouble), u"3.0000000");
    EXPECT_EQ(get(u"Plate", u"Cope.Chamfer2", kDouble), u"4.0000000");
    EXPECT_EQ(get(u"Plate", u"Cope.CutRadius", kInt), u"8.1250000");
    get(u"Plate", u"Cope.CutPoly", kDouble, eInvalidInput);
    get(u"Plate", u"Cope.CutLength", kDouble, eInvalidInput);
    get(u"Plate", u"Cope.CutCenter", kDouble, eInvalidInput);
    EXPECT_EQ(get(u"Stiffener", u"Corner.Chamfer2", kDouble), u"25.0000000");

    Ork_CutConstraint every;
    every.name = u"a.b";
    every.constraintType = 1;
    every.offsets[1] = 2.5;
    m.module(u"Plate").cuts.append(every);
    EXPECT_EQ(get(u"Plate", u"a.b.CutPoly", kDouble), u"2.5000000");    // the object ends at the last dot
    Ork_CutConstraint length;
    length.name = u"Len";
    length.constraintType = 2;
    length.offsets[2] = 30;
    Ork_CutConstraint center = length;
    center.name = u"Mid";
    center.constraintType = 3;
    center.offsets[3] = -4;
    m.module(u"Plate").cuts.append(length);
    m.module(u"Plate").cuts.append(center);
    EXPECT_EQ(get(u"Plate", u"Len.CutLength", kDouble), u"30.0000000");
    EXPECT_EQ(get(u"Plate", u"Mid.CutCenter", kDouble), u"-4.0000000");

    ASSERT_EQ(set(u"Plate", u"Cope.CutRadius", kDouble, u"7"), eOk);
    EXPECT_EQ(m.module(u"Plate").findCut(u"Cope")->offsets[8], 7);
    // A text variable is no cut offset.
    get(u"Plate", u"Cope.Cut", kString, eInvalidInput);
}

TEST_F(NamedAccess, BoltDataAndPatterns) {
    EXPECT_EQ(get(u"Bolts", u"Bolts.Diameter", kDouble), u"20");
    EXPECT_EQ(get(u"Bolts", u"x.HoleOffset", kDouble), u"2");
    get(u"Plate", u"Bolts.Diameter", kDouble, eInvalidInput);    // its tab has no bolt record
    EXPECT_EQ(get(u"Bolts", u"P1.NrBolts1", kString), u"2");
    EXPECT_EQ(get(u"Bolts", u"P1.NrBolts2", kDouble), u"3");
    ASSERT_EQ(set(u"Bolts", u"P1.NrBolts2", kString, u"8"), eOk);
    EXPECT_EQ(m.tab(u"BoltGroup").findPattern(u"P1")->nrBolts2, u"8");
    EXPECT_EQ(get(u"Bolts", u"P1.ReverseStart2", kInt), u"1");
    EXPECT_EQ(get(u"Bolts", u"P2.ReverseStart1", kInt), u"1");
    ASSERT_EQ(set(u"Bolts", u"P2.ReverseStart1", kInt, u"0"), eOk);
    EXPECT_EQ(get(u"Bolts", u"P2.ReverseStart1", kInt), u"0");
    get(u"Plate", u"P1.ReverseStart1", kInt, eInvalidInput);
    get(u"Bolts", u"P1.ReverseStart1", kString, eInvalidInput);
}

TEST_F(NamedAccess, MemberNamesAndDistances) {
    EXPECT_EQ(get(u"Beam", u"Main.MemberName", kString), u"B1");
    ASSERT_EQ(set(u"Beam", u"Main.MemberName", kString, u"B5"), eOk);
    EXPECT_EQ(m.tab(u"Beam").profiles[0].ownedMemberName, u"B5");

    EXPECT_EQ(get(u"Plate", u"Gap", kDouble), u"10.0000000");
    ASSERT_EQ(set(u"Plate", u"Gap", kDouble, u"11"), eOk);
    EXPECT_EQ(m.module(u"Plate").findConstraint(u"Gap")->value, 11);
    EXPECT_EQ(m.module(u"Stiffener").findConstraint(u"Gap")->value, 10);
    bool fixed = false, flexible = true;
    ASSERT_TRUE(m.tab(u"EndPlate").getFlexFixBtnStatus(u"Gap", fixed, flexible));
    EXPECT_TRUE(fixed);
    get(u"Plate", u"NoSuchDistance", kDouble, eInvalidInput);
    get(u"Plate", u"Gap", kString, eInvalidInput);
}

TEST_F(NamedAccess, NumericPropertiesRefuseTextsThatAreNoNumbers) {
    for (const char16_t* text : {u"#VALUE!", u"wide", u""}) {
        EXPECT_EQ(set(u"Plate", u"gen.Width", kDouble, text), eInvalidInput);
        EXPECT_EQ(set(u"Plate", u"Cope.Cut", kDouble, text), eInvalidInput);
        EXPECT_EQ(set(u"Bolts", u"Bolts.Diameter", kDouble, text), eInvalidInput);
        EXPECT_EQ(set(u"Bolts", u"x.HoleOffset", kDouble, text), eInvalidInput);
    }
    EXPECT_EQ(m.macro().generalVariableValue(u"gen_Width"), 212.5);
    EXPECT_EQ(m.module(u"Plate").findCut(u"Cope")->offsets[0], 5);
    EXPECT_EQ(m.tab(u"BoltGroup").getBoltData()->diameter, u"20");
    EXPECT_EQ(m.tab(u"BoltGroup").getBoltData()->holeTolerance, u"2");
}

TEST_F(NamedAccess, AModuleWithoutTabReachesNothing) {
    Ork_Module loose;
    loose.name = u"Loose";
    Ork_Constraint gap;
    gap.name = u"Gap";
    gap.value = 1.0;
    loose.constraints.append(gap);
    m.macro().modules.append(loose);
    get(u"Loose", u"Gap", kDouble, eInvalidInput);
    get(u"Loose", u"gen.Width", kDouble, eInvalidInput);
}
