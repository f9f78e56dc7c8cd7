#include "standardsFixture.h"

#include "os/files.h"
#include "standards/KvMappingFile.h"
#include "standards/KvSSMapping.h"

#include <gtest/gtest.h>

namespace {

const Ork_String kBullet(u'\u2022');

KvObjectMap distance(const char16_t* variable, const char16_t* property, const char16_t* object = u"EndPlate") {
    return KvObjectMap(object, property, variable, KvMapKind::Distance);
}

KvSSMapping mappingOf(std::initializer_list<KvObjectMap> maps) {
    KvSSMapping mapping;
    for (const KvObjectMap& m : maps)
        mapping.mappedObjectsWrite().append(m);
    return mapping;
}

// One mapping line as the file holds it, in UTF-8.
std::string line(const std::string& target, std::initializer_list<std::pair<std::string, std::string>> pairs) {
    std::string text = target + "=";
    bool first = true;
    for (const auto& [variable, mapping] : pairs) {
        if (!first)
            text += kPairUtf8;
        first = false;
        text += variable + kHookUtf8 + mapping;
    }
    return text;
}

std::string gapLine(const std::string& target) {
    return line(target, {{"Gap", "EndPlate" + kBulletUtf8 + "Distance Gap"}});
}

class MappingFile : public ::testing::Test {
protected:
    TempLibrary library;
};

} // namespace

TEST_F(MappingFile, LivesBesideTheSheetInTheLibraryOrBesideAnAbsolutePath) {
    EXPECT_EQ(KvMappingFile::pathOf(u"Childs\\EndPlate"),
              Ork_Settings::libDir() + u"Connection Standards\\Childs\\EndPlate.map");
    EXPECT_EQ(KvMappingFile::pathOf(u"/data/sheets/EndPlate.kvs"), u"/data/sheets/EndPlate.map");
    EXPECT_EQ(KvMappingFile::pathOf(u"C:\\sheets\\EndPlate.kvs"), u"C:\\sheets\\EndPlate.map");
}

TEST_F(MappingFile, EmptyAndHeaderOnlyFilesLeaveTheMapsAsTheyAre) {
    KvSSMapping mapping = mappingOf({distance(u"Old", u"Old")});
    library.writeMap("Empty", "");
    EXPECT_EQ(mapping.getMappingFromFile(u"Empty", u"T"), eOk);
    library.writeMap("Header", "Mapping version 1.0\n");
    EXPECT_EQ(mapping.getMappingFromFile(u"Header", u"T"), eOk);
    ASSERT_EQ(mapping.mappedObjects().length(), 1);
    EXPECT_EQ(mapping.mappedObjects()[0].variable, u"Old");
}

TEST_F(MappingFile, AMissingFileOrTargetFails) {
    KvSSMapping mapping;
    EXPECT_EQ(mapping.getMappingFromFile(u"Nothing", u"T"), eInvalidInput);
    library.writeMap("Sheet", "Mapping version 1.0\n" + gapLine("A") + "\n");
    EXPECT_EQ(mapping.getMappingFromFile(u"Sheet", u"B"), eInvalidInput);
    EXPECT_EQ(mapping.getMappingFromFile(u"Sheet", u"a"), eInvalidInput);    // targets compare exactly
    EXPECT_EQ(mapping.getMappingFromFile(u"Sheet", u"A"), eOk);
    EXPECT_EQ(mapping.mappedObjects().length(), 1);
}

