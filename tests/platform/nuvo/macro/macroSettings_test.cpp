// The settings dialog's parts of a macro: filters, filter properties and mapped standards in the macro file,
// GetMacroSettings / SetMacroSettings on them, the mapping record's look-up and the host's random keys.
#include "support/macroTestSupport.h"

#include "nuvo/macro/macroEditorCalls.h"
#include "nuvo/randomString.h"
#include "nuvo/records/MacroSettingsData.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr const char* kSettings = R"({"name": "S", "modules": [{"name": "Plate"}],
  "baseProfiles": [{"section": "IPE-300", "material": "S355"}],
  "settings": {
    "filters": {"firstEnabled": true, "secondEnabled": false,
      "axis": [{"name": "IPE-300", "active": true, "mode": 1, "first": 0.1234567891, "second": 90}],
      "section": [{"name": "IPE-300", "active": false, "ranges": [0, 45, 135, 180]}],
      "path": [],
      "size": [{"name": "IPE-300", "active": true, "values": [100, 600, 50.5, 300]}]},
    "filterProperties": [{"name": "Grade", "values": ["S235", "S355"], "image": "EndPlate"}],
    "standards": [{"sheet": "EndPlate", "key": "Module.Plate"}, {"sheet": "Childs\\Bolts", "key": "K1"}]}})";

Ork_String readInto(Ork_DbMacro& db, MacroData& data, const std::string& text) {
    Ork_String error;
    readMacroJsonText(text, db, data, error);
    return error;
}

TEST(MacroSettingsFile, ReadsWritesAndRefusesTheSettings) {
    Ork_DbMacro db;
    MacroData data;
    ASSERT_EQ(readInto(db, data, kSettings), u"");
    const Ork_MacroDefinition& d = db.macro()->definition;
    EXPECT_TRUE(d.filters.firstEnabled);
    EXPECT_EQ(d.filters.axisModes, (AcArray<int>{1}));
    EXPECT_EQ(d.filters.axisFirst[0], 0.1234567891);
    EXPECT_EQ(d.filters.sectionRanges[0], (AcArray<double>{0, 45, 135, 180}));
    EXPECT_TRUE(d.filters.pathNames.isEmpty());
    EXPECT_EQ(d.filters.sizeValues[0][2], 50.5);
    EXPECT_EQ(d.filterProperties.values[0], (Ork_StringArray{u"S235", u"S355"}));
    EXPECT_EQ(d.sheetMappings.names, (Ork_StringArray{u"EndPlate", u"Childs\\Bolts"}));
    EXPECT_EQ(d.sheetMappings.keys[1], u"K1");

    // Written and read again, the same document.
    const std::string text = macroJsonText(*db.macro(), data);
    Ork_DbMacro again;
    MacroData againData;
    ASSERT_EQ(readInto(again, againData, text), u"");
    EXPECT_EQ(macroJsonText(*again.macro(), againData), text);
    EXPECT_TRUE(again.macro()->definition.filters == d.filters);

    // A macro without settings is written without them.
    Ork_DbMacro plain;
    MacroData plainData;
    ASSERT_EQ(readInto(plain, plainData, R"({"name": "P", "modules": [{"name": "A"}]})"), u"");
    EXPECT_EQ(macroJsonText(*plain.macro(), plainData).find("\"settings\""), std::string::npos);

    struct Bad {
        const char* settings;
        const char16_t* place;
    };
    const Bad bad[] = {
        {R"({"filters": {"axis": [{"mode": 2}]}})", u"settings.filters.axis[0].mode: must be 0 to 1"},
        {R"({"filters": {"section": [{"ranges": [1, 2, 3]}]}})", u"settings.filters.section[0].ranges: ranges come in pairs"},
        {R"({"filters": {"size": [{"values": [1, 2]}]}})", u"settings.filters.size[0].values: four values are expected"},
        {R"({"standards": [{"sheet": 3}]})", u"settings.standards[0].sheet: a text is expected"},
        {R"({"filter": {}})", u"settings: unknown key \"filter\""},
    };
    for (const Bad& b : bad) {
        Ork_DbMacro refused;
        MacroData refusedData;
        const Ork_String error =
            readInto(refused, refusedData, std::string(R"({"name": "B", "modules": [], "settings": )") + b.settings + "}");
        EXPECT_NE(error.find(b.place), std::u16string::npos) << error.utf8();
    }
}

