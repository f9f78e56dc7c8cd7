// Header and footer paths, preparing a sheet from a settings file (with the registry's fallback), and saving
// a sheet with its print files beside it.
#include "support/settingsTestSupport.h"

#include "nuvo/textHelpers.h"
#include "os/paths.h"
#include "spread/KvSSSettings.h"
#include "spread/sheetSettingsFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using sheettest::kvdBytes;
using sheettest::tagText;

namespace {

class SheetSettingsFiles : public sheettest::SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        // Drive C: is the test's own folder, so Windows-style paths name real files.
        os::setDriveFolder(u'C', m_temp.path());
    }
    void TearDown() override {
        os::clearDriveFolders();
        SettingsTest::TearDown();
    }
    void touch(const Ork_String& path, const std::string& text = "x") { writeText(path, text); }
    Ork_String fontOf(int col, int row) {
        const std::optional<grid::Font> font = m_grid->sheet().font(col, row);
        return font ? Ork_String(font->face) : Ork_String(u"(none)");
    }
};

} // namespace

// ---- absolutePath

TEST_F(SheetSettingsFiles, AbsoluteFilesStayAsTheyAre) {
    for (const char16_t* file : {u"C:\\x\\h.txt", u"\\\\server\\h.txt", u"\\x\\h.txt", u"/x/h.txt", u"d:h.txt"})
        EXPECT_EQ(absolutePath(u"C:\\a\\s.kvs", file), file) << Ork_String(file).utf8();
}

TEST_F(SheetSettingsFiles, OneFolderUpFromTheDocument) {
    std::filesystem::create_directories(m_temp.path() / "a" / "b");
    touch(u"C:\\a\\h.txt");
    EXPECT_EQ(absolutePath(u"C:\\a\\b\\s.kvs", u"..\\h.txt"), u"C:\\a\\h.txt");
    EXPECT_EQ(absolutePath(u"C:\\a\\b\\s.kvs", u"../h.txt"), u"C:\\a\\h.txt");
}

TEST_F(SheetSettingsFiles, BesideTheDocumentThenInTheInstallationFolder) {
    touch(out() + u"beside.txt");
    touch(install() + u"installed.txt");
    touch(install() + u"both.txt");
    touch(out() + u"both.txt");
    const Ork_String document = out() + u"bill.kvs";
    EXPECT_EQ(absolutePath(document, u"beside.txt"), out() + u"beside.txt");
    EXPECT_EQ(absolutePath(document, u"installed.txt"), install() + u"installed.txt");
    EXPECT_EQ(absolutePath(document, u"both.txt"), out() + u"both.txt");
    EXPECT_EQ(absolutePath(u"", u"both.txt"), install() + u"both.txt");
    EXPECT_EQ(absolutePath(document, u"missing.txt"), u"missing.txt");
}

TEST_F(SheetSettingsFiles, APosixStyleDocumentPath) {
    touch(out() + u"h.txt");
    const Ork_String posixFolder = Ork_String::fromUtf8((m_temp.path() / "out").string()) + u"/";
    EXPECT_EQ(absolutePath(posixFolder + u"bill.kvs", u"h.txt"), posixFolder + u"h.txt");
    EXPECT_EQ(makeRelative(posixFolder + u"bill.kvs", out() + u"h.txt"), u"h.txt");
}

TEST_F(SheetSettingsFiles, AWildcardNeverNamesAFile) {
    touch(out() + u"h.txt");
    EXPECT_EQ(absolutePath(out() + u"s.kvs", u"*.txt"), u"*.txt");
}

// ---- makeRelative

TEST_F(SheetSettingsFiles, RelativeToTheDocumentFolderWithoutCase) {
    std::filesystem::create_directories(m_temp.path() / "out" / "sub");
    touch(out() + u"sub\\h.txt");
    EXPECT_EQ(makeRelative(u"C:\\OUT\\bill.kvs", u"C:\\out\\sub\\h.txt"), u"sub\\h.txt");
}

TEST_F(SheetSettingsFiles, RelativeToTheInstallationFolderOtherwise) {
    touch(install() + u"h.txt");
    touch(elsewhere() + u"f.txt");
    EXPECT_EQ(makeRelative(out() + u"bill.kvs", install() + u"h.txt"), u"h.txt");
    EXPECT_EQ(makeRelative(u"", install() + u"h.txt"), u"h.txt");
    EXPECT_EQ(makeRelative(out() + u"bill.kvs", elsewhere() + u"f.txt"), elsewhere() + u"f.txt");
}

TEST_F(SheetSettingsFiles, AMissingFileStaysAsItIs) {
    EXPECT_EQ(makeRelative(out() + u"bill.kvs", out() + u"none.txt"), out() + u"none.txt");
}

// ---- prepareSheetFromSettings