TEST_F(MappingFile, ReadsTheTargetsLineWithOrWithoutHeaderBomAndCrlf) {
    library.writeMap("Sheet", "\xEF\xBB\xBF" + gapLine("First") + "\r\n" +
                                  line("Second", {{"Dia", "BoltGroup" + kBulletUtf8 + "BoltsDiameter"},
                                                  {"Broken", "no bullet"},
                                                  {"NoHook", ""},
                                                  {"  Gen ", kBulletUtf8 + "GenVar gen_Width  "}}) +
                                  "\r\n");
    KvSSMapping mapping;
    ASSERT_EQ(mapping.getMappingFromFile(u"Sheet", u"First"), eOk);
    ASSERT_EQ(mapping.mappedObjects().length(), 1);
    ASSERT_EQ(mapping.getMappingFromFile(u"Sheet", u"Second"), eOk);
    ASSERT_EQ(mapping.mappedObjects().length(), 2);
    EXPECT_EQ(mapping.mappedObjects()[0].kind, KvMapKind::BoltsDiameter);
    EXPECT_EQ(mapping.mappedObjects()[1].variable, u"Gen ");    // pairs are trimmed at their ends only
    EXPECT_EQ(mapping.mappedObjects()[1].property, u"gen_Width");
}

TEST(MappingLines, ALineWithoutEqualsSignMapsNothing) {
    KvSSMapping mapping = mappingOf({distance(u"Old", u"Old")});
    EXPECT_EQ(mapping.initMappingFromLine(u"no equals sign"), eInvalidInput);
    EXPECT_EQ(mapping.mappedObjects().length(), 0);
    EXPECT_EQ(mapping.initMappingFromLine(u"T="), eOk);
    EXPECT_EQ(mapping.mappedObjects().length(), 0);
    // The target ends at the first "=": later ones belong to the pairs.
    ASSERT_EQ(mapping.initMappingFromLine(u"T=a=b\u0192A" + kBullet + u"Distance x=y"), eOk);
    ASSERT_EQ(mapping.mappedObjects().length(), 1);
    EXPECT_EQ(mapping.mappedObjects()[0].variable, u"a=b");
    EXPECT_EQ(mapping.mappedObjects()[0].property, u"x=y");
}

TEST_F(MappingFile, WritingCreatesTheFileWithItsHeader) {
    KvSSMapping mapping = mappingOf({distance(u"Gap", u"Gap"), KvObjectMap({}, u"gen_Width", u"W", KvMapKind::GenVar)});
    ASSERT_EQ(mapping.setMappingToFile(u"Sheet", u"T"), eOk);
    EXPECT_EQ(library.readMap("Sheet"), "Mapping version 1.0\n" +
                                            line("T", {{"Gap", "EndPlate" + kBulletUtf8 + "Distance Gap"},
                                                       {"W", kBulletUtf8 + "GenVar gen_Width"}}) +
                                            "\n");
    KvSSMapping read;
    ASSERT_EQ(read.getMappingFromFile(u"Sheet", u"T"), eOk);
    EXPECT_TRUE(read.isEqual(mapping));
    EXPECT_TRUE(mapping.isEqual(read));
}

TEST_F(MappingFile, AnUnchangedMappingIsNotWritten) {
    const std::string stored = gapLine("Other") + "\r\n" + gapLine("T") + "\r\n";    // no header, CRLF
    library.writeMap("Sheet", stored);
    ASSERT_EQ(mappingOf({distance(u"Gap", u"Gap")}).setMappingToFile(u"Sheet", u"T"), eOk);
    EXPECT_EQ(library.readMap("Sheet"), stored);
}

TEST_F(MappingFile, ANewTargetAddsTheHeaderAndKeepsTheOtherLines) {
    library.writeMap("Sheet", gapLine("A") + "\n" + gapLine("B") + "\n");
    ASSERT_EQ(mappingOf({distance(u"Gap", u"Width")}).setMappingToFile(u"Sheet", u"C"), eOk);
    EXPECT_EQ(library.readMap("Sheet"),
              "Mapping version 1.0\n" + gapLine("A") + "\n" + gapLine("B") + "\n" +
                  line("C", {{"Gap", "EndPlate" + kBulletUtf8 + "Distance Width"}}) + "\n");
}

TEST_F(MappingFile, ARewrittenTargetMovesToTheEnd) {
    library.writeMap("Sheet", "Mapping version 1.0\n" + gapLine("A") + "\n" + gapLine("B") + "\n" + gapLine("C") + "\n");
    ASSERT_EQ(mappingOf({distance(u"Gap", u"Width")}).setMappingToFile(u"Sheet", u"A"), eOk);
    EXPECT_EQ(library.readMap("Sheet"), "Mapping version 1.0\n" + gapLine("B") + "\n" + gapLine("C") + "\n" +
                                            line("A", {{"Gap", "EndPlate" + kBulletUtf8 + "Distance Width"}}) + "\n");
}

