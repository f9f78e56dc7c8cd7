#include "nuvo/MacroLangs.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/hostTexts.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

TEST(HostTexts, ComeFromTheBuiltInTable) {
    EXPECT_EQ(dialString(1), u"OK");
    EXPECT_EQ(dialString(2), u"Cancel");
    EXPECT_EQ(string(2), dialString(2));
}

TEST(HostTexts, AnUnknownNumberGivesHashN) {
    EXPECT_EQ(dialString(999999), u"#999999");
    EXPECT_EQ(dialString(-3), u"#-3");
}

TEST(HostTexts, TheMixedValuesMarkerIsNoPlausibleValue) {
    const Ork_String mixed = dialString(695);
    EXPECT_FALSE(mixed.empty());
    EXPECT_NE(mixed, u"#695");
    EXPECT_FALSE(mixed.equal(u"0") || mixed.equal(u"1") || mixed.equal(u""));
}

TEST(HostTexts, LoadParsesNumberTabTextWithEscapes) {
    EXPECT_EQ(nuvo::loadHostTexts("9000001\tLine one\\nLine two\\t!\r\nnot a line\n9000002 no tab\n"), 1);
    EXPECT_EQ(dialString(9000001), u"Line one\nLine two\t!");
    EXPECT_EQ(dialString(9000002), u"#9000002");
    nuvo::resetHostTexts();
    EXPECT_EQ(dialString(9000001), u"#9000001");
}

TEST(Languages, KnowAtLeastFiveWithTheCurrentOneFromTheSettings) {
    Ork_StringArray all;
    gMacroLangs.GetAllLanguages(all);
    EXPECT_GE(gMacroLangs.GetNrLanguages(), 5);
    EXPECT_EQ(all[4], u"Korean");   // the optional fifth language column of section tables
    Ork_Settings::setLanguage(u"Dutch");
    EXPECT_EQ(gMacroLangs.GetCurLanguage(), u"Dutch");
    Ork_Settings::reset();
    EXPECT_EQ(gMacroLangs.GetCurLanguage(), u"English");
}

TEST(Languages, TranslateWholeTextsOrPiecesBetweenSymbols) {
    MacroLangs langs;
    langs.setTranslation(u"Dutch", u"Width", u"Breedte");
    EXPECT_EQ(langs.GetString(u"Dutch", u"Width"), u"Breedte");
    EXPECT_EQ(langs.GetString(u"Dutch", u"Height"), u"Height");   // no translation: as written
    EXPECT_EQ(langs.GetStringChopSymbols(u"Dutch", u"WidthxHeight", true, u'x'), u"BreedtexHeight");
    EXPECT_EQ(langs.GetStringChopSymbols(u"Dutch", u"WidthxHeight", false, u'x'), u"WidthxHeight");
}

TEST(Settings, FoldersEndWithABackslash) {
    Ork_Settings::reset();
    EXPECT_TRUE(Ork_Settings::libDir().endsWith(u"\\"));
    EXPECT_TRUE(Ork_Settings::orkDir().endsWith(u"\\"));
    Ork_Settings::setLibDir(u"/srv/lib");
    EXPECT_EQ(Ork_Settings::libDir(), u"\\srv\\lib\\");
    Ork_Settings::reset();
}

TEST(Settings, TheDefaultLibraryIsTheBundledSample) {
    Ork_Settings::reset();
    if (std::getenv("SS_LIBRARY"))
        GTEST_SKIP() << "SS_LIBRARY is set";
    EXPECT_TRUE(Ork_Settings::libDir().endsWith(u"samples\\library\\"));
}

TEST(Settings, ReadsAFile) {
    TempFolder dir;
    {
        std::ofstream out(dir.path() / "ss.ini");
        out << "# comment\nlibrary = /data/lib\nlanguage = German\nstandardsMessages = off\nnonsense\n";
    }
    ASSERT_TRUE(Ork_Settings::load(dir.folder() + u"ss.ini"));
    if (!std::getenv("SS_LIBRARY")) {
        EXPECT_EQ(Ork_Settings::libDir(), u"\\data\\lib\\");
    }
    EXPECT_EQ(Ork_Settings::language(), u"German");
    EXPECT_FALSE(Ork_Settings::standardsMessages());
    Ork_Settings::setStandardsMessages(true);   // the program's own setting wins
    EXPECT_TRUE(Ork_Settings::standardsMessages());
    Ork_Settings::reset();
    EXPECT_FALSE(Ork_Settings::load(dir.folder() + u"missing.ini"));
}

TEST(HostTexts, EveryLineOfTheTableIsATextAndNoNumberTwice) {
    std::ifstream in(std::string(SS_SOURCE_DIR) + "/platform/nuvo/texts/en.txt", std::ios::binary);
    ASSERT_TRUE(in);
    const std::string table(std::istreambuf_iterator<char>(in), {});
    std::istringstream lines(table);
    std::set<int> numbers;
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << "line " << count << ": " << line;
        EXPECT_TRUE(numbers.insert(std::stoi(line.substr(0, tab))).second) << "number given twice: " << line;
        EXPECT_GT(line.size(), tab + 1) << "empty text: " << line;
    }
    EXPECT_EQ(nuvo::loadHostTexts(table), count);
    nuvo::resetHostTexts();
}

TEST(HostTextsAllLanguages, GiveEachLanguagesTranslationOrTheEnglishText) {
    const Ork_String english = dialString(1);
    gMacroLangs.setTranslation(u"German", english, u"Gut");
    const Ork_StringArray texts = dialStringAllLangs(1);
    gMacroLangs.clearTranslations();
    ASSERT_EQ(texts.length(), gMacroLangs.GetNrLanguages());
    EXPECT_EQ(texts[0], english);
    EXPECT_EQ(texts[2], u"Gut");
    EXPECT_EQ(texts[3], english);
    EXPECT_EQ(dialStringAllLangs(999999)[1], u"#999999");
}