TEST(MacroSettingsCalls, FiltersMappingsAndPropertiesGoBothWays) {
    Ork_DbMacro db;
    MacroData data;
    ASSERT_EQ(readInto(db, data, kSettings), u"");
    MacroSettingsData settings;
    ASSERT_TRUE(GetMacroSettings(db.objectId(), settings));
    EXPECT_EQ(settings.filters.axisFirst[0], 0.1234567891);
    // A kind the macro has no entries of offers one per base profile, switched off.
    EXPECT_EQ(settings.filters.pathNames, (Ork_StringArray{u"IPE-300"}));
    EXPECT_EQ(settings.filters.pathActive, (AcArray<bool>{false}));
    EXPECT_EQ(settings.mapping.keys[0], u"Module.Plate");
    EXPECT_EQ(settings.mapping.moduleNames, (Ork_StringArray{u"Plate"}));
    EXPECT_EQ(settings.filterPropImages, (Ork_StringArray{u"EndPlate"}));
    EXPECT_FALSE(settings.mappingChanged);

    // Stored and fetched again: the same record.
    ASSERT_TRUE(SetMacroSettings(db.objectId(), settings));
    MacroSettingsData again;
    ASSERT_TRUE(GetMacroSettings(db.objectId(), again));
    EXPECT_TRUE(sameSettings(settings, again));
    settings.mapping.keys[1] = u"K2";
    settings.filters.sizeActive[0] = false;
    ASSERT_TRUE(SetMacroSettings(db.objectId(), settings));
    EXPECT_EQ(db.macro()->definition.sheetMappings.keys[1], u"K2");
    EXPECT_FALSE(db.macro()->definition.filters.sizeActive[0]);

    nuvo::refuseEditorCall(u"GetMacroSettings");
    MacroSettingsData untouched;
    EXPECT_FALSE(GetMacroSettings(db.objectId(), untouched));
    EXPECT_TRUE(untouched.filters.axisNames.isEmpty());
    nuvo::clearEditorCallRefusals();
}

TEST(TabMappingData, GivesTheKeyOnlyWhereTheNameStands) {
    TabMappingData mapping;
    mapping.names = {u"EndPlate", u"EndPlate", u"Base"};
    mapping.keys = {u"A", u"B"};
    EXPECT_EQ(mapping.getMapping(u"EndPlate", 1), u"B");
    EXPECT_EQ(mapping.getMapping(u"EndPlate", 0), u"A");
    EXPECT_EQ(mapping.getMapping(u"Base", 0), u"");
    EXPECT_EQ(mapping.getMapping(u"Base", 2), u"");   // no key there
    EXPECT_EQ(mapping.getMapping(u"EndPlate", -1), u"");
}

TEST(RandomString, GivesKeysOfTheLengthAskedFromASourceTestsCanSeedOrBreak) {
    nuvo::setRandomSource(nuvo::seededRandomSource(7));
    Ork_String first, second;
    ASSERT_TRUE(generateRandomString(24, first, true));
    EXPECT_EQ(first.length(), 24u);
    for (char16_t c : first)
        EXPECT_TRUE((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'));
    nuvo::setRandomSource(nuvo::seededRandomSource(7));
    ASSERT_TRUE(generateRandomString(24, second, true));
    EXPECT_EQ(first, second);

    nuvo::setRandomSource([](std::uint32_t&) { return false; });
    Ork_String kept = u"kept";
    EXPECT_FALSE(generateRandomString(24, kept, true));
    EXPECT_EQ(kept, u"kept");
    EXPECT_FALSE(generateRandomString(-1, kept, true));

    nuvo::setRandomSource({});
    std::set<std::u16string> seen;
    for (int i = 0; i < 50; ++i) {
        Ork_String key;
        ASSERT_TRUE(generateRandomString(24, key, false));
        seen.insert(key);
    }
    EXPECT_EQ(seen.size(), 50u);
}

} // namespace