TEST_F(MappingFile, RemovingAMapIsSaved) {
    const KvSSMapping both = mappingOf({distance(u"Gap", u"Gap"), distance(u"Width", u"Width")});
    ASSERT_EQ(both.setMappingToFile(u"Sheet", u"T"), eOk);
    // The smaller mapping isEqual to the stored one, but the stored one is not equal to it.
    ASSERT_EQ(mappingOf({distance(u"Gap", u"Gap")}).setMappingToFile(u"Sheet", u"T"), eOk);
    KvSSMapping read;
    ASSERT_EQ(read.getMappingFromFile(u"Sheet", u"T"), eOk);
    EXPECT_EQ(read.mappedObjects().length(), 1);
    ASSERT_EQ(KvSSMapping().setMappingToFile(u"Sheet", u"T"), eOk);
    EXPECT_EQ(library.readMap("Sheet"), "Mapping version 1.0\nT=\n");
}

TEST_F(MappingFile, OnlyTheFirstOfDuplicateVariablesIsWritten) {
    ASSERT_EQ(mappingOf({distance(u"Gap", u"First"), distance(u"Gap", u"Second"), distance(u"Other", u"Third")})
                  .setMappingToFile(u"Sheet", u"T"),
              eOk);
    EXPECT_EQ(library.readMap("Sheet"), "Mapping version 1.0\n" +
                                            line("T", {{"Gap", "EndPlate" + kBulletUtf8 + "Distance First"},
                                                       {"Other", "EndPlate" + kBulletUtf8 + "Distance Third"}}) +
                                            "\n");
}

TEST_F(MappingFile, EntriesThatWouldNotReadBackAreDropped) {
    KvSSMapping mapping;
    for (const char16_t* variable : {u"a\u00BFb", u"a\u0192b", u"a\u2022b", u"a=b", u"a\nb", u"a\rb", u"a/b", u"a:b",
                                     u"a*b", u" lead", u"Good"})
        mapping.mappedObjectsWrite().append(distance(variable, u"Gap"));
    mapping.mappedObjectsWrite().append(distance(u"Pad", u"Gap "));      // the trailing blank would be lost
    mapping.mappedObjectsWrite().append(distance(u"Break", u"G\u00BFap"));
    mapping.mappedObjectsWrite().append(distance(u"Obj", u"Gap", u"A\u2022B"));
    mapping.mappedObjectsWrite().append(KvObjectMap(u"A", u"B", u"NoKind", KvMapKind::None));
    ASSERT_EQ(mapping.setMappingToFile(u"Sheet", u"T"), eOk);
    EXPECT_EQ(library.readMap("Sheet"), "Mapping version 1.0\n" + gapLine("T").replace(2, 3, "Good") + "\n");
}

TEST_F(MappingFile, TargetsThatWouldReadBackAsOthersAreRefused) {
    const KvSSMapping mapping = mappingOf({distance(u"Gap", u"Gap")});
    EXPECT_EQ(mapping.setMappingToFile(u"Sheet", u"a=b"), eInvalidInput);
    EXPECT_EQ(mapping.setMappingToFile(u"Sheet", u"a\nb"), eInvalidInput);
    EXPECT_FALSE(std::filesystem::exists(library.mapFile("Sheet")));
}

TEST_F(MappingFile, AFileThatCannotBeReadIsLeftAlone) {
    std::filesystem::create_directory(library.mapFile("Sheet"));
    EXPECT_EQ(mappingOf({distance(u"Gap", u"Gap")}).setMappingToFile(u"Sheet", u"T"), eInvalidInput);
    EXPECT_TRUE(std::filesystem::is_directory(library.mapFile("Sheet")));
}

