// The settings list, its two text forms (the corner tag and the 8-bit settings file), the settings record
// and the registry record.
#include "support/settingsTestSupport.h"

#include "spread/KvSSSettings.h"
#include "spread/Ork_SimplePropsList.h"

#include <gtest/gtest.h>

using sheettest::kvdBytes;
using sheettest::tagText;
using Value = Ork_SimplePropsList::Value;

// ---- Ork_SimplePropsList

TEST(SimplePropsListText, WritesKeyTypeAndValueEachFollowedByTheSeparator) {
    Ork_SimplePropsList list;
    list.setInt(u"marginTop", 5);
    Ork_String text;
    list.toText(text);
    EXPECT_EQ(text, u"marginTop\u00A42\u00A45\u00A4");
}

TEST(SimplePropsListText, WritesEveryTypeInItsOwnForm) {
    Ork_SimplePropsList list;
    list.set(u"d", Value::ofDouble(2.345));
    list.set(u"i", Value::ofInt(-7));
    list.set(u"l", Value::ofLong(123456789L));
    list.set(u"s", Value::ofString(u"Tahoma"));
    list.set(u"n", Value{});
    Ork_String text;
    list.toText(text);
    EXPECT_EQ(text, tagText(u"d|1|2.35|i|2|-7|l|3|123456789|s|4|Tahoma|n|0||"));
}

TEST(SimplePropsListText, ReadsBackWhatItWrote) {
    Ork_SimplePropsList list;
    list.set(u"d", Value::ofDouble(-1.5));
    list.setInt(u"i", 42);
    list.set(u"l", Value::ofLong(-9L));
    list.setString(u"s", u"a b");
    Ork_String text;
    list.toText(text);
    Ork_SimplePropsList back;
    ASSERT_TRUE(back.fromText(text));
    ASSERT_EQ(back.length(), 4);
    Value v;
    ASSERT_TRUE(back.get(u"d", v));
    EXPECT_EQ(v.type, Ork_SimplePropsList::kDouble);
    EXPECT_DOUBLE_EQ(v.doubleValue, -1.5);
    ASSERT_TRUE(back.get(u"l", v));
    EXPECT_EQ(v.longValue, -9L);
    int i = 0;
    EXPECT_TRUE(back.getInt(u"I", i));
    EXPECT_EQ(i, 42);
    Ork_String s;
    EXPECT_TRUE(back.getString(u"s", s));
    EXPECT_EQ(s, u"a b");
}

TEST(SimplePropsListText, AnEmptyPieceIsAnEmptyValueNotTheEnd) {
    Ork_SimplePropsList list;
    ASSERT_TRUE(list.fromText(tagText(u"headerFile|4||marginTop|2|5|")));
    Ork_String header = u"x";
    EXPECT_TRUE(list.getString(u"headerFile", header));
    EXPECT_EQ(header, u"");
    int top = 0;
    EXPECT_TRUE(list.getInt(u"marginTop", top));
    EXPECT_EQ(top, 5);
}

TEST(SimplePropsListText, DropsAnIncompleteLastTripleAndEntriesWithoutKey) {
    Ork_SimplePropsList list;
    ASSERT_TRUE(list.fromText(tagText(u"|2|1|a|2|1|b|2|3")));
    EXPECT_EQ(list.length(), 1);
    int b = 0;
    EXPECT_FALSE(list.getInt(u"b", b));
}

TEST(SimplePropsListText, AnEmptyTextFailsAndEmptiesTheList) {
    Ork_SimplePropsList list;
    list.setInt(u"a", 1);
    EXPECT_FALSE(list.fromText(u""));
    EXPECT_EQ(list.length(), 0);
}

TEST(SimplePropsListText, AnUnknownTypeCodeGivesAValueOfNoType) {
    Ork_SimplePropsList list;
    ASSERT_TRUE(list.fromText(tagText(u"a|9|5|b|x|6|")));
    Value v;
    ASSERT_TRUE(list.get(u"a", v));
    EXPECT_EQ(v.type, Ork_SimplePropsList::kNone);
    ASSERT_TRUE(list.get(u"b", v));
    EXPECT_EQ(v.type, Ork_SimplePropsList::kNone);
}