TEST_F(SheetSettingsFiles, PreparingANewSheetFromANamedFile) {
    writeText(install() + u"Bill.kvd", kvdBytes("defaultFont|4|Arial|defaultTextHeight|2|17|marginTop|2|8|"));
    Ork_Spread& g = grid(2, 2);
    ASSERT_TRUE(prepareSheetFromSettings(&g, u"Bill", true));
    EXPECT_EQ(g.getMaxCols(), 6);
    EXPECT_EQ(g.getMaxRows(), 11);
    for (int s : {12, 25, 7, 21})
        EXPECT_TRUE(g.ssGetBool(s)) << s;
    EXPECT_EQ(g.getCellTypeCode(6, 11), g.getCellTypeCode(1, 1));
    EXPECT_TRUE(text(0, 0, 2).contains(tagText(u"marginTop|2|8|")));
    EXPECT_EQ(fontOf(3, 5), u"Arial");
    EXPECT_EQ(*g.sheet().font(0, 4), (grid::Font{u"Arial", 17, true}));
    EXPECT_EQ(*g.sheet().font(4, 0), (grid::Font{u"Arial", 17, true}));
    grid::Font font;
    int status = 0;
    long delay = 0;
    ui::Color back = 0, fore = 0;
    g.ssGetTextTip(status, delay, font, back, fore);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(delay, 10);
}

TEST_F(SheetSettingsFiles, PreparingFallsBackToTheRegistrysDefaultSettings) {
    writeText(install() + u"Company.kvd", kvdBytes("defaultFont|4|Verdana|marginLeft|2|1|"));
    setRegistryDefault(u"Company");
    Ork_Spread& g = grid();
    ASSERT_TRUE(prepareSheetFromSettings(&g, u"Missing", true));
    EXPECT_TRUE(text(0, 0, 2).contains(tagText(u"marginLeft|2|1|")));
    EXPECT_EQ(fontOf(1, 1), u"Verdana");
}

TEST_F(SheetSettingsFiles, PreparingWithoutAnySettingsFileWritesTheDefaults) {
    Ork_Spread& g = grid(3, 4);
    ASSERT_TRUE(prepareSheetFromSettings(&g, u"Missing", false));
    EXPECT_EQ(g.getMaxCols(), 3) << "not a new sheet: its size stays";
    KvSSSettings settings;
    settings.readFromSheet(&g);
    EXPECT_EQ(settings.m_marginLeft, 9);
    EXPECT_TRUE(text(0, 0, 2).contains(tagText(u"defaultFont|4|Tahoma|")));
    EXPECT_EQ(fontOf(1, 1), u"Tahoma");
}

TEST_F(SheetSettingsFiles, PreparingNeedsAGrid) { EXPECT_FALSE(prepareSheetFromSettings(nullptr, u"Bill", true)); }

TEST_F(SheetSettingsFiles, TheWrapperTakesTheFilesFontAsItsOwn) {
    writeText(install() + u"Bill.kvd", kvdBytes("defaultFont|4|Arial|defaultTextHeight|2|17|"));
    Ork_Spread& g = grid();
    ASSERT_TRUE(g.applySettingsFile(u"Bill"));
    EXPECT_EQ(g.fontFace(), u"Arial");
    EXPECT_EQ(g.fontHeight(), 17);
    EXPECT_EQ(g.getMaxRows(), 11);
    EXPECT_EQ(fontOf(6, 11), u"Arial");
}

TEST_F(SheetSettingsFiles, WithoutItsFileTheWrapperTakesTheFontOfTheRegistrysDefaultSettings) {
    // The sheet was prepared from the fallback: the wrapper's font, and with it the font of every row and
    // column added later, is the fallback's, not the built-in default's.
    writeText(install() + u"Company.kvd", kvdBytes("defaultFont|4|Verdana|defaultTextHeight|2|17|"));
    setRegistryDefault(u"Company");
    Ork_Spread& g = grid();
    ASSERT_TRUE(g.applySettingsFile(u"Missing"));
    EXPECT_EQ(g.fontFace(), u"Verdana");
    EXPECT_EQ(g.fontHeight(), 17);
    EXPECT_EQ(fontOf(1, 1), u"Verdana");
    EXPECT_EQ(fontOf(6, 11), u"Verdana");
    ASSERT_TRUE(g.setMaxRows(14));
    EXPECT_EQ(fontOf(1, 14), u"Verdana");
}

TEST_F(SheetSettingsFiles, AFileWithoutAUsableFontLeavesTheWrappersFont) {
    writeText(install() + u"Bad.kvd", kvdBytes("defaultFont|4||defaultTextHeight|2|0|"));
    Ork_Spread& g = grid();
    g.setFontFace(u"Courier");
    ASSERT_TRUE(g.applySettingsFile(u"Bad"));
    EXPECT_EQ(g.fontFace(), u"Courier");
}

// ---- saveSheetWithSettings