TEST_F(MappingFile, AFailedWriteFailsAndKeepsTheOldFile) {
    library.writeMap("Sheet", gapLine("A") + "\n");
    os::FailureInjection failure(os::WriteStage::Rename);
    EXPECT_EQ(mappingOf({distance(u"Gap", u"Width")}).setMappingToFile(u"Sheet", u"A"), eInvalidInput);
    EXPECT_EQ(library.readMap("Sheet"), gapLine("A") + "\n");
}

TEST_F(MappingFile, EveryLineOfARewrittenTargetGoes) {
    library.writeMap("Sheet", gapLine("A") + "\n" + gapLine("B") + "\n" + gapLine("A") + "\n");
    ASSERT_EQ(mappingOf({distance(u"Gap", u"Width")}).setMappingToFile(u"Sheet", u"A"), eOk);
    KvSSMapping read;
    ASSERT_EQ(read.getMappingFromFile(u"Sheet", u"A"), eOk);
    EXPECT_EQ(read.mappedObjects()[0].property, u"Width");
    EXPECT_EQ(library.readMap("Sheet"), "Mapping version 1.0\n" + gapLine("B") + "\n" +
                                            line("A", {{"Gap", "EndPlate" + kBulletUtf8 + "Distance Width"}}) + "\n");
}

TEST_F(MappingFile, ASheetNamedByAnAbsolutePathHasItsMappingBesideIt) {
    const std::filesystem::path sheet = library.native() / "elsewhere" / "Sheet.kvs";
    std::filesystem::create_directories(sheet.parent_path());
    const Ork_String name = Ork_String::fromUtf8(sheet.string());
    ASSERT_EQ(mappingOf({distance(u"Gap", u"Gap")}).setMappingToFile(name, u"T"), eOk);
    EXPECT_TRUE(std::filesystem::exists(library.native() / "elsewhere" / "Sheet.map"));
    KvSSMapping read;
    EXPECT_EQ(read.getMappingFromFile(name, u"T"), eOk);
    EXPECT_EQ(read.mappedObjects().length(), 1);
}

TEST_F(MappingFile, HasSameMappingNamesTheFirstMatchingTarget) {
    library.writeMap("Sheet", "Mapping version 1.0\n" + line("A", {{"Gap", "EndPlate" + kBulletUtf8 + "Distance Width"}}) +
                                  "\n" + gapLine("B") + "\n" + gapLine("C") + "\n");
    Ork_String target;
    ASSERT_TRUE(mappingOf({distance(u"Gap", u"Gap")}).hasSameMapping(u"Sheet", target));
    EXPECT_EQ(target, u"B");
    target = u"kept";
    EXPECT_FALSE(mappingOf({distance(u"Gap", u"Depth")}).hasSameMapping(u"Sheet", target));
    // A line's maps must all be found in this mapping, which may hold more.
    ASSERT_TRUE(mappingOf({distance(u"Other", u"Other"), distance(u"Gap", u"Gap")}).hasSameMapping(u"Sheet", target));
    EXPECT_EQ(target, u"B");
    target = u"kept";
    EXPECT_FALSE(mappingOf({distance(u"Gap", u"Gap")}).hasSameMapping(u"Nothing", target));
    EXPECT_EQ(target, u"kept");
}

TEST(MappingComparison, IsEqualIsOneDirectional) {
    const KvSSMapping small = mappingOf({distance(u"Gap", u"Gap")});
    const KvSSMapping large = mappingOf({distance(u"Width", u"Width"), distance(u"Gap", u"Gap")});
    EXPECT_TRUE(small.isEqual(large));
    EXPECT_FALSE(large.isEqual(small));
    EXPECT_TRUE(KvSSMapping().isEqual(small));
    // The variable is found with its kind's value type: a text map of the same name does not count.
    EXPECT_FALSE(small.isEqual(mappingOf({KvObjectMap(u"EndPlate", u"Gap", u"Gap", KvMapKind::OwnedMemberName)})));
    EXPECT_FALSE(mappingOf({KvObjectMap(u"A", u"B", u"V", KvMapKind::None)}).isEqual(small));

    int count = -1;
    EXPECT_EQ(large.isCompatible(small, count), eOk);
    EXPECT_EQ(count, 1);
    int index = -1;
    EXPECT_EQ(large.findCompatible(distance(u"Other", u"Gap"), index), eOk);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(large.findCompatible(distance(u"Gap", u"Depth"), index), eInvalidInput);
}