TEST(SimplePropsListText, ASeparatorInsideATextIsLeftOutRatherThanShiftingTheList) {
    Ork_SimplePropsList list;
    list.setString(u"title", u"A\u00A4B");
    list.setInt(u"n", 3);
    Ork_String text;
    list.toText(text);
    Ork_SimplePropsList back;
    back.fromText(text);
    Ork_String title;
    int n = 0;
    EXPECT_TRUE(back.getString(u"title", title));
    EXPECT_EQ(title, u"AB");
    EXPECT_TRUE(back.getInt(u"n", n));
    EXPECT_EQ(n, 3);
}

TEST(SimplePropsListKeys, CompareWithoutCaseAndReplaceInPlace) {
    Ork_SimplePropsList list;
    list.setInt(u"one", 1);
    list.setInt(u"two", 2);
    list.setString(u"ONE", u"x");
    ASSERT_EQ(list.length(), 2);
    EXPECT_EQ(list.keyAt(0), u"one");
    EXPECT_EQ(list.valueAt(0).type, Ork_SimplePropsList::kString);
    int index = -1;
    EXPECT_TRUE(list.has(u"tWo", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.has(u"tw", index));
}

TEST(SimplePropsListKeys, AnEmptyKeyIsNeverStored) {
    Ork_SimplePropsList list;
    EXPECT_FALSE(list.setInt(u"", 1));
    EXPECT_EQ(list.length(), 0);
}

TEST(SimplePropsListKeys, OnlyATextValueCarriesItsText) {
    Ork_SimplePropsList list;
    Value v = Value::ofInt(3);
    v.text = u"stray";
    list.set(u"a", v);
    EXPECT_EQ(list.valueAt(0).text, u"");
}

TEST(SimplePropsListGetters, ClearTheirOutputAndRefuseAnotherType) {
    Ork_SimplePropsList list;
    list.setString(u"s", u"5");
    list.setInt(u"i", 1);
    int i = 9;
    bool b = true;
    Ork_String s = u"old";
    EXPECT_FALSE(list.getInt(u"s", i));
    EXPECT_EQ(i, 0);
    EXPECT_FALSE(list.getBool(u"s", b));
    EXPECT_FALSE(b);
    EXPECT_FALSE(list.getString(u"i", s));
    EXPECT_EQ(s, u"");
    EXPECT_FALSE(list.getString(u"missing", s));
    EXPECT_TRUE(list.getBool(u"i", b));
    EXPECT_TRUE(b);
}

// ---- Settings files

class SettingsFile : public sheettest::SettingsTest {};

TEST_F(SettingsFile, ReadsEightBitTriplesAndLosesAnUnclosedLastOne) {
    writeText(install() + u"a.kvd", kvdBytes("defaultFont|4|Caf\xE9|marginTop|2|7|marginLeft|2|3"));
    Ork_SimplePropsList list;
    ASSERT_TRUE(list.readFile(install() + u"a.kvd"));
    EXPECT_EQ(list.length(), 2);
    Ork_String font;
    EXPECT_TRUE(list.getString(u"defaultFont", font));
    EXPECT_EQ(font, u"Caf\u00E9");
    int left = 0;
    EXPECT_FALSE(list.getInt(u"marginLeft", left));
}

TEST_F(SettingsFile, LineBreaksArePartOfAPiece) {
    writeText(install() + u"b.kvd", kvdBytes("a|4|x\r\ny|\r\nb|2|1|"));
    Ork_SimplePropsList list;
    ASSERT_TRUE(list.readFile(install() + u"b.kvd"));
    Ork_String a;
    EXPECT_TRUE(list.getString(u"a", a));
    EXPECT_EQ(a, u"x\r\ny");
    int b = 0;
    EXPECT_TRUE(list.getInt(u"\r\nb", b));
}

TEST_F(SettingsFile, AMissingFileOrEmptyPathFails) {
    Ork_SimplePropsList list;
    EXPECT_FALSE(list.readFile(u""));
    EXPECT_FALSE(list.readFile(install() + u"none.kvd"));
}

// ---- KvSSSettings

namespace {

void expectDefaults(const KvSSSettings& s) {
    EXPECT_EQ(s.m_defaultFont, u"Tahoma");
    EXPECT_EQ(s.m_defaultTextHeight, 13);
    EXPECT_EQ(s.m_marginLeft, 9);
    EXPECT_EQ(s.m_marginRight, 5);
    EXPECT_EQ(s.m_marginTop, 5);
    EXPECT_EQ(s.m_marginBottom, 5);
    EXPECT_TRUE(s.m_smartPrint && s.m_colors && s.m_colHeader && s.m_rowHeader && s.m_cellSeperators && s.m_border);
}

Ork_SimplePropsList listOf(const char16_t* text) {
    Ork_SimplePropsList list;
    list.fromText(tagText(text));
    return list;
}

} // namespace

TEST(SSSettings, DefaultsSurviveTheTagTextAndBack) {
    KvSSSettings settings;
    Ork_SimplePropsList list;
    settings.toPropsList(list);
    Ork_String text;
    list.toText(text);
    EXPECT_TRUE(text.startsWith(tagText(u"headerFile|4||footerFile|4||defaultFont|4|Tahoma|defaultTextHeight|2|13|")));
    Ork_SimplePropsList back;
    ASSERT_TRUE(back.fromText(text));
    KvSSSettings read;
    read.m_defaultFont = u"x";
    read.m_marginTop = 0;
    read.m_border = false;
    read.fromPropsList(back);
    expectDefaults(read);
}

TEST(SSSettings, WritesTheKeysInTheirOrderThenNamesThenValues) {
    KvSSSettings settings;
    settings.m_varNames = {u"Date", u"Title"};
    settings.m_varValues = {u"1 May", u"Bill"};
    Ork_SimplePropsList list;
    settings.toPropsList(list);
    const char16_t* keys[] = {u"headerFile", u"footerFile", u"defaultFont", u"defaultTextHeight", u"marginLeft",
                              u"marginRight", u"marginTop", u"marginBottom", u"smartPrint", u"colors",
                              u"colHeader", u"rowHeader", u"cellSeperators", u"border", u"varNames0",
                              u"varNames1", u"varValues0", u"varValues1"};
    ASSERT_EQ(list.length(), 18);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(list.keyAt(i), keys[i]) << i;
    EXPECT_EQ(list.valueAt(8).type, Ork_SimplePropsList::kInt);
    EXPECT_EQ(list.valueAt(8).intValue, 1);
}

TEST(SSSettings, AbsentKeysKeepTheirDefaults) {
    KvSSSettings settings;
    settings.fromPropsList(listOf(u"marginTop|2|20|colors|2|0|"));
    EXPECT_EQ(settings.m_marginTop, 20);
    EXPECT_FALSE(settings.m_colors);
    EXPECT_EQ(settings.m_marginLeft, 9);
    EXPECT_EQ(settings.m_defaultFont, u"Tahoma");
}

TEST(SSSettings, AKeyOfTheWrongTypeReadsEmptyZeroOrFalseNotTheDefault) {
    KvSSSettings settings;
    settings.fromPropsList(listOf(u"defaultFont|2|1|marginLeft|4|9|border|4|1|defaultTextHeight|1|13.00|"));
    EXPECT_EQ(settings.m_defaultFont, u"");
    EXPECT_EQ(settings.m_marginLeft, 0);
    EXPECT_FALSE(settings.m_border);
    EXPECT_EQ(settings.m_defaultTextHeight, 0);
}

TEST(SSSettings, TheLongerVariableListIsCutToTheShorter) {
    KvSSSettings settings;
    settings.fromPropsList(listOf(u"varNames0|4|A|varNames1|4|B|varValues0|4|1|"));
    EXPECT_EQ(settings.m_varNames, (Ork_StringArray{u"A"}));
    EXPECT_EQ(settings.m_varValues, (Ork_StringArray{u"1"}));
    settings.fromPropsList(listOf(u"varNames0|4|A|varValues0|4|1|varValues1|4|2|varValues2|4|3|"));
    EXPECT_EQ(settings.m_varNames.length(), 1);
    EXPECT_EQ(settings.m_varValues, (Ork_StringArray{u"1"}));
}

TEST(SSSettings, AListEndsAtAGapOrANonText) {
    KvSSSettings settings;
    settings.fromPropsList(listOf(u"varNames0|4|A|varNames2|4|C|varValues0|4|1|varValues1|2|2|varValues2|4|3|"
                                  u"varNames1|4|B|"));
    EXPECT_EQ(settings.m_varNames, (Ork_StringArray{u"A"}));
    EXPECT_EQ(settings.m_varValues, (Ork_StringArray{u"1"}));
}

class SSSettingsSheet : public sheettest::SettingsTest {};

TEST_F(SSSettingsSheet, ASheetWithoutTagReadsAllDefaults) {
    Ork_Spread& g = grid();
    KvSSSettings settings;
    settings.m_marginTop = 1;
    EXPECT_TRUE(settings.readFromSheet(&g));
    EXPECT_TRUE(settings.m_valid);
    EXPECT_EQ(settings.m_grid, &g);
    expectDefaults(settings);
    EXPECT_EQ(settings.m_varNames.length(), 0);
}

TEST_F(SSSettingsSheet, TheCornerTagCarriesTheSettings) {
    Ork_Spread& g = grid();
    KvSSSettings settings;
    EXPECT_FALSE(settings.writeToSheet(&g)) << "never read: nothing to write";
    settings.readFromSheet(&g);
    settings.m_marginBottom = 12;
    settings.m_footerFile = u"foot.txt";
    settings.m_varNames = {u"Title"};
    settings.m_varValues = {u"Bill 7"};
    EXPECT_TRUE(settings.writeToSheet(&g));
    EXPECT_TRUE(text(0, 0, 2).contains(tagText(u"marginBottom|2|12|")));
    KvSSSettings back;
    back.readFromSheet(&g);
    EXPECT_EQ(back.m_marginBottom, 12);
    EXPECT_EQ(back.m_footerFile, u"foot.txt");
    EXPECT_EQ(back.m_varValues, (Ork_StringArray{u"Bill 7"}));
}

TEST_F(SSSettingsSheet, ReadsANamedFileOfTheInstallationFolder) {
    writeText(install() + u"Bill.kvd", kvdBytes("defaultFont|4|Arial|defaultTextHeight|2|16|varNames0|4|A|"));
    KvSSSettings settings;
    EXPECT_TRUE(settings.readFile(u"Bill"));
    EXPECT_TRUE(settings.m_valid);
    EXPECT_EQ(settings.m_defaultFont, u"Arial");
    EXPECT_EQ(settings.m_defaultTextHeight, 16);
    EXPECT_EQ(settings.m_varNames.length(), 0) << "a name without a value is no pair";
    KvSSSettings missing;
    missing.m_marginTop = 1;
    EXPECT_FALSE(missing.readFile(u"NoSuch"));
    EXPECT_TRUE(missing.m_valid);
    expectDefaults(missing);
}

// ---- KvSSRegistrySets

class RegistrySets : public sheettest::SettingsTest {};

TEST_F(RegistrySets, WithoutTheKeyBothKeepTheirDefaults) {
    KvSSRegistrySets sets;
    EXPECT_FALSE(sets.read());
    EXPECT_EQ(sets.m_language, u"EN");
    EXPECT_EQ(sets.m_defaultSettings, u"");
}

TEST_F(RegistrySets, ReadsBothValues) {
    setRegistryDefault(u"Company");
    KvSSRegistrySets sets;
    EXPECT_TRUE(sets.read());
    EXPECT_EQ(sets.m_language, u"DE");
    EXPECT_EQ(sets.m_defaultSettings, u"Company");
}

TEST_F(RegistrySets, ReadsLongValuesWholeAndEndsAtATerminator) {
    const Ork_String longName(std::u16string(600, u'x'));
    setRegistryDefault(longName);
    os::Registry::Key key;
    ASSERT_EQ(os::Registry::openKey(os::Hive::LocalMachine, KvSSRegistrySets::kKey, key), os::RegStatus::Ok);
    ASSERT_EQ(key.setString(u"Language", std::u16string(u"FR\0junk", 7)), os::RegStatus::Ok);
    KvSSRegistrySets sets;
    EXPECT_TRUE(sets.read());
    EXPECT_EQ(sets.m_defaultSettings, longName);
    EXPECT_EQ(sets.m_language, u"FR");
}

TEST_F(RegistrySets, AValueOfAnotherTypeFailsOnlyThatValue) {
    setRegistryDefault(u"Company");
    os::Registry::Key key;
    ASSERT_EQ(os::Registry::openKey(os::Hive::LocalMachine, KvSSRegistrySets::kKey, key), os::RegStatus::Ok);
    ASSERT_EQ(key.setNumber(u"Language", 7), os::RegStatus::Ok);
    KvSSRegistrySets sets;
    EXPECT_FALSE(sets.read());
    EXPECT_EQ(sets.m_language, u"EN");
    EXPECT_EQ(sets.m_defaultSettings, u"Company");
}