TEST_F(SheetSettingsFiles, SavingCopiesTheHeaderAndTheFooterWithTheirPictures) {
    touch(elsewhere() + u"head.txt", "header");
    touch(elsewhere() + u"head.bmp", "hb");
    touch(elsewhere() + u"foot.txt", "footer");
    touch(elsewhere() + u"foot.bmp", "fb");
    Ork_Spread& g = grid();
    KvSSSettings settings;
    settings.readFromSheet(&g);
    settings.m_headerFile = elsewhere() + u"head.txt";
    settings.m_footerFile = elsewhere() + u"foot.txt";
    settings.writeToSheet(&g);
    g.ssSetData(1, 1, u"42");

    ASSERT_TRUE(saveSheetWithSettings(&g, out() + u"bill.kvs"));
    EXPECT_EQ(readText(out() + u"head.txt"), "header");
    EXPECT_EQ(readText(out() + u"head.bmp"), "hb");
    EXPECT_EQ(readText(out() + u"foot.txt"), "footer");
    EXPECT_EQ(readText(out() + u"foot.bmp"), "fb");
    EXPECT_FALSE(g.ssGetBool(30));
    KvSSSettings back;
    back.readFromSheet(&g);
    EXPECT_EQ(back.m_headerFile, u"head.txt");
    EXPECT_EQ(back.m_footerFile, u"foot.txt");
    EXPECT_TRUE(os::fileExists(out() + u"bill.kvs"));
}

TEST_F(SheetSettingsFiles, SavingFindsPrintFilesOfTheInstallationFolder) {
    touch(install() + u"foot.txt", "footer");
    Ork_Spread& g = grid();
    KvSSSettings settings;
    settings.readFromSheet(&g);
    settings.m_footerFile = u"foot.txt";
    settings.writeToSheet(&g);
    ASSERT_TRUE(saveSheetWithSettings(&g, out() + u"bill.kvs"));
    EXPECT_EQ(readText(out() + u"foot.txt"), "footer");
    EXPECT_FALSE(os::fileExists(out() + u"foot.bmp"));
}

TEST_F(SheetSettingsFiles, ANewerCopyBesideTheSheetIsKept) {
    touch(elsewhere() + u"head.txt", "old");
    touch(out() + u"head.txt", "newer");
    std::filesystem::last_write_time(m_temp.path() / "elsewhere" / "head.txt",
                                     std::filesystem::last_write_time(m_temp.path() / "out" / "head.txt") -
                                         std::chrono::hours(1));
    Ork_Spread& g = grid();
    KvSSSettings settings;
    settings.readFromSheet(&g);
    settings.m_headerFile = elsewhere() + u"head.txt";
    settings.writeToSheet(&g);
    ASSERT_TRUE(saveSheetWithSettings(&g, out() + u"bill.kvs"));
    EXPECT_EQ(readText(out() + u"head.txt"), "newer");
}

TEST_F(SheetSettingsFiles, SavingWithoutPrintFilesLeavesTheTagAlone) {
    Ork_Spread& g = grid();
    KvSSSettings settings;
    settings.readFromSheet(&g);
    settings.m_headerFile = u"missing.txt";
    settings.writeToSheet(&g);
    const Ork_String before = text(0, 0, 2);
    ASSERT_TRUE(saveSheetWithSettings(&g, out() + u"bill.kvs"));
    EXPECT_EQ(text(0, 0, 2), before);
}

TEST_F(SheetSettingsFiles, AFailedSaveOrNoGridFails) {
    Ork_Spread& g = grid();
    EXPECT_FALSE(saveSheetWithSettings(nullptr, out() + u"bill.kvs"));
    EXPECT_FALSE(saveSheetWithSettings(&g, out() + u"no such folder\\bill.kvs"));
}

TEST_F(SheetSettingsFiles, TheSavedSheetCarriesItsSettings) {
    Ork_Spread& g = grid();
    KvSSSettings settings;
    settings.readFromSheet(&g);
    settings.m_marginRight = 33;
    settings.writeToSheet(&g);
    ASSERT_TRUE(saveSheetWithSettings(&g, out() + u"bill.kvs"));
    g.ssSetCellTag(0, 0, u"");
    ASSERT_TRUE(g.ssLoadFromFile((out() + u"bill.kvs").c_str()));
    KvSSSettings back;
    back.readFromSheet(&g);
    EXPECT_EQ(back.m_marginRight, 33);
}

// ---- the shipped settings

TEST(ShippedSettings, TheSampleBillSettingsNameTheirPrintFiles) {
    Ork_Settings::reset();
    Ork_Settings::setOrkDir(Ork_String::fromUtf8(SS_SOURCE_DIR));
    KvSSSettings settings;
    ASSERT_TRUE(settings.readFile(u"samples\\Bill"));
    EXPECT_EQ(settings.m_defaultFont, u"Tahoma");
    EXPECT_EQ(settings.m_varNames, (Ork_StringArray{u"Company"}));
    Ork_String header, footer;
    settings.resolveHeaderFile(u"", header);
    settings.resolveFooterFile(u"", footer);
    EXPECT_TRUE(os::fileExists(header)) << header.utf8();
    EXPECT_TRUE(os::fileExists(footer)) << footer.utf8();
    EXPECT_TRUE(os::fileExists(changeExtension(header, u"bmp")));
    Ork_Settings::reset();
}