TEST(MappingComparison, FindSSVarNeedsNameAndValueType) {
    const KvSSMapping mapping = mappingOf({KvObjectMap(u"B", u"P1", u"V", KvMapKind::PatternNrBolts1),
                                           KvObjectMap(u"B", u"P1", u"V", KvMapKind::PatternReverseStart1),
                                           KvObjectMap(u"B", u"", u"V", KvMapKind::BoltsDiameter)});
    int index = -1;
    EXPECT_EQ(mapping.findSSVar(u"V", KvValueType::String, index), eOk);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(mapping.findSSVar(u"V", KvValueType::Int, index), eOk);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(mapping.findSSVar(u"V", KvValueType::Double, index), eOk);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(mapping.findSSVar(u"v", KvValueType::Double, index), eInvalidInput);
}

TEST_F(MappingFile, InitialisingStartsFromNoMaps) {
    StandardsMacro m;
    KvSSMapping mapping = mappingOf({distance(u"Stale", u"Gap")});
    EXPECT_EQ(mapping.initFromModuleGroup(u""), eInvalidInput);
    EXPECT_EQ(mapping.mappedObjects().length(), 1);
    ASSERT_EQ(mapping.initFromModuleGroup(u"EndPlate"), eOk);
    EXPECT_EQ(mapping.mode, KvSSMapping::kModuleGroupMode);
    EXPECT_EQ(mapping.mappedObjects().length(), 0);

    mapping = mappingOf({distance(u"Stale", u"Gap")});
    library.writeMap("Empty", "Mapping version 1.0\n");
    ASSERT_EQ(mapping.initFromMacro(m.record(u"Empty", u"T")), eOk);
    EXPECT_EQ(mapping.mode, KvSSMapping::kMappingFileMode);
    EXPECT_EQ(mapping.mappedObjects().length(), 0);

    KvDlgStandardsData noMacro = m.record(u"Empty", u"T");
    noMacro.dbMacro = nullptr;
    EXPECT_EQ(mapping.initFromMacro(noMacro), eInvalidInput);
    EXPECT_EQ(mapping.initFromMacro(m.record(u"Empty", u"Module.EndPlate", u"EndPlate")), eInvalidInput);
    EXPECT_EQ(mapping.initFromMacro(m.record(u"Missing", u"T")), eInvalidInput);
}

TEST_F(MappingFile, ValuesThroughTheMapsOfTheRecordsTarget) {
    StandardsMacro m;
    library.writeMap("Sheet", "Mapping version 1.0\n" +
                                  line("T", {{"Gap", "EndPlate" + kBulletUtf8 + "Distance Gap"},
                                             {"Rev", "BoltGroup" + kBulletUtf8 + "PatternReverseStart1 P1"},
                                             {"Prof", kBulletUtf8 + "PrPlName Prof0"}}) +
                                  "\n");
    const KvDlgStandardsData record = m.record(u"Sheet", u"T");
    KvSSMapping mapping;
    ASSERT_EQ(mapping.initFromMacro(record), eOk);
    Ork_String value;
    ASSERT_EQ(mapping.getMacroVarValue(u"Gap", KvValueType::Double, value, record), eOk);
    EXPECT_EQ(value, u"10.0000000");
    EXPECT_EQ(mapping.getMacroVarValue(u"Gap", KvValueType::String, value, record), eInvalidInput);
    ASSERT_EQ(mapping.getMacroVarValue(u"Prof", KvValueType::String, value, record), eOk);
    EXPECT_EQ(value, u"HEA-200");
    ASSERT_EQ(mapping.setMacroVarValue(u"Rev", KvValueType::Int, u"1", record), eOk);
    ASSERT_EQ(mapping.getMacroVarValue(u"Rev", KvValueType::Int, value, record), eOk);
    EXPECT_EQ(value, u"1");
    ASSERT_EQ(mapping.setMacroVarValue(u"Gap", KvValueType::Double, u"30", record), eOk);
    EXPECT_EQ(m.module(u"Stiffener").findConstraint(u"Gap")->value, 30);
    EXPECT_EQ(mapping.setMacroVarValue(u"Nothing", KvValueType::Double, u"30", record), eInvalidInput);
}

TEST_F(MappingFile, AVariableCellIsFilledInPlaceAndKeepsItsValueWhenNoModuleHasTheProperty) {
    StandardsMacro m;
    library.writeMap("Sheet", "Mapping version 1.0\n" +
                                  line("T", {{"Gap", "EndPlate" + kBulletUtf8 + "Distance Gap"},
                                             {"Lost", "EndPlate" + kBulletUtf8 + "Distance NoSuchConstraint"},
                                             {"Away", "NoGroup" + kBulletUtf8 + "Distance Gap"}}) +
                                  "\n");
    const KvDlgStandardsData record = m.record(u"Sheet", u"T");
    KvSSMapping mapping;
    ASSERT_EQ(mapping.initFromMacro(record), eOk);
    KvVarCell gap(u"Gap", KvCellType::Output, KvValueType::Double, u"1");
    ASSERT_EQ(gap.setValueFromMacro(mapping, record), eOk);
    EXPECT_EQ(gap.value, u"10.0000000");
    // The group is there but none of its modules has the distance: nothing is read, and the cell keeps
    // what it held.
    KvVarCell lost(u"Lost", KvCellType::Output, KvValueType::Double, u"7.5");
    ASSERT_EQ(lost.setValueFromMacro(mapping, record), eOk);
    EXPECT_EQ(lost.value, u"7.5");
    KvVarCell away(u"Away", KvCellType::Output, KvValueType::Double, u"3");
    EXPECT_EQ(away.setValueFromMacro(mapping, record), eInvalidInput);
    EXPECT_EQ(away.value, u"3");
}

TEST_F(MappingFile, ModuleGroupModeReachesValuesByName) {
    StandardsMacro m;
    const KvDlgStandardsData record = m.record(u"Sheet", u"Module.EndPlate", u"EndPlate");
    KvSSMapping mapping;
    ASSERT_EQ(mapping.initFromModuleGroup(record.moduleGroup), eOk);
    Ork_String value;
    // The first module of the group that has the property answers.
    ASSERT_EQ(mapping.getMacroVarValue(u"Thickness", KvValueType::Double, value, record), eOk);
    EXPECT_EQ(value, u"15.0000000");
    ASSERT_EQ(mapping.getMacroVarValue(u"gen.Width", KvValueType::Double, value, record), eOk);
    EXPECT_EQ(value, u"212.5000");
    EXPECT_EQ(mapping.getMacroVarValue(u"NoSuch", KvValueType::Double, value, record), eInvalidInput);
    // A written value reaches every module of the group that has the property.
    ASSERT_EQ(mapping.setMacroVarValue(u"Gap", KvValueType::Double, u"21", record), eOk);
    EXPECT_EQ(m.module(u"Plate").findConstraint(u"Gap")->value, 21);
    EXPECT_EQ(m.module(u"Stiffener").findConstraint(u"Gap")->value, 21);
    EXPECT_EQ(mapping.setMacroVarValue(u"NoSuch", KvValueType::Double, u"1", record), eInvalidInput);
    const KvDlgStandardsData unknown = m.record(u"Sheet", u"Module.Nothing", u"Nothing");
    EXPECT_EQ(mapping.getMacroVarValue(u"Gap", KvValueType::Double, value, unknown), eInvalidInput);
}

namespace {

struct Expected {
    const char16_t* object;
    const char16_t* property;
    KvMapKind kind;
    int sortKey;
    const char16_t* caption;
};

} // namespace

TEST_F(MappingFile, InitAllVarsFromMacroListsEveryMappableProperty) {
    StandardsMacro m;
    KvSSMapping mapping = mappingOf({distance(u"Kept", u"Gap")});
    ASSERT_EQ(mapping.initAllVarsFromMacro(&m.db, &m.transaction), eOk);
    using K = KvMapKind;
    const Expected expected[] = {
        {u"EndPlate", u"Gap", K::Distance, 3, u""},    // the map that was there
        {u"EndPlate", u"Gap", K::Distance, 0, u""},
        {u"EndPlate", u"Width", K::Distance, 1, u""},
        {u"EndPlate", u"Height", K::Distance, 2, u""},
        {u"EndPlate", u"Internal", K::Distance, 3, u""},
        {u"EndPlate", u"Cope", K::CutOffset, 0, u""},
        {u"EndPlate", u"Cope", K::CutInsideOffset, 0, u""},
        {u"EndPlate", u"Cope", K::CutOutsideOffset, 0, u""},
        {u"EndPlate", u"Cope", K::CutChamferOffset1, 0, u""},
        {u"EndPlate", u"Cope", K::CutChamferOffset2, 0, u""},
        {u"EndPlate", u"Cope", K::CutRadius, 0, u""},
        {u"EndPlate", u"Prep", K::CutChamferOffset1, 0, u""},    // its weld gap has no kind: skipped
        {u"EndPlate", u"Gap", K::Distance, 3, u""},
        {u"EndPlate", u"Thickness", K::Distance, 1, u""},
        {u"EndPlate", u"Corner", K::CutChamferOffset1, 0, u""},
        {u"EndPlate", u"Corner", K::CutChamferOffset2, 0, u""},
        {u"BoltGroup", u"Edge", K::Distance, 0, u""},
        {u"BoltGroup", u"", K::BoltsDiameter, 0, u""},
        {u"BoltGroup", u"", K::BoltsHoleOffset, 0, u""},
        {u"BoltGroup", u"P1", K::PatternNrBolts1, 0, u""},
        {u"BoltGroup", u"P1", K::PatternReverseStart1, 0, u""},
        {u"BoltGroup", u"P1", K::PatternNrBolts2, 0, u""},
        {u"BoltGroup", u"P1", K::PatternReverseStart2, 0, u""},
        {u"BoltGroup", u"P2", K::PatternNrBolts1, 0, u""},
        {u"BoltGroup", u"P2", K::PatternReverseStart1, 0, u""},
        {u"Beam", u"Main", K::OwnedMemberName, 0, u""},    // the unnamed placement is no choice
        {u"", u"Prof0", K::PrPlName, 3, u""},
        {u"", u"Prof0", K::PrPlMaterial, 3, u""},
        {u"", u"Prof0;0", K::MemberSectionSize, 3, u"h"},
        {u"", u"Prof0;1", K::MemberSectionSize, 3, u"b"},
        {u"", u"Prof0;2", K::MemberSectionSize, 3, u"tw"},
        {u"", u"Prof0;3", K::MemberSectionSize, 3, u"tf"},
        {u"", u"Prof0;4", K::MemberSectionSize, 3, u"r"},
        {u"", u"Prof1", K::PrPlName, 3, u""},
        {u"", u"Prof1", K::PrPlMaterial, 3, u""},
        {u"", u"Prof1;0", K::MemberSectionSize, 3, u"h"},
        {u"", u"Prof1;1", K::MemberSectionSize, 3, u"b"},
        {u"", u"Prof1;2", K::MemberSectionSize, 3, u"tw"},
        {u"", u"Prof1;3", K::MemberSectionSize, 3, u"tf"},
        {u"", u"Prof1;4", K::MemberSectionSize, 3, u"r"},
        {u"", u"gen_Width", K::GenVar, 0, u""},
        {u"", u"gen_Gap", K::GenVar, 0, u""},
    };
    const auto& maps = mapping.mappedObjects();
    ASSERT_EQ(maps.length(), static_cast<int>(std::size(expected)));
    for (int i = 0; i < maps.length(); ++i) {
        const Expected& e = expected[i];
        EXPECT_EQ(maps[i].object, e.object) << i;
        EXPECT_EQ(maps[i].property, e.property) << i;
        EXPECT_EQ(maps[i].kind, e.kind) << i;
        EXPECT_EQ(maps[i].sortKey, e.sortKey) << i;
        EXPECT_EQ(maps[i].caption, e.caption) << i;
    }
    // Every listed property reads from the macro.
    for (int i = 1; i < maps.length(); ++i) {
        Ork_String value = u"untouched";
        EXPECT_EQ(maps[i].getMacroVarValue(&m.db, &m.data, value, &m.transaction), eOk) << i;
        EXPECT_NE(value, u"untouched") << i;
    }

    EXPECT_EQ(mapping.initAllVarsFromMacro(nullptr, nullptr), eInvalidInput);
    Ork_DbMacro empty;
    EXPECT_EQ(mapping.initAllVarsFromMacro(&empty, nullptr), eInvalidInput);
}

TEST(ValidVars, SplitNumericFromTextKinds) {
    const KvSSMapping mapping = mappingOf({distance(u"", u"Gap"), KvObjectMap(u"B", u"P", u"", KvMapKind::PatternNrBolts1),
                                           KvObjectMap(u"B", u"P", u"", KvMapKind::PatternReverseStart1),
                                           KvObjectMap(u"A", u"B", u"", KvMapKind::None),
                                           KvObjectMap(u"", u"Prof0", u"", KvMapKind::PrPlName)});
    AcArray<int> indices{42};
    ASSERT_EQ(mapping.getValidVars(true, KvValueType::Int, indices), eOk);
    EXPECT_EQ(indices, (AcArray<int>{0, 2}));
    ASSERT_EQ(mapping.getValidVars(false, KvValueType::Double, indices), eOk);
    EXPECT_EQ(indices, (AcArray<int>{0, 2}));
    ASSERT_EQ(mapping.getValidVars(false, KvValueType::String, indices), eOk);
    EXPECT_EQ(indices, (AcArray<int>{1, 4}));
}

TEST(ValidVars, SortGroupsBySortKeyOrderWithASeparatorEach) {
    KvSSMapping mapping;
    for (int key : {3, 0, 1, 0})
        mapping.mappedObjectsWrite().append(KvObjectMap(u"A", u"P", u"", KvMapKind::Distance, key));
    AcArray<int> indices{0, 1, 2, 3};
    ASSERT_EQ(mapping.sortValidVars(indices, {0, 1}), eOk);
    EXPECT_EQ(indices, (AcArray<int>{-1, 1, 3, -1, 0, 2}));

    indices = {3, 2, 1, 0};
    ASSERT_EQ(mapping.sortValidVars(indices, {2, 0, 1}), eOk);
    EXPECT_EQ(indices, (AcArray<int>{-1, -1, 3, 1, -1, 2, 0}));

    // Separators of an earlier sort and indices without map are no choices.
    indices = {-1, 1, 3, -1, 0, 2, 17};
    ASSERT_EQ(mapping.sortValidVars(indices, {0, 1, 2, 3}), eOk);
    EXPECT_EQ(indices, (AcArray<int>{-1, 1, 3, -1, 2, -1, -1, 0}));

    EXPECT_EQ(mapping.sortValidVars(indices, {}), eInvalidInput);
    EXPECT_TRUE(indices.isEmpty());
}

TEST_F(MappingFile, AnyFirstLineWithMappingAndVersionIsTheHeader) {
    KvSSMapping mapping;
    library.writeMap("Old", "Old Mapping file, version 0.9\n" + gapLine("T") + "\n");
    EXPECT_EQ(mapping.getMappingFromFile(u"Old", u"Old Mapping file, version 0.9"), eInvalidInput);
    EXPECT_EQ(mapping.getMappingFromFile(u"Old", u"T"), eOk);
    library.writeMap("NoHeader", gapLine("Mapping") + "\n");
    EXPECT_EQ(mapping.getMappingFromFile(u"NoHeader", u"Mapping"), eOk);
}
